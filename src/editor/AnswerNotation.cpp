#include "editor/AnswerNotation.h"

#include <string>

#include "data/VorelDataFile.h"
#include "sentence/ObjectRuns.h"

namespace {

using Q = CLSVorelDataQuestion;

bool oldLayout(int version) {
    return version < DataFileVersion::kCurrent;
}

const CLSSentenceArray& entriesOf(const Q& question, Q::Field field) {
    return field == Q::kFieldAnswers ? question.answers() : question.choices();
}

}  // namespace

CLSTString NotationText(const Q& question, Q::Field field, int version) {
    bool old = oldLayout(version);
    if (question.isFieldAsRead(field) &&
        (question.readInOldLayout() == old || question.isFieldMalformed(field))) {
        CLSTString text(std::string(question.readFieldText(field)));
        if (field == Q::kFieldChoices && question.readInOldLayout()) text.replaceAll("\\c", "|");
        return text;
    }
    return entriesOf(question, field).join('|');
}

CLSTString NotationForLine(const CLSTString& typed) {
    std::string out = MapOutsideObjects(typed.view(), [](std::string& to, std::string_view run) {
        const char* p = run.data();
        int len = static_cast<int>(run.size());
        for (int pos = 0; pos < len;) {
            int n = charLengthAt(p, pos, len);
            if (n == 1 && p[pos] == '\\' && pos + 1 < len) {
                int next = charLengthAt(p, pos + 1, len);
                if (next == 1 && (p[pos + 1] == '\r' || p[pos + 1] == '\n')) {
                    ++pos;  // the line break below writes its own escape
                    continue;
                }
                to.append(p + pos, 1 + next);
                pos += 1 + next;
                continue;
            }
            if (n == 1 && p[pos] == '\\') break;  // escapes nothing
            if (n == 1 && p[pos] == '\r') {
                ++pos;
                continue;
            }
            if (n == 1 && p[pos] == '\n') {
                to += "\\n";
            } else if (n == 1 && p[pos] == ',') {
                to += "\\,";
            } else {
                to.append(p + pos, n);
            }
            pos += n;
        }
    });
    return CLSTString(out);
}

CLSSentenceArray NotationEntries(const CLSTString& text, Q::Field field, bool oldLayout,
                                 CLSExpandFailure* failure) {
    if (failure) *failure = CLSExpandFailure::kNone;
    CLSSentence sentence(text);
    if (sentence.markupLength() == 0) return {};
    if (field == Q::kFieldChoices && oldLayout) sentence.replaceText("\\c", "|");
    return ExpandAlternatives(sentence, failure);
}

bool SetNotation(Q& question, Q::Field field, const CLSTString& typed, int version) {
    CLSTString text = NotationForLine(typed);
    if (text.view() == NotationText(question, field, version).view()) return false;
    bool old = oldLayout(version);
    if (text.isEmpty()) {
        // An empty field is no notation: there is nothing to keep.
        bool changed =
            field == Q::kFieldAnswers ? question.setAnswers({}) : question.setChoices({});
        if (question.isFieldAsRead(field)) {
            question.forgetReadText(field);
            changed = true;
        }
        return changed;
    }
    CLSExpandFailure failure = CLSExpandFailure::kNone;
    CLSSentenceArray entries = NotationEntries(text, field, old, &failure);
    bool malformed = entries.isEmpty();
    // The digit of an old line picks the answer that goes first, as reading
    // the line does.
    int chosen = old && question.readInOldLayout() ? question.readAnswerIndex() - '0' : 0;
    if (field == Q::kFieldAnswers && chosen > 0 && chosen < entries.count()) {
        CLSSentence first = entries[chosen];
        entries.remove(chosen);
        entries.insert(0, std::move(first));
    }
    entries.shrink();
    return question.setTypedField(field, text.view(), std::move(entries), malformed, old);
}
