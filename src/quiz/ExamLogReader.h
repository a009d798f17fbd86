#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/TString.h"

// Reading the exam history back: its records, sorted, and the trees of the
// history browser.

/// One row of a record read back. A long history holds hundreds of
/// thousands of rows, so their fields share one compact text.
class CLSExamLogRow {
  public:
    CLSExamLogRow() = default;
    explicit CLSExamLogRow(const CLSTStringArray& fields);
    int count() const { return static_cast<int>(m_ends.size()); }
    /// Field i; empty outside the row.
    std::string_view view(int i) const;
    CLSTString operator[](int i) const { return CLSTString(std::string(view(i))); }

  private:
    std::string m_text;
    std::vector<uint32_t> m_ends;  // where each field ends in m_text
};

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
    std::vector<CLSExamLogRow> rows;  // the header row first
};

/// Reads every record of a history file; an unreadable file gives none,
/// and a damaged one the records that can be read (a record also ends at
/// the next title line, even inside a quote that never closed). progress
/// receives the percentage read now and then; setting stop (from another
/// thread) ends the reading early. readFailed, when given, tells whether
/// the file could not be opened or a read failed before its end.
std::vector<CLSExamLogOne> ReadExamLog(const CLSTString& path,
                                       const std::function<void(int percent)>& progress = {},
                                       const std::atomic<bool>* stop = nullptr,
                                       bool* readFailed = nullptr);
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
