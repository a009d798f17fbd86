#pragma once

#include <string>
#include <string_view>

#include "text/TString.h"

/// The text with the case of every script folded, as judging with "ignore
/// case" and find without regard to case compare it: one-byte A-Z to a-z,
/// and each two-byte character by Unicode's full case folding (МОСКВА to
/// москва, ＡＢＣ to ａｂｃ). A character whose folded form CP932 cannot
/// hold keeps its case, as does one that normalisation would replace (the
/// compatibility kanji of the IBM extensions). Every character keeps its
/// length, so positions in the folded text are those of the original.
std::string FoldCaseEveryScript(std::string_view cp932);
/// The same in place; returns the text.
CLSTString& FoldCaseEveryScript(CLSTString& text);
