#pragma once

#include "data/VorelDataItem.h"
#include "data/VorelDataQuestion.h"
#include "text/TString.h"

// The text form of the document's lines. Readers return false when a line
// does not fit its grammar; the caller keeps such a line as a comment.

/// A question line of the current layout (version 3.0). The question keeps
/// the text each field was read from.
bool ParseQuestionLine(const CLSTString& line, int historySize, CLSVorelDataQuestion& question);
/// A question line of the layout of versions 1.2-2.9, keeping the read texts.
bool ParseOldQuestionLine(const CLSTString& line, CLSVorelDataQuestion& question);
/// The question line for a document of the given version (without CR LF):
/// fields still as read are written as read where that text fits the layout,
/// the others from the model; attributes and history always from the model.
CLSTString WriteQuestionLine(const CLSVorelDataQuestion& question, int version);

bool ParseTitleLine(const CLSTString& line, CLSVorelDataTitle& title);
CLSTString WriteTitleLine(const CLSVorelDataTitle& title);

/// "'" + text, or "" for an empty text.
CLSTString WriteCommentLine(const CLSTString& text);
/// A comment line ("'" + text, or an empty line).
CLSVorelDataComment ParseCommentLine(const CLSTString& line);
/// A line that fits no grammar, kept whole as a comment.
CLSVorelDataComment KeptAsComment(const CLSTString& line);
/// The line as it was read while its text is unchanged, else "'" + text.
CLSTString WriteCommentLine(const CLSVorelDataComment& comment);

/// The value part of a font setting line ("size,charset,face'comment").
CLSVorelDataFont ParseFontValue(const CLSTString& value);
/// "$Key=value" (print fonts too), or "" for a kind that has no key.
CLSTString WriteFontLine(int kind, const CLSVorelDataFont& font);

/// The value part of a number setting line ("value'comment").
CLSVorelDataNumber ParseNumberValue(const CLSTString& value);
CLSTString WriteNumberLine(int kind, const CLSVorelDataNumber& number);

/// Kind of the font key of a "$Font…" line: unknown names are comment fonts.
int FontKindOfKey(const CLSTString& key);
/// Kind of a number key, or 0.
int NumberKindOfKey(const CLSTString& key);
