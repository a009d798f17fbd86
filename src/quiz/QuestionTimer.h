#pragma once

#include <cstdint>

/// The times of the question on screen: after the answer start delay the
/// inputs appear (not in confirm mode), after the show time the question
/// disappears, and after the time limit the question is answered as it
/// stands. The study screen forwards its timer ticks with the milliseconds
/// the question has been shown, so the rules run on the exam's clock.
class CLSQuestionTimer {
  public:
    /// What a tick asks the screen to do.
    struct Events {
        bool revealAnswers = false;
        bool hideQuestion = false;
        bool answerNow = false;
    };

    /// A new question: the times in seconds (0 or less = none).
    void start(int timeLimit, int answerStartDelay, int questionShowTime, bool confirmMode);
    /// Nothing more happens (the run ended).
    void stop() { *this = CLSQuestionTimer(); }
    /// Whether the inputs wait for the answer start delay.
    bool answersDelayed() const { return m_answerStartDelay > 0; }
    /// The learner answers: the question no longer disappears.
    void answering() { m_questionShowTime = 0; }
    /// elapsedMs: how long the question has been shown. A time limit waits
    /// while a dialog is open (dialogOpen) and fires once afterwards.
    Events tick(int64_t elapsedMs, bool dialogOpen);

  private:
    int m_timeLimit = 0;
    int m_answerStartDelay = 0;
    int m_questionShowTime = 0;
};
