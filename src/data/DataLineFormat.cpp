#include "data/DataLineFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "data/DataFileVersion.h"
#include "sentence/ObjectRuns.h"
#include "text/Common.h"

namespace {

using Field = CLSVorelDataQuestion::Field;

// Versions from 3.0 on use the layout of seven comma-separated fields.
constexpr int kNewLayout = 30;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// One field of a line: its bytes, and whether object markup lies in them.
struct FieldSpan {
    std::string_view text;
    bool objects = false;
};

// Cuts a line at unescaped separators outside object markup, into at most
// limit fields (the last keeps the rest). Each stretch of text between two
// objects is scanned on its own, as a run of a parsed sentence is.
int cutLine(std::string_view line, char separator, int limit, FieldSpan* out) {
    int len = static_cast<int>(line.size());
    int count = 0;
    int fieldStart = 0;
    bool objects = false;
    int pos = 0;
    while (true) {
        int begin = len;
        int end = len;
        bool found = FindObjectMarkup(line, pos, begin, end);
        std::string_view run = line.substr(0, found ? begin : len);
        int from = pos;
        while (count + 1 < limit) {
            int at = FindCharEscaped(run, separator, from, '\\');
            if (at < 0) break;
            out[count++] = {line.substr(fieldStart, at - fieldStart), objects};
            fieldStart = at + 1;
            objects = false;
            from = at + 1;
        }
        if (!found) break;
        objects = true;
        pos = end;
    }
    out[count++] = {line.substr(fieldStart), objects};
    return count;
}

// The sentence of a field's text. Text without object markup is one run;
// that is nearly every field, and it needs no second scan.
CLSSentence sentenceOf(const FieldSpan& field) {
    CLSSentence s;
    if (field.objects) {
        s.parse(field.text);
    } else if (!field.text.empty()) {
        s.addText(field.text);
    }
    return s;
}

// A text field of a question: escapes resolved, runs merged.
CLSSentence textField(const FieldSpan& field) {
    CLSSentence s = sentenceOf(field);
    s.unescape();
    s.normalize();
    return s;
}

CLSSentenceArray hintList(const CLSSentence& field) {
    CLSSentenceArray hints;
    if (field.markupLength() == 0) return hints;
    for (CLSSentence& piece : field.divide('|', '\\')) {
        piece.unescape();
        piece.normalize();
        hints.add(std::move(piece));
    }
    return hints;
}

// The answers or choices of a field; false when the field cannot be
// expanded (it then gives no entries and keeps its text).
bool expandField(const CLSSentence& field, CLSSentenceArray& list) {
    list.clear();
    if (field.markupLength() == 0) return true;
    list = ExpandAlternatives(field);
    list.shrink();
    return !list.isEmpty();
}

// First occurrence of a two-character marker outside object markup, found without
// escape handling (as older files were written); -1 when absent.
int findMarker(const FieldSpan& field, const char* marker) {
    std::string_view text = field.text;
    int len = static_cast<int>(text.size());
    int pos = 0;
    while (pos < len) {
        int begin = len;
        int end = len;
        bool found = field.objects && FindObjectMarkup(text, pos, begin, end);
        int stop = found ? begin : len;
        const char* p = text.data();
        for (int k = pos; k < stop; k += charLengthAt(p, k, stop)) {
            if (k + 1 < stop && p[k] == marker[0] && p[k + 1] == marker[1]) return k;
        }
        if (!found) break;
        pos = end;
    }
    return -1;
}

// Splits a field at the first marker into the parts before and after it.
bool splitAtMarker(const FieldSpan& field, const char* marker, FieldSpan& before,
                   FieldSpan& after) {
    int at = findMarker(field, marker);
    if (at < 0) return false;
    before = {field.text.substr(0, at), field.objects};
    after = {field.text.substr(at + 2), field.objects};
    return true;
}

// Every marker outside object markup replaced by the replacement.
std::string replaceOutsideObjects(std::string_view text, const char* marker,
                                  const char* replacement) {
    return MapOutsideObjects(text, [&](std::string& out, std::string_view stretch) {
        CLSTString run = CLSTString::fromBytes(stretch.data(), static_cast<int>(stretch.size()));
        out.append(run.replaceAll(marker, replacement).view());
    });
}

int twoDigits(const char* p) {
    if (isDigit(p[0]) && isDigit(p[1])) return (p[0] - '0') * 10 + (p[1] - '0');
    return CLSTString::fromBytes(p, 2).toInteger();
}

void readHistory(std::string_view field, int historySize, std::vector<CLSHistoryEntry>& history) {
    const char* h = field.data();
    int len = static_cast<int>(field.size());
    int pos = 0;
    while (len - pos >= 11) {
        CLSHistoryEntry e;
        e.result = h[pos] == '1' ? 1 : 0;
        e.year = static_cast<int16_t>(2000 + twoDigits(h + pos + 1));
        e.month = static_cast<int8_t>(twoDigits(h + pos + 3));
        e.day = static_cast<int8_t>(twoDigits(h + pos + 5));
        e.hour = static_cast<int16_t>(twoDigits(h + pos + 7));
        e.minute = static_cast<int16_t>(twoDigits(h + pos + 9));
        history.push_back(e);
        int comma = FindCharEscaped(field, ',', pos, 0);
        if (comma < 0) break;
        pos = comma + 1;
    }
    if (static_cast<int>(history.size()) > historySize) {
        history.erase(history.begin(), history.end() - historySize);
    }
}

char* putTwoDigits(char* at, int value) {
    value = ((value % 100) + 100) % 100;
    at[0] = static_cast<char>('0' + value / 10);
    at[1] = static_cast<char>('0' + value % 10);
    return at + 2;
}

// ",R" and YYMMDDhhmm, or ten zeros for an entry without a date; put
// together first and appended at once (a long history is most of a line).
void appendHistoryEntry(std::string& out, const CLSHistoryEntry& e) {
    char entry[12] = {',', e.result == 1 ? '1' : '0'};
    char* at = entry + 2;
    if (e.year == 0) {
        std::memset(at, '0', 10);
    } else {
        at = putTwoDigits(at, e.year - 2000);
        at = putTwoDigits(at, e.month);
        at = putTwoDigits(at, e.day);
        at = putTwoDigits(at, e.hour);
        putTwoDigits(at, e.minute);
    }
    out.append(entry, sizeof entry);
}

// Whether a comma written after the text would be escaped by it.
bool escapesWhatFollows(std::string_view text) {
    std::string probe(text);
    probe += ',';
    FieldSpan fields[2];
    return cutLine(probe, ',', 2, fields) < 2;
}

// Writes the fields of a question, each as it was read while that text fits
// the layout being written, else from the model.
class FieldWriter {
  public:
    FieldWriter(const CLSVorelDataQuestion& q, int version)
        : m_q(q), m_version(version), m_old(version < kNewLayout) {}

    // Whether the field goes out as it was read.
    bool asRead(Field f) const {
        if (!m_q.isFieldAsRead(f)) return false;
        // Texts of the other layout would be cut differently; a malformed
        // field has nothing else to write, so it goes in either layout.
        if (m_q.readInOldLayout() != m_old && !m_q.isFieldMalformed(f)) return false;
        // A question starting with "$" was a question only in 1.2 files.
        if (f == CLSVorelDataQuestion::kFieldQuestion && m_old &&
            m_version >= DataFileVersion::kSettingLines) {
            std::string_view text = m_q.readFieldText(f);
            if (!text.empty() && text[0] == '$') return false;
        }
        return true;
    }

    void sentence(std::string& out, Field f, const CLSSentence& s) const {
        if (asRead(f)) {
            out.append(m_q.readFieldText(f));
        } else {
            s.appendMarkup(out);
        }
    }

    void list(std::string& out, Field f, const CLSSentenceArray& list) const {
        if (!asRead(f)) {
            list.appendJoined(out, '|');
            return;
        }
        std::string_view text = m_q.readFieldText(f);
        // Further choices of an old line are separated by \c, which means
        // a bar in the current layout.
        if (f == CLSVorelDataQuestion::kFieldChoices && m_q.readInOldLayout() && !m_old) {
            out.append(replaceOutsideObjects(text, "\\c", "|"));
        } else {
            out.append(text);
        }
    }

    // "marker" + the field, only when the field writes something or when
    // the part before it (from partStart) ends in a backslash that would
    // otherwise escape the comma after it: a part read as a\\h is a\ and
    // nothing, and is written so again.
    void optionalList(std::string& out, size_t partStart, const char* marker, Field f,
                      const CLSSentenceArray& l) const {
        std::string text;
        list(text, f, l);
        if (!text.empty() || escapesWhatFollows(std::string_view(out).substr(partStart))) {
            out.append(marker).append(text);
        }
    }

  private:
    const CLSVorelDataQuestion& m_q;
    int m_version;
    bool m_old;
};

// Whether the model writes a field back as these very bytes, so that the
// text read need not be kept beside it. A text with escapes, markup or a
// sign the writer escapes is kept without trying.
bool writesBackAs(std::string_view text, const CLSSentence* sentence,
                  const CLSSentenceArray* list) {
    if (text.find_first_of("\\()[]'#$\r\n") != std::string_view::npos) return false;
    thread_local std::string written;
    written.clear();
    if (sentence) {
        sentence->appendMarkup(written);
    } else {
        list->appendJoined(written, '|');
    }
    return written == text;
}

}  // namespace

bool ParseQuestionLine(const CLSTString& line, int historySize, CLSVorelDataQuestion& q) {
    FieldSpan fields[7];
    int count = cutLine(line.view(), ',', 7, fields);
    if (count < 6) return false;
    std::string_view a = fields[5].text;
    // The mark must be "<" or "=" and the others digits: a group byte such
    // as "x" would make every later group lookup fail.
    if (a.size() != 3 || (a[0] != '<' && a[0] != '=') || !isDigit(a[1]) || !isDigit(a[2])) {
        return false;
    }

    CLSVorelDataQuestion::ReadFields read;
    for (int f = 0; f < CLSVorelDataQuestion::kFieldCount; ++f)
        read.text[f] = fields[f].text;
    CLSSentenceArray answers;
    CLSSentenceArray choices;
    read.malformedAnswers = !expandField(sentenceOf(fields[2]), answers);
    read.malformedChoices = !expandField(sentenceOf(fields[3]), choices);

    q = CLSVorelDataQuestion();
    q.setQuestion(textField(fields[0]));
    q.setHints(hintList(sentenceOf(fields[1])));
    q.setAnswers(std::move(answers));
    q.setChoices(std::move(choices));
    q.setComment(textField(fields[4]));
    q.setMark(a[0] == '=');
    q.setGroup(a[1] - '0');
    int answerCount = a[2] - '0' + 1;
    q.setAnswerCount(answerCount > q.getAnswerCount() ? 1 : answerCount);
    if (historySize > 0 && count == 7) readHistory(fields[6].text, historySize, q.history());
    using Q = CLSVorelDataQuestion;
    const bool same[Q::kFieldCount] = {
        writesBackAs(read.text[Q::kFieldQuestion], &q.getQuestion(), nullptr),
        writesBackAs(read.text[Q::kFieldHints], nullptr, &q.hints()),
        writesBackAs(read.text[Q::kFieldAnswers], nullptr, &q.answers()),
        writesBackAs(read.text[Q::kFieldChoices], nullptr, &q.choices()),
        writesBackAs(read.text[Q::kFieldComment], &q.getComment(), nullptr),
    };
    for (int f = 0; f < Q::kFieldCount; ++f) {
        if (same[f]) read.keep &= static_cast<uint8_t>(~(1u << f));
    }
    q.keepReadText(read);
    return true;
}

bool ParseOldQuestionLine(const CLSTString& line, CLSVorelDataQuestion& q) {
    FieldSpan fields[3];
    int count = cutLine(line.view(), ',', 3, fields);
    if (count < 3) return false;
    std::string_view a = fields[2].text;
    if (a.size() < 3 || !isDigit(a[1]) || !isDigit(a[2])) return false;

    // The question part: the question, then after \h the hints, separated
    // by further \h (older files) or by bars (this program's).
    FieldSpan question = fields[0];
    FieldSpan hints;
    bool hasHints = splitAtMarker(fields[0], "\\h", question, hints);
    // The answer part likewise holds the choices after \c.
    FieldSpan answerPart = fields[1];
    FieldSpan choicePart;
    bool hasChoices = splitAtMarker(fields[1], "\\c", answerPart, choicePart);
    int commentStart = (a.size() >= 4 && a[3] == '\'') ? 4 : 3;
    FieldSpan comment{a.substr(commentStart), fields[2].objects};

    CLSVorelDataQuestion::ReadFields read;
    read.text[CLSVorelDataQuestion::kFieldQuestion] = question.text;
    read.text[CLSVorelDataQuestion::kFieldHints] = hints.text;
    read.text[CLSVorelDataQuestion::kFieldAnswers] = answerPart.text;
    read.text[CLSVorelDataQuestion::kFieldChoices] = choicePart.text;
    read.text[CLSVorelDataQuestion::kFieldComment] = comment.text;
    read.oldLayout = true;
    read.answerIndex = a[2];

    q = CLSVorelDataQuestion();
    q.setQuestion(textField(question));
    if (hasHints) {
        CLSSentence list = sentenceOf(hints);
        list.replaceText("\\h", "|");
        q.setHints(hintList(list));
    }
    CLSSentenceArray answers;
    CLSSentenceArray choices;
    read.malformedAnswers = !expandField(sentenceOf(answerPart), answers);
    if (hasChoices) {
        CLSSentence list = sentenceOf(choicePart);
        list.replaceText("\\c", "|");
        read.malformedChoices = !expandField(list, choices);
    }
    // The answer index digit picks the answer that goes first.
    int chosen = a[2] - '0';
    if (chosen > 0 && chosen < answers.count()) {
        CLSSentence first = answers[chosen];
        answers.remove(chosen);
        answers.insert(0, std::move(first));
    }
    q.setAnswers(std::move(answers));
    q.setChoices(std::move(choices));

    // History bits from the lowest set bit upwards; the zero bits below it
    // only pad the character.
    int bits = static_cast<unsigned char>(a[0]) - 0x3C;
    if (bits > 0) {
        while (!(bits & 1))
            bits >>= 1;
        while (bits) {
            CLSHistoryEntry e;
            e.result = bits & 1;
            q.history().push_back(e);
            bits >>= 1;
        }
    }
    q.setGroup(a[1] - '0');
    q.setAnswerCount(1);
    q.setMark(0);
    q.setComment(textField(comment));
    q.keepReadText(read);
    return true;
}

CLSTString WriteQuestionLine(const CLSVorelDataQuestion& q, int version) {
    using Q = CLSVorelDataQuestion;
    FieldWriter w(q, version);
    std::string s;
    s.reserve(160);
    w.sentence(s, Q::kFieldQuestion, q.getQuestion());
    if (version < kNewLayout) {
        w.optionalList(s, 0, "\\h", Q::kFieldHints, q.hints());
        s += ',';
        size_t answerPart = s.size();
        w.list(s, Q::kFieldAnswers, q.answers());
        w.optionalList(s, answerPart, "\\c", Q::kFieldChoices, q.choices());
        int bits = 0;
        const auto& history = q.history();
        for (size_t k = 0; k < history.size() && k < 5; ++k) {
            if (history[k].result == 1) bits |= 1 << (4 - k);
        }
        s += ',';
        s += static_cast<char>(0x3C + bits);
        s += static_cast<char>('0' + std::clamp(q.group(), 0, 9));
        // The index digit points into the answers' text as it was read.
        bool answersAsRead = w.asRead(Q::kFieldAnswers) && q.readInOldLayout();
        s += answersAsRead ? q.readAnswerIndex() : '0';
        std::string comment;
        w.sentence(comment, Q::kFieldComment, q.getComment());
        if (!comment.empty()) s.append("'").append(comment);
        return CLSTString(s);
    }
    s += ',';
    w.list(s, Q::kFieldHints, q.hints());
    s += ',';
    w.list(s, Q::kFieldAnswers, q.answers());
    s += ',';
    w.list(s, Q::kFieldChoices, q.choices());
    s += ',';
    w.sentence(s, Q::kFieldComment, q.getComment());
    s += ',';
    s += q.mark() ? '=' : '<';
    s += static_cast<char>('0' + std::clamp(q.group(), 0, 9));
    s += static_cast<char>('0' + std::clamp(q.answerCount(), 1, 10) - 1);
    s.reserve(s.size() + 12 * q.history().size());
    for (const CLSHistoryEntry& e : q.history())
        appendHistoryEntry(s, e);
    return CLSTString(s);
}

bool ParseTitleLine(const CLSTString& line, CLSVorelDataTitle& title) {
    if (line.isEmpty() || line.text()[0] != '#') return false;
    int comma = line.findChar(',', 1, '\\');
    if (comma < 0 || line.length() < comma + 7) return false;
    const char* p = line.text() + comma + 1;
    if (!isDigit(p[0])) return false;
    title.text = Unescaped(line.substring(1, comma - 1));
    title.choiceCount = p[0] - '0';
    title.compareFlags = 0;
    for (int bit = 0; bit < 5; ++bit) {
        if (p[1 + bit] != '0') title.compareFlags |= 1 << bit;
    }
    CLSTString rest = line.substring(comma + 7);
    if (!rest.isEmpty() && rest.text()[0] == '\'') rest.erase(0, 1);
    title.comment = Unescaped(rest);
    return true;
}

CLSTString WriteTitleLine(const CLSVorelDataTitle& title) {
    CLSTString s("#");
    s.append(Escaped(title.text)).append(',');
    s.append(static_cast<char>('0' + std::clamp(title.choiceCount, 0, 9)));
    for (int bit = 0; bit < 5; ++bit)
        s.append((title.compareFlags >> bit) & 1 ? '1' : '0');
    if (!title.comment.isEmpty()) s.append('\'').append(Escaped(title.comment));
    return s;
}

CLSTString WriteCommentLine(const CLSTString& text) {
    if (text.isEmpty()) return CLSTString();
    return CLSTString("'").append(Escaped(text));
}

namespace {

// Keeps the line's bytes where writing the text would not give them back.
CLSVorelDataComment commentFrom(const CLSTString& line, CLSTString text, bool wholeLine) {
    CLSVorelDataComment c(text);
    c.wholeLine = wholeLine;
    if (wholeLine || !(WriteCommentLine(c.text) == line)) c.readLine.assign(line.view());
    return c;
}

}  // namespace

CLSVorelDataComment ParseCommentLine(const CLSTString& line) {
    if (line.isEmpty()) return CLSVorelDataComment();
    return commentFrom(line, Unescaped(line.substring(1)), false);
}

CLSVorelDataComment KeptAsComment(const CLSTString& line) {
    return commentFrom(line, Unescaped(line), true);
}

CLSTString WriteCommentLine(const CLSVorelDataComment& comment) {
    if (!comment.readLine.empty()) {
        std::string_view read = comment.readLine;
        if (!comment.wholeLine) read.remove_prefix(1);
        if (UnescapeMarkupText(read) == comment.text.view()) return CLSTString(comment.readLine);
    }
    return WriteCommentLine(comment.text);
}

CLSVorelDataFont ParseFontValue(const CLSTString& value) {
    CLSVorelDataFont font;
    const char* v = value.text();
    if (!value.isEmpty() && v[0] != ',' && v[0] != '\'') font.size = value.toInteger();
    int apostrophe = value.findChar('\'');
    CLSTString head = apostrophe < 0 ? value : value.substring(0, apostrophe);
    if (apostrophe >= 0) font.comment = Unescaped(value.substring(apostrophe + 1));
    CLSTStringArray parts = head.tokenize(',', 0, 3);
    if (parts.count() >= 2) font.charset = charsetFromName(parts[1].text());
    if (parts.count() >= 3) font.faceName = Unescaped(parts[2]);
    return font;
}

CLSTString WriteFontLine(int kind, const CLSVorelDataFont& font) {
    if (!IsFontKind(kind) || !SettingKeyOfKind(kind)) return CLSTString();
    CLSTString s("$");
    s.append(SettingKeyOfKind(kind)).append('=');
    bool faceOrComment = !font.faceName.isEmpty() || !font.comment.isEmpty();
    bool tail = font.charset != -1 || faceOrComment;
    if (font.size != -1 && (font.size != 0 || tail)) s.append(font.size);
    if (tail) {
        s.append(',');
        if (font.charset != -1) s.append(font.charset);
        // The face name goes out as it stands: files have always had it so.
        if (faceOrComment) s.append(',').append(font.faceName);
    }
    if (!font.comment.isEmpty()) s.append('\'').append(Escaped(font.comment));
    return s;
}

CLSVorelDataNumber ParseNumberValue(const CLSTString& value) {
    CLSVorelDataNumber number;
    if (!value.isEmpty() && value.text()[0] != '\'') number.value = value.toInteger();
    int apostrophe = value.findChar('\'');
    if (apostrophe >= 0) number.comment = Unescaped(value.substring(apostrophe + 1));
    return number;
}

CLSTString WriteNumberLine(int kind, const CLSVorelDataNumber& number) {
    CLSTString s("$");
    s.append(SettingKeyOfKind(kind)).append('=');
    if (number.value != -1) s.append(number.value);
    if (!number.comment.isEmpty()) s.append('\'').append(Escaped(number.comment));
    return s;
}

int FontKindOfKey(const CLSTString& key) {
    for (int kind :
         {kLineFontTitle, kLineFontQuestion, kLineFontHint, kLineFontAnswer, kLineFontPrintTitle,
          kLineFontPrintQuestion, kLineFontPrintAnswer, kLineFontPrintTitleNumber,
          kLineFontPrintQuestionNumber, kLineFontPrintAnswerNumber}) {
        if (key.compareNoCase(SettingKeyOfKind(kind)) == 0) return kind;
    }
    return kLineFontComment;
}

int NumberKindOfKey(const CLSTString& key) {
    for (int kind = kLineTimeLimit; kind <= kLineInputFieldHeight; ++kind) {
        if (key.compareNoCase(SettingKeyOfKind(kind)) == 0) return kind;
    }
    return 0;
}
