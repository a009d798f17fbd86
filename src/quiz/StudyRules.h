#pragma once

#include <set>

/// What the study screen's command states depend on.
struct CLSStudyState {
    int questions = 0;      // questions in the document
    bool running = false;   // a run is going on
    bool asking = false;    // ... and a question of it is on the screen
    int hintsOfAsked = 0;   // hints of the line current during the run
    bool cardOpen = false;  // the question card window is open
};

/// The study commands that are enabled in a state (StudyCommand ids).
/// The view toggles (group and history, tool tips, information pane) are
/// always enabled.
std::set<int> EnabledStudyCommands(const CLSStudyState& state);
