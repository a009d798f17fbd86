#pragma once

#include <cstdint>
#include <vector>

#include "quiz/ExamMode.h"
#include "text/TString.h"

class CLSExam;

/// One asked question of a finished run, as the result list shows it.
struct CLSResultRow {
    int order = 0;     // 1-based position in the run
    int question = 0;  // index among the document's questions
    Verdict result = Verdict::kRight;
    int64_t time = 0;  // milliseconds spent
    CLSTString mark;   // "○", "×" or "－"
    CLSTString timeText;
    CLSTString text;  // the question on one line
};

/// What the result dialog shows of a finished run; a copy, so that it stays
/// as it was when the next run reuses the exam's records.
struct CLSExamSummary {
    int asked = 0;
    int right = 0;
    int wrong = 0;
    int64_t elapsed = 0;  // milliseconds since the run started
    std::vector<CLSResultRow> rows;

    int answered() const { return right + wrong; }
    CLSTString rateText() const;
    bool hasWrong() const { return wrong > 0; }
};

/// The judged records of the exam's last run with their question texts;
/// nowTick is the clock's current tick. Never throws.
CLSExamSummary SummarizeExam(const CLSExam& exam, int64_t nowTick);

enum ResultColumn {
    kResultOrder,
    kResultNumber,
    kResultMark,
    kResultTime,
    kResultText,
    kResultColumnCount
};

/// Sorts the rows by a column: order, number and time as numbers, the mark
/// and the question as text (CP932 byte order). Rows that compare equal keep
/// their order. A column outside the list changes nothing.
void SortResultRows(std::vector<CLSResultRow>& rows, int column, bool ascending);
/// The same sort as a permutation: the old index of each row in sorted
/// order (the identity for a column outside the list).
std::vector<int> SortedResultOrder(const std::vector<const CLSResultRow*>& rows, int column,
                                   bool ascending);
