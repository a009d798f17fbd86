#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz/PanelLayout.h"

namespace {

bool overlap(const CLSRect& a, const CLSRect& b) {
    return !a.isEmpty() && !b.isEmpty() && a.left < b.right && b.left < a.right &&
           a.top < b.bottom && b.top < a.bottom;
}

std::string show(const CLSRect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// The labels and mark box as the default font makes them.
CLSPanelLayoutInput typicalPanel(int width) {
    CLSPanelLayoutInput in;
    in.width = width;
    in.height = 400;
    in.answerPad = 5;
    in.groupText = {58, 30};
    in.historyText = {72, 30};
    in.markBox = {84, 20};
    in.inputCount = 1;
    in.inputHeight = 24;
    return in;
}

}  // namespace

TEST(PanelLayout, ChoicesStandAboveTheBottomRowInColumns) {
    CLSPanelLayoutInput in;
    in.width = 600;
    in.height = 400;
    in.titlePad = 4;
    in.questionPad = 6;
    in.answerPad = 5;
    in.titleHeight = 20;
    in.groupText = {40, 30};
    in.historyText = {40, 30};
    in.markBox = {60, 20};
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
    EXPECT_EQ(ChoiceColumns(in), 3);
    in.widestChoice = 900;
    EXPECT_EQ(LayoutAskingPanel(in).columns, 1);
    in.autoColumns = false;
    in.choiceColumns = 9;
    EXPECT_EQ(ChoiceColumns(in), 5) << "never more columns than choices";
}

TEST(PanelLayout, InputsAreIndentedAndConfirmModeHasNone) {
    CLSPanelLayoutInput in = typicalPanel(500);
    in.height = 300;
    in.answerPad = 4;
    in.inputCount = 2;
    in.inputHeight = 30;
    in.groupVisible = false;
    CLSPanelLayout out = LayoutAskingPanel(in);
    ASSERT_EQ(out.inputs.size(), 2u);
    EXPECT_EQ(out.inputs[0].left, 20) << "16 pixels after the answer item's padding";
    EXPECT_EQ(out.inputs[1].top - out.inputs[0].top, 30);
    EXPECT_EQ(out.bottomHeight, 28) << "at least 28";
    EXPECT_TRUE(out.group.isEmpty());
    EXPECT_EQ(out.mark.left, 4) << "the mark box moves to the left edge";
    in.confirmMode = true;
    out = LayoutAskingPanel(in);
    EXPECT_TRUE(out.inputs.empty());
    EXPECT_EQ(out.answers.top, out.bottomTop) << "the question reaches the bottom row";
    in.height = 40;
    in.confirmMode = false;
    out = LayoutAskingPanel(in);
    EXPECT_GE(out.question.bottom, out.question.top) << "never negative";
}

// The tallest input height the settings allow (100 lines) must not cover
// the title and the question: the inputs take at most half the room, and
// never less than a line each.
TEST(PanelLayout, TallInputsLeaveTheQuestionHalfTheRoom) {
    CLSPanelLayoutInput in = typicalPanel(500);
    in.height = 400;
    in.titleHeight = 20;
    in.inputCount = 1;
    in.inputLineHeight = 28;
    in.inputHeight = 20 * 100 + 8;
    CLSPanelLayout out = LayoutAskingPanel(in);
    ASSERT_EQ(out.inputs.size(), 1u);
    EXPECT_GE(out.inputs[0].top, out.title.bottom);
    EXPECT_GE(out.question.height(), out.inputs[0].height() / 2) << "the question keeps room";
    EXPECT_GE(out.inputs[0].height(), 28);
    EXPECT_LE(out.inputs[0].bottom, out.bottomTop);

    in.inputCount = 40;  // more inputs than half the room holds: a line each
    out = LayoutAskingPanel(in);
    EXPECT_EQ(out.inputs[0].height(), 28);

    in.inputCount = 2;
    in.inputHeight = 30;  // short inputs keep their height
    out = LayoutAskingPanel(in);
    EXPECT_EQ(out.inputs[1].top - out.inputs[0].top, 30);
}

TEST(PanelLayout, ButtonsKeepTheirPlacesWhereTheLabelsLeaveRoom) {
    CLSPanelLayout out = LayoutAskingPanel(typicalPanel(560));
    EXPECT_EQ(out.bottomTop, 400 - 32);
    EXPECT_EQ(out.group, (CLSRect{4, 368, 68, 400}));
    EXPECT_EQ(out.history, (CLSRect{68, 368, 146, 400}));
    EXPECT_EQ(out.mark, (CLSRect{146, 374, 230, 394})) << "centred in the row";
    EXPECT_EQ(out.hintButton, (CLSRect{336, 368, 368, 396}));
    EXPECT_EQ(out.answerButton, (CLSRect{372, 368, 462, 396}));
    EXPECT_EQ(out.stopButton, (CLSRect{466, 368, 556, 396}));

    // The study screen's default width with the hints window open leaves
    // about 400 pixels: the labels move to a row above the buttons, which
    // stay where they were.
    out = LayoutAskingPanel(typicalPanel(400));
    EXPECT_EQ(out.hintButton.left, 400 - 224);
    EXPECT_EQ(out.stopButton.left, 400 - 94);
    EXPECT_EQ(out.bottomHeight, 32 + 28);
    EXPECT_EQ(out.mark.top, out.bottomTop + 6);
    EXPECT_EQ(out.hintButton.top, out.bottomTop + 32);
}

// Whatever the width, from a sliver up, nothing overlaps and everything
// stays inside the panel.
TEST(PanelLayout, NoControlOverlapsAnotherAtAnyWidth) {
    for (bool group : {true, false}) {
        for (bool choices : {false, true}) {
            for (int width = 120; width <= 1400; ++width) {
                CLSPanelLayoutInput in = typicalPanel(width);
                in.height = 140 + width % 300;
                in.groupVisible = group;
                if (choices) {
                    in.inputCount = 0;
                    in.choiceCount = 4;
                    in.autoColumns = true;
                    in.widestChoice = 120;
                    in.choiceRowHeight = 30;
                }
                CLSPanelLayout out = LayoutAskingPanel(in);
                std::vector<CLSRect> parts = {out.group,      out.history,      out.mark,
                                              out.hintButton, out.answerButton, out.stopButton};
                for (const CLSRect& r : out.inputs)
                    parts.push_back(r);
                for (const CLSRect& r : out.choices)
                    parts.push_back(r);
                for (size_t i = 0; i < parts.size(); ++i) {
                    const CLSRect& a = parts[i];
                    if (a.isEmpty()) continue;
                    EXPECT_TRUE(a.left >= 0 && a.right <= width && a.top >= 0 &&
                                a.bottom <= in.height)
                        << "width " << width << ": " << show(a) << " leaves the panel";
                    for (size_t j = i + 1; j < parts.size(); ++j) {
                        ASSERT_FALSE(overlap(a, parts[j]))
                            << "width " << width << " group " << group << ": " << show(a) << " and "
                            << show(parts[j]);
                    }
                }
                EXPECT_FALSE(out.hintButton.isEmpty());
                EXPECT_FALSE(out.mark.isEmpty()) << width;
                if (width >= 232) {
                    EXPECT_EQ(out.stopButton.left, width - 94);
                }
            }
        }
    }
}
