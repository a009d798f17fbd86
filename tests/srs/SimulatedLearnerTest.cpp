// Ninety days of a learner whose memory follows the model: every day's runs
// are built by the queue and answered through the scheduler, and the share
// of reviews remembered should come out at the retention asked for.

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <vector>

#include "srs/ReviewDay.h"
#include "srs/ReviewQueue.h"
#include "srs/ReviewScheduler.h"

namespace {

constexpr int kQuestions = 500;
constexpr int kDays = 90;
constexpr int kOffset = 540;

// The learner's real memory of one question, kept apart from the schedule.
struct TrueMemory {
    std::optional<CLSMemoryState> state;
    int64_t lastMs = 0;
};

class Learner {
  public:
    Learner() : m_states(kQuestions), m_memory(kQuestions) {
        m_settings.utcOffsetMinutes = kOffset;
        m_limits.newPerDay = 20;
    }

    // One run at a local time of the given day; returns nothing, records
    // everything in the counters and fails the test on a wrong ask.
    void run(int day, int hour) {
        int64_t now = LocalToUtcMillis(2025, 1, 1 + day, hour, 0, kOffset);
        int64_t today = ReviewDayNumber(now, kOffset, m_settings.dayStartHour);
        std::vector<CLSQueueQuestion> file;
        for (int i = 0; i < kQuestions; ++i)
            file.push_back({i, m_states[i]});
        m_limits.newStartedToday = m_newToday;
        CLSReviewQueue queue(file, now, m_settings, m_limits);

        std::set<int> lapsed;
        while (auto index = queue.next(now)) {
            CLSReviewState before = m_states[static_cast<size_t>(*index)];
            checkDue(before, queue, now, today);
            lapsed.erase(*index);
            ReviewGrade grade = answer(*index, now);
            if (before.phase == ReviewPhase::Review) {
                ++reviews;
                if (grade != ReviewGrade::Again) ++remembered;
                if (grade == ReviewGrade::Again) {
                    ++lapses;
                    lapsed.insert(*index);
                }
            }
            if (before.phase == ReviewPhase::New) ++m_newToday;
            CLSReviewState after = ApplyReview(before, grade, now, m_settings, [this] {
                return static_cast<double>(m_rng()) / 4294967296.0;
            });
            m_states[static_cast<size_t>(*index)] = after;
            queue.answered(*index, after);
            now += 20'000;  // twenty seconds an answer
        }
        EXPECT_TRUE(lapsed.empty()) << "day " << day << ": a lapse did not come back";
        EXPECT_EQ(queue.left(), 0);
        EXPECT_LE(m_newToday, 20) << "day " << day;
        EXPECT_EQ(DueTodayCount(m_states, now, m_settings), 0)
            << "day " << day << ": a due question was left behind";
    }

    void nextDay() {
        newTotal += m_newToday;
        m_newToday = 0;
    }

    int reviews = 0;
    int remembered = 0;
    int lapses = 0;
    int earlySteps = 0;
    int newTotal = 0;

  private:
    void checkDue(const CLSReviewState& s, const CLSReviewQueue& queue, int64_t now,
                  int64_t today) {
        switch (s.phase) {
            case ReviewPhase::New:
                return;
            case ReviewPhase::Review:
                EXPECT_LE(ReviewDayNumber(s.dueMs, kOffset, m_settings.dayStartHour), today)
                    << "a review asked before its day";
                return;
            default:
                if (s.dueMs <= now) return;
                // Only when nothing else is left may a step be asked early.
                EXPECT_EQ(queue.reviewsLeft() + queue.newLeft(), 0) << "a step asked early";
                ++earlySteps;
        }
    }

    // Remembered with the probability the true memory gives; a first sight is
    // a coin weighted to remembering. Remembering is Good mostly, sometimes
    // Hard or Easy.
    ReviewGrade answer(int index, int64_t now) {
        TrueMemory& m = m_memory[static_cast<size_t>(index)];
        int days = ElapsedDays(m.lastMs, now, kOffset, m_settings.dayStartHour);
        double recall =
            m.state ? Retrievability(days, m.state->stability, m_settings.parameters) : 0.6;
        ReviewGrade grade = ReviewGrade::Again;
        if (draw() < recall) {
            double kind = draw();
            grade = kind < 0.1    ? ReviewGrade::Hard
                    : kind < 0.95 ? ReviewGrade::Good
                                  : ReviewGrade::Easy;
        }
        m.state = NextMemoryState(m.state, days, static_cast<int>(grade), m_settings.parameters);
        m.lastMs = now;
        return grade;
    }

    double draw() { return static_cast<double>(m_rng()) / 4294967296.0; }

    CLSReviewSettings m_settings;
    CLSQueueLimits m_limits;
    std::vector<CLSReviewState> m_states;
    std::vector<TrueMemory> m_memory;
    std::mt19937 m_rng{20250101};
    int m_newToday = 0;
};

}  // namespace

TEST(SimulatedLearner, NinetyDaysKeepTheDesiredRetention) {
    Learner learner;
    for (int day = 0; day < kDays; ++day) {
        learner.run(day, 8);
        learner.run(day, 21);  // the day's new questions are used up by then
        learner.nextDay();
    }
    EXPECT_EQ(learner.newTotal, kQuestions) << "twenty a day until all are started";
    EXPECT_GT(learner.reviews, 2000);
    EXPECT_GT(learner.lapses, 100);
    double retention = static_cast<double>(learner.remembered) / learner.reviews;
    EXPECT_NEAR(retention, 0.90, 0.03) << learner.remembered << " of " << learner.reviews;
    RecordProperty("retention", std::to_string(retention));
    RecordProperty("early_steps", learner.earlySteps);
}
