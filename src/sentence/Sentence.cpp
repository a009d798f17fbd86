#include "sentence/Sentence.h"

#include "text/Error.h"

namespace {

const char* const kSource = "SENTENCE";

}  // namespace

// ---- item array ---------------------------------------------------------------

const CLSSentenceItem& CLSSentenceItemArray::at(int index) const {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    return m_items[index];
}

CLSSentenceItem& CLSSentenceItemArray::at(int index) {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    return m_items[index];
}

void CLSSentenceItemArray::insert(int index, CLSSentenceItem item) {
    if (index < 0 || index > count()) VR_THROW(kSource, CLSError::kIndex);
    m_items.insert(m_items.begin() + index, std::move(item));
}

void CLSSentenceItemArray::remove(int index) {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    m_items.erase(m_items.begin() + index);
}

// ---- sentence -----------------------------------------------------------------

bool FindObjectMarkup(std::string_view text, int from, int& begin, int& end) {
    const char* p = text.data();
    int len = static_cast<int>(text.size());
    int pos = from;
    while (true) {
        // The marker search does not honour escapes: \\i"x" is a backslash
        // and an object, as files have always read.
        int bs = FindCharEscaped(text, '\\', pos, 0);
        if (bs < 0 || bs >= len - 2) return false;
        char letter = p[bs + 1];
        if (letter != 'i' && letter != 'm') {
            pos = bs + 1;
            continue;
        }
        if (p[bs + 2] != '"') {
            pos = bs + 2;
            continue;
        }
        int close = FindCharEscaped(text, '"', bs + 3, 0);
        if (close < 0 || close == bs + 3) {
            pos = bs + 3;
            continue;
        }
        begin = bs;
        end = close + 1;
        return true;
    }
}

void CLSSentence::parse(const CLSTString& markup) {
    parse(markup.view());
}

void CLSSentence::parse(std::string_view markup) {
    m_items.clear();
    const char* p = markup.data();
    int len = static_cast<int>(markup.size());
    int start = 0;
    int begin = 0;
    int end = 0;
    while (FindObjectMarkup(markup, start, begin, end)) {
        if (begin > start) addText(std::string_view(p + start, begin - start));
        addObject(CLSSentenceItemObject::fromObjectText(
            CLSTString::fromBytes(p + begin + 3, end - begin - 4)));
        start = end;
    }
    if (start < len) addText(std::string_view(p + start, len - start));
    normalize();
}

bool CLSSentence::isNormal() const {
    bool previousText = false;
    for (const CLSSentenceItem& item : m_items) {
        if (item.isObject()) {
            if (item.object().fileName.isEmpty()) return false;
            previousText = false;
        } else {
            if (previousText || item.string().length() == 0) return false;
            previousText = true;
        }
    }
    return true;
}

void CLSSentence::normalize() {
    if (isNormal()) return;
    CLSSentenceItemArray out;
    for (CLSSentenceItem& item : m_items) {
        if (item.isObject()) {
            if (!item.object().fileName.isEmpty()) out.add(std::move(item));
            continue;
        }
        if (item.string().length() == 0) continue;
        if (!out.isEmpty() && out.at(out.count() - 1).isText()) {
            CLSSentenceItemString& last = out.at(out.count() - 1).string();
            std::string merged(last.view());
            merged.append(item.string().view());
            last.setText(merged);
        } else {
            out.add(std::move(item));
        }
    }
    m_items = std::move(out);
}

void CLSSentence::appendMarkup(std::string& out) const {
    for (const CLSSentenceItem& item : m_items) {
        if (item.isObject()) {
            out.append(item.object().toMarkup().view());
        } else {
            AppendEscapedMarkup(out, item.string().view());
        }
    }
}

CLSTString CLSSentence::toMarkup() const {
    std::string out;
    appendMarkup(out);
    return CLSTString(out);
}

CLSTString CLSSentence::toText() const {
    CLSTString s;
    for (const CLSSentenceItem& item : m_items)
        s.append(item.markup());
    return s;
}

int CLSSentence::markupLength() const {
    int n = 0;
    for (const CLSSentenceItem& item : m_items)
        n += item.markupLength();
    return n;
}

CLSSentenceArray CLSSentence::divide(char separator, char escapeChar, int limit) const {
    CLSSentenceArray pieces;
    pieces.add(CLSSentence());
    for (const CLSSentenceItem& item : m_items) {
        if (item.isObject()) {
            pieces.at(pieces.count() - 1).addObject(item.object());
            continue;
        }
        int maxCount = limit > 0 ? limit - pieces.count() + 1 : 0;
        std::vector<std::string_view> parts;
        SplitEscaped(item.string().view(), separator, escapeChar, maxCount, parts);
        pieces.at(pieces.count() - 1).addText(parts[0]);
        for (size_t k = 1; k < parts.size(); ++k) {
            CLSSentence next;
            next.addText(parts[k]);
            pieces.add(std::move(next));
        }
    }
    return pieces;
}

void CLSSentence::unescape() {
    for (CLSSentenceItem& item : m_items) {
        if (!item.isText()) continue;
        std::string_view run = item.string().view();
        if (run.find('\\') == std::string_view::npos) continue;
        item.string().setText(UnescapeMarkupText(run));
    }
}

void CLSSentence::removeLineBreaks() {
    for (CLSSentenceItem& item : m_items) {
        if (!item.isText()) continue;
        std::string_view v = item.string().view();
        if (v.find_first_of("\r\n") == std::string_view::npos) continue;
        std::string kept;
        for (char c : v) {
            if (c != '\r' && c != '\n') kept += c;
        }
        item.string().setText(kept);
    }
}

void CLSSentence::replaceText(const char* oldText, const char* newText) {
    for (CLSSentenceItem& item : m_items) {
        if (!item.isText()) continue;
        CLSTString run = item.string().text();
        item.string().setText(run.replaceAll(oldText, newText));
    }
}

bool CLSSentence::equals(const CLSSentence& other) const {
    if (count() != other.count()) return false;
    for (int i = 0; i < count(); ++i) {
        const CLSSentenceItem& a = m_items.at(i);
        const CLSSentenceItem& b = other.m_items.at(i);
        if (a.kind() != b.kind()) return false;
        if (a.isText() ? a.string().view() != b.string().view() : !a.object().equals(b.object())) {
            return false;
        }
    }
    return true;
}

CLSSentence& CLSSentence::append(const CLSSentence& other) {
    for (const CLSSentenceItem& item : other.m_items)
        m_items.add(item);
    normalize();
    return *this;
}

bool CLSSentence::hasObjects() const {
    for (const CLSSentenceItem& item : m_items) {
        if (item.isObject()) return true;
    }
    return false;
}

CLSSentence operator+(const CLSSentence& a, const CLSSentence& b) {
    CLSSentence s(a);
    return s.append(b);
}

// ---- sentence array -----------------------------------------------------------

const CLSSentence& CLSSentenceArray::at(int index) const {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    return m_sentences[index];
}

CLSSentence& CLSSentenceArray::at(int index) {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    return m_sentences[index];
}

void CLSSentenceArray::insert(int index, CLSSentence sentence) {
    if (index < 0 || index > count()) VR_THROW(kSource, CLSError::kIndex);
    m_sentences.insert(m_sentences.begin() + index, std::move(sentence));
}

void CLSSentenceArray::remove(int index) {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    m_sentences.erase(m_sentences.begin() + index);
}

void CLSSentenceArray::appendJoined(std::string& out, char separator) const {
    for (int i = 0; i < count(); ++i) {
        if (i > 0) out += separator;
        m_sentences[i].appendMarkup(out);
    }
}

CLSTString CLSSentenceArray::join(char separator) const {
    std::string out;
    appendJoined(out, separator);
    return CLSTString(out);
}

CLSTString SentenceEditText(const CLSSentence& sentence) {
    // Runs keep CR LF line ends; a text field works with LF alone.
    std::string text(sentence.toText().view());
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return CLSTString(out);
}

CLSSentence SentenceFromEditText(const CLSTString& text) {
    std::string crlf;
    crlf.reserve(text.length() + 16);
    for (char c : text.view()) {
        if (c == '\r') continue;
        if (c == '\n') {
            crlf += "\r\n";
        } else {
            crlf += c;
        }
    }
    return CLSSentence(CLSTString(crlf));
}
