#include <gtest/gtest.h>

#include "quiz/PanelLayout.h"

TEST(PanelLayout, ChoicesStandAboveTheBottomRowInColumns) {
    CLSPanelLayoutInput in;
    in.width = 600;
    in.height = 400;
    in.titlePad = 4;
    in.questionPad = 6;
    in.answerPad = 5;
    in.titleHeight = 20;
    in.bottomTextHeight = 30;
    in.choiceCount = 5;
    in.choiceColumns = 2;
    in.choiceRowHeight = 40;
    CLSPanelLayout out = LayoutAskingPanel(in);
    EXPECT_EQ(out.title, (CLSRect{0, 0, 600, 28}));
    EXPECT_EQ(out.bottomHeight, 32) << "the label's height + 2";
    EXPECT_EQ(out.bottomTop, 368);
    ASSERT_EQ(out.choices.size(), 5u);
    EXPECT_EQ(out.columns, 2);
    EXPECT_EQ(out.choices[0], (CLSRect{5, 368 - 3 * 40 - 5, 300, 368 - 2 * 40 - 5}));
    EXPECT_EQ(out.choices[1].left, 300) << "filled left to right";
    EXPECT_EQ(out.choices[4].top, out.choices[2].top + 40);
    EXPECT_EQ(out.question.top, 28 + 6);
    EXPECT_EQ(out.question.bottom, out.answers.top - 6);

    in.autoColumns = true;
    in.widestChoice = 150;
    EXPECT_EQ(LayoutAskingPanel(in).columns, 3) << "as many as fit into 590 pixels";
    in.widestChoice = 900;
    EXPECT_EQ(LayoutAskingPanel(in).columns, 1);
}

TEST(PanelLayout, InputsAreIndentedAndConfirmModeHasNone) {
    CLSPanelLayoutInput in;
    in.width = 500;
    in.height = 300;
    in.answerPad = 4;
    in.inputCount = 2;
    in.inputHeight = 30;
    CLSPanelLayout out = LayoutAskingPanel(in);
    ASSERT_EQ(out.inputs.size(), 2u);
    EXPECT_EQ(out.inputs[0].left, 20) << "16 pixels after the answer item's padding";
    EXPECT_EQ(out.inputs[1].top - out.inputs[0].top, 30);
    EXPECT_EQ(out.bottomHeight, 28) << "at least 28";
    in.confirmMode = true;
    out = LayoutAskingPanel(in);
    EXPECT_TRUE(out.inputs.empty());
    EXPECT_EQ(out.answers.top, out.bottomTop) << "the question reaches the bottom row";
    in.height = 40;
    in.confirmMode = false;
    out = LayoutAskingPanel(in);
    EXPECT_GE(out.question.bottom, out.question.top) << "never negative";
}
