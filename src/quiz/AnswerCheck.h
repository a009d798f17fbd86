#pragma once

#include <vector>

#include "sentence/Sentence.h"

class CLSVagueTable;
class CLSVorelDataFile;
class CLSVorelSettings;

/// Comparison option bits (a title's compareFlags, the CompareMode setting).
enum CompareOption {
    kCompareIgnoreCase = 1,
    kCompareIgnoreKana = 2,
    kCompareIgnoreWidth = 4,
    kCompareIgnoreSymbols = 8,
    kCompareVague = 16,
};

/// The options in force for the document's current question: its title's
/// flags when the settings take comparison settings from the data file and
/// the question lies under a title, else the CompareMode setting.
int CompareOptions(const CLSVorelDataFile& doc, const CLSVorelSettings& settings);

/// Rewrites text with the vague-match table: scanning one character at a
/// time, the longest key (compared without regard to case) that starts at
/// the position is replaced and the scan goes on after it.
CLSTString ApplyVagueTable(const CLSTString& text, const CLSVagueTable& vague);

/// Whether two normalised answers are the same: sentence equality, except
/// that empty text runs around objects do not count.
bool SameAnswer(const CLSSentence& a, const CLSSentence& b);

/// Judges the answers given: right exactly when every given answer equals
/// some accepted answer and there are answerFieldCount of them.
bool JudgeAnswers(const std::vector<CLSSentence>& given, int answerFieldCount,
                  const CLSSentenceArray& accepted, int options, const CLSVagueTable& vague);
