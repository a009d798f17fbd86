#pragma once

#include <vector>

#include "text/Geometry.h"

/// What the asking panel's layout depends on (pixels).
struct CLSPanelLayoutInput {
    int width = 0;
    int height = 0;
    int titlePad = 0;     // frame width + padding + margin of the title item
    int questionPad = 0;  // … of the question item
    int answerPad = 0;    // … of the answer item
    int titleHeight = 0;  // the title text's measured height (0 = no title)
    bool confirmMode = false;
    // The bottom row's labels (hidden when groupVisible is off) and mark box.
    bool groupVisible = true;
    CLSSize groupText;    // the group label's text
    CLSSize historyText;  // the history label's text
    CLSSize markBox;      // the mark check box's natural size
    // Inputs.
    int inputCount = 0;
    int inputHeight = 0;      // line height × input field height + 8
    int inputLineHeight = 0;  // one line of the answer font + 8: the least an input gets
    // Choices.
    int choiceCount = 0;
    int choiceColumns = 1;     // fixed columns (MaxChoicesOfLine)
    bool autoColumns = false;  // "自動" choices per line
    int widestChoice = 0;      // the widest choice's needed width (with edges)
    int choiceRowHeight = 0;  // the row height (tallest needed, or lines × line height, with edges)
};

/// Where the parts of the asking panel go.
struct CLSPanelLayout {
    CLSRect title;      // title text area (empty when there is no title)
    CLSRect question;   // the question sentence window
    CLSRect answers;    // area of the inputs or the choices
    int bottomTop = 0;  // top of the bottom area (labels, mark box and buttons)
    int bottomHeight = 28;
    std::vector<CLSRect> inputs;
    std::vector<CLSRect> choices;
    int columns = 1;
    // The bottom area.
    CLSRect group;  // empty when the labels are hidden
    CLSRect history;
    CLSRect mark;
    CLSRect hintButton;
    CLSRect answerButton;
    CLSRect stopButton;
};

/// Choice columns: the fixed count, or as many columns of the widest choice
/// as fit the inner width; never more than the choices, at least one.
int ChoiceColumns(const CLSPanelLayoutInput& in);

/// The asking panel's layout: title on top, the bottom area with the labels,
/// the mark box and the buttons, the answer inputs or choice grid above it
/// and the question in between. The buttons keep their places from the right
/// edge (hint W-224, answer W-188, stop W-94) when there is room; labels and
/// the mark box that would run into them go to a row of their own above the
/// buttons, so that no two controls overlap at any width.
CLSPanelLayout LayoutAskingPanel(const CLSPanelLayoutInput& in);
