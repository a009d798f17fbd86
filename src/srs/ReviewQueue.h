#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "srs/ReviewState.h"

/// One question of the range a review run is built from.
struct CLSQueueQuestion {
    int index = 0;  // the question's index in the file
    CLSReviewState state;
};

/// How much one learner's day holds.
struct CLSQueueLimits {
    int reviewsPerDay = 200;
    int reviewsDoneToday = 0;  // reviews of questions in review already done today
    int newPerDay = 20;
    int newStartedToday = 0;  // new questions already first reviewed today
};

/// The order of one review run. Built at a moment, it holds the questions
/// in (re)learning due before the end of that day, the questions in review
/// due by then (lowest retrievability first, up to the day's review limit)
/// and the new questions the day still allows, in file order.
///
/// Questions in (re)learning are always taken, whatever the limit: their
/// steps are minutes apart and would be lost if they waited a day.
/// A skipped question leaves the run. It is not graded and stays due, so the
/// next run asks it again.
class CLSReviewQueue {
  public:
    /// Questions are given in file order; a repeated index counts once.
    CLSReviewQueue(std::span<const CLSQueueQuestion> questions, int64_t nowMs,
                   const CLSReviewSettings& settings, const CLSQueueLimits& limits = {});

    /// The question to ask at nowMs: a (re)learning one whose step is due,
    /// else the next review, else the next new one, else (when nothing else
    /// is left) the (re)learning one due soonest, even before it is due.
    /// Nothing when the run is over.
    std::optional<int> next(int64_t nowMs) const;
    /// Takes the question out of the run; it comes back when its new state
    /// is in a (re)learning step due before the end of the day. Indexes not
    /// in the run are ignored.
    void answered(int index, const CLSReviewState& newState);
    /// Takes the question out of the run without a grade.
    void skipped(int index);

    /// Questions left in the run, counting (re)learning ones due later today.
    int left() const;
    int learningLeft() const { return static_cast<int>(m_learning.size()); }
    int reviewsLeft() const { return static_cast<int>(m_reviews.size() - m_reviewAt); }
    int newLeft() const { return static_cast<int>(m_new.size() - m_newAt); }
    /// The start of the next day, when this run's day ends.
    int64_t endOfDay() const { return m_endOfDay; }

  private:
    enum class Where : char { Learning, Review, New };
    void remove(int index);
    static void removeFrom(std::vector<int>& list, size_t& at, int index);

    int64_t m_endOfDay = 0;
    std::set<std::pair<int64_t, int>> m_learning;  // due, index
    std::vector<int> m_reviews;
    size_t m_reviewAt = 0;
    std::vector<int> m_new;
    size_t m_newAt = 0;
    std::unordered_map<int, std::pair<Where, int64_t>> m_where;  // with the learning due
};

/// The earliest time a question that is not new falls due, never before
/// nowMs (an overdue question gives nowMs); nothing when all are new.
std::optional<int64_t> NextDueAfter(std::span<const CLSReviewState> states, int64_t nowMs);

/// Questions not new that fall due before the end of the learner's day.
int DueTodayCount(std::span<const CLSReviewState> states, int64_t nowMs,
                  const CLSReviewSettings& settings);

/// New questions the day still allows: the new ones, at most the daily
/// number less those already started today.
int NewLeftCount(std::span<const CLSReviewState> states, const CLSQueueLimits& limits);
