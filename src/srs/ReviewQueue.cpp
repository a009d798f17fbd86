#include "srs/ReviewQueue.h"

#include <algorithm>
#include <cmath>

#include "srs/ReviewDay.h"

namespace {

bool inSteps(ReviewPhase phase) {
    return phase == ReviewPhase::Learning || phase == ReviewPhase::Relearning;
}

struct DueReview {
    double retrievability;
    int64_t dueMs;
    int index;
};

// Lowest retrievability first: the question most likely forgotten gains most
// from being asked while the day's limit lets it in. Ties go by due time,
// then by file order, so that a run never depends on the sort.
bool askedBefore(const DueReview& a, const DueReview& b) {
    if (a.retrievability != b.retrievability) return a.retrievability < b.retrievability;
    if (a.dueMs != b.dueMs) return a.dueMs < b.dueMs;
    return a.index < b.index;
}

}  // namespace

CLSReviewQueue::CLSReviewQueue(std::span<const CLSQueueQuestion> questions, int64_t nowMs,
                               const CLSReviewSettings& settings, const CLSQueueLimits& limits) {
    m_endOfDay = NextDayStart(nowMs, settings.utcOffsetMinutes, settings.dayStartHour);
    const CLSFsrsParameters& p = settings.parameters;
    double factor = FsrsFactor(p);
    double decay = FsrsDecay(p);
    size_t newLimit = static_cast<size_t>(std::max(0, limits.newPerDay - limits.newStartedToday));

    std::vector<DueReview> due;
    for (const CLSQueueQuestion& q : questions) {
        const CLSReviewState& s = q.state;
        if (inSteps(s.phase)) {
            if (s.dueMs < m_endOfDay &&
                m_where.try_emplace(q.index, Where::Learning, s.dueMs).second)
                m_learning.emplace(s.dueMs, q.index);
        } else if (s.phase == ReviewPhase::Review) {
            if (s.dueMs >= m_endOfDay) continue;
            int days = ElapsedDays(s.lastReviewMs, nowMs, settings.utcOffsetMinutes,
                                   settings.dayStartHour);
            double r = std::pow(1 + factor * days / std::max(s.stability, kMinStability), decay);
            due.push_back({r, s.dueMs, q.index});
        } else if (m_new.size() < newLimit) {
            if (m_where.try_emplace(q.index, Where::New, 0).second) m_new.push_back(q.index);
        }
    }

    size_t reviewLimit =
        static_cast<size_t>(std::max(0, limits.reviewsPerDay - limits.reviewsDoneToday));
    size_t take = std::min(reviewLimit, due.size());
    std::partial_sort(due.begin(), due.begin() + static_cast<ptrdiff_t>(take), due.end(),
                      askedBefore);
    m_reviews.reserve(take);
    for (size_t i = 0; i < take; ++i) {
        if (m_where.try_emplace(due[i].index, Where::Review, 0).second)
            m_reviews.push_back(due[i].index);
    }
}

std::optional<int> CLSReviewQueue::next(int64_t nowMs) const {
    if (!m_learning.empty() && m_learning.begin()->first <= nowMs)
        return m_learning.begin()->second;
    if (m_reviewAt < m_reviews.size()) return m_reviews[m_reviewAt];
    if (m_newAt < m_new.size()) return m_new[m_newAt];
    // Only steps later today are left: asking the soonest now beats ending
    // the run and having the learner come back in a few minutes.
    if (!m_learning.empty()) return m_learning.begin()->second;
    return std::nullopt;
}

void CLSReviewQueue::answered(int index, const CLSReviewState& newState) {
    if (!m_where.contains(index)) return;
    remove(index);
    if (inSteps(newState.phase) && newState.dueMs < m_endOfDay) {
        m_where.try_emplace(index, Where::Learning, newState.dueMs);
        m_learning.emplace(newState.dueMs, index);
    }
}

void CLSReviewQueue::skipped(int index) {
    remove(index);
}

int CLSReviewQueue::left() const {
    return learningLeft() + reviewsLeft() + newLeft();
}

void CLSReviewQueue::remove(int index) {
    auto it = m_where.find(index);
    if (it == m_where.end()) return;
    auto [where, due] = it->second;
    m_where.erase(it);
    if (where == Where::Learning) {
        m_learning.erase({due, index});
    } else {
        removeFrom(where == Where::Review ? m_reviews : m_new,
                   where == Where::Review ? m_reviewAt : m_newAt, index);
    }
}

void CLSReviewQueue::removeFrom(std::vector<int>& list, size_t& at, int index) {
    if (at < list.size() && list[at] == index) {
        ++at;  // the usual case: the question just asked
        return;
    }
    auto it = std::find(list.begin() + static_cast<ptrdiff_t>(at), list.end(), index);
    if (it != list.end()) list.erase(it);
}

std::optional<int64_t> NextDueAfter(std::span<const CLSReviewState> states, int64_t nowMs) {
    std::optional<int64_t> earliest;
    for (const CLSReviewState& s : states) {
        if (s.phase == ReviewPhase::New) continue;
        if (!earliest || s.dueMs < *earliest) earliest = s.dueMs;
    }
    if (earliest && *earliest < nowMs) earliest = nowMs;
    return earliest;
}

int DueTodayCount(std::span<const CLSReviewState> states, int64_t nowMs,
                  const CLSReviewSettings& settings) {
    int64_t end = NextDayStart(nowMs, settings.utcOffsetMinutes, settings.dayStartHour);
    return static_cast<int>(std::count_if(states.begin(), states.end(), [&](const auto& s) {
        return s.phase != ReviewPhase::New && s.dueMs < end;
    }));
}

int NewLeftCount(std::span<const CLSReviewState> states, const CLSQueueLimits& limits) {
    auto fresh = std::count_if(states.begin(), states.end(),
                               [](const auto& s) { return s.phase == ReviewPhase::New; });
    int allowed = std::max(0, limits.newPerDay - limits.newStartedToday);
    return static_cast<int>(std::min<int64_t>(fresh, allowed));
}
