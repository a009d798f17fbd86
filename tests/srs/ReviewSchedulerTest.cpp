// How reviews move a question through learning steps, review and
// relearning, with and without random spread.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "srs/LearningSteps.h"
#include "srs/ReviewDay.h"
#include "srs/ReviewScheduler.h"

namespace {

using G = ReviewGrade;
using P = ReviewPhase;

constexpr int64_t kMinute = kMillisPerMinute;

CLSReviewSettings NoFuzz() {
    CLSReviewSettings s;
    s.fuzz = false;
    return s;
}

const int64_t kStart = LocalToUtcMillis(2022, 11, 29, 12, 30, 0);

}  // namespace

TEST(ReviewScheduler, ReferenceScheduleReviewedWhenDue) {
    const CLSReviewSettings settings = NoFuzz();
    const G grades[] = {G::Good,  G::Good, G::Good, G::Good, G::Good, G::Good, G::Again,
                        G::Again, G::Good, G::Good, G::Good, G::Good, G::Good};
    const int64_t days[] = {0, 2, 11, 46, 163, 498, 0, 0, 2, 4, 7, 12, 21};
    CLSReviewState state;
    state.id = 77;
    int64_t now = kStart;
    for (size_t i = 0; i < std::size(grades); ++i) {
        state = ApplyReview(state, grades[i], now, settings);
        EXPECT_EQ((state.dueMs - now) / kMillisPerDay, days[i]) << "review " << i + 1;
        EXPECT_EQ(state.lastReviewMs, now);
        now = state.dueMs;
    }
    EXPECT_EQ(state.id, 77u) << "the identity stays";
    EXPECT_EQ(state.phase, P::Review);
}

TEST(ReviewScheduler, LearningAndRelearningSteps) {
    const CLSReviewSettings settings = NoFuzz();  // 1m 10m, relearning 10m
    struct Case {
        P phase;
        int step;
        G grade;
        P after;
        int afterStep;
        int64_t wait;  // ms; -1 for an interval in days
    } cases[] = {
        {P::New, 0, G::Again, P::Learning, 0, 1 * kMinute},
        {P::New, 0, G::Hard, P::Learning, 0, 330'000},  // the mean of 1 and 10 minutes
        {P::New, 0, G::Good, P::Learning, 1, 10 * kMinute},
        {P::New, 0, G::Easy, P::Review, 0, 8 * kMillisPerDay},
        {P::Learning, 0, G::Good, P::Learning, 1, 10 * kMinute},
        {P::Learning, 1, G::Again, P::Learning, 0, 1 * kMinute},
        {P::Learning, 1, G::Hard, P::Learning, 1, 10 * kMinute},
        {P::Learning, 1, G::Good, P::Review, 0, -1},
        {P::Learning, 0, G::Easy, P::Review, 0, -1},
        {P::Learning, 5, G::Hard, P::Learning, 1, 10 * kMinute},  // steps shortened since
        {P::Review, 0, G::Again, P::Relearning, 0, 10 * kMinute},
        {P::Review, 0, G::Hard, P::Review, 0, -1},
        {P::Relearning, 0, G::Again, P::Relearning, 0, 10 * kMinute},
        {P::Relearning, 0, G::Hard, P::Relearning, 0, 15 * kMinute},  // 1.5 x the only step
        {P::Relearning, 0, G::Good, P::Review, 0, -1},
        {P::Relearning, 0, G::Easy, P::Review, 0, -1},
    };
    for (const Case& c : cases) {
        CLSReviewState before;
        before.phase = c.phase;
        before.step = c.step;
        if (c.phase != P::New) {
            before.stability = 3;
            before.difficulty = 5;
            before.lastReviewMs = kStart - 3 * kMillisPerDay;
        }
        CLSReviewState after = ApplyReview(before, c.grade, kStart, settings);
        std::string what = "phase " + std::to_string(static_cast<int>(c.phase)) + " step " +
                           std::to_string(c.step) + " grade " +
                           std::to_string(static_cast<int>(c.grade));
        EXPECT_EQ(after.phase, c.after) << what;
        EXPECT_EQ(after.step, c.afterStep) << what;
        int64_t wait = after.dueMs - kStart;
        if (c.wait >= 0) {
            EXPECT_EQ(wait, c.wait) << what;
        } else {
            int days = NextIntervalDays(after.stability, 0.9, settings.parameters);
            EXPECT_EQ(wait, days * kMillisPerDay) << what;
        }
    }
}

TEST(ReviewScheduler, StepSettingsChangeTheWay) {
    CLSReviewSettings settings = NoFuzz();
    settings.learningStepsMinutes = {};
    settings.relearningStepsMinutes = {};
    CLSReviewState fresh;
    CLSReviewState after = ApplyReview(fresh, G::Again, kStart, settings);
    EXPECT_EQ(after.phase, P::Review) << "no steps: straight to review";
    EXPECT_EQ(after.dueMs - kStart, kMillisPerDay);
    CLSReviewState lapse = ApplyReview(ApplyReview(fresh, G::Good, kStart, settings), G::Again,
                                       kStart + 5 * kMillisPerDay, settings);
    EXPECT_EQ(lapse.phase, P::Review) << "no relearning steps: a lapse stays in review";

    settings.learningStepsMinutes = {30};
    after = ApplyReview(fresh, G::Hard, kStart, settings);
    EXPECT_EQ(after.dueMs - kStart, 45 * kMinute) << "1.5 x the only step";
    after = ApplyReview(fresh, G::Good, kStart, settings);
    EXPECT_EQ(after.phase, P::Review) << "Good on the last step graduates";

    settings.desiredRetention = 0.8;
    settings.maximumInterval = 5;
    after = ApplyReview(fresh, G::Easy, kStart, settings);
    EXPECT_EQ(after.dueMs - kStart, 5 * kMillisPerDay) << "the learner's maximum interval";
}

TEST(ReviewScheduler, FuzzSpreadsLongIntervalsOnly) {
    struct Case {
        int days, low, high;
    } cases[] = {
        {1, 1, 1},   {2, 2, 2},    {3, 2, 4},      {7, 5, 9},
        {10, 8, 12}, {20, 17, 23}, {100, 93, 107}, {365, 345, 385},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FuzzedInterval(c.days, 0, 36500), c.low) << c.days;
        EXPECT_EQ(FuzzedInterval(c.days, 1, 36500), c.high) << c.days;
        for (double u = 0; u < 1; u += 0.01) {
            int d = FuzzedInterval(c.days, u, 36500);
            ASSERT_GE(d, c.low) << c.days << " " << u;
            ASSERT_LE(d, c.high) << c.days << " " << u;
        }
    }
    EXPECT_EQ(FuzzedInterval(100, 1, 100), 100) << "never past the maximum";
    EXPECT_EQ(FuzzedInterval(100, std::nan(""), 36500), 93);

    CLSReviewSettings settings;  // fuzz on
    CLSReviewState review;
    review.phase = P::Review;
    review.stability = 20;
    review.difficulty = 5;
    review.lastReviewMs = kStart - 20 * kMillisPerDay;
    int plain = (ApplyReview(review, G::Good, kStart, NoFuzz()).dueMs - kStart) / kMillisPerDay;
    auto at = [&](double u) {
        auto after = ApplyReview(review, G::Good, kStart, settings, [u] { return u; });
        return static_cast<int>((after.dueMs - kStart) / kMillisPerDay);
    };
    EXPECT_EQ(at(0), FuzzedInterval(plain, 0, 36500));
    EXPECT_EQ(at(1), FuzzedInterval(plain, 1, 36500));
    EXPECT_LT(at(0), plain);
    EXPECT_GT(at(1), plain);
    EXPECT_EQ((ApplyReview(review, G::Good, kStart, settings).dueMs - kStart) / kMillisPerDay,
              plain)
        << "no random source, no spread";
    CLSReviewState fresh;
    auto learning = ApplyReview(fresh, G::Good, kStart, settings, [] { return 1.0; });
    EXPECT_EQ(learning.dueMs - kStart, 10 * kMinute) << "steps are never spread";
}

TEST(ReviewScheduler, RetrievabilityByWholeDays) {
    CLSReviewSettings settings;
    CLSReviewState state;
    EXPECT_FALSE(RetrievabilityAt(state, kStart, settings)) << "a new question has no memory";
    state.phase = P::Review;
    state.stability = 4;
    state.lastReviewMs = kStart;
    EXPECT_DOUBLE_EQ(*RetrievabilityAt(state, kStart + 10 * kMinute, settings), 1);
    EXPECT_NEAR(*RetrievabilityAt(state, kStart + 4 * kMillisPerDay, settings), 0.9, 1e-12);
    // 12:30 to 03:00 the next night is the same learner's day.
    EXPECT_DOUBLE_EQ(*RetrievabilityAt(state, kStart + 14 * 60 * kMinute, settings), 1);
}

TEST(LearningSteps, ParseAndFormat) {
    struct Case {
        const char* text;
        std::vector<int> minutes;
        const char* formatted;
    } cases[] = {
        {"1m 10m", {1, 10}, "1m 10m"},
        {"10m", {10}, "10m"},
        {"1h 1d", {60, 1440}, "1h 1d"},
        {"", {}, ""},
        {"   ", {}, ""},
        {"5, 90m,2h", {5, 90, 120}, "5m 90m 2h"},
        {"1M 3H 2D", {1, 180, 2880}, "1m 3h 2d"},
        {"365d", {525600}, "365d"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto steps = ParseSteps(c.text, &error);
        ASSERT_TRUE(steps) << c.text << ": " << error;
        EXPECT_EQ(*steps, c.minutes) << c.text;
        EXPECT_EQ(FormatSteps(*steps), c.formatted);
    }
}

TEST(LearningSteps, WrongStepsAreRefused) {
    const std::string writeAs = "は 1m、10m、1h、1d のように書いてください";
    struct Case {
        const char* text;
        std::string message;
    } cases[] = {
        {"1m x", "「x」" + writeAs},
        {"10s", "「10s」" + writeAs},
        {"1.5m", "「1.5m」" + writeAs},
        {"m", "「m」" + writeAs},
        {"1mm", "「1mm」" + writeAs},
        {"0m", "「0m」は0より長くしてください"},
        {"-5m", "「-5m」は0より長くしてください"},
        {"366d", "「366d」は長すぎます (1年まで)"},
        {"99999999999999999999", "「99999999999999999999」は長すぎます (1年まで)"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseSteps(c.text, &error)) << c.text;
        EXPECT_EQ(error, "学習ステップが正しくありません: " + c.message);
    }
    EXPECT_FALSE(ParseSteps("x"));
}
