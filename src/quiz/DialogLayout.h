#pragma once

#include "text/Geometry.h"

// Placement arithmetic of the study screen's dialogs, kept free of any
// screen so that it can be checked with plain numbers.

/// Makes a rectangle from its position and size.
inline CLSRect RectOf(int x, int y, int width, int height) {
    return CLSRect{x, y, x + width, y + height};
}

/// Dialog units to pixels for a font whose average character is baseX wide
/// and baseY high (four horizontal and eight vertical units per character).
inline CLSSize DialogUnitsToPixels(int dluX, int dluY, int baseX, int baseY) {
    return CLSSize{dluX * baseX / 4, dluY * baseY / 8};
}

// ---- the opening (idle) panel ----------------------------------------------------------

struct CLSOpeningLayout {
    CLSRect pathLabel, path;
    CLSRect countLabel, count;
    CLSRect messageLabel, message;
    CLSRect picture;
};

/// The idle panel's three rows and its logo, centred in a panel of the given
/// size; labelWidth is the widest label, lineHeight the label height. On a
/// narrow panel the text fields narrow; a panel too small even for that
/// keeps the block at the top left.
CLSOpeningLayout OpeningPanelLayout(int panelWidth, int panelHeight, int labelWidth,
                                    int lineHeight);

constexpr int kLogoWidth = 100;
constexpr int kLogoHeight = 56;

// ---- the answer dialog -------------------------------------------------------------------

/// What the answer dialog measured before it is laid out.
struct CLSAnswerLayoutInput {
    int buttonWidth = 0;  // 54 x 14 dialog units in pixels
    int buttonHeight = 0;
    int maxWidth = 0;        // BaseWidthWndAnswer
    int maxHeight = 0;       // BaseHeightWndAnswer
    int animationWidth = 0;  // 60 x 60 after a judgement, 0 x 0 in confirm mode
    int animationHeight = 0;
    int answerWidth = 0;  // the answer view's needed size, scroll bars included
    int answerHeight = 0;
    int commentWidth = 0;  // 0 x 0 without a comment view
    int commentHeight = 0;
    int otherHeight = 0;      // kOtherAnswersHeight when the list is shown
    int frame = 0;            // the answer item's frame width, padding and margin
    int labelHeight = 0;      // height of the "別解" label
    bool fourGrades = false;  // a review graded with four buttons
};

constexpr int kOtherAnswersHeight = 120;
constexpr int kAnswerPartMinHeight = 48;
constexpr int kOtherLabelWidth = 36;
constexpr int kOtherListLeft = 38;

struct CLSAnswerLayout {
    int width = 0;  // client size
    int height = 0;
    int contentHeight = 0;  // the framed area above the buttons
    int answerRowHeight = 0;
    CLSRect animation, answer, comment, other, otherLabel;
    CLSRect mark, right, wrong, skip, ok, otherButton, help;
    CLSRect hard, easy;  // only with four grades
};

/// Sizes and places everything of the answer dialog: the row of animation
/// and answer, the comment and the other answers shrink in proportion when
/// the dialog would be taller than maxHeight (none below 48 pixels, the
/// answer row not below the animation), and the buttons stand in three
/// centred columns below them. With four grades the middle row holds
/// them in grade order (wrong, hard, right, easy) and skip moves up beside
/// the mark.
CLSAnswerLayout AnswerDialogLayout(const CLSAnswerLayoutInput& in);

/// The "別解" dialog: the list from (2, 2) to 6 pixels above OK.
CLSRect OtherAnswersListRect(int clientWidth, int okTop);

// ---- the result dialog -------------------------------------------------------------------

struct CLSResultLayout {
    CLSRect labels[5];
    CLSRect values[5];
    CLSRect reask;   // "間違えた問題を再出題する(&T)"
    CLSRect random;  // "ランダムに出題(&R)"
    CLSRect list;
    CLSRect buttons[4];  // 再出題, 閉じる, 表示, ヘルプ
};

/// The result dialog of the given client size: the five figures (labels
/// 5c + 20 wide, values 4 (c + 4), rows c + 6 apart) centred beside the
/// button column, the two check boxes below them and the list filling the
/// rest; c is the figures' font size in pixels.
CLSResultLayout ResultDialogLayout(int width, int height, int c, int buttonWidth, int buttonHeight,
                                   int checkWidth, int checkHeight);
