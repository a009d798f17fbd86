#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "data/VorelDataItem.h"
#include "sentence/Sentence.h"
#include "srs/ReviewState.h"

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
///
/// A question read from a file also keeps the text each of its five text
/// fields was read from, so that saving writes a field the learner did not
/// edit exactly as it was written (compact answer notation, escapes and
/// object attributes as typed). Every setter that changes a field lets go
/// of that field's text; one that changes nothing keeps it.
class CLSVorelDataQuestion : public CLSVorelDataLine {
  public:
    /// The text fields of a question line, in line order.
    enum Field { kFieldQuestion, kFieldHints, kFieldAnswers, kFieldChoices, kFieldComment };
    static constexpr int kFieldCount = 5;

    std::unique_ptr<CLSVorelDataLine> clone() const override {
        return std::make_unique<CLSVorelDataQuestion>(*this);
    }

    const CLSSentence& getQuestion() const { return m_question; }
    /// These setters return whether the field changed.
    bool setQuestion(CLSSentence s);
    const CLSSentence& getComment() const { return m_comment; }
    bool setComment(CLSSentence s);

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
    bool setHintSentence(int i, const CLSSentence& s);
    bool setAnswerSentence(int i, const CLSSentence& s);
    bool setChoiceSentence(int i, const CLSSentence& s);
    /// Replaces a whole list (import, the editor's cards).
    bool setHints(CLSSentenceArray list);
    bool setAnswers(CLSSentenceArray list);
    bool setChoices(CLSSentenceArray list);
    /// Also let go of a malformed field's text, which is all there is of it.
    bool clearHints();
    bool clearChoices();
    /// A malformed answers field has no answers, so it keeps its text.
    bool keepFirstAnswerOnly();

    int answerCount() const { return m_answerCount; }  // answers to give, 1-based
    void setAnswerCount(int n) { m_answerCount = static_cast<int8_t>(n); }
    int group() const { return m_group; }
    void setGroup(int g) { m_group = static_cast<int8_t>(g); }
    int mark() const { return m_mark; }
    void setMark(int m) { m_mark = static_cast<int8_t>(m ? 1 : 0); }

    const std::vector<CLSHistoryEntry>& history() const { return m_history; }
    std::vector<CLSHistoryEntry>& history() { return m_history; }

    /// The stored review schedule; null for a question never reviewed (its
    /// schedule is then seeded from the history when needed).
    const CLSReviewState* review() const { return m_review.get(); }
    void setReview(const CLSReviewState& state);
    void clearReview() { m_review.reset(); }

    // ---- the texts the fields were read from ----
    /// Whether a field still holds the text it was read from; such a field
    /// is saved as that text.
    bool isFieldAsRead(Field field) const;
    /// The text a field was read from, in the layout it was read with (see
    /// readInOldLayout); empty when the field is not as read.
    std::string_view readFieldText(Field field) const;
    /// Whether an answers or choices field could not be expanded (unbalanced
    /// brackets, too many alternatives): its list is empty and its text is
    /// all that is left of it, kept through every version change.
    bool isFieldMalformed(Field field) const;
    /// Whether the texts were read from a line of the 1.2-2.9 layout, where
    /// further hints may be separated by \h and further choices by \c.
    bool readInOldLayout() const;
    /// The answer-index digit of an old-layout line; it indexes the order of
    /// the answers' read text ('0' for other lines).
    char readAnswerIndex() const;
    /// Lets go of a field's read text, so that it is written from its list
    /// or sentence; a malformed field's text is lost with it.
    void forgetReadText(Field field);
    /// Makes the answers or choices field the text the learner typed, in
    /// the layout given (oldLayout for 1.2-2.9), so that it is saved as
    /// typed; list is what the text expands to, empty when it is malformed.
    /// The other fields keep their read texts while they still fit that
    /// layout. Returns whether the field changed.
    bool setTypedField(Field field, std::string_view text, CLSSentenceArray list, bool malformed,
                       bool oldLayout);

    /// The parsers record what each field was read from.
    struct ReadFields {
        std::string_view text[kFieldCount];
        bool malformedAnswers = false;
        bool malformedChoices = false;
        bool oldLayout = false;
        char answerIndex = '0';
        /// Bit per field whose text is kept; a field the model writes back
        /// byte for byte need not be (a large file holds it only once).
        uint8_t keep = (1u << kFieldCount) - 1;
    };
    void keepReadText(const ReadFields& fields);

    CLSVorelDataQuestion() = default;
    CLSVorelDataQuestion(const CLSVorelDataQuestion& other);
    CLSVorelDataQuestion& operator=(const CLSVorelDataQuestion& other);
    CLSVorelDataQuestion(CLSVorelDataQuestion&&) noexcept = default;
    CLSVorelDataQuestion& operator=(CLSVorelDataQuestion&&) noexcept = default;

  private:
    // All five texts in one block behind a small header: a large file holds
    // a hundred thousand questions, and one allocation each keeps them cheap.
    struct ReadText {
        uint32_t ends[kFieldCount];  // end of each field's text in the bytes
        uint8_t asRead;              // bit per field
        uint8_t malformed;           // bit per field (answers, choices)
        bool oldLayout;
        char answerIndex;
        const char* bytes() const { return reinterpret_cast<const char*>(this + 1); }
        char* bytes() { return reinterpret_cast<char*>(this + 1); }
    };
    struct ReadTextDelete {
        void operator()(ReadText* p) const { ::operator delete(p); }
    };
    using ReadTextPtr = std::unique_ptr<ReadText, ReadTextDelete>;
    static ReadTextPtr allocateReadText(size_t bytes);

    void fieldChanged(Field field);

    CLSSentence m_question;
    CLSSentenceArray m_hints;
    CLSSentenceArray m_answers;
    CLSSentenceArray m_choices;
    CLSSentence m_comment;
    int8_t m_answerCount = 1;
    int8_t m_group = 0;
    int8_t m_mark = 0;
    std::vector<CLSHistoryEntry> m_history;
    ReadTextPtr m_read;
    std::unique_ptr<CLSReviewState> m_review;
};
