#include "quiz/StudyRules.h"

#include "quiz/StudyCommandIds.h"

using namespace StudyCommand;

std::set<int> EnabledStudyCommands(const CLSStudyState& s) {
    std::set<int> on = {kGroup, kToolHint, kInfoPane};
    bool hasQuestions = s.questions > 0;
    // The answer mode and the range are chosen between runs.
    if (hasQuestions && !s.running)
        on.insert({kModeNormal, kModeWritten, kModeChoice, kModeConfirm, kRange});
    // A run may start at any time: one going on ends first.
    if (hasQuestions)
        on.insert({kRunAll, kRunRandom, kRunCount, kRunWeak, kRunComplete, kRunReview});
    if (s.running && s.asking) on.insert(kEditQuestion);
    if (s.running && s.hintsOfAsked > 0) on.insert(kHints);
    // An open card can always be closed.
    if (s.cardOpen || hasQuestions) on.insert(kCard);
    return on;
}
