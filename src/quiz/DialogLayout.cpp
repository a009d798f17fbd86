#include "quiz/DialogLayout.h"

#include <algorithm>

CLSOpeningLayout OpeningPanelLayout(int panelWidth, int panelHeight, int labelWidth,
                                    int lineHeight) {
    const int c = labelWidth;
    const int h = lineHeight;
    const int labelBox = c + 8;
    // The fields are 20 lines wide, narrower on a narrow panel (but never
    // below the count field's five), so that they are not cut at the edge.
    const int field = std::max(5 * h, std::min(20 * h, panelWidth - labelBox));
    int x = std::max(0, (panelWidth - labelBox - field) / 2);
    int y = std::max(0, (panelHeight - 5 * h - 72) / 2);
    CLSOpeningLayout out;
    out.pathLabel = RectOf(x, y, labelBox, h);
    out.path = RectOf(x + labelBox, y, field, 2 * h);
    int y2 = y + 2 * h + 8;
    out.countLabel = RectOf(x, y2, labelBox, h);
    out.count = RectOf(x + labelBox, y2, 5 * h, h);
    int y3 = y + 3 * h + 16;
    out.messageLabel = RectOf(x, y3, labelBox, h);
    out.message = RectOf(x + labelBox, y3, field, 3 * h);
    int logoLeft = std::max(x, x + c + field - kLogoWidth);
    out.picture = RectOf(logoLeft, y + 6 * h + 24, kLogoWidth, kLogoHeight);
    return out;
}

namespace {

// A part's height after shrinking: its share of the room, but never below
// the floor and never above what it asked for. An absent part stays absent.
int shrunk(int height, int room, int sum, int floor) {
    if (height <= 0) return 0;
    int share = static_cast<int>(static_cast<long long>(room) * height / (sum + 1));
    return std::min(height, std::max(share, floor));
}

}  // namespace

CLSAnswerLayout AnswerDialogLayout(const CLSAnswerLayoutInput& in) {
    const int bw = in.buttonWidth;
    const int bh = in.buttonHeight;
    const int m = in.frame;
    const int animW = in.animationWidth;
    const int animH = in.animationHeight;
    const int minWidth = (in.fourGrades ? 4 : 3) * bw + 84;

    int answerW = in.answerWidth;
    int width = std::max(animW + answerW + 6, 2 * m + in.commentWidth);
    if (width > in.maxWidth) {
        answerW = std::max(0, std::min(answerW, in.maxWidth - animW - 6));
        width = in.maxWidth;
    }
    width = std::max(width, minWidth);

    int row = std::max(in.answerHeight, animH);
    int comment = in.commentHeight;
    int other = in.otherHeight;
    int content = row + comment + other + 18 + 2 * m;
    int total = content + 3 * bh + 18;
    if (total > in.maxHeight) {
        int room = std::max(0, in.maxHeight - 3 * bh - 18);
        int sum = row + comment + other;
        // The animation is never cut: the answer row keeps at least its height.
        int newRow = shrunk(row, room, sum, std::max(kAnswerPartMinHeight, animH));
        comment = shrunk(comment, room, sum, kAnswerPartMinHeight);
        other = shrunk(other, room, sum, kAnswerPartMinHeight);
        row = newRow;
        content = row + comment + other + 18 + 2 * m;
        total = content + 3 * bh + 18;
    }

    CLSAnswerLayout out;
    out.width = width;
    out.height = total;
    out.contentHeight = content;
    out.answerRowHeight = row;

    int gap = animW > 0 ? 6 : 0;
    int answerH = std::min(in.answerHeight, row);
    int pairX = (width - (animW + gap + answerW)) / 2;
    out.animation = RectOf(pairX, m + (row - animH) / 2, animW, animH);
    out.answer = RectOf(pairX + animW + gap, m + (row - answerH) / 2, answerW, answerH);
    if (comment > 0) {
        out.comment = RectOf(m, content - comment - other - m - 12, width - 2 * m, comment);
    }
    if (other > 0) {
        int top = content - m - other;
        out.other = RectOf(kOtherListLeft, top, width - kOtherListLeft - m, other);
        out.otherLabel =
            RectOf(0, top + (other - in.labelHeight) / 2, kOtherLabelWidth, in.labelHeight);
    }

    const int col0 = (width - 3 * bw - 12) / 2;
    const int col1 = (width - bw) / 2;
    const int col2 = (width + bw + 12) / 2;
    const int row0 = total - 3 * bh - 18;
    const int row1 = total - 2 * bh - 12;
    const int row2 = total - bh - 6;
    out.mark = RectOf(col1, row0, bw, bh);
    out.right = RectOf(col0, row1, bw, bh);
    out.wrong = RectOf(col1, row1, bw, bh);
    out.skip = RectOf(col2, row1, bw, bh);
    out.ok = RectOf(col0, row2, bw, bh);
    out.otherButton = RectOf(col1, row2, bw, bh);
    out.help = RectOf(col2, row2, bw, bh);
    if (in.fourGrades) {
        const int left = (width - 4 * bw - 18) / 2;
        auto cell = [&](int i) { return RectOf(left + i * (bw + 6), row1, bw, bh); };
        out.wrong = cell(0);
        out.hard = cell(1);
        out.right = cell(2);
        out.easy = cell(3);
        out.skip = RectOf(col2, row0, bw, bh);
    }
    return out;
}

CLSRect OtherAnswersListRect(int clientWidth, int okTop) {
    return CLSRect{2, 2, std::max(2, clientWidth - 2), std::max(2, okTop - 6)};
}

CLSResultLayout ResultDialogLayout(int width, int height, int c, int buttonWidth, int buttonHeight,
                                   int checkWidth, int checkHeight) {
    constexpr int kEdge = 8;
    CLSResultLayout out;
    const int labelW = 5 * c + 20;
    const int valueW = 4 * (c + 4);
    const int buttonX = width - buttonWidth - kEdge;
    // The figures are centred in the room left of the button column.
    int blockX = std::max(kEdge, (buttonX - kEdge - labelW - valueW) / 2);
    for (int i = 0; i < 5; ++i) {
        int y = 4 + i * (c + 6);
        out.labels[i] = RectOf(blockX, y, labelW, c + 4);
        out.values[i] = RectOf(blockX + labelW, y, valueW, c + 4);
    }
    int y = 4 + 5 * (c + 6) + 2;
    int checkW = std::max(0, std::min(checkWidth, buttonX - kEdge - blockX));
    out.reask = RectOf(blockX, y, checkW, checkHeight);
    out.random = RectOf(blockX, y + checkHeight + 2, checkW, checkHeight);
    for (int i = 0; i < 4; ++i) {
        out.buttons[i] = RectOf(buttonX, kEdge + i * (buttonHeight + 6), buttonWidth, buttonHeight);
    }
    // The list takes the whole width below whichever column ends lower.
    int listTop = std::max(y + 2 * checkHeight + 8, out.buttons[3].bottom + 8);
    out.list =
        CLSRect{kEdge, listTop, std::max(kEdge, width - kEdge), std::max(listTop, height - kEdge)};
    return out;
}
