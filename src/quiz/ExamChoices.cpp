// The choices offered for a question: its right answers, then other
// candidates drawn at random from a pool, then everything shuffled.

#include <algorithm>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "settings/VorelSettings.h"

namespace {

CLSSentence withoutLineBreaks(const CLSSentence& s) {
    CLSSentence copy(s);
    copy.removeLineBreaks();
    return copy;
}

}  // namespace

void CLSExam::buildChoices() {
    m_choiceSlots.clear();
    m_shownChoiceCount = 0;
    int wanted = choiceCount();
    if (wanted <= 0) return;

    const CLSVorelDataItem* currentLine = m_doc.current();
    const CLSVorelDataQuestion& question = m_doc.currentQuestion();
    bool ownChoices = m_settings.useDataQuestionSettings() && question.getChoiceCount() > 0;

    // The pool: indexes of the question's own choices, or of questions whose
    // first answers serve as candidates.
    std::vector<int> pool;
    if (ownChoices) {
        for (int i = 0; i < question.getChoiceCount(); ++i)
            pool.push_back(i);
    } else {
        bool sameSection = m_settings.choicesFromTitle();
        bool sameGroup = m_settings.choicesFromGroup();
        int first = 0;
        int last = m_doc.getQuestionCount() - 1;
        if (sameSection) {
            const CLSVorelDataItem* title = m_doc.currentTitle();
            if (title) {
                first = m_doc.getQuestionNumber(title);
                last = first + m_doc.countQuestionsOfTitle(title) - 1;
            } else {
                // Questions before the first title form a section of their own.
                last = (m_doc.getTitleCount() > 0 ? m_doc.getQuestionNumber(m_doc.getTitle(0))
                                                  : m_doc.getQuestionCount()) -
                       1;
            }
        }
        for (int q = first; q <= last; ++q) {
            if (sameGroup && m_doc.getQuestion(q)->question().group() != question.group()) continue;
            pool.push_back(q);
        }
    }

    // The right answers come first.
    for (int i = 0; i < m_answerFieldCount && i < question.getAnswerCount(); ++i) {
        m_choiceSlots.push_back({question.getAnswer(i), currentLine});
    }
    std::vector<CLSSentence> compared;
    for (const CLSChoiceSlot& slot : m_choiceSlots)
        compared.push_back(withoutLineBreaks(slot.sentence));

    while (!pool.empty() && static_cast<int>(m_choiceSlots.size()) < wanted) {
        int k = m_random.below(static_cast<int>(pool.size()));
        int index = pool[k];
        pool.erase(pool.begin() + k);
        CLSChoiceSlot slot;
        if (ownChoices) {
            slot.sentence = question.getChoice(index);
            slot.source = currentLine;
        } else {
            const CLSVorelDataItem* line = m_doc.getQuestion(index);
            slot.sentence = line->question().firstAnswer();
            slot.source = line;
        }
        if (slot.sentence.markupLength() == 0) continue;
        CLSSentence plain = withoutLineBreaks(slot.sentence);
        bool duplicate = std::any_of(compared.begin(), compared.end(),
                                     [&](const CLSSentence& s) { return s.equals(plain); });
        if (duplicate) continue;
        compared.push_back(std::move(plain));
        m_choiceSlots.push_back(std::move(slot));
    }

    int filled = static_cast<int>(m_choiceSlots.size());
    for (int k = 0; k < filled; ++k)
        std::swap(m_choiceSlots[k], m_choiceSlots[m_random.below(filled)]);
    m_shownChoiceCount = filled;
}
