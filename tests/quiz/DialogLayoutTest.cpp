// Placement arithmetic of the idle panel, the answer dialog and the result
// dialog.

#include <gtest/gtest.h>

#include "quiz/DialogLayout.h"

namespace {

CLSAnswerLayoutInput answerInput() {
    CLSAnswerLayoutInput in;
    in.buttonWidth = 81;
    in.buttonHeight = 21;
    in.maxWidth = 500;
    in.maxHeight = 400;
    in.animationWidth = 60;
    in.animationHeight = 60;
    in.answerWidth = 120;
    in.answerHeight = 40;
    in.frame = 7;
    in.labelHeight = 16;
    return in;
}

}  // namespace

TEST(DialogLayout, OpeningPanelCentresItsRows) {
    CLSOpeningLayout l = OpeningPanelLayout(800, 600, 72, 16);
    // x = (800 - 80 - 320) / 2, y = (600 - 80 - 72) / 2
    EXPECT_EQ(l.pathLabel, RectOf(200, 224, 80, 16));
    EXPECT_EQ(l.path, RectOf(280, 224, 320, 32));
    EXPECT_EQ(l.countLabel, RectOf(200, 264, 80, 16));
    EXPECT_EQ(l.count, RectOf(280, 264, 80, 16));
    EXPECT_EQ(l.message, RectOf(280, 288, 320, 48));
    EXPECT_EQ(l.picture, RectOf(200 + 72 + 320 - 100, 224 + 96 + 24, 100, 56));

    CLSOpeningLayout small = OpeningPanelLayout(100, 50, 72, 16);
    EXPECT_EQ(small.pathLabel.left, 0) << "a small panel keeps the block at the edge";
    EXPECT_EQ(small.pathLabel.top, 0);
}

TEST(DialogLayout, AnswerDialogFitsItsParts) {
    CLSAnswerLayoutInput in = answerInput();
    in.commentWidth = 200;
    in.commentHeight = 30;
    CLSAnswerLayout l = AnswerDialogLayout(in);
    EXPECT_EQ(l.width, 3 * 81 + 84) << "never narrower than three buttons";
    EXPECT_EQ(l.answerRowHeight, 60) << "the row is as tall as the animation";
    EXPECT_EQ(l.contentHeight, 60 + 30 + 18 + 14);
    EXPECT_EQ(l.height, l.contentHeight + 3 * 21 + 18);
    // Animation and answer are centred as a pair, the animation on the row.
    EXPECT_EQ(l.animation.left, (327 - 186) / 2);
    EXPECT_EQ(l.answer.left, l.animation.right + 6);
    EXPECT_EQ(l.animation.top, 7);
    EXPECT_EQ(l.answer.top, 7 + 10);
    EXPECT_EQ(l.comment, RectOf(7, 7 + 60 + 6, 327 - 14, 30));
    EXPECT_TRUE(l.other.isEmpty());
    // Three button columns and rows.
    EXPECT_EQ(l.right.left, (327 - 243 - 12) / 2);
    EXPECT_EQ(l.wrong.left, (327 - 81) / 2);
    EXPECT_EQ(l.skip.left, (327 + 81 + 12) / 2);
    EXPECT_EQ(l.mark.top, l.contentHeight);
    EXPECT_EQ(l.ok.top, l.height - 21 - 6);
    EXPECT_EQ(l.right.top, l.height - 42 - 12);
    EXPECT_EQ(l.help.left, l.skip.left);
}

TEST(DialogLayout, AnswerDialogNarrowsALongAnswer) {
    CLSAnswerLayoutInput in = answerInput();
    in.answerWidth = 900;
    CLSAnswerLayout l = AnswerDialogLayout(in);
    EXPECT_EQ(l.width, 500);
    EXPECT_EQ(l.answer.width(), 500 - 60 - 6);
    EXPECT_GE(l.animation.left, 0);

    in.animationWidth = in.animationHeight = 0;  // confirm mode: no animation, no gap
    in.answerWidth = 200;
    l = AnswerDialogLayout(in);
    EXPECT_EQ(l.answer.left, (l.width - 200) / 2);
    EXPECT_EQ(l.answerRowHeight, 40);

    // A comment wider than the answer widens the dialog, up to the maximum.
    in.commentWidth = 2000;
    l = AnswerDialogLayout(in);
    EXPECT_EQ(l.width, 500);
    EXPECT_EQ(l.answer.width(), 200);
}

TEST(DialogLayout, AnswerDialogShrinksTallPartsInProportion) {
    CLSAnswerLayoutInput in = answerInput();
    in.animationWidth = in.animationHeight = 0;
    in.maxHeight = 150;
    in.answerHeight = 400;
    in.commentWidth = 100;
    in.commentHeight = 300;
    in.otherHeight = kOtherAnswersHeight;
    CLSAnswerLayout l = AnswerDialogLayout(in);
    // Room 150 - 63 - 18 = 69 shared out gives less than 48 to each part.
    EXPECT_EQ(l.answerRowHeight, 48);
    EXPECT_EQ(l.comment.height(), 48);
    EXPECT_EQ(l.other.height(), 48);
    EXPECT_EQ(l.answer.height(), 48);

    in.maxHeight = 600;
    l = AnswerDialogLayout(in);
    int room = 600 - 63 - 18;
    EXPECT_EQ(l.answerRowHeight, room * 400 / 821);
    EXPECT_EQ(l.comment.height(), room * 300 / 821);
    EXPECT_EQ(l.other.height(), room * 120 / 821);
    EXPECT_LE(l.height, 600 + 18 + 14) << "only the frame and gaps are left over";

    // Parts smaller than the minimum keep their size; the animation is not cut.
    in = answerInput();
    in.maxHeight = 100;
    in.commentWidth = 50;
    in.commentHeight = 20;
    l = AnswerDialogLayout(in);
    EXPECT_EQ(l.comment.height(), 20);
    EXPECT_EQ(l.answerRowHeight, 60);
    EXPECT_EQ(l.other.height(), 0);
}

TEST(DialogLayout, AnswerDialogPlacesTheOtherAnswersAtTheBottom) {
    CLSAnswerLayoutInput in = answerInput();
    in.otherHeight = kOtherAnswersHeight;
    CLSAnswerLayout l = AnswerDialogLayout(in);
    EXPECT_EQ(l.other.left, 38);
    EXPECT_EQ(l.other.bottom, l.contentHeight - 7);
    EXPECT_EQ(l.otherLabel.left, 0);
    EXPECT_EQ(l.otherLabel.width(), 36);
    EXPECT_EQ(l.otherLabel.top, l.other.top + (120 - 16) / 2);
}

TEST(DialogLayout, ResultDialogKeepsFiguresBesideTheButtons) {
    CLSResultLayout l = ResultDialogLayout(640, 480, 21, 100, 24, 220, 20);
    EXPECT_EQ(l.labels[0].top, 4);
    EXPECT_EQ(l.labels[1].top, 4 + 27);
    EXPECT_EQ(l.labels[0].width(), 125);
    EXPECT_EQ(l.values[0].width(), 100);
    EXPECT_EQ(l.values[0].left, l.labels[0].right);
    EXPECT_LE(l.values[0].right, l.buttons[0].left);
    EXPECT_EQ(l.buttons[0].right, 640 - 8);
    EXPECT_GT(l.reask.top, l.labels[4].bottom);
    EXPECT_GT(l.list.top, l.random.bottom);
    EXPECT_GT(l.list.top, l.buttons[3].bottom);
    EXPECT_EQ(l.list.bottom, 480 - 8);
}
