#include <gtest/gtest.h>

#include "quiz/QuestionTimer.h"

TEST(QuestionTimer, EachTimeFiresOnceAfterItsSeconds) {
    CLSQuestionTimer timer;
    timer.start(10, 2, 3, false);
    EXPECT_TRUE(timer.answersDelayed());
    CLSQuestionTimer::Events e = timer.tick(2000, false);
    EXPECT_FALSE(e.revealAnswers || e.hideQuestion || e.answerNow) << "only after the time";
    e = timer.tick(2001, false);
    EXPECT_TRUE(e.revealAnswers);
    EXPECT_FALSE(timer.answersDelayed());
    EXPECT_FALSE(timer.tick(2500, false).revealAnswers) << "once";
    EXPECT_TRUE(timer.tick(3100, false).hideQuestion);
    EXPECT_FALSE(timer.tick(3200, false).hideQuestion);

    // The time limit waits while a dialog is open, then fires once.
    EXPECT_FALSE(timer.tick(10500, true).answerNow);
    EXPECT_TRUE(timer.tick(10700, false).answerNow);
    EXPECT_FALSE(timer.tick(20000, false).answerNow);
}

TEST(QuestionTimer, ConfirmModeAnsweringAndStopping) {
    CLSQuestionTimer timer;
    timer.start(0, 2, 3, true);
    EXPECT_FALSE(timer.answersDelayed()) << "confirm mode has no inputs to hold back";
    EXPECT_FALSE(timer.tick(5000, false).revealAnswers);

    timer.start(0, 0, 3, false);
    timer.answering();
    EXPECT_FALSE(timer.tick(5000, false).hideQuestion) << "answering keeps the question";

    timer.start(1, -4, 0, false);
    EXPECT_FALSE(timer.answersDelayed()) << "a negative time is none";
    timer.stop();
    EXPECT_FALSE(timer.tick(5000, false).answerNow);
}
