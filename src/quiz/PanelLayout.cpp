#include "quiz/PanelLayout.h"

#include <algorithm>

CLSPanelLayout LayoutAskingPanel(const CLSPanelLayoutInput& in) {
    CLSPanelLayout out;
    int w = in.width;
    int top = 0;
    if (in.titleHeight > 0) {
        int h = in.titleHeight + 2 * in.titlePad;
        out.title = CLSRect{0, 0, w, h};
        top = h;
    }
    out.bottomHeight = std::max(28, in.bottomTextHeight + 2);
    out.bottomTop = in.height - out.bottomHeight;

    int answersTop = out.bottomTop;
    int inner = std::max(1, w - 2 * in.answerPad);
    if (!in.confirmMode && in.choiceCount > 0) {
        int columns = in.choiceColumns;
        if (in.autoColumns) columns = std::max(1, inner / std::max(1, in.widestChoice));
        columns = std::clamp(columns, 1, std::max(1, in.choiceCount));
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
        answersTop = out.bottomTop - in.inputCount * in.inputHeight - 2 * in.answerPad;
        int left = in.answerPad + 16;
        for (int k = 0; k < in.inputCount; ++k) {
            int y = answersTop + in.answerPad + k * in.inputHeight;
            out.inputs.push_back(CLSRect{left, y, w - in.answerPad, y + in.inputHeight});
        }
    }
    // The answers never push the question off the panel entirely.
    answersTop = std::max(answersTop, top);
    out.answers = CLSRect{0, answersTop, w, out.bottomTop};
    out.question = CLSRect{in.questionPad, top + in.questionPad, w - in.questionPad,
                           std::max(top + in.questionPad, answersTop - in.questionPad)};
    return out;
}
