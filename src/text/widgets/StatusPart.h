#pragma once

/// The parts of the main window's status bar, left to right. Each screen
/// fills the ones it uses with texts of its own: the study screen the
/// question, the right and wrong counts and the run's time, the editor the
/// line counter.
namespace StatusPart {
enum : int {
    kHelp = 0,      // the idle text, or what a long task is doing
    kPosition = 1,  // the question asked, or the editor's line counter
    kRight = 2,
    kWrong = 3,
    kTime = 4,  // the time the run has taken
    kCount = 5
};
}  // namespace StatusPart
