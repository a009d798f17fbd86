// Placement of the idle panel, the answer dialog and the result dialog:
// whatever the sizes, everything fits, nothing overlaps and what should be
// centred is; a few layouts are checked rectangle by rectangle.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz/DialogLayout.h"

namespace {

bool overlap(const CLSRect& a, const CLSRect& b) {
    return !a.isEmpty() && !b.isEmpty() && a.left < b.right && b.left < a.right &&
           a.top < b.bottom && b.top < a.bottom;
}

bool inside(const CLSRect& r, int width, int height) {
    return r.isEmpty() || (r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height);
}

std::string show(const CLSRect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// No two of the parts overlap and each lies inside the area.
void expectTidy(const std::vector<CLSRect>& parts, int width, int height,
                const std::string& where) {
    for (size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(inside(parts[i], width, height))
            << where << ": " << show(parts[i]) << " outside " << width << "x" << height;
        for (size_t j = i + 1; j < parts.size(); ++j) {
            EXPECT_FALSE(overlap(parts[i], parts[j]))
                << where << ": " << show(parts[i]) << " and " << show(parts[j]);
        }
    }
}

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

std::vector<CLSRect> partsOf(const CLSAnswerLayout& l) {
    return {l.animation, l.answer, l.comment, l.other,       l.otherLabel, l.mark, l.right,
            l.wrong,     l.skip,   l.ok,      l.otherButton, l.help,       l.hard, l.easy};
}

}  // namespace

TEST(DialogLayout, OpeningPanelCentresItsBlock) {
    CLSOpeningLayout l = OpeningPanelLayout(800, 600, 72, 16);
    EXPECT_EQ(l.pathLabel, RectOf(200, 224, 80, 16));
    EXPECT_EQ(l.path, RectOf(280, 224, 320, 32));
    EXPECT_EQ(l.picture, RectOf(492, 344, 100, 56));
    for (int w : {300, 480, 560, 801, 1600}) {
        for (int h : {250, 480, 901}) {
            CLSOpeningLayout o = OpeningPanelLayout(w, h, 72, 16);
            std::vector<CLSRect> parts = {o.pathLabel,    o.path,    o.countLabel, o.count,
                                          o.messageLabel, o.message, o.picture};
            expectTidy(parts, w, h, "opening " + std::to_string(w) + "x" + std::to_string(h));
            int right = 0;
            for (const CLSRect& r : parts)
                right = std::max(right, r.right);
            EXPECT_LE(std::abs(o.pathLabel.left - (w - right)), 1) << "centred across " << w;
        }
    }
    CLSOpeningLayout small = OpeningPanelLayout(100, 50, 72, 16);
    EXPECT_EQ(small.pathLabel.left, 0) << "a small panel keeps the block at the edge";
    EXPECT_EQ(small.pathLabel.top, 0);
}

TEST(DialogLayout, AnswerDialogLaysOutOneCaseAsExpected) {
    CLSAnswerLayoutInput in = answerInput();
    in.commentWidth = 200;
    in.commentHeight = 30;
    CLSAnswerLayout l = AnswerDialogLayout(in);
    EXPECT_EQ(l.width, 327) << "never narrower than three buttons and their gaps";
    EXPECT_EQ(l.height, 203);
    EXPECT_EQ(l.animation, RectOf(70, 7, 60, 60));
    EXPECT_EQ(l.answer, RectOf(136, 17, 120, 40));
    EXPECT_EQ(l.comment, RectOf(7, 73, 313, 30));
    EXPECT_EQ(l.right, RectOf(36, 149, 81, 21));
    EXPECT_EQ(l.ok, RectOf(36, 176, 81, 21));
}

// Many dialogs: long and tall answers, comments, the other answers, confirm
// mode, small and large maximum sizes.
TEST(DialogLayout, AnswerDialogFitsEverythingWithoutOverlaps) {
    for (int answerWidth : {0, 40, 300, 2000}) {
        for (int answerHeight : {16, 200, 1200}) {
            for (int comment : {0, 1}) {
                for (int other : {0, 1}) {
                    for (int animation : {0, 60}) {
                        for (int maxHeight : {100, 400, 900}) {
                            CLSAnswerLayoutInput in = answerInput();
                            in.answerWidth = answerWidth;
                            in.answerHeight = answerHeight;
                            in.animationWidth = in.animationHeight = animation;
                            in.commentWidth = comment ? 700 : 0;
                            in.commentHeight = comment ? 250 : 0;
                            in.otherHeight = other ? kOtherAnswersHeight : 0;
                            in.maxHeight = maxHeight;
                            CLSAnswerLayout l = AnswerDialogLayout(in);
                            std::string where = "answer " + std::to_string(answerWidth) + "x" +
                                                std::to_string(answerHeight) + " max " +
                                                std::to_string(maxHeight);
                            expectTidy(partsOf(l), l.width, l.height, where);
                            EXPECT_LE(l.width, std::max(in.maxWidth, 3 * 81 + 84)) << where;
                            // The buttons stand centred under the content.
                            EXPECT_LE(std::abs(l.right.left - (l.width - l.skip.right)), 1)
                                << where;
                            EXPECT_GE(l.mark.top, l.contentHeight) << where;
                            if (animation) {
                                EXPECT_EQ(l.animation.height(), 60) << "never cut";
                            }
                            if (answerHeight >= kAnswerPartMinHeight) {
                                EXPECT_GE(l.answer.height(), kAnswerPartMinHeight) << where;
                            }
                        }
                    }
                }
            }
        }
    }
}

// A review graded with four buttons: they stand in grade order in one
// centred row, and the dialog widens for them however small its content.
TEST(DialogLayout, FourGradesStandInOneRowInGradeOrder) {
    for (int answerWidth : {0, 300, 2000}) {
        for (int maxWidth : {100, 400}) {
            CLSAnswerLayoutInput in = answerInput();
            in.fourGrades = true;
            in.animationWidth = in.animationHeight = 0;
            in.answerWidth = answerWidth;
            in.maxWidth = maxWidth;
            CLSAnswerLayout l = AnswerDialogLayout(in);
            std::string where = "answer " + std::to_string(answerWidth);
            expectTidy(partsOf(l), l.width, l.height, where);
            EXPECT_GE(l.width, 4 * 81 + 84) << where;
            const CLSRect row[] = {l.wrong, l.hard, l.right, l.easy};
            for (int i = 1; i < 4; ++i) {
                EXPECT_EQ(row[i].top, row[0].top) << where;
                EXPECT_GT(row[i].left, row[i - 1].right) << where;
            }
            EXPECT_LE(std::abs(l.wrong.left - (l.width - l.easy.right)), 1) << where;
            EXPECT_EQ(l.skip.top, l.mark.top) << "skip moves up beside the mark";
        }
    }
    CLSAnswerLayout two = AnswerDialogLayout(answerInput());
    EXPECT_TRUE(two.hard.isEmpty());
    EXPECT_TRUE(two.easy.isEmpty());
}

TEST(DialogLayout, AnswerDialogShrinksTallPartsInProportion) {
    CLSAnswerLayoutInput in = answerInput();
    in.animationWidth = in.animationHeight = 0;
    in.maxHeight = 600;
    in.answerHeight = 400;
    in.commentWidth = 100;
    in.commentHeight = 300;
    in.otherHeight = kOtherAnswersHeight;
    CLSAnswerLayout l = AnswerDialogLayout(in);
    // 400 : 300 : 120 stay in proportion, and the dialog keeps to its height
    // but for the frame and the gaps.
    EXPECT_NEAR(l.answerRowHeight * 300.0 / l.comment.height(), 400, 4);
    EXPECT_NEAR(l.comment.height() * 120.0 / l.other.height(), 300, 4);
    EXPECT_LE(l.height, 600 + 18 + 14);
    in.maxHeight = 150;
    l = AnswerDialogLayout(in);
    for (int h : {l.answerRowHeight, l.comment.height(), l.other.height()})
        EXPECT_EQ(h, kAnswerPartMinHeight) << "none below the minimum";
}

TEST(DialogLayout, ResultDialogFitsAtEverySize) {
    for (int w : {360, 400, 640, 1200}) {
        for (int h : {300, 480, 900}) {
            CLSResultLayout l = ResultDialogLayout(w, h, 21, 100, 24, 220, 20);
            std::vector<CLSRect> parts = {l.reask, l.random, l.list};
            for (int i = 0; i < 5; ++i) {
                parts.push_back(l.labels[i]);
                parts.push_back(l.values[i]);
            }
            for (const CLSRect& b : l.buttons)
                parts.push_back(b);
            expectTidy(parts, w, h, "result " + std::to_string(w) + "x" + std::to_string(h));
            EXPECT_EQ(l.list.bottom, h - 8) << "the list takes the rest";
            EXPECT_EQ(l.buttons[0].right, w - 8);
        }
    }
}
