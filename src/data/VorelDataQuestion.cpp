#include "data/VorelDataQuestion.h"

#include "text/Error.h"

namespace {

const char* const kSource = "VRLFILE";

const CLSSentence& checkedAt(const CLSSentenceArray& list, int i) {
    if (i < 0 || i >= list.count()) VR_THROW(kSource, CLSError::kIndex);
    return list[i];
}

void setSentence(CLSSentenceArray& list, int i, const CLSSentence& s) {
    bool empty = s.markupLength() == 0;
    if (i >= 0 && i < list.count()) {
        if (empty) {
            list.remove(i);
        } else {
            list[i] = s;
        }
    } else if (!empty) {
        list.add(s);
    }
}

std::unique_ptr<CLSTString> copyOf(const std::unique_ptr<CLSTString>& p) {
    return p ? std::make_unique<CLSTString>(*p) : nullptr;
}

}  // namespace

CLSVorelDataQuestion::CLSVorelDataQuestion(const CLSVorelDataQuestion& other)
    : m_question(other.m_question),
      m_hints(other.m_hints),
      m_answers(other.m_answers),
      m_choices(other.m_choices),
      m_comment(other.m_comment),
      m_answerCount(other.m_answerCount),
      m_group(other.m_group),
      m_mark(other.m_mark),
      m_history(other.m_history),
      m_rawAnswers(copyOf(other.m_rawAnswers)),
      m_rawChoices(copyOf(other.m_rawChoices)) {}

CLSVorelDataQuestion& CLSVorelDataQuestion::operator=(const CLSVorelDataQuestion& other) {
    if (this != &other) {
        CLSVorelDataQuestion copy(other);
        *this = std::move(copy);
    }
    return *this;
}

const CLSSentence& CLSVorelDataQuestion::getHint(int i) const {
    return checkedAt(m_hints, i);
}
const CLSSentence& CLSVorelDataQuestion::getAnswer(int i) const {
    return checkedAt(m_answers, i);
}
const CLSSentence& CLSVorelDataQuestion::getChoice(int i) const {
    return checkedAt(m_choices, i);
}

CLSSentence CLSVorelDataQuestion::firstAnswer() const {
    return m_answers.isEmpty() ? CLSSentence() : m_answers[0];
}

void CLSVorelDataQuestion::setHintSentence(int i, const CLSSentence& s) {
    CLSTraceScope trace("CLSVorelDataQuestion::setHintSentence");
    setSentence(m_hints, i, s);
}

void CLSVorelDataQuestion::setAnswerSentence(int i, const CLSSentence& s) {
    CLSTraceScope trace("CLSVorelDataQuestion::setAnswerSentence");
    m_rawAnswers.reset();
    setSentence(m_answers, i, s);
}

void CLSVorelDataQuestion::setChoiceSentence(int i, const CLSSentence& s) {
    CLSTraceScope trace("CLSVorelDataQuestion::setChoiceSentence");
    m_rawChoices.reset();
    setSentence(m_choices, i, s);
}

void CLSVorelDataQuestion::setAnswers(CLSSentenceArray list) {
    m_rawAnswers.reset();
    m_answers = std::move(list);
}

void CLSVorelDataQuestion::setChoices(CLSSentenceArray list) {
    m_rawChoices.reset();
    m_choices = std::move(list);
}

void CLSVorelDataQuestion::clearChoices() {
    m_rawChoices.reset();
    m_choices.clear();
}

void CLSVorelDataQuestion::keepFirstAnswerOnly() {
    m_rawAnswers.reset();
    while (m_answers.count() > 1)
        m_answers.remove(m_answers.count() - 1);
}

void CLSVorelDataQuestion::setRawAnswersField(const CLSTString& markup) {
    m_rawAnswers = std::make_unique<CLSTString>(markup);
}

void CLSVorelDataQuestion::setRawChoicesField(const CLSTString& markup) {
    m_rawChoices = std::make_unique<CLSTString>(markup);
}
