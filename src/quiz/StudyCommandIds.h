#pragma once

/// The study screen's commands (their numbers are the help topics' and the
/// tool tips' keys).
namespace StudyCommand {
enum : int {
    kEditQuestion = 2102,
    kModeNormal = 2301,
    kModeWritten = 2302,
    kModeChoice = 2303,
    kModeConfirm = 2304,
    kRange = 2307,
    kRunAll = 2308,
    kRunRandom = 2309,
    kRunCount = 2310,
    kRunWeak = 2311,
    kRunComplete = 2312,
    kRunReview = 2313,
    kGroup = 2503,
    kToolHint = 2504,
    kInfoPane = 2505,
    kHints = 2506,
    kCard = 2507,
};
}  // namespace StudyCommand
