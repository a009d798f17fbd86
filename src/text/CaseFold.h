#pragma once

#include <string>
#include <string_view>

#include "text/TString.h"

/// The text with the case of every script folded, as judging with "ignore
/// case" and find without regard to case compare it: A-Z to a-z, and every
/// other letter by Unicode's full case folding (МОСКВА to москва, Straße to
/// strasse, ＡＢＣ to ａｂｃ). A character CP932 holds folds only into one
/// it also holds, and the compatibility kanji keep themselves, so Shift-JIS
/// texts compare as they always have. The folded text may differ in length.
std::string FoldCaseEveryScript(std::string_view text);
/// The same in place; returns the text.
CLSTString& FoldCaseEveryScript(CLSTString& text);
