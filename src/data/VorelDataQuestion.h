#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "data/VorelDataItem.h"
#include "sentence/Sentence.h"

/// One right/wrong record of a question. year 0 = no date.
struct CLSHistoryEntry {
    int result = 0;  // 1 right, 0 wrong
    int16_t year = 0;
    int8_t month = 0;
    int8_t day = 0;
    int16_t hour = 0;
    int16_t minute = 0;

    bool operator==(const CLSHistoryEntry&) const = default;
};

/// A question line: the question, hints, accepted answers, choices,
/// comment, attributes and the right/wrong history (oldest first).
class CLSVorelDataQuestion : public CLSVorelDataLine {
  public:
    std::unique_ptr<CLSVorelDataLine> clone() const override {
        return std::make_unique<CLSVorelDataQuestion>(*this);
    }

    const CLSSentence& getQuestion() const { return m_question; }
    void setQuestion(CLSSentence s) { m_question = std::move(s); }
    const CLSSentence& getComment() const { return m_comment; }
    void setComment(CLSSentence s) { m_comment = std::move(s); }

    int getHintCount() const { return m_hints.count(); }
    int getAnswerCount() const { return m_answers.count(); }
    int getChoiceCount() const { return m_choices.count(); }
    /// Throws CLSError ("VRLFILE", code 11) for an index outside the list.
    const CLSSentence& getHint(int i) const;
    const CLSSentence& getAnswer(int i) const;
    const CLSSentence& getChoice(int i) const;
    /// The first answer, or an empty sentence when there is none.
    CLSSentence firstAnswer() const;
    const CLSSentenceArray& hints() const { return m_hints; }
    const CLSSentenceArray& answers() const { return m_answers; }
    const CLSSentenceArray& choices() const { return m_choices; }

    /// Inside the list an empty sentence removes element i and any other
    /// replaces it; outside, a non-empty one is appended.
    void setHintSentence(int i, const CLSSentence& s);
    void setAnswerSentence(int i, const CLSSentence& s);
    void setChoiceSentence(int i, const CLSSentence& s);
    /// Replaces a whole list (import, the editor's cards).
    void setHints(CLSSentenceArray list) { m_hints = std::move(list); }
    void setAnswers(CLSSentenceArray list);
    void setChoices(CLSSentenceArray list);
    void clearHints() { m_hints.clear(); }
    void clearChoices();
    void keepFirstAnswerOnly();

    int answerCount() const { return m_answerCount; }  // answers to give, 1-based
    void setAnswerCount(int n) { m_answerCount = static_cast<int8_t>(n); }
    int group() const { return m_group; }
    void setGroup(int g) { m_group = static_cast<int8_t>(g); }
    int mark() const { return m_mark; }
    void setMark(int m) { m_mark = static_cast<int8_t>(m ? 1 : 0); }

    const std::vector<CLSHistoryEntry>& history() const { return m_history; }
    std::vector<CLSHistoryEntry>& history() { return m_history; }

    // A field that could not be expanded (unbalanced brackets, too many
    // alternatives) reads as an empty list but is kept as written, so that
    // saving does not lose it while that list is not edited.
    const CLSTString* rawAnswersField() const { return m_rawAnswers.get(); }
    const CLSTString* rawChoicesField() const { return m_rawChoices.get(); }
    void setRawAnswersField(const CLSTString& markup);
    void setRawChoicesField(const CLSTString& markup);

    CLSVorelDataQuestion() = default;
    CLSVorelDataQuestion(const CLSVorelDataQuestion& other);
    CLSVorelDataQuestion& operator=(const CLSVorelDataQuestion& other);
    CLSVorelDataQuestion(CLSVorelDataQuestion&&) noexcept = default;
    CLSVorelDataQuestion& operator=(CLSVorelDataQuestion&&) noexcept = default;

  private:
    CLSSentence m_question;
    CLSSentenceArray m_hints;
    CLSSentenceArray m_answers;
    CLSSentenceArray m_choices;
    CLSSentence m_comment;
    int8_t m_answerCount = 1;
    int8_t m_group = 0;
    int8_t m_mark = 0;
    std::vector<CLSHistoryEntry> m_history;
    std::unique_ptr<CLSTString> m_rawAnswers;
    std::unique_ptr<CLSTString> m_rawChoices;
};
