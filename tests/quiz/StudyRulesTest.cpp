#include <gtest/gtest.h>

#include "quiz/StudyCommandIds.h"
#include "quiz/StudyRules.h"

using namespace StudyCommand;

namespace {
bool on(const CLSStudyState& s, int id) {
    return EnabledStudyCommands(s).count(id) > 0;
}
}  // namespace

TEST(StudyRules, WithoutQuestionsOnlyTheViewTogglesWork) {
    CLSStudyState empty;
    for (int id : {kModeNormal, kRange, kRunAll, kRunComplete, kEditQuestion, kHints, kCard})
        EXPECT_FALSE(on(empty, id)) << id;
    for (int id : {kGroup, kToolHint, kInfoPane})
        EXPECT_TRUE(on(empty, id)) << id;
    // A card left open can still be closed after the questions went.
    empty.cardOpen = true;
    EXPECT_TRUE(on(empty, kCard));
}

TEST(StudyRules, ModeAndRangeWaitForTheRunWhileRunsMayStartAnyTime) {
    CLSStudyState idle;
    idle.questions = 3;
    EXPECT_TRUE(on(idle, kModeConfirm));
    EXPECT_TRUE(on(idle, kRange));
    EXPECT_TRUE(on(idle, kRunWeak));
    EXPECT_FALSE(on(idle, kEditQuestion));

    CLSStudyState running = idle;
    running.running = true;
    EXPECT_FALSE(on(running, kModeConfirm));
    EXPECT_FALSE(on(running, kRange));
    EXPECT_TRUE(on(running, kRunWeak));
    // Between two questions (the answer dialog) nothing is asked to edit.
    EXPECT_FALSE(on(running, kEditQuestion));
    running.asking = true;
    EXPECT_TRUE(on(running, kEditQuestion));
}

TEST(StudyRules, HintsNeedARunAndAQuestionWithHints) {
    CLSStudyState s;
    s.questions = 1;
    s.hintsOfAsked = 2;
    EXPECT_FALSE(on(s, kHints));  // no run: the count is stale
    s.running = true;
    EXPECT_TRUE(on(s, kHints));
    s.hintsOfAsked = 0;
    EXPECT_FALSE(on(s, kHints));
}
