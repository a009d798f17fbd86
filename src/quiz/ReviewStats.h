#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "quiz/ExamLogReader.h"
#include "srs/ReviewLog.h"
#include "srs/ReviewState.h"

class CLSVorelDataFile;

// The figures of the review page of the history browser: what falls due on
// the coming days, how the questions stand, how well reviews went, how long
// the learner studied and what they miss most. Everything over the questions
// is counted in one pass, so a file of 100,000 questions does not hold the
// window up.

/// How many questions stand in each phase.
struct CLSReviewPhaseCounts {
    int64_t fresh = 0;  // never reviewed
    int64_t learning = 0;
    int64_t review = 0;
    int64_t relearning = 0;

    bool operator==(const CLSReviewPhaseCounts&) const = default;
};

/// When the scheduled questions fall due, by the learner's days.
struct CLSDueForecast {
    /// Questions due on each day from today; today's count takes the
    /// overdue ones too.
    std::vector<int64_t> perDay;
    int64_t later = 0;  // due after the last day counted
    CLSReviewPhaseCounts phases;
};

/// The forecast of the next `days` days from nowMs and the phases, from
/// the schedules of a file's questions. New questions have no due date and
/// count in the phases only.
CLSDueForecast DueForecastOf(const std::vector<CLSReviewState>& states, int64_t nowMs,
                             int utcOffsetMinutes, int dayStartHour, int days);

/// The question index (in states) of each review-log identity; questions
/// never reviewed (identity 0) are not in it.
std::unordered_map<uint64_t, int> ReviewIdIndex(const std::vector<CLSReviewState>& states);

/// Wrong answers (×) per question in the exam history's runs of one data
/// file (names compared without regard to case, as the history browser
/// does), for questions 0 to questionCount - 1; numbers past them (a file
/// that has since lost questions) are dropped. Review runs are left out
/// when the review log counts them (skipReviewRuns).
std::vector<int64_t> ExamWrongCounts(const std::vector<CLSExamLogOne>& records,
                                     const CLSTString& fileName, int questionCount,
                                     bool skipReviewRuns);

/// A question of the open file and how often it was missed.
struct CLSMissedEntry {
    int question = 0;       // index in the document
    int64_t forgotten = 0;  // answered Again in reviews
    int64_t wrong = 0;      // answered wrong in the exam history's runs
    int64_t total() const { return forgotten + wrong; }

    bool operator==(const CLSMissedEntry&) const = default;
};

/// The questions of the data file at dataFile missed most often: the review
/// log's Again counts of its questions (found by identity in idIndex; those
/// of other files and of identities the file no longer has are left out)
/// added to the exam history's wrong counts (one per question). Most missed
/// first, then by question; at most limit of them.
std::vector<CLSMissedEntry> MostMissedOf(const std::vector<CLSMissedQuestion>& logMissed,
                                         const std::string& dataFile,
                                         const std::unordered_map<uint64_t, int>& idIndex,
                                         const std::vector<int64_t>& examWrong, int limit);

/// Minutes spent answering on each of the `days` days up to today (today
/// last), from the log's study days.
std::vector<double> StudyMinutesUpTo(const std::vector<CLSStudyDay>& studyDays, int64_t today,
                                     int days);

/// Everything the review page shows.
struct CLSReviewStats {
    static constexpr int kForecastDays = 30;
    static constexpr int kStudyDays = 30;
    static constexpr int kMissedRows = 100;

    int64_t today = 0;  // the learner's day now, as ReviewDayNumber counts
    CLSDueForecast forecast;
    std::vector<CLSRetentionWeek> retention;  // oldest week first
    double desiredRetention = 0.90;
    std::vector<double> studyMinutes;  // kStudyDays days, today last
    std::vector<CLSMissedEntry> missed;
    bool logRead = false;  // the log's figures are there (even if it is empty)
    bool logEmpty = true;  // no review is known (also when there is no log)
    /// Why the log's figures are missing: the log's own message; "" when
    /// there was no log to read.
    std::string logProblem;
};

/// The figures of the data file open in doc, its schedules read with
/// settings at nowMs; the log (null: none) gives the reviews of every file
/// and the missed counts, the exam history its wrong answers.
CLSReviewStats ReviewStatsOf(const CLSVorelDataFile& doc, const CLSReviewSettings& settings,
                             int64_t nowMs, const CLSReviewLog* log,
                             const std::vector<CLSExamLogOne>& history);
