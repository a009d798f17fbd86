#pragma once

#include <vector>

#include "data/VorelDataItem.h"
#include "text/TString.h"

class CLSVorelDataFile;

/// A new line of a kind as the editor adds it: an empty title (written
/// answers, no comparison options), an empty question (one answer to give,
/// group 0, no mark), an empty comment, a font line with nothing set, a
/// number line without a value. Kind 0 for a kind the editor does not make.
CLSVorelDataItem NewLine(int kind);

/// The lines in the data file's text form of the current format, each with
/// CR LF: what the editor puts on the clipboard.
CLSTString LinesText(const CLSVorelDataFile& doc, const std::vector<int>& lines);

/// Text taken from the clipboard cut at CR, LF and CR LF into lines (a last
/// piece without a line break counts when it is not empty), each read as a
/// line of the current format. Group-name and message lines make no line;
/// setting lines of unknown keys and lines that fit no grammar are kept as
/// comments, as loading keeps them. Never throws; any bytes are accepted.
std::vector<CLSVorelDataItem> LinesFromText(const CLSTString& text, int historySize);

/// Pasted questions whose review identity a question of the document (or
/// an earlier pasted one) already has are copies: they get identities of
/// their own, so that the review log tells them apart. A cut question
/// pasted back keeps its identity.
void RenewCopiedReviewIds(const CLSVorelDataFile& doc, std::vector<CLSVorelDataItem>& lines);
