#pragma once

#include <vector>

#include "quiz/ExamLogReader.h"
#include "text/TString.h"

// Figures over the past runs of one data file, for the history's charts.

/// When a run started (local time).
struct CLSExamLogTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CLSExamLogTime&) const = default;
};

struct CLSExamRatePoint {
    CLSExamLogTime time;
    double percent = 0;
};

struct CLSExamDayCount {
    int year = 0;
    int month = 0;
    int day = 0;
    int questions = 0;
};

struct CLSExamLogStats {
    /// The rate of every run that judged an answer, oldest first.
    std::vector<CLSExamRatePoint> rates;
    /// Questions asked per day on the days with runs, oldest first.
    std::vector<CLSExamDayCount> days;
};

/// The figures of the runs of one data file (names compared without regard
/// to case) among records in any order.
CLSExamLogStats ExamLogStatsOfFile(const std::vector<CLSExamLogOne>& records,
                                   const CLSTString& fileName);
/// The percentage of a rate text ("66.67%"); false for "－" and anything
/// that is not a rate.
bool ParseRateText(const CLSTString& text, double& percent);
/// Questions a record asked: its rows after the header row that hold a field.
int AskedQuestionCount(const CLSExamLogOne& record);
