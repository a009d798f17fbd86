#include "data/DataLineFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "text/Common.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A text field of a question: escapes resolved, runs merged.
CLSSentence textField(CLSSentence piece) {
    piece.unescape();
    piece.normalize();
    return piece;
}

CLSSentenceArray hintList(const CLSSentence& field) {
    CLSSentenceArray hints;
    if (field.markupLength() == 0) return hints;
    for (const CLSSentence& piece : field.divide('|', '\\'))
        hints.add(textField(piece));
    return hints;
}

// Expands an answers or choices field. A field that cannot be expanded is
// kept as written so that saving does not lose it.
void expandField(const CLSSentence& field, CLSVorelDataQuestion& q, bool answers) {
    if (field.markupLength() == 0) {
        if (answers) {
            q.setAnswers(CLSSentenceArray());
        } else {
            q.setChoices(CLSSentenceArray());
        }
        return;
    }
    CLSSentenceArray list = ExpandAlternatives(field);
    bool malformed = list.isEmpty();
    list.shrink();
    if (answers) {
        q.setAnswers(std::move(list));
        if (malformed) q.setRawAnswersField(field.toText());
    } else {
        q.setChoices(std::move(list));
        if (malformed) q.setRawChoicesField(field.toText());
    }
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

// Splits a sentence at the first occurrence of marker inside a text run
// (found without escape handling, as older files were written).
bool splitAt(const CLSSentence& s, const char* marker, CLSSentence& before, CLSSentence& after) {
    int markerLength = static_cast<int>(std::strlen(marker));
    for (int i = 0; i < s.count(); ++i) {
        const CLSSentenceItem& item = s.item(i);
        if (!item.isText()) continue;
        CLSTString run = item.string().text();
        int at = run.find(marker);
        if (at < 0) continue;
        before = CLSSentence();
        after = CLSSentence();
        for (int k = 0; k < i; ++k)
            before.items().add(s.item(k));
        before.addText(run.view().substr(0, at));
        after.addText(run.view().substr(at + markerLength));
        for (int k = i + 1; k < s.count(); ++k)
            after.items().add(s.item(k));
        return true;
    }
    return false;
}

// The sentence without the first n bytes of its first text run.
CLSSentence dropLeading(const CLSSentence& s, int n) {
    CLSSentence out;
    for (int i = 0; i < s.count(); ++i) {
        const CLSSentenceItem& item = s.item(i);
        if (i == 0 && item.isText()) {
            out.addText(
                item.string().view().substr(std::min<size_t>(n, item.string().view().size())));
        } else {
            out.items().add(item);
        }
    }
    return out;
}

void appendTwoDigits(std::string& out, int value) {
    value = ((value % 100) + 100) % 100;
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

// YYMMDDhhmm, or ten zeros for an entry without a date.
void appendHistoryStamp(std::string& out, const CLSHistoryEntry& e) {
    if (e.year == 0) {
        out += "0000000000";
        return;
    }
    appendTwoDigits(out, e.year - 2000);
    appendTwoDigits(out, e.month);
    appendTwoDigits(out, e.day);
    appendTwoDigits(out, e.hour);
    appendTwoDigits(out, e.minute);
}

void appendListField(std::string& out, const CLSSentenceArray& list, const CLSTString* raw) {
    if (raw) {
        out.append(raw->view());
    } else {
        list.appendJoined(out, '|');
    }
}

}  // namespace

bool ParseQuestionLine(const CLSTString& line, int historySize, CLSVorelDataQuestion& q) {
    CLSSentenceArray fields = CLSSentence(line).divide(',', '\\', 7);
    if (fields.count() < 6) return false;
    if (fields[5].hasObjects()) return false;
    CLSTString attributes = fields[5].toText();
    if (attributes.length() != 3) return false;
    const char* a = attributes.text();
    // The mark must be "<" or "=" and the others digits: a group byte such
    // as "x" would make every later group lookup fail.
    if ((a[0] != '<' && a[0] != '=') || !isDigit(a[1]) || !isDigit(a[2])) return false;

    q.setQuestion(textField(std::move(fields[0])));
    q.setHints(hintList(fields[1]));
    expandField(fields[2], q, true);
    expandField(fields[3], q, false);
    q.setComment(textField(std::move(fields[4])));
    q.setMark(a[0] == '=');
    q.setGroup(a[1] - '0');
    int count = a[2] - '0' + 1;
    q.setAnswerCount(count > q.getAnswerCount() ? 1 : count);
    q.history().clear();
    if (historySize > 0 && fields.count() == 7) {
        const CLSSentence& h = fields[6];
        if (h.count() == 1 && h.item(0).isText()) {
            readHistory(h.item(0).string().view(), historySize, q.history());
        } else if (h.count() > 1) {
            CLSTString text = h.toText();
            readHistory(text.view(), historySize, q.history());
        }
    }
    return true;
}

bool ParseOldQuestionLine(const CLSTString& line, CLSVorelDataQuestion& q) {
    CLSSentenceArray fields = CLSSentence(line).divide(',', '\\', 3);
    if (fields.count() < 3) return false;
    const CLSSentence& attributePart = fields[2];
    if (attributePart.isEmpty() || !attributePart.item(0).isText()) return false;
    std::string_view a = attributePart.item(0).string().view();
    if (a.size() < 3 || !isDigit(a[1]) || !isDigit(a[2])) return false;

    CLSSentence question = fields[0];
    CLSSentence hints;
    if (splitAt(fields[0], "\\h", question, hints)) {
        hints.replaceText("\\h", "|");
        q.setHints(hintList(hints));
    } else {
        q.setHints(CLSSentenceArray());
    }
    q.setQuestion(textField(question));

    CLSSentence answers = fields[1];
    CLSSentence choices;
    if (splitAt(fields[1], "\\c", answers, choices)) {
        choices.replaceText("\\c", "|");
        expandField(choices, q, false);
    } else {
        q.setChoices(CLSSentenceArray());
    }
    expandField(answers, q, true);

    // History bits from the lowest set bit upwards; the zero bits below it
    // only pad the character.
    int bits = static_cast<unsigned char>(a[0]) - 0x3C;
    q.history().clear();
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
    int chosen = a[2] - '0';
    if (chosen > 0 && chosen < q.getAnswerCount() && !q.rawAnswersField()) {
        CLSSentenceArray list = q.answers();
        CLSSentence first = list[chosen];
        list.remove(chosen);
        list.insert(0, first);
        q.setAnswers(list);
    }
    q.setAnswerCount(1);
    q.setMark(0);
    int commentStart = (a.size() >= 4 && a[3] == '\'') ? 4 : 3;
    q.setComment(textField(dropLeading(attributePart, commentStart)));
    return true;
}

CLSTString WriteQuestionLine(const CLSVorelDataQuestion& q, int version) {
    std::string s;
    s.reserve(160);
    q.getQuestion().appendMarkup(s);
    if (version < 30) {
        if (q.getHintCount() > 0) {
            s += "\\h";
            q.hints().appendJoined(s, '|');
        }
        s += ',';
        appendListField(s, q.answers(), q.rawAnswersField());
        if (q.getChoiceCount() > 0 || q.rawChoicesField()) {
            s += "\\c";
            appendListField(s, q.choices(), q.rawChoicesField());
        }
        int bits = 0;
        const auto& history = q.history();
        for (size_t k = 0; k < history.size() && k < 5; ++k) {
            if (history[k].result == 1) bits |= 1 << (4 - k);
        }
        s += ',';
        s += static_cast<char>(0x3C + bits);
        s += static_cast<char>('0' + std::clamp(q.group(), 0, 9));
        s += '0';
        if (q.getComment().markupLength() > 0) {
            s += '\'';
            q.getComment().appendMarkup(s);
        }
        return CLSTString(s);
    }
    s += ',';
    q.hints().appendJoined(s, '|');
    s += ',';
    appendListField(s, q.answers(), q.rawAnswersField());
    s += ',';
    appendListField(s, q.choices(), q.rawChoicesField());
    s += ',';
    q.getComment().appendMarkup(s);
    s += ',';
    s += q.mark() ? '=' : '<';
    s += static_cast<char>('0' + std::clamp(q.group(), 0, 9));
    s += static_cast<char>('0' + std::clamp(q.answerCount(), 1, 10) - 1);
    for (const CLSHistoryEntry& e : q.history()) {
        s += ',';
        s += e.result == 1 ? '1' : '0';
        appendHistoryStamp(s, e);
    }
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
    if (kind < kLineFontTitle || kind > kLineFontComment || kind == 53) return CLSTString();
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
