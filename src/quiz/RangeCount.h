#pragma once

#include <array>

#include "text/TString.h"

class CLSExam;
class CLSVorelDataFile;

/// What the range dialog has entered: the two numbers (1-based, as typed),
/// whether they are title numbers, and the group and mark filters.
struct CLSRangeRequest {
    int start = 1;
    int end = 1;
    bool titleNumbers = false;
    std::array<bool, 10> groups{true, true, true, true, true, true, true, true, true, true};
    int markFilter = 0;  // CLSExam::MarkFilter
};

/// The entered range as question indexes, the number of questions it asks,
/// and the texts of the items the two numbers name.
struct CLSRangeCount {
    int first = -1;
    int last = -1;
    int count = 0;
    CLSTString startText;
    CLSTString endText;
};

/// Converts the entered numbers into question indexes and counts the
/// questions in between that pass the filters. Anything out of range
/// (start below 1, end before start, end beyond the questions or titles, an
/// empty title section) gives a count of 0; never throws.
CLSRangeCount GetQuestionCountOnRangeDialog(const CLSVorelDataFile& doc,
                                            const CLSRangeRequest& request);

/// The largest number the range dialog accepts: the question or title count.
int RangeNumberLimit(const CLSVorelDataFile& doc, bool titleNumbers);

/// Whether a question passes the group selection and the mark filter.
bool PassesRangeFilters(const CLSVorelDataFile& doc, int question,
                        const std::array<bool, 10>& groups, int markFilter);

/// Whether a count entered in the count dialog can be asked.
inline bool IsValidExamCount(int count, int limit) {
    return count >= 1 && count <= limit;
}

/// "(1～N)", the range label beside a number field (in the program's language).
CLSTString RangeLimitText(int limit);
/// "%d問", a number of questions in the program's language: the count
/// label of the range dialog, the information pane's counts.
CLSTString QuestionCountText(int count);
