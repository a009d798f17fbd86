#include "srs/ReviewScheduler.h"

#include <algorithm>
#include <cmath>

#include "srs/ReviewDay.h"

namespace {

class Review {
  public:
    Review(const CLSReviewState& before, ReviewGrade grade, int64_t nowMs,
           const CLSReviewSettings& settings, const std::function<double()>& uniform01)
        : m_after(before),
          m_grade(static_cast<ReviewGrade>(std::clamp(static_cast<int>(grade), 1, 4))),
          m_now(nowMs),
          m_settings(settings),
          m_uniform01(uniform01) {
        // Every review moves the memory, the minutes-apart steps included:
        // those are same-day reviews and grow stability only a little.
        std::optional<CLSMemoryState> memory;
        if (before.phase != ReviewPhase::New)
            memory = CLSMemoryState{before.stability, before.difficulty};
        int days = ElapsedDays(before.lastReviewMs, nowMs, settings.utcOffsetMinutes,
                               settings.dayStartHour);
        CLSMemoryState next =
            NextMemoryState(memory, days, static_cast<int>(m_grade), settings.parameters);
        m_after.stability = next.stability;
        m_after.difficulty = next.difficulty;
        m_after.lastReviewMs = nowMs;
    }

    CLSReviewState apply() {
        int step = m_after.step;  // phase and step are still the ones before the review
        switch (m_after.phase) {
            case ReviewPhase::Learning:
                stepped(ReviewPhase::Learning, m_settings.learningStepsMinutes, step);
                break;
            case ReviewPhase::Relearning:
                stepped(ReviewPhase::Relearning, m_settings.relearningStepsMinutes, step);
                break;
            case ReviewPhase::Review:
                if (m_grade == ReviewGrade::Again && !m_settings.relearningStepsMinutes.empty()) {
                    toStep(ReviewPhase::Relearning, 0, m_settings.relearningStepsMinutes[0]);
                } else {
                    toReview();
                }
                break;
            default:
                // A new question's first review is its first learning step.
                stepped(ReviewPhase::Learning, m_settings.learningStepsMinutes, 0);
                break;
        }
        return m_after;
    }

  private:
    void stepped(ReviewPhase phase, const std::vector<int>& steps, int step) {
        int n = static_cast<int>(steps.size());
        if (n == 0) return toReview();
        // The steps may have been shortened since the question entered them.
        step = std::clamp(step, 0, n - 1);
        size_t at = static_cast<size_t>(step);
        switch (m_grade) {
            case ReviewGrade::Again:
                return toStep(phase, 0, steps[0]);
            case ReviewGrade::Hard:
                if (step > 0) return toStep(phase, step, steps[at]);
                return toStep(phase, 0, n > 1 ? (steps[0] + steps[1]) / 2.0 : steps[0] * 1.5);
            case ReviewGrade::Good:
                if (step + 1 < n) return toStep(phase, step + 1, steps[at + 1]);
                return toReview();
            default:
                return toReview();
        }
    }

    void toStep(ReviewPhase phase, int step, double minutes) {
        m_after.phase = phase;
        m_after.step = step;
        m_after.dueMs = m_now + std::llround(std::max(minutes, 0.0) * kMillisPerMinute);
    }

    void toReview() {
        int days = NextIntervalDays(m_after.stability, m_settings.desiredRetention,
                                    m_settings.parameters, m_settings.maximumInterval);
        if (m_settings.fuzz && m_uniform01)
            days = FuzzedInterval(days, m_uniform01(), m_settings.maximumInterval);
        m_after.phase = ReviewPhase::Review;
        m_after.step = 0;
        m_after.dueMs = m_now + days * kMillisPerDay;
    }

    CLSReviewState m_after;
    ReviewGrade m_grade;
    int64_t m_now;
    const CLSReviewSettings& m_settings;
    const std::function<double()>& m_uniform01;
};

}  // namespace

CLSReviewState ApplyReview(const CLSReviewState& before, ReviewGrade grade, int64_t nowMs,
                           const CLSReviewSettings& settings,
                           const std::function<double()>& uniform01) {
    return Review(before, grade, nowMs, settings, uniform01).apply();
}

int FuzzedInterval(int days, double u, int maximumInterval) {
    if (days < 2.5) return days;
    double d = days;
    double spread = 1 + 0.15 * std::clamp(d - 2.5, 0.0, 4.5) + 0.10 * std::clamp(d - 7, 0.0, 13.0) +
                    0.05 * std::max(d - 20, 0.0);
    int upper = std::clamp(maximumInterval, 1, kMaxIntervalDays);
    int high = std::min(static_cast<int>(std::lround(d + spread)), upper);
    int low = std::clamp(static_cast<int>(std::lround(d - spread)), 1, high);
    // Each whole day in low..high equally likely; u = 1 still lands on high.
    u = u >= 0 ? std::min(u, 1.0) : 0.0;  // also a NaN
    double pick = std::floor(u * (high - low + 1));
    return std::min(low + static_cast<int>(pick), high);
}

std::optional<double> RetrievabilityAt(const CLSReviewState& state, int64_t nowMs,
                                       const CLSReviewSettings& settings) {
    if (state.phase == ReviewPhase::New) return std::nullopt;
    int days =
        ElapsedDays(state.lastReviewMs, nowMs, settings.utcOffsetMinutes, settings.dayStartHour);
    return Retrievability(days, std::max(state.stability, kMinStability), settings.parameters);
}
