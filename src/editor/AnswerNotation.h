#pragma once

#include "data/VorelDataQuestion.h"
#include "sentence/Sentence.h"
#include "text/TString.h"

// The question card's "表記" fields: the answers and the choices of a
// question as the data file writes them, bracket-and-bar notation included,
// and what a field typed there makes of the question (CP932).

/// The field as it is saved in the layout of version: the text it was read
/// or typed as while that is kept, else its entries joined by bars, each
/// escaped. Further choices of an old line show their bars.
CLSTString NotationText(const CLSVorelDataQuestion& question, CLSVorelDataQuestion::Field field,
                        int version);

/// A typed field made safe for its line: an unescaped comma would end the
/// field and is escaped, a line break becomes \n, a backslash at the very
/// end (which escapes nothing) goes.
CLSTString NotationForLine(const CLSTString& typed);

/// The entries a field expands to, as reading the saved line gives them,
/// and why there are none (kNone for an empty field too). Further choices
/// of an old line (oldLayout) may also be separated by \c.
CLSSentenceArray NotationEntries(const CLSTString& text, CLSVorelDataQuestion::Field field,
                                 bool oldLayout, CLSExpandFailure* failure = nullptr);

/// Makes the field what was typed (NotationForLine), saved as typed, its
/// entries refreshed; a field that does not expand has none and is kept as
/// typed. The answer-index digit of an old line keeps picking the answer
/// that goes first. Returns whether the question changed.
bool SetNotation(CLSVorelDataQuestion& question, CLSVorelDataQuestion::Field field,
                 const CLSTString& typed, int version);
