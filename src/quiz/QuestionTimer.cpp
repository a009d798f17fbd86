#include "quiz/QuestionTimer.h"

#include <algorithm>

void CLSQuestionTimer::start(int timeLimit, int answerStartDelay, int questionShowTime,
                             bool confirmMode) {
    m_timeLimit = std::max(0, timeLimit);
    // In confirm mode there are no inputs to hold back.
    m_answerStartDelay = confirmMode ? 0 : std::max(0, answerStartDelay);
    m_questionShowTime = std::max(0, questionShowTime);
}

CLSQuestionTimer::Events CLSQuestionTimer::tick(int64_t elapsedMs, bool dialogOpen) {
    Events events;
    if (m_answerStartDelay > 0 && elapsedMs > m_answerStartDelay * 1000LL) {
        m_answerStartDelay = 0;
        events.revealAnswers = true;
    }
    if (m_questionShowTime > 0 && elapsedMs > m_questionShowTime * 1000LL) {
        m_questionShowTime = 0;
        events.hideQuestion = true;
    }
    if (m_timeLimit > 0 && !dialogOpen && elapsedMs > m_timeLimit * 1000LL) {
        m_timeLimit = 0;
        events.answerNow = true;
    }
    return events;
}
