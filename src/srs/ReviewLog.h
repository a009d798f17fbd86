#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

/// One judged answer as the review log keeps it: what refitting the model
/// to this learner needs, and what the statistics screens count.
struct CLSReviewRecord {
    uint64_t questionId = 0;
    std::string dataFile;      // path of the question's data file, UTF-8
    int64_t utcMs = 0;         // when the answer was judged, ms since 1970 UTC
    int utcOffsetMinutes = 0;  // the learner's time zone then (+540 in Japan)
    int dayStartHour = 4;      // the learner's day-start hour then
    int grade = 0;             // 1 Again, 2 Hard, 3 Good, 4 Easy
    int stateBefore = 0;       // 0 new, 1 learning, 2 review, 3 relearning
    double stabilityBefore = 0;
    double difficultyBefore = 0;
    int64_t answerMs = 0;  // time spent answering

    bool operator==(const CLSReviewRecord&) const = default;
};

/// A value, or the message in the program's words of why there is none.
/// The review log reports every failure so; nothing is thrown through it.
template <class T>
class CLSReviewLogResult {
  public:
    // Not explicit, so that a function can return its value as it is.
    CLSReviewLogResult(T value) : m_value(std::move(value)) {}
    static CLSReviewLogResult failure(std::string message) {
        CLSReviewLogResult result;
        result.m_error = std::move(message);
        return result;
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    /// The value; only when ok().
    T& value() { return *m_value; }
    const T& value() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    /// The message (UTF-8) when !ok(), else "".
    const std::string& error() const { return m_error; }

  private:
    CLSReviewLogResult() = default;
    std::optional<T> m_value;
    std::string m_error;
};

/// The outcome of a call that gives nothing back but may fail.
using CLSReviewLogStatus = CLSReviewLogResult<std::monostate>;

/// Reviews of one week: those of questions that were in review (not new or
/// in learning steps) and how many of them were remembered (Hard or better).
struct CLSRetentionWeek {
    int64_t weekStartDay = 0;  // the week's Monday, in days since 1970-01-01
    int64_t reviews = 0;
    int64_t right = 0;

    bool operator==(const CLSRetentionWeek&) const = default;
};

/// What the learner did on one of their days.
struct CLSStudyDay {
    int64_t day = 0;  // days since 1970-01-01, as ReviewDayNumber counts them
    int64_t reviews = 0;
    int64_t answerMs = 0;  // time spent answering, summed

    bool operator==(const CLSStudyDay&) const = default;
};

/// A question and how often it was forgotten (answered Again).
struct CLSMissedQuestion {
    uint64_t questionId = 0;
    std::string dataFile;
    int64_t again = 0;

    bool operator==(const CLSMissedQuestion&) const = default;
};

/// The seam to the learner's review log, one record per judged answer.
/// Days in the queries are the learner's days: from the day-start hour to
/// the same hour of the next day, at the given offset from UTC.
class CLSReviewLog {
  public:
    virtual ~CLSReviewLog() = default;

    /// Adds a review and returns its row id; fails with the message and
    /// stores nothing for a record out of range or a log that cannot be written.
    virtual CLSReviewLogResult<int64_t> append(const CLSReviewRecord& record) = 0;
    /// Corrects the grade of a review whose judgement the learner changed;
    /// fails (changing nothing) for an unknown row or a grade outside 1-4.
    virtual CLSReviewLogStatus regrade(int64_t rowId, int grade) = 0;

    /// Every review, oldest first (reviews at the same moment in the order
    /// they were added).
    virtual CLSReviewLogResult<std::vector<CLSReviewRecord>> reviews() const = 0;
    virtual CLSReviewLogResult<int64_t> count() const = 0;
    /// The share of reviews remembered per week (weeks from Monday), oldest
    /// week first; weeks without reviews are left out.
    virtual CLSReviewLogResult<std::vector<CLSRetentionWeek>> trueRetentionByWeek(
        int utcOffsetMinutes, int dayStartHour) const = 0;
    /// Reviews and answering time per day, oldest first; days without
    /// reviews are left out.
    virtual CLSReviewLogResult<std::vector<CLSStudyDay>> studyTimeByDay(int utcOffsetMinutes,
                                                                        int dayStartHour) const = 0;
    /// The questions answered Again most often, at most limit of them, most
    /// often first (then by file and question); none for limit <= 0.
    virtual CLSReviewLogResult<std::vector<CLSMissedQuestion>> mostMissed(int limit) const = 0;
    /// How many questions of a data file were seen for the first time (a
    /// review of a new question) from dayStartUtcMs up to, not including,
    /// dayEndUtcMs.
    virtual CLSReviewLogResult<int64_t> newReviewedOnDay(const std::string& dataFile,
                                                         int64_t dayStartUtcMs,
                                                         int64_t dayEndUtcMs) const = 0;
};

/// Why a log cannot take a record, in the program's words ("" when it can):
/// a grade, state, day-start hour, offset, time or memory out of range.
std::string ReviewRecordProblem(const CLSReviewRecord& record);
/// Why a day-start hour (0-23) or an offset from UTC (-12 to +14 hours, in
/// minutes) cannot be used; "" when both can.
std::string ReviewDayProblem(int utcOffsetMinutes, int dayStartHour);
/// Why a grade cannot be stored; "" for 1-4.
std::string ReviewGradeProblem(int grade);
