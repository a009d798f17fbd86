#pragma once

#include <cstdint>
#include <vector>

#include "quiz/ExamMode.h"
#include "text/Clock.h"
#include "text/TString.h"

class Prompter;

/// One finished run as the exam history keeps it.
struct CLSExamLogRun {
    struct Row {
        int question = 0;  // 1-based number in the data file
        Verdict verdict = Verdict::kSkipped;
        int64_t spent = 0;  // milliseconds
        bool known = true;  // the question is still in the document
        CLSTString questionText;
        CLSTString answer;
        CLSTString group;
        CLSTString comment;
    };
    CLSLocalTime start;
    CLSTString fileName;
    CLSTString range;   // "1～20"
    CLSTString groups;  // the enabled groups' names, comma-separated
    CLSTString method;
    CLSTString answerMode;
    CLSTString rate;
    int64_t elapsed = 0;  // milliseconds
    std::vector<Row> rows;
};

/// Appends a run to the exam history file; false (after the program's
/// warning through the prompter) when the file cannot be written.
bool AppendExamLog(const CLSTString& path, const CLSExamLogRun& run, Prompter& prompter);
/// Keeps the file within limit bytes by dropping its oldest records whole
/// (the kept part starts at a title line). The cut goes through a temporary
/// file; false when it could not be written (the file is then unchanged).
bool TrimExamLog(const CLSTString& path, int64_t limit);
/// The local time elapsedMs before now, across day, month and year ends.
CLSLocalTime TimeBefore(const CLSLocalTime& now, int64_t elapsedMs);
