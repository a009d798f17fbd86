// Answering a question of a run: one path for every front end. The
// judgement is recorded, the question's history follows it and the sound is
// played here, so the answer dialog and the terminal quiz only show
// questions and collect answers.

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "settings/SoundPlayer.h"
#include "settings/VorelSettings.h"
#include "text/Error.h"

namespace {

const char* const kSource = "EXAM";

int historyResult(bool right) {
    return right ? 1 : 0;
}

}  // namespace

CLSAnswerOutcome CLSExam::answer(const std::vector<CLSSentence>& given) {
    CLSTraceScope trace("CLSExam::answer");
    stopClock();
    bool right = isRight(given);
    decide(right ? Verdict::kRight : Verdict::kWrong);
    playSound(right ? CLSVorelSettings::kSoundRight : CLSVorelSettings::kSoundWrong);
    return {right ? Verdict::kRight : Verdict::kWrong, true};
}

void CLSExam::decide(Verdict verdict) {
    if (verdict != Verdict::kSkipped && m_doc.current() && m_doc.current()->isQuestion()) {
        m_doc.addHistory(historyResult(verdict == Verdict::kRight));
    }
    advance(verdict);
    if (verdict == Verdict::kRight) {
        ++m_rightCount;
        if (m_mode.isComplete()) --m_remainingCount;
    } else if (verdict == Verdict::kWrong) {
        ++m_wrongCount;
    }
}

void CLSExam::changeJudgement(bool toRight) {
    int i = m_cursor - 1;
    if (i < 0 || i >= static_cast<int>(m_records.size())) VR_THROW(kSource, CLSError::kIndex);
    CLSExamRecord& r = m_records[i];
    Verdict wanted = toRight ? Verdict::kRight : Verdict::kWrong;
    if (r.result == wanted) return;
    Verdict previous = r.result;
    // The judged question, which need not be the one on screen any more:
    // the terminal quiz shows the next question before a judgement is flipped.
    if (CLSVorelDataItem* line = m_doc.getQuestion(r.question)) {
        // A skip left no history entry to correct: the new judgement gets its own.
        if (previous == Verdict::kSkipped) {
            m_doc.addHistory(line->question(), historyResult(toRight));
        } else {
            m_doc.setLastHistoryResult(line->question(), historyResult(toRight));
        }
    }
    r.result = wanted;
    bool complete = m_mode.isComplete();
    if (toRight) {
        ++m_rightCount;
        if (previous == Verdict::kWrong) --m_wrongCount;
        if (complete) {
            --m_remainingCount;
            countAsked(r.question, 1);
        }
    } else {
        ++m_wrongCount;
        if (previous == Verdict::kRight) --m_rightCount;
        if (complete) {
            ++m_remainingCount;
            countAsked(r.question, -1);
        }
    }
}

void CLSExam::playSound(int slot) const {
    if (!m_sound || !m_settings.sound()) return;
    if (slot < 0 || slot >= CLSVorelSettings::kSoundSlotCount) return;
    m_sound->play(m_settings.soundName(slot));
}
