// The choices offered for a question: its right answers, then other
// candidates drawn at random from a pool, then everything shuffled.

#include <algorithm>

#include "quiz/ExamChoices.h"

#include "data/VorelDataFile.h"
#include "quiz/Random.h"
#include "settings/VorelSettings.h"

namespace {

CLSSentence withoutLineBreaks(const CLSSentence& s) {
    CLSSentence copy(s);
    copy.removeLineBreaks();
    return copy;
}

}  // namespace

std::vector<CLSChoiceSlot> BuildChoices(const CLSVorelDataFile& doc,
                                        const CLSVorelSettings& settings, CLSRandom& random,
                                        int wanted, int rightCount) {
    std::vector<CLSChoiceSlot> slots;
    if (wanted <= 0) return slots;

    const CLSVorelDataItem* currentLine = doc.current();
    const CLSVorelDataQuestion& question = doc.currentQuestion();
    bool ownChoices = settings.useDataQuestionSettings() && question.getChoiceCount() > 0;

    // The pool: indexes of the question's own choices, or of questions whose
    // first answers serve as candidates.
    std::vector<int> pool;
    if (ownChoices) {
        for (int i = 0; i < question.getChoiceCount(); ++i)
            pool.push_back(i);
    } else {
        bool sameSection = settings.choicesFromTitle();
        bool sameGroup = settings.choicesFromGroup();
        int first = 0;
        int last = doc.getQuestionCount() - 1;
        if (sameSection) {
            const CLSVorelDataItem* title = doc.currentTitle();
            if (title) {
                first = doc.getQuestionNumber(title);
                last = first + doc.countQuestionsOfTitle(title) - 1;
            } else {
                // Questions before the first title form a section of their own.
                last = (doc.getTitleCount() > 0 ? doc.getQuestionNumber(doc.getTitle(0))
                                                : doc.getQuestionCount()) -
                       1;
            }
        }
        for (int q = first; q <= last; ++q) {
            if (sameGroup && doc.getQuestion(q)->question().group() != question.group()) continue;
            pool.push_back(q);
        }
    }

    // The right answers come first.
    for (int i = 0; i < rightCount && i < question.getAnswerCount(); ++i) {
        slots.push_back({question.getAnswer(i), currentLine});
    }
    std::vector<CLSSentence> compared;
    for (const CLSChoiceSlot& slot : slots)
        compared.push_back(withoutLineBreaks(slot.sentence));

    while (!pool.empty() && static_cast<int>(slots.size()) < wanted) {
        int k = random.below(static_cast<int>(pool.size()));
        int index = pool[k];
        pool.erase(pool.begin() + k);
        CLSChoiceSlot slot;
        if (ownChoices) {
            slot.sentence = question.getChoice(index);
            slot.source = currentLine;
        } else {
            const CLSVorelDataItem* line = doc.getQuestion(index);
            slot.sentence = line->question().firstAnswer();
            slot.source = line;
        }
        if (slot.sentence.markupLength() == 0) continue;
        CLSSentence plain = withoutLineBreaks(slot.sentence);
        bool duplicate = std::any_of(compared.begin(), compared.end(),
                                     [&](const CLSSentence& s) { return s.equals(plain); });
        if (duplicate) continue;
        compared.push_back(std::move(plain));
        slots.push_back(std::move(slot));
    }

    int filled = static_cast<int>(slots.size());
    for (int k = 0; k < filled; ++k)
        std::swap(slots[k], slots[random.below(filled)]);
    return slots;
}
