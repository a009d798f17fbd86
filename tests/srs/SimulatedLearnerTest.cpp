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
constexpr int kOffset = 540;

struct Learner {
    CLSReviewSettings settings;
    std::vector<CLSReviewState> states = std::vector<CLSReviewState>(kQuestions);
    // The learner's real memory, kept apart from the schedule.
    std::vector<std::optional<CLSMemoryState>> memory = {kQuestions, std::nullopt};
    std::mt19937 rng{20250101};
    int newToday = 0, newTotal = 0, reviews = 0, remembered = 0, lapses = 0;

    double draw() { return static_cast<double>(rng()) / 4294967296.0; }

    // Remembered with the probability the true memory gives (a first sight
    // is a coin weighted to remembering): mostly Good, sometimes Hard or Easy.
    ReviewGrade answer(size_t q, int64_t now) {
        int days = ElapsedDays(states[q].lastReviewMs, now, kOffset, 4);
        double recall =
            memory[q] ? Retrievability(days, memory[q]->stability, settings.parameters) : 0.6;
        ReviewGrade grade = ReviewGrade::Again;
        if (draw() < recall) {
            double kind = draw();
            grade = kind < 0.1    ? ReviewGrade::Hard
                    : kind < 0.95 ? ReviewGrade::Good
                                  : ReviewGrade::Easy;
        }
        memory[q] = NextMemoryState(memory[q], days, static_cast<int>(grade), settings.parameters);
        return grade;
    }

    void run(int day, int hour) {
        int64_t now = LocalToUtcMillis(2025, 1, 1 + day, hour, 0, kOffset);
        std::vector<CLSQueueQuestion> file;
        for (int i = 0; i < kQuestions; ++i)
            file.push_back({i, states[static_cast<size_t>(i)]});
        CLSReviewQueue queue(file, now, settings, {200, 0, 20, newToday});
        std::set<int> lapsed;
        while (auto index = queue.next(now)) {
            size_t q = static_cast<size_t>(*index);
            CLSReviewState before = states[q];
            if (before.phase == ReviewPhase::Review) {
                EXPECT_LT(before.dueMs, queue.endOfDay()) << "a review asked before its day";
            } else if (before.phase != ReviewPhase::New && before.dueMs > now) {
                EXPECT_EQ(queue.reviewsLeft() + queue.newLeft(), 0) << "a step asked early";
            }
            ReviewGrade grade = answer(q, now);
            lapsed.erase(*index);
            if (before.phase == ReviewPhase::Review) {
                ++reviews;
                remembered += grade != ReviewGrade::Again;
                if (grade == ReviewGrade::Again) ++lapses, lapsed.insert(*index);
            }
            newToday += before.phase == ReviewPhase::New;
            states[q] = ApplyReview(before, grade, now, settings, [this] { return draw(); });
            queue.answered(*index, states[q]);
            now += 20'000;  // twenty seconds an answer
        }
        EXPECT_TRUE(lapsed.empty()) << "day " << day << ": a lapse did not come back";
        EXPECT_LE(newToday, 20) << "day " << day;
        EXPECT_EQ(DueTodayCount(states, now, settings), 0) << "day " << day << ": one left due";
    }
};

}  // namespace

TEST(SimulatedLearner, NinetyDaysKeepTheDesiredRetention) {
    Learner learner;
    learner.settings.utcOffsetMinutes = kOffset;
    for (int day = 0; day < 90; ++day) {
        learner.run(day, 8);
        learner.run(day, 21);  // the day's new questions are used up by then
        learner.newTotal += learner.newToday;
        learner.newToday = 0;
    }
    EXPECT_EQ(learner.newTotal, kQuestions) << "twenty a day until all are started";
    EXPECT_GT(learner.reviews, 2000);
    EXPECT_GT(learner.lapses, 100);
    double retention = static_cast<double>(learner.remembered) / learner.reviews;
    EXPECT_NEAR(retention, 0.90, 0.03) << learner.remembered << " of " << learner.reviews;
}
