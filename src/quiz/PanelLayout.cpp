#include "quiz/PanelLayout.h"

#include <algorithm>

namespace {

constexpr int kEdge = 4;  // space at the panel's edges and between controls
constexpr int kButtonHeight = 28;
constexpr int kHintWidth = 32;
constexpr int kButtonWidth = 90;
// hint, gap, answer, gap, stop, edge: the row the buttons need at full size.
constexpr int kButtonRow = kHintWidth + kEdge + kButtonWidth + kEdge + kButtonWidth + kEdge;

struct BottomArea {
    int height = 0;
    CLSRect group, history, mark, hint, answer, stop;  // tops relative to the area
};

// The three buttons, from the right edge as long as they fit; squeezed from
// the left edge on a panel too narrow for them.
void placeButtons(int w, int top, BottomArea& out) {
    if (w >= kButtonRow + kEdge) {
        out.hint = {w - 224, top, w - 224 + kHintWidth, top + kButtonHeight};
        out.answer = {w - 188, top, w - 188 + kButtonWidth, top + kButtonHeight};
        out.stop = {w - 94, top, w - 94 + kButtonWidth, top + kButtonHeight};
        return;
    }
    int room = std::max(0, w - 2 * kEdge - kHintWidth - 2 * kEdge);
    int each = room / 2;
    int x = kEdge;
    out.hint = {x, top, x + kHintWidth, top + kButtonHeight};
    x += kHintWidth + kEdge;
    out.answer = {x, top, x + each, top + kButtonHeight};
    x += each + kEdge;
    out.stop = {x, top, x + each, top + kButtonHeight};
}

BottomArea layoutBottom(const CLSPanelLayoutInput& in, int w) {
    BottomArea out;
    int textHeight = in.groupVisible ? std::max(in.groupText.height, in.historyText.height) : 0;
    int labelRow = std::max(kButtonHeight, textHeight + 2);
    // The labels and the mark box flow from the left edge.
    struct Piece {
        CLSRect* rect;
        int width;
        int height;  // 0: the row's height
    };
    std::vector<Piece> pieces;
    if (in.groupVisible) {
        pieces.push_back({&out.group, in.groupText.width + 6, 0});
        pieces.push_back({&out.history, in.historyText.width + 6, 0});
    }
    pieces.push_back({&out.mark, in.markBox.width, std::min(in.markBox.height, labelRow)});

    BottomArea probe;
    placeButtons(w, 0, probe);
    int flowWidth = 0;
    for (const Piece& p : pieces)
        flowWidth += p.width;
    bool shareRow = kEdge + flowWidth + kEdge <= probe.hint.left;

    // Rows of labels (all on the buttons' row when they fit before the hint
    // button), then the buttons' row.
    int x = kEdge;
    int rowTop = 0;
    int rows = 1;
    int limit = shareRow ? probe.hint.left - kEdge : w - kEdge;
    for (const Piece& p : pieces) {
        if (x > kEdge && x + p.width > limit) {
            x = kEdge;
            rowTop += labelRow;
            ++rows;
        }
        int width = std::min(p.width, std::max(0, w - kEdge - x));
        int height = p.height > 0 ? p.height : labelRow;
        int top = rowTop + (labelRow - height) / 2;
        *p.rect = {x, top, x + width, top + height};
        x += width;
    }
    int buttonsTop = shareRow ? 0 : rows * labelRow;
    placeButtons(w, buttonsTop, out);
    out.height = shareRow ? labelRow : buttonsTop + kButtonHeight;
    return out;
}

CLSRect shifted(CLSRect r, int dy) {
    return {r.left, r.top + dy, r.right, r.bottom + dy};
}

}  // namespace

int ChoiceColumns(const CLSPanelLayoutInput& in) {
    int inner = std::max(1, in.width - 2 * in.answerPad);
    int columns = in.choiceColumns;
    if (in.autoColumns) columns = inner / std::max(1, in.widestChoice);
    return std::clamp(columns, 1, std::max(1, in.choiceCount));
}

CLSPanelLayout LayoutAskingPanel(const CLSPanelLayoutInput& in) {
    CLSPanelLayout out;
    int w = in.width;
    int top = 0;
    if (in.titleHeight > 0) {
        int h = in.titleHeight + 2 * in.titlePad;
        out.title = CLSRect{0, 0, w, h};
        top = h;
    }
    BottomArea bottom = layoutBottom(in, w);
    out.bottomHeight = bottom.height;
    out.bottomTop = in.height - out.bottomHeight;
    if (in.groupVisible) {
        out.group = shifted(bottom.group, out.bottomTop);
        out.history = shifted(bottom.history, out.bottomTop);
    }
    out.mark = shifted(bottom.mark, out.bottomTop);
    out.hintButton = shifted(bottom.hint, out.bottomTop);
    out.answerButton = shifted(bottom.answer, out.bottomTop);
    out.stopButton = shifted(bottom.stop, out.bottomTop);

    int answersTop = out.bottomTop;
    int inner = std::max(1, w - 2 * in.answerPad);
    if (!in.confirmMode && in.choiceCount > 0) {
        int columns = ChoiceColumns(in);
        out.columns = columns;
        int colWidth = inner / columns;
        int rows = (in.choiceCount + columns - 1) / columns;
        int rowHeight = std::max(1, in.choiceRowHeight);
        answersTop = out.bottomTop - rows * rowHeight - 2 * in.answerPad;
        for (int k = 0; k < in.choiceCount; ++k) {
            int row = k / columns;
            int col = k % columns;
            int left = in.answerPad + col * colWidth;
            int y = answersTop + in.answerPad + row * rowHeight;
            out.choices.push_back(CLSRect{left, y, left + colWidth, y + rowHeight});
        }
    } else if (!in.confirmMode && in.inputCount > 0) {
        // Tall inputs take at most half of what lies between the title and
        // the bottom row (a taller field scrolls), but never less than a line.
        int room = std::max(0, out.bottomTop - top - 2 * in.answerPad);
        int each = std::min(in.inputHeight, std::max(in.inputLineHeight, room / 2 / in.inputCount));
        answersTop = out.bottomTop - in.inputCount * each - 2 * in.answerPad;
        int left = in.answerPad + 16;
        for (int k = 0; k < in.inputCount; ++k) {
            int y = answersTop + in.answerPad + k * each;
            out.inputs.push_back(CLSRect{left, y, w - in.answerPad, y + each});
        }
    }
    // The answers never push the question off the panel entirely.
    answersTop = std::max(answersTop, top);
    out.answers = CLSRect{0, answersTop, w, out.bottomTop};
    out.question = CLSRect{in.questionPad, top + in.questionPad, w - in.questionPad,
                           std::max(top + in.questionPad, answersTop - in.questionPad)};
    return out;
}
