// Fitting the weights to a learner's review log: which reviews the loss
// scores, what the fit refuses, and fits on simulated learners whose memory
// follows known weights.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "srs/FsrsFit.h"
#include "srs/ReviewDay.h"
#include "srs/ReviewScheduler.h"

namespace {

constexpr int kOffset = 540;
const CLSFsrsParameters kDefaults = CLSFsrsParameters::Defaults();
const int64_t kFirstDay = LocalToUtcMillis(2025, 1, 6, 0, 0, kOffset);

CLSReviewRecord Review(uint64_t question, const std::string& file, int64_t utcMs, int grade,
                       int stateBefore, double stability = 0, double difficulty = 0) {
    CLSReviewRecord r;
    r.questionId = question;
    r.dataFile = file;
    r.utcMs = utcMs;
    r.utcOffsetMinutes = kOffset;
    r.dayStartHour = 4;
    r.grade = grade;
    r.stateBefore = stateBefore;
    r.stabilityBefore = stability;
    r.difficultyBefore = difficulty;
    r.answerMs = 4000;
    return r;
}

// A learner whose memory follows `truth` while the program schedules by the
// default weights: twenty new questions a day, each answered when it falls
// due (reviews now and then a day or two late), remembered with the recall
// the true memory gives. Returned oldest first, as the log gives them.
std::vector<CLSReviewRecord> SimulateLearner(const CLSFsrsParameters& truth, int questions,
                                             int days, uint64_t seed) {
    std::mt19937_64 rng(seed);
    // The top 53 bits: the same draws with every standard library.
    auto draw = [&rng] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    CLSReviewSettings settings;
    settings.utcOffsetMinutes = kOffset;
    std::vector<CLSReviewRecord> log;
    int64_t end = kFirstDay + days * kMillisPerDay;
    for (int q = 0; q < questions; ++q) {
        CLSReviewState state;
        std::optional<CLSMemoryState> memory;
        int minute = 7 * 60 + static_cast<int>(draw() * 16 * 60);  // 7:00 to 22:59
        int64_t now = kFirstDay + q / 20 * kMillisPerDay + minute * kMillisPerMinute;
        while (now < end) {
            int elapsed = memory ? ElapsedDays(state.lastReviewMs, now, kOffset, 4) : 0;
            double recall = memory ? Retrievability(elapsed, memory->stability, truth) : 0.7;
            int grade = 1;
            if (draw() < recall) {
                double kind = draw();
                grade = kind < 0.15 ? 2 : kind < 0.9 ? 3 : 4;
            }
            log.push_back(Review(static_cast<uint64_t>(q), "learner.vrf", now, grade,
                                 static_cast<int>(state.phase), state.stability, state.difficulty));
            memory = NextMemoryState(memory, elapsed, grade, truth);
            state = ApplyReview(state, static_cast<ReviewGrade>(grade), now, settings, draw);
            now = state.dueMs;
            if (state.phase == ReviewPhase::Review && draw() < 0.3)
                now += (1 + static_cast<int64_t>(draw() * 2)) * kMillisPerDay;
        }
    }
    std::stable_sort(log.begin(), log.end(),
                     [](const auto& a, const auto& b) { return a.utcMs < b.utcMs; });
    return log;
}

// Every fourth question held out of the fit.
void SplitByQuestion(const std::vector<CLSReviewRecord>& log, std::vector<CLSReviewRecord>& train,
                     std::vector<CLSReviewRecord>& heldOut) {
    for (const auto& r : log)
        (r.questionId % 4 == 0 ? heldOut : train).push_back(r);
}

// A learner who forgets much faster at first than the defaults assume, and
// whose forgetting curve has another shape.
CLSFsrsParameters UnlikeTheDefaults() {
    CLSFsrsParameters p = kDefaults;
    p.w[0] = 0.1;
    p.w[1] = 0.4;
    p.w[2] = 0.9;
    p.w[3] = 3.5;
    p.w[8] = 1.0;
    p.w[20] = 0.6;
    return p;
}

}  // namespace

TEST(FsrsFit, LossScoresReviewsADayOrMoreApart) {
    const int64_t evening = LocalToUtcMillis(2025, 3, 1, 20, 0, kOffset);
    const int64_t day = kMillisPerDay;
    CLSFsrsParameters p = kDefaults;
    p.w[2] = 4;  // a first Good lasts 4 days: recall 0.9 four days later
    const double remembered = -std::log(0.9), forgotten = std::log(10.0);

    // A learning step ten minutes on and a review at 3:30 the next night are
    // the same learner's day (it starts at 4): neither is scored, and the
    // last review counts its four days from the first day.
    std::vector<CLSReviewRecord> sameDay = {
        Review(1, "a.vrf", evening, 3, 0),
        Review(1, "a.vrf", evening + 10 * kMillisPerMinute, 3, 1),
        Review(1, "a.vrf", evening + 7 * 3'600'000 + 30 * kMillisPerMinute, 3, 2),
        Review(1, "a.vrf", evening + 4 * day, 1, 2)};
    EXPECT_NEAR(ReviewLogLoss(sameDay, p), forgotten, 1e-12);

    // The log began after the question was first seen: the second review
    // starts from the memory logged with it (10 days, met after 10 days).
    std::vector<CLSReviewRecord> seeded = {Review(2, "a.vrf", evening, 3, 2, 30, 5),
                                           Review(2, "a.vrf", evening + 10 * day, 3, 2, 10, 5)};
    EXPECT_NEAR(ReviewLogLoss(seeded, p), remembered, 1e-12);

    // A question reset to new starts over and its first review is not scored.
    std::vector<CLSReviewRecord> reset = {
        Review(3, "a.vrf", evening, 3, 0), Review(3, "a.vrf", evening + 4 * day, 3, 2),
        Review(3, "a.vrf", evening + 30 * day, 3, 0), Review(3, "a.vrf", evening + 34 * day, 1, 2)};
    EXPECT_NEAR(ReviewLogLoss(reset, p), (remembered + forgotten) / 2, 1e-12);

    // The same question id in two files is two questions, whatever the order.
    std::vector<CLSReviewRecord> twoFiles = {
        Review(7, "b.vrf", evening + 4 * day, 1, 2), Review(7, "a.vrf", evening + 4 * day, 3, 2),
        Review(7, "a.vrf", evening, 3, 0), Review(7, "b.vrf", evening, 3, 0)};
    EXPECT_NEAR(ReviewLogLoss(twoFiles, p), (remembered + forgotten) / 2, 1e-12);
    std::reverse(twoFiles.begin(), twoFiles.end());
    EXPECT_NEAR(ReviewLogLoss(twoFiles, p), (remembered + forgotten) / 2, 1e-12);

    // Records a log would refuse are left out; nothing to score gives 0.
    std::vector<CLSReviewRecord> damaged = seeded;
    damaged.push_back(Review(2, "a.vrf", evening + 20 * day, 7, 2, 10, 5));
    damaged.push_back(Review(2, "a.vrf", evening + 25 * day, 1, 2, std::nan(""), 5));
    EXPECT_NEAR(ReviewLogLoss(damaged, p), remembered, 1e-12);
    EXPECT_EQ(ReviewLogLoss({}, p), 0);
    EXPECT_EQ(ReviewLogLoss(std::vector{Review(1, "a.vrf", evening, 3, 0)}, p), 0);
}

TEST(FsrsFit, FitsALearnerUnlikeTheDefaults) {
    const CLSFsrsParameters truth = UnlikeTheDefaults();
    std::vector<CLSReviewRecord> train, heldOut;
    SplitByQuestion(SimulateLearner(truth, 320, 120, 20250106), train, heldOut);

    std::vector<CLSFitProgress> calls;
    CLSFitResult fit = FitParameters(train, kDefaults, [&](const CLSFitProgress& progress) {
        calls.push_back(progress);
        return true;
    });
    ASSERT_EQ(fit.problem, "");
    EXPECT_TRUE(fit.improved);
    EXPECT_FALSE(fit.cancelled);
    EXPECT_GT(fit.reviews, 1000);
    EXPECT_DOUBLE_EQ(fit.lossBefore, ReviewLogLoss(train, kDefaults));
    EXPECT_DOUBLE_EQ(fit.lossAfter, ReviewLogLoss(train, fit.parameters));
    EXPECT_LT(fit.lossAfter, fit.lossBefore);

    double defaultLoss = ReviewLogLoss(heldOut, kDefaults);
    double fittedLoss = ReviewLogLoss(heldOut, fit.parameters);
    double trueLoss = ReviewLogLoss(heldOut, truth);
    EXPECT_LT(fittedLoss, defaultLoss);
    // Most of the way to what the learner's real weights predict.
    EXPECT_LT(fittedLoss - trueLoss, (defaultLoss - trueLoss) / 4);

    for (double w : fit.parameters.w)
        EXPECT_GT(w, 0);
    EXPECT_GE(fit.parameters.w[20], 0.1);
    EXPECT_LE(fit.parameters.w[20], 0.8);
    EXPECT_EQ(CLSFsrsParameters::Parse(fit.parameters.Format(), nullptr), fit.parameters);

    // The progress bar starts at the start's loss and ends full; the loss
    // shown never goes up.
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front().step, 0);
    EXPECT_DOUBLE_EQ(calls.front().loss, fit.lossBefore);
    EXPECT_EQ(calls.back().step, calls.back().steps);
    for (size_t i = 1; i < calls.size(); ++i) {
        EXPECT_GT(calls[i].step, calls[i - 1].step);
        EXPECT_LE(calls[i].loss, calls[i - 1].loss);
    }
}

TEST(FsrsFit, ZeroWeightsOfAnOlderSetComeOutPositive) {
    // Nineteen numbers of the previous model: w19 = 0, and this one's w7 too.
    std::optional<CLSFsrsParameters> older = CLSFsrsParameters::Parse(
        "0.3, 1.1, 2.5, 7.9, 6.2, 0.8, 2.9, 0, 1.7, 0.15, 0.8, 1.5, 0.06, 0.27, 1.6, 0.6, 1.9, "
        "0.5, 0.09",
        nullptr);
    ASSERT_TRUE(older);
    std::vector<CLSReviewRecord> log = SimulateLearner(UnlikeTheDefaults(), 60, 60, 11);
    CLSFitResult fit = FitParameters(log, *older);
    ASSERT_TRUE(fit.improved) << fit.problem;
    for (double w : fit.parameters.w)
        EXPECT_GT(w, 0);
    EXPECT_EQ(CLSFsrsParameters::Parse(fit.parameters.Format(), nullptr), fit.parameters);
}

TEST(FsrsFit, RefusesWhatCannotBeFitted) {
    std::vector<CLSReviewRecord> log = SimulateLearner(kDefaults, 80, 60, 5);
    ASSERT_GT(log.size(), 400u);
    int calls = 0;
    auto count = [&](const CLSFitProgress&) { return ++calls, true; };

    // Too few reviews; records a log would refuse do not count.
    std::vector<CLSReviewRecord> few(log.begin(), log.begin() + 399);
    few.push_back(Review(1, "learner.vrf", kFirstDay, 0, 0));
    CLSFitResult fit = FitParameters(few, kDefaults, count);
    EXPECT_EQ(fit.problem,
              "パラメーターの最適化には 400 件以上の復習が必要です (いまは 399 件です)");
    EXPECT_EQ(fit.parameters, kDefaults);
    EXPECT_FALSE(fit.improved);

    // Enough reviews, but none a day after the one before.
    std::vector<CLSReviewRecord> firstSights;
    for (uint64_t q = 0; q < 400; ++q)
        firstSights.push_back(Review(q, "learner.vrf", kFirstDay + 1000 * q, 3, 0));
    fit = FitParameters(firstSights, kDefaults, count);
    EXPECT_EQ(fit.problem,
              "前の復習から日をまたいだ復習がないため、パラメーターを最適化できません");

    // A start the learner could not have entered.
    CLSFsrsParameters wrong = kDefaults;
    wrong.w[20] = 0.9;
    fit = FitParameters(log, wrong, count);
    EXPECT_EQ(fit.problem,
              "復習のパラメーターが正しくありません: 減衰 (w20) は 0.1～0.8 にしてください (0.9)");
    EXPECT_EQ(fit.parameters, wrong);
    wrong.w[3] = std::nan("");
    EXPECT_NE(FitParameters(log, wrong, count).problem, "");
    EXPECT_EQ(calls, 0) << "no fit was started";
}

TEST(FsrsFit, CancelledOrNotImprovedKeepsTheStart) {
    std::vector<CLSReviewRecord> log = SimulateLearner(UnlikeTheDefaults(), 60, 60, 9);
    for (int stopAt : {1, 3}) {
        int calls = 0;
        CLSFitResult fit =
            FitParameters(log, kDefaults, [&](const CLSFitProgress&) { return ++calls < stopAt; });
        EXPECT_TRUE(fit.cancelled) << stopAt;
        EXPECT_EQ(calls, stopAt);
        EXPECT_FALSE(fit.improved);
        EXPECT_EQ(fit.parameters, kDefaults);
        EXPECT_EQ(fit.problem, "");
    }

    // No steps allowed: the start's loss is not beaten, so it is kept.
    CLSFitResult fit = FitParameters(log, kDefaults, {}, 0);
    EXPECT_FALSE(fit.improved);
    EXPECT_FALSE(fit.cancelled);
    EXPECT_EQ(fit.parameters, kDefaults);
    EXPECT_EQ(fit.lossAfter, fit.lossBefore);
    EXPECT_GT(fit.reviews, 0);
}
