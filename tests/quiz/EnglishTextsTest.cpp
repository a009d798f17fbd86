// The study texts of the core in English.

#include <gtest/gtest.h>

#include "DocFixture.h"
#include "quiz/ExamMode.h"
#include "quiz/ExamTexts.h"
#include "quiz/InfoPaneText.h"
#include "quiz/RangeCount.h"
#include "quiz/ReviewRun.h"
#include "text/Language.h"

namespace {

struct InEnglish {
    InEnglish() { SetProgramLanguage("en"); }
    ~InEnglish() { SetProgramLanguage(kNativeLanguage); }
};

std::string shown(CLSExamMode mode) {
    return U8(ShownExamWord(ExamModeName(mode)));
}

}  // namespace

TEST(EnglishTexts, EveryWayOfAskingHasItsEnglishName) {
    InEnglish english;
    EXPECT_EQ(U8(ExamModeName(CLSExamMode::inOrder())), "すべて") << "the history's word";
    EXPECT_EQ(shown(CLSExamMode::inOrder()), "All in order");
    EXPECT_EQ(shown(CLSExamMode::review()), "Review");
    EXPECT_EQ(shown(CLSExamMode::complete()), "Random (complete)");
    EXPECT_EQ(shown(CLSExamMode::counted()), "Random");
    EXPECT_EQ(shown(CLSExamMode::counted().withNoRepeat()), "Random (no question twice)");
    EXPECT_EQ(shown(CLSExamMode::weakPoints().withNoRepeat()),
              "Random (weak points, no question twice)");
    EXPECT_EQ(shown(CLSExamMode::reask(CLSExamMode::kRetryWrong, true)),
              "Re-ask the wrong questions (random)");
    EXPECT_EQ(shown(CLSExamMode::reask(CLSExamMode::kRetrySelected, false)),
              "Re-ask the selected questions");
    EXPECT_EQ(shown(CLSExamMode::fromValue(3)), "Unknown");
    for (AnswerMode mode :
         {AnswerMode::kNormal, AnswerMode::kWritten, AnswerMode::kChoice, AnswerMode::kConfirm}) {
        std::string name = U8(ShownExamWord(AnswerModeName(mode)));
        EXPECT_FALSE(name.empty());
        for (unsigned char c : name)
            EXPECT_LT(c, 0x80) << name << " is not English";
    }
}

TEST(EnglishTexts, CountsSayOneQuestionAndManyQuestions) {
    InEnglish english;
    EXPECT_EQ(U8(QuestionCountText(1)), "1 question");
    EXPECT_EQ(U8(QuestionCountText(0)), "0 questions");
    EXPECT_EQ(U8(QuestionCountText(12)), "12 questions");
    EXPECT_EQ(U8(RangeLimitText(40)), "(1–40)");
    std::vector<CLSInfoPaneEntry> day = InfoPaneReviewEntries({.due = 3, .newLeft = 1});
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(U8(day[0].label), "Due today");
    EXPECT_EQ(U8(day[0].value), "3 questions");
    EXPECT_EQ(U8(day[1].value), "1 question");
}

TEST(EnglishTexts, TheTipsAreTypedInEnglishWithTheirPauses) {
    InEnglish english;
    for (int i = 0; i < kInfoPaneTipCount; ++i) {
        std::string tip = InfoPaneTip(i);
        for (unsigned char c : tip)
            ASSERT_LT(c, 0x80) << "tip " << i << " is not English: " << tip;
    }
    // A comma followed by a word holds the typing for two beats, as "，" does.
    CLSInfoPaneTips tips;
    tips.setMode(InfoPaneMode::kNoFile);
    std::string tip = InfoPaneTip(0);
    size_t comma = tip.find(", ");
    ASSERT_NE(comma, std::string::npos);
    while (tips.shownBytes() <= static_cast<int>(comma))
        tips.beat();
    int shown = tips.shownBytes();
    tips.beat();
    tips.beat();
    EXPECT_EQ(tips.shownBytes(), shown) << "a pause after the comma";
    tips.beat();
    EXPECT_EQ(tips.shownBytes(), shown + 1);
}
