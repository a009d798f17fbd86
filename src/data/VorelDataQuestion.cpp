#include "data/VorelDataQuestion.h"

#include <cstring>
#include <new>

#include "text/Error.h"

namespace {

const char* const kSource = "VRLFILE";

const CLSSentence& checkedAt(const CLSSentenceArray& list, int i) {
    if (i < 0 || i >= list.count()) VR_THROW(kSource, CLSError::kIndex);
    return list[i];
}

// Two sentences are the same field content when they are written the same:
// run boundaries that leave no trace in the text do not count, every object
// attribute does.
bool sameSentence(const CLSSentence& a, const CLSSentence& b) {
    // An empty sentence writes nothing and any other something: the
    // common case (every field set on a question being read) needs no
    // markup built.
    if ((a.markupLength() == 0) != (b.markupLength() == 0)) return false;
    std::string x;
    std::string y;
    a.appendMarkup(x);
    b.appendMarkup(y);
    return x == y;
}

bool sameList(const CLSSentenceArray& a, const CLSSentenceArray& b) {
    if (a.count() != b.count()) return false;
    for (int i = 0; i < a.count(); ++i) {
        if (!sameSentence(a[i], b[i])) return false;
    }
    return true;
}

bool setSentence(CLSSentenceArray& list, int i, const CLSSentence& s) {
    bool empty = s.markupLength() == 0;
    if (i >= 0 && i < list.count()) {
        if (empty) {
            list.remove(i);
            return true;
        }
        if (sameSentence(list[i], s)) return false;
        list[i] = s;
        return true;
    }
    if (empty) return false;
    list.add(s);
    return true;
}

}  // namespace

CLSVorelDataQuestion::ReadTextPtr CLSVorelDataQuestion::allocateReadText(size_t bytes) {
    void* memory = ::operator new(sizeof(ReadText) + bytes);
    return ReadTextPtr(new (memory) ReadText{});
}

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
      m_review(other.m_review ? std::make_unique<CLSReviewState>(*other.m_review) : nullptr) {
    if (other.m_read) {
        size_t bytes = other.m_read->ends[kFieldCount - 1];
        m_read = allocateReadText(bytes);
        std::memcpy(m_read.get(), other.m_read.get(), sizeof(ReadText) + bytes);
    }
}

CLSVorelDataQuestion& CLSVorelDataQuestion::operator=(const CLSVorelDataQuestion& other) {
    if (this != &other) {
        CLSVorelDataQuestion copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void CLSVorelDataQuestion::setReview(const CLSReviewState& state) {
    if (m_review) {
        *m_review = state;
    } else {
        m_review = std::make_unique<CLSReviewState>(state);
    }
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

bool CLSVorelDataQuestion::setQuestion(CLSSentence s) {
    if (sameSentence(m_question, s)) return false;
    m_question = std::move(s);
    fieldChanged(kFieldQuestion);
    return true;
}

bool CLSVorelDataQuestion::setComment(CLSSentence s) {
    if (sameSentence(m_comment, s)) return false;
    m_comment = std::move(s);
    fieldChanged(kFieldComment);
    return true;
}

bool CLSVorelDataQuestion::setHintSentence(int i, const CLSSentence& s) {
    CLSTraceScope trace("CLSVorelDataQuestion::setHintSentence");
    if (!setSentence(m_hints, i, s)) return false;
    fieldChanged(kFieldHints);
    return true;
}

bool CLSVorelDataQuestion::setAnswerSentence(int i, const CLSSentence& s) {
    CLSTraceScope trace("CLSVorelDataQuestion::setAnswerSentence");
    if (!setSentence(m_answers, i, s)) return false;
    fieldChanged(kFieldAnswers);
    return true;
}

bool CLSVorelDataQuestion::setChoiceSentence(int i, const CLSSentence& s) {
    CLSTraceScope trace("CLSVorelDataQuestion::setChoiceSentence");
    if (!setSentence(m_choices, i, s)) return false;
    fieldChanged(kFieldChoices);
    return true;
}

bool CLSVorelDataQuestion::setHints(CLSSentenceArray list) {
    if (sameList(m_hints, list)) return false;
    m_hints = std::move(list);
    fieldChanged(kFieldHints);
    return true;
}

bool CLSVorelDataQuestion::setAnswers(CLSSentenceArray list) {
    if (sameList(m_answers, list)) return false;
    m_answers = std::move(list);
    fieldChanged(kFieldAnswers);
    return true;
}

bool CLSVorelDataQuestion::setChoices(CLSSentenceArray list) {
    if (sameList(m_choices, list)) return false;
    m_choices = std::move(list);
    fieldChanged(kFieldChoices);
    return true;
}

bool CLSVorelDataQuestion::clearHints() {
    if (m_hints.isEmpty()) return false;
    m_hints.clear();
    fieldChanged(kFieldHints);
    return true;
}

bool CLSVorelDataQuestion::clearChoices() {
    if (m_choices.isEmpty() && !isFieldMalformed(kFieldChoices)) return false;
    m_choices.clear();
    fieldChanged(kFieldChoices);
    return true;
}

bool CLSVorelDataQuestion::keepFirstAnswerOnly() {
    if (m_answers.count() <= 1) return false;
    while (m_answers.count() > 1)
        m_answers.remove(m_answers.count() - 1);
    fieldChanged(kFieldAnswers);
    return true;
}

// ---- read texts ------------------------------------------------------------------

bool CLSVorelDataQuestion::isFieldAsRead(Field field) const {
    return m_read && (m_read->asRead >> field & 1);
}

std::string_view CLSVorelDataQuestion::readFieldText(Field field) const {
    if (!isFieldAsRead(field)) return {};
    uint32_t start = field == 0 ? 0 : m_read->ends[field - 1];
    return std::string_view(m_read->bytes() + start, m_read->ends[field] - start);
}

bool CLSVorelDataQuestion::isFieldMalformed(Field field) const {
    return m_read && (m_read->malformed >> field & 1);
}

bool CLSVorelDataQuestion::readInOldLayout() const {
    return m_read && m_read->oldLayout;
}

char CLSVorelDataQuestion::readAnswerIndex() const {
    return m_read ? m_read->answerIndex : '0';
}

void CLSVorelDataQuestion::forgetReadText(Field field) {
    fieldChanged(field);
}

bool CLSVorelDataQuestion::setTypedField(Field field, std::string_view text, CLSSentenceArray list,
                                         bool malformed, bool oldLayout) {
    if (field != kFieldAnswers && field != kFieldChoices) VR_THROW(kSource, CLSError::kParameter);
    CLSSentenceArray& target = field == kFieldAnswers ? m_answers : m_choices;
    if (isFieldAsRead(field) && readFieldText(field) == text && readInOldLayout() == oldLayout &&
        isFieldMalformed(field) == malformed && sameList(target, list)) {
        return false;
    }
    // What stays of the other fields' texts: those of the same layout, and
    // malformed ones, which go out in either.
    bool sameLayout = m_read && m_read->oldLayout == oldLayout;
    std::string kept[kFieldCount];
    uint8_t asRead = 1u << field;
    uint8_t malformedBits = malformed ? 1u << field : 0;
    for (int f = 0; f < kFieldCount; ++f) {
        auto other = static_cast<Field>(f);
        if (other == field || !isFieldAsRead(other)) continue;
        if (!sameLayout && !isFieldMalformed(other)) continue;
        kept[f] = std::string(readFieldText(other));
        // Further choices of an old line are separated by \c, a bar in the new one.
        if (!sameLayout && other == kFieldChoices && !oldLayout)
            kept[f] = std::string(CLSTString(kept[f]).replaceAll("\\c", "|").view());
        asRead |= 1u << f;
        if (isFieldMalformed(other)) malformedBits |= 1u << f;
    }
    kept[field] = std::string(text);
    size_t total = 0;
    for (const std::string& t : kept)
        total += t.size();
    ReadTextPtr read = allocateReadText(total);
    size_t at = 0;
    for (int f = 0; f < kFieldCount; ++f) {
        if (!kept[f].empty()) std::memcpy(read->bytes() + at, kept[f].data(), kept[f].size());
        at += kept[f].size();
        read->ends[f] = static_cast<uint32_t>(at);
    }
    read->asRead = asRead;
    read->malformed = malformedBits;
    read->oldLayout = oldLayout;
    read->answerIndex = sameLayout ? m_read->answerIndex : '0';
    m_read = std::move(read);
    target = std::move(list);
    return true;
}

void CLSVorelDataQuestion::fieldChanged(Field field) {
    if (!m_read) return;
    m_read->asRead &= static_cast<uint8_t>(~(1u << field));
    m_read->malformed &= static_cast<uint8_t>(~(1u << field));
    if (m_read->asRead == 0) m_read.reset();
}

void CLSVorelDataQuestion::keepReadText(const ReadFields& fields) {
    uint8_t malformed = static_cast<uint8_t>((fields.malformedAnswers ? 1u << kFieldAnswers : 0) |
                                             (fields.malformedChoices ? 1u << kFieldChoices : 0));
    uint8_t keep = fields.keep | malformed;
    if (keep == 0) {
        m_read.reset();
        return;
    }
    size_t total = 0;
    for (int f = 0; f < kFieldCount; ++f) {
        if (keep >> f & 1) total += fields.text[f].size();
    }
    ReadTextPtr read = allocateReadText(total);
    char* out = read->bytes();
    size_t at = 0;
    for (int f = 0; f < kFieldCount; ++f) {
        std::string_view text = keep >> f & 1 ? fields.text[f] : std::string_view();
        if (!text.empty()) std::memcpy(out + at, text.data(), text.size());
        at += text.size();
        read->ends[f] = static_cast<uint32_t>(at);
    }
    read->asRead = keep;
    read->malformed = malformed;
    read->oldLayout = fields.oldLayout;
    read->answerIndex = fields.answerIndex;
    m_read = std::move(read);
}
