// The order of a day's review run and the counts shown beside it.

#include <gtest/gtest.h>

#include <vector>

#include "srs/ReviewDay.h"
#include "srs/ReviewQueue.h"
#include "srs/ReviewTexts.h"

namespace {

using P = ReviewPhase;

constexpr int64_t kMinute = kMillisPerMinute;
const int64_t kNow = LocalToUtcMillis(2025, 3, 1, 9, 0, 0);
const int64_t kEndOfDay = LocalToUtcMillis(2025, 3, 2, 4, 0, 0);

CLSReviewState State(P phase, int64_t due, double stability = 10, int64_t last = kNow) {
    CLSReviewState s;
    s.phase = phase;
    s.dueMs = due;
    s.stability = stability;
    s.difficulty = 5;
    s.lastReviewMs = last;
    return s;
}

CLSReviewState Review(int64_t due, int daysAgo, double stability) {
    return State(P::Review, due, stability, kNow - daysAgo * kMillisPerDay);
}

// Questions 0..11 of a file:
const std::vector<CLSQueueQuestion> kFile = {
    {0, CLSReviewState{}},                         // new
    {1, Review(kNow - kMillisPerDay, 10, 10)},     // due yesterday, R(10 days, S 10) = 0.9
    {2, State(P::Learning, kNow + 5 * kMinute)},   // step later today
    {3, Review(kNow + 3 * 3'600'000, 30, 10)},     // due this afternoon, R lower
    {4, CLSReviewState{}},                         // new
    {5, Review(kEndOfDay, 10, 10)},                // due at the next day's start: not today
    {6, State(P::Relearning, kNow - kMinute)},     // step due a minute ago
    {7, CLSReviewState{}},                         // new
    {8, Review(kNow - 3 * kMillisPerDay, 5, 50)},  // overdue but R high
    {9, State(P::Learning, kEndOfDay + kMinute)},  // step tomorrow
    {10, CLSReviewState{}},                        // new
    {11, State(P::Learning, kNow - 2 * kMinute)},  // step due two minutes ago
};

std::vector<int> AnswerAllGood(CLSReviewQueue& queue, int64_t now) {
    std::vector<int> asked;
    while (auto index = queue.next(now)) {
        asked.push_back(*index);
        CLSReviewState done = Review(now + 3 * kMillisPerDay, 0, 3);
        queue.answered(*index, done);
    }
    return asked;
}

}  // namespace

TEST(ReviewQueue, DueStepsThenReviewsThenNewThenLaterSteps) {
    CLSReviewSettings settings;
    CLSReviewQueue queue(kFile, kNow, settings);
    EXPECT_EQ(queue.endOfDay(), kEndOfDay);
    EXPECT_EQ(queue.learningLeft(), 3);  // 2, 6, 11; not 9
    EXPECT_EQ(queue.reviewsLeft(), 3);   // 3, 1, 8; not 5
    EXPECT_EQ(queue.newLeft(), 4);
    EXPECT_EQ(queue.left(), 10);
    // Steps by due time, reviews by lowest retrievability, new in file order,
    // and the step due later today last, asked early rather than waited for.
    EXPECT_EQ(AnswerAllGood(queue, kNow), (std::vector<int>{11, 6, 3, 1, 8, 0, 4, 7, 10, 2}));
    EXPECT_EQ(queue.left(), 0);
    EXPECT_FALSE(queue.next(kNow + kMillisPerDay));
}

TEST(ReviewQueue, DailyLimits) {
    CLSReviewSettings settings;
    struct Case {
        CLSQueueLimits limits;
        std::vector<int> asked;
    } cases[] = {
        {{2, 0, 20, 0}, {11, 6, 3, 1, 0, 4, 7, 10, 2}},
        {{200, 199, 20, 0}, {11, 6, 3, 0, 4, 7, 10, 2}},
        {{0, 0, 3, 1}, {11, 6, 0, 4, 2}},
        {{0, 0, 20, 25}, {11, 6, 2}},
        {{-1, 0, -1, 0}, {11, 6, 2}},
    };
    for (const Case& c : cases) {
        CLSReviewQueue queue(kFile, kNow, settings, c.limits);
        EXPECT_EQ(AnswerAllGood(queue, kNow), c.asked)
            << c.limits.reviewsPerDay << " " << c.limits.reviewsDoneToday << " "
            << c.limits.newPerDay << " " << c.limits.newStartedToday;
    }
}

TEST(ReviewQueue, AnsweredStepsComeBackLaterToday) {
    CLSReviewSettings settings;
    CLSReviewQueue queue(kFile, kNow, settings, {0, 0, 1, 0});
    ASSERT_EQ(queue.next(kNow), 11);
    queue.answered(11, State(P::Learning, kNow + kMinute));  // Again: a minute
    EXPECT_EQ(queue.next(kNow), 6) << "the step due now comes first";
    queue.answered(6, State(P::Relearning, kEndOfDay - 1));  // still today
    EXPECT_EQ(queue.next(kNow), 0);
    queue.answered(0, State(P::Learning, kEndOfDay));  // a step of a day: tomorrow
    EXPECT_EQ(queue.learningLeft(), 3);                // 2, 6 and 11
    EXPECT_EQ(queue.next(kNow), 11) << "nothing due: the soonest step, a minute early";
    queue.answered(11, Review(kNow + 2 * kMillisPerDay, 0, 2));
    EXPECT_EQ(queue.next(kNow), 2);
    queue.answered(2, Review(kNow + 2 * kMillisPerDay, 0, 2));
    EXPECT_EQ(queue.next(kNow), 6);
    queue.answered(6, Review(kNow + 2 * kMillisPerDay, 0, 2));
    EXPECT_EQ(queue.left(), 0);

    queue.answered(4, State(P::Learning, kNow + kMinute));
    EXPECT_EQ(queue.left(), 0) << "a question outside the run stays outside";
}

TEST(ReviewQueue, SkippedAndRepeatedQuestions) {
    CLSReviewSettings settings;
    CLSReviewQueue queue(kFile, kNow, settings);
    queue.skipped(11);
    queue.skipped(1);  // not the next review: taken from the middle
    queue.skipped(0);
    queue.skipped(0);
    queue.skipped(999);
    EXPECT_EQ(queue.left(), 7);
    EXPECT_EQ(AnswerAllGood(queue, kNow), (std::vector<int>{6, 3, 8, 4, 7, 10, 2}));

    std::vector<CLSQueueQuestion> twice = {kFile[0], kFile[1], kFile[2],
                                           kFile[0], kFile[1], kFile[2]};
    CLSReviewQueue repeated(twice, kNow, settings);
    EXPECT_EQ(AnswerAllGood(repeated, kNow), (std::vector<int>{1, 0, 2})) << "each once";
}

TEST(ReviewQueue, CountsForTheInfoPane) {
    CLSReviewSettings settings;
    std::vector<CLSReviewState> states;
    for (const auto& q : kFile)
        states.push_back(q.state);
    EXPECT_EQ(DueTodayCount(states, kNow, settings), 6);  // 1, 2, 3, 6, 8, 11
    EXPECT_EQ(NewLeftCount(states, {}), 4);
    EXPECT_EQ(NewLeftCount(states, {200, 0, 20, 18}), 2);
    EXPECT_EQ(NewLeftCount(states, {200, 0, 20, 30}), 0);
    EXPECT_EQ(NextDueAfter(states, kNow), kNow) << "overdue questions are due now";

    std::vector<CLSReviewState> later = {CLSReviewState{}, kFile[5].state, kFile[9].state};
    EXPECT_EQ(NextDueAfter(later, kNow), kEndOfDay);
    EXPECT_EQ(DueTodayCount(later, kNow, settings), 0);
    EXPECT_FALSE(NextDueAfter(std::vector<CLSReviewState>(3), kNow)) << "all new";

    EXPECT_EQ(NextReviewText(kEndOfDay, 540), "次の復習は 2025年3月2日(日) 13時0分 です。");
    EXPECT_EQ(NextReviewText(LocalToUtcMillis(2024, 12, 31, 23, 59, -300), -300),
              "次の復習は 2024年12月31日(火) 23時59分 です。");
}
