// The schedule's texts and the review messages in English.

#include <gtest/gtest.h>

#include "srs/FsrsModel.h"
#include "srs/LearningSteps.h"
#include "srs/ReviewDay.h"
#include "srs/ReviewLog.h"
#include "srs/ReviewTexts.h"
#include "text/Language.h"

namespace {

struct InEnglish {
    InEnglish() { SetProgramLanguage("en"); }
    ~InEnglish() { SetProgramLanguage(kNativeLanguage); }
};

}  // namespace

TEST(ReviewTextsEnglish, TheCardAndTheNextReviewReadAsEnglish) {
    InEnglish english;
    CLSReviewSettings settings;
    settings.utcOffsetMinutes = 540;
    const int64_t now = LocalToUtcMillis(2026, 12, 8, 9, 30, 540);
    CLSReviewState state;
    EXPECT_EQ(ReviewStateSummary(state, now, settings), "New");
    state.phase = ReviewPhase::Review;
    state.stability = 12.34;
    state.difficulty = 5;
    state.lastReviewMs = now;
    state.dueMs = LocalToUtcMillis(2026, 12, 20, 9, 5, 540);
    EXPECT_EQ(ReviewStateSummary(state, now, settings),
              "In review\nDue Sun 20 Dec, 9:05\nStability 12 days\nRecall 100%");
    state.dueMs = LocalToUtcMillis(2027, 1, 2, 4, 0, 540);
    EXPECT_NE(ReviewStateSummary(state, now, settings).find("Due Sat 2 Jan 2027, 4:00"),
              std::string::npos);
    EXPECT_EQ(NextReviewText(LocalToUtcMillis(2025, 3, 2, 13, 0, 540), 540),
              "The next review is on Sun 2 Mar 2025 at 13:00.");
}

TEST(ReviewTextsEnglish, ASettingThatCannotBeReadSaysWhyInEnglish) {
    InEnglish english;
    std::string error;
    EXPECT_FALSE(ParseSteps("1m 2y", &error));
    EXPECT_EQ(error, "The learning steps are not valid: write \u201c2y\u201d as 1m, 10m, 1h or 1d");
    EXPECT_FALSE(CLSFsrsParameters::Parse("1, 2", &error));
    EXPECT_EQ(error, "The review parameters are not valid: 21 numbers are needed (there are 2)");
    EXPECT_EQ(ReviewGradeProblem(7), "the grade 7 must be 1 to 4");
}
