#pragma once

#include <vector>

#include "text/Geometry.h"

/// What the asking panel's layout depends on (pixels).
struct CLSPanelLayoutInput {
    int width = 0;
    int height = 0;
    int titlePad = 0;          // frame width + padding + margin of the title item
    int questionPad = 0;       // … of the question item
    int answerPad = 0;         // … of the answer item
    int titleHeight = 0;       // the title text's measured height (0 = no title)
    int bottomTextHeight = 0;  // the group label's text height
    bool confirmMode = false;
    // Inputs.
    int inputCount = 0;
    int inputHeight = 0;  // line height × input field height + 8
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
    int bottomTop = 0;  // top of the bottom row
    int bottomHeight = 28;
    std::vector<CLSRect> inputs;
    std::vector<CLSRect> choices;
    int columns = 1;
};

/// The asking panel's layout: title on top, the bottom row with the
/// buttons, the answer inputs or choice grid above it and the question in
/// between.
CLSPanelLayout LayoutAskingPanel(const CLSPanelLayoutInput& in);
