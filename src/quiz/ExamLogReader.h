#pragma once

#include <functional>
#include <vector>

#include "text/TString.h"

// Reading the exam history back: its records, sorted, and the trees of the
// history browser.

/// One record of the exam history read back.
struct CLSExamLogOne {
    int year = 0;
    int month = 0;
    int day = 0;
    int dayOfWeek = 0;  // 0 = Sunday, recomputed from the date
    int hour = 0;
    int minute = 0;
    int second = 0;
    CLSTString fileName;
    CLSTString range;
    CLSTString groups;
    CLSTString method;
    CLSTString answerMode;
    CLSTString rate;
    CLSTString total;
    std::vector<CLSTStringArray> rows;  // the header row first
};

/// Reads every record of a history file; an unreadable file gives none.
/// progress receives the percentage read whenever it changes.
std::vector<CLSExamLogOne> ReadExamLog(const CLSTString& path,
                                       const std::function<void(int percent)>& progress = {});
/// Sorts by date (then file name) or by file name (then date), names without regard to case.
void SortExamLog(std::vector<CLSExamLogOne>& records, bool byDate);

/// A node of the history tree: its label and the records it covers.
struct CLSExamLogNode {
    CLSTString label;
    int first = 0;  // index of its first record in the sorted list
    int count = 0;
    bool expanded = false;
    bool selected = false;
    std::vector<CLSExamLogNode> children;
};
/// "出題履歴" with year, month and day nodes (records sorted by date).
CLSExamLogNode ExamLogTreeByDate(const std::vector<CLSExamLogOne>& records);
/// "出題履歴" with one node per data file (records sorted by file).
CLSExamLogNode ExamLogTreeByFile(const std::vector<CLSExamLogOne>& records);
