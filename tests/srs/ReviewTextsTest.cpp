// How a question's schedule reads on its card.

#include <gtest/gtest.h>

#include "srs/ReviewDay.h"
#include "srs/ReviewTexts.h"

namespace {

CLSReviewSettings japan() {
    CLSReviewSettings settings;
    settings.utcOffsetMinutes = 540;
    return settings;
}

}  // namespace

TEST(ReviewTexts, TheCardTellsThePhaseTheDueTimeTheStabilityAndTheRecall) {
    const CLSReviewSettings settings = japan();
    const int64_t now = LocalToUtcMillis(2026, 12, 8, 9, 30, 540);
    CLSReviewState state;
    EXPECT_EQ(ReviewStateSummary(state, now, settings), "新しい問題") << "nothing more is known";

    state.phase = ReviewPhase::Review;
    state.stability = 12.34;
    state.difficulty = 5;
    state.lastReviewMs = now;
    state.dueMs = LocalToUtcMillis(2026, 12, 20, 9, 5, 540);
    EXPECT_EQ(ReviewStateSummary(state, now, settings),
              "復習中\n期日 12月20日(日) 9:05\n安定度 12日\n想起率 100%");

    // As many days on as the stability, recall is the 90 % it promises; a
    // short stability keeps its decimal, and another year is written out.
    state.stability = 3;
    state.phase = ReviewPhase::Relearning;
    state.dueMs = LocalToUtcMillis(2027, 1, 2, 4, 0, 540);
    std::string later = ReviewStateSummary(state, now + 3 * kMillisPerDay, settings);
    EXPECT_EQ(later, "再学習中\n期日 2027年1月2日(土) 4:00\n安定度 3.0日\n想起率 90%") << later;
}
