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
constexpr int64_t kDay = kMillisPerDay;
const int64_t kStart = LocalToUtcMillis(2022, 11, 29, 12, 30, 0);

CLSReviewSettings NoFuzz(std::vector<int> learning = {1, 10}, std::vector<int> relearning = {10}) {
    CLSReviewSettings s;
    s.fuzz = false;
    s.learningStepsMinutes = std::move(learning);
    s.relearningStepsMinutes = std::move(relearning);
    return s;
}

CLSReviewState InPhase(P phase, int step) {
    CLSReviewState s;
    s.phase = phase;
    s.step = step;
    if (phase != P::New) {
        s.stability = 3;
        s.difficulty = 5;
        s.lastReviewMs = kStart - 3 * kDay;
    }
    return s;
}

}  // namespace

TEST(ReviewScheduler, ReferenceScheduleReviewedWhenDue) {
    const G grades[] = {G::Good,  G::Good, G::Good, G::Good, G::Good, G::Good, G::Again,
                        G::Again, G::Good, G::Good, G::Good, G::Good, G::Good};
    const int64_t days[] = {0, 2, 11, 46, 163, 498, 0, 0, 2, 4, 7, 12, 21};
    CLSReviewState state;
    state.id = 77;
    int64_t now = kStart;
    for (size_t i = 0; i < std::size(grades); ++i) {
        state = ApplyReview(state, grades[i], now, NoFuzz());
        EXPECT_EQ((state.dueMs - now) / kDay, days[i]) << "review " << i + 1;
        EXPECT_EQ(state.lastReviewMs, now);
        now = state.dueMs;
    }
    EXPECT_EQ(state.id, 77u) << "the identity stays";
}

TEST(ReviewScheduler, LearningAndRelearningSteps) {
    const CLSReviewSettings standard = NoFuzz(), noSteps = NoFuzz({}, {}), one = NoFuzz({30});
    struct Case {
        const CLSReviewSettings& settings;
        P phase;
        int step;
        G grade;
        P after;
        int afterStep;
        int64_t wait;  // -1: the interval of the new stability
    } cases[] = {
        {standard, P::New, 0, G::Again, P::Learning, 0, 1 * kMinute},
        {standard, P::New, 0, G::Hard, P::Learning, 0, 330'000},  // the mean of 1 and 10 minutes
        {standard, P::New, 0, G::Good, P::Learning, 1, 10 * kMinute},
        {standard, P::New, 0, G::Easy, P::Review, 0, 8 * kDay},
        {standard, P::Learning, 1, G::Again, P::Learning, 0, 1 * kMinute},
        {standard, P::Learning, 1, G::Hard, P::Learning, 1, 10 * kMinute},
        {standard, P::Learning, 1, G::Good, P::Review, 0, -1},
        {standard, P::Learning, 0, G::Easy, P::Review, 0, -1},
        {standard, P::Learning, 5, G::Hard, P::Learning, 1, 10 * kMinute},  // steps shortened
        {standard, P::Review, 0, G::Again, P::Relearning, 0, 10 * kMinute},
        {standard, P::Review, 0, G::Hard, P::Review, 0, -1},
        {standard, P::Relearning, 0, G::Hard, P::Relearning, 0, 15 * kMinute},  // 1.5 x
        {standard, P::Relearning, 0, G::Good, P::Review, 0, -1},
        {noSteps, P::New, 0, G::Again, P::Review, 0, 1 * kDay},
        {noSteps, P::Review, 0, G::Again, P::Review, 0, -1},
        {one, P::New, 0, G::Hard, P::Learning, 0, 45 * kMinute},
        {one, P::New, 0, G::Good, P::Review, 0, 2 * kDay},
    };
    for (const Case& c : cases) {
        CLSReviewState after = ApplyReview(InPhase(c.phase, c.step), c.grade, kStart, c.settings);
        std::string what = "phase " + std::to_string(static_cast<int>(c.phase)) + " step " +
                           std::to_string(c.step) + " grade " +
                           std::to_string(static_cast<int>(c.grade));
        EXPECT_EQ(after.phase, c.after) << what;
        EXPECT_EQ(after.step, c.afterStep) << what;
        int64_t wait = c.wait >= 0
                           ? c.wait
                           : NextIntervalDays(after.stability, 0.9, standard.parameters) * kDay;
        EXPECT_EQ(after.dueMs - kStart, wait) << what;
    }
    CLSReviewSettings capped = NoFuzz();
    capped.maximumInterval = 5;
    EXPECT_EQ(ApplyReview({}, G::Easy, kStart, capped).dueMs - kStart, 5 * kDay);
}

TEST(ReviewScheduler, FuzzSpreadsLongIntervalsOnly) {
    const int cases[][3] = {{1, 1, 1},   {2, 2, 2},    {3, 2, 4},      {7, 5, 9},
                            {10, 8, 12}, {20, 17, 23}, {100, 93, 107}, {365, 345, 385}};
    for (const auto& [days, low, high] : cases) {
        EXPECT_EQ(FuzzedInterval(days, 0, 36500), low) << days;
        EXPECT_EQ(FuzzedInterval(days, 1, 36500), high) << days;
        for (double u = 0; u < 1; u += 0.01) {
            int d = FuzzedInterval(days, u, 36500);
            ASSERT_TRUE(d >= low && d <= high) << days << " " << u;
        }
    }
    EXPECT_EQ(FuzzedInterval(100, 1, 100), 100) << "never past the maximum";
    EXPECT_EQ(FuzzedInterval(100, std::nan(""), 36500), 93);

    CLSReviewSettings settings;  // spread on
    CLSReviewState review = InPhase(P::Review, 0);
    review.stability = 20;
    auto days = [&](double u) {
        auto after = ApplyReview(review, G::Good, kStart, settings, [u] { return u; });
        return static_cast<int>((after.dueMs - kStart) / kDay);
    };
    int plain =
        static_cast<int>((ApplyReview(review, G::Good, kStart, settings).dueMs - kStart) / kDay);
    EXPECT_EQ(plain, static_cast<int>(
                         (ApplyReview(review, G::Good, kStart, NoFuzz()).dueMs - kStart) / kDay))
        << "no random source, no spread";
    EXPECT_EQ(days(0), FuzzedInterval(plain, 0, 36500));
    EXPECT_EQ(days(1), FuzzedInterval(plain, 1, 36500));
    EXPECT_LT(days(0), plain);
    auto step = ApplyReview({}, G::Good, kStart, settings, [] { return 1.0; });
    EXPECT_EQ(step.dueMs - kStart, 10 * kMinute) << "steps are never spread";
}

TEST(ReviewScheduler, RetrievabilityByWholeDays) {
    CLSReviewSettings settings;
    EXPECT_FALSE(RetrievabilityAt({}, kStart, settings)) << "a new question has no memory";
    CLSReviewState state = InPhase(P::Review, 0);
    state.stability = 4;
    state.lastReviewMs = kStart;
    EXPECT_NEAR(*RetrievabilityAt(state, kStart + 4 * kDay, settings), 0.9, 1e-12);
    // 12:30 to 03:00 the next night is the same learner's day.
    EXPECT_EQ(*RetrievabilityAt(state, kStart + 14 * 60 * kMinute, settings), 1);
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
        {"5, 90m,2h", {5, 90, 120}, "5m 90m 2h"},
        {"1M 3H 2D", {1, 180, 2880}, "1m 3h 2d"},
    };
    for (const Case& c : cases) {
        auto steps = ParseSteps(c.text);
        ASSERT_TRUE(steps) << c.text;
        EXPECT_EQ(*steps, c.minutes) << c.text;
        EXPECT_EQ(FormatSteps(*steps), c.formatted);
    }
    const std::string writeAs = "は 1m、10m、1h、1d のように書いてください";
    const std::pair<const char*, std::string> wrong[] = {
        {"1m x", "「x」" + writeAs},
        {"1.5m", "「1.5m」" + writeAs},
        {"1mm", "「1mm」" + writeAs},
        {"0m", "「0m」は0より長くしてください"},
        {"-5m", "「-5m」は0より長くしてください"},
        {"366d", "「366d」は長すぎます (1年まで)"},
        {"99999999999999999999", "「99999999999999999999」は長すぎます (1年まで)"},
    };
    for (const auto& [text, message] : wrong) {
        std::string error;
        EXPECT_FALSE(ParseSteps(text, &error)) << text;
        EXPECT_EQ(error, "学習ステップが正しくありません: " + message);
    }
}
