#include "settings/IniFile.h"

#include <cstring>

#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Paths.h"

std::string FoldCase(std::string_view text) {
    std::string out(text);
    int len = static_cast<int>(out.size());
    for (int pos = 0; pos < len;) {
        int n = charLengthAt(out.data(), pos, len);
        if (n == 1 && out[pos] >= 'A' && out[pos] <= 'Z')
            out[pos] = static_cast<char>(out[pos] + 32);
        pos += n;
    }
    return out;
}

bool StartsWithNoCase(const CLSTString& text, const char* prefix) {
    size_t n = std::strlen(prefix);
    if (static_cast<size_t>(text.length()) < n) return false;
    // Folding the whole text keeps its other characters intact; a prefix
    // of whole characters can only match at a character boundary.
    return FoldCase(text.view()).compare(0, n, FoldCase(prefix)) == 0;
}

int IniInteger(const CLSTString& value) {
    if (value.length() == 8 && value.text()[0] == '0' &&
        (value.text()[1] == 'x' || value.text()[1] == 'X')) {
        // toInteger would split this form into colour parts; a leading zero
        // digit keeps it one hexadecimal number.
        CLSTString widened(value);
        widened.insertChar(2, '0');
        return widened.toInteger();
    }
    return value.toInteger();
}

Colour IniColour(const CLSTString& value) {
    // A decimal value may carry bits above blue, which the colour text could
    // not write back.
    return static_cast<Colour>(value.toInteger()) & 0xFFFFFF;
}

CLSTString IniSingleLine(const CLSTString& value) {
    int lineBreak = value.findFirstOf("\r\n");
    return lineBreak < 0 ? value : value.substring(0, lineBreak);
}

// ---- CLSIniSection -----------------------------------------------------------

void CLSIniSection::set(const CLSTString& key, const CLSTString& value) {
    std::string folded = FoldCase(key.view());
    auto it = m_index.find(folded);
    if (it != m_index.end()) {
        m_entries[it->second].value = value;
        return;
    }
    m_index.emplace(std::move(folded), m_entries.size());
    m_entries.push_back({key, value});
}

const CLSTString* CLSIniSection::find(const char* key) const {
    auto it = m_index.find(FoldCase(key));
    return it == m_index.end() ? nullptr : &m_entries[it->second].value;
}

bool CLSIniSection::readInteger(const char* key, int& value) const {
    const CLSTString* text = find(key);
    if (!text) return false;
    value = IniInteger(*text);
    return true;
}

bool CLSIniSection::readColour(const char* key, Colour& value) const {
    const CLSTString* text = find(key);
    if (!text) return false;
    value = IniColour(*text);
    return true;
}

bool CLSIniSection::readText(const char* key, CLSTString& value) const {
    const CLSTString* text = find(key);
    if (!text) return false;
    value = *text;
    return true;
}

bool CLSIniSection::readFlag(const char* key, bool exactlyOne, bool& value) const {
    const CLSTString* text = find(key);
    if (!text) return false;
    int number = IniInteger(*text);
    value = exactlyOne ? number == 1 : number != 0;
    return true;
}

bool CLSIniSection::readList(const char* key, int* slots, int count) const {
    const CLSTString* text = find(key);
    if (!text) return false;
    CLSTStringArray pieces = text->tokenize(',');
    for (int i = 0; i < count && i < pieces.count(); ++i) {
        if (!pieces[i].isEmpty()) slots[i] = IniInteger(pieces[i]);
    }
    return true;
}

// ---- CLSIniFile ----------------------------------------------------------------

void CLSIniFile::clear() {
    m_sections.clear();
    m_folded.clear();
    m_current = -1;
}

bool CLSIniFile::load(const CLSTString& path) {
    return loadNative(NativePath(path));
}

bool CLSIniFile::loadNative(const std::string& nativePath) {
    clear();
    CLSFileReadLine file;
    if (!file.openNative(nativePath)) return false;
    try {
        CLSTString line;
        while (file.readLine(line))
            addLine(line);
    } catch (const CLSError&) {
        clear();
        return false;
    }
    return true;
}

void CLSIniFile::parse(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        addLine(CLSTString::fromBytes(text.data() + start, static_cast<int>(end - start)));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

void CLSIniFile::addLine(const CLSTString& line) {
    if (line.length() > 0 && line.text()[0] == '[') {
        int close = line.findChar(']', 1);
        if (close > 0) {
            CLSTString name = line.substring(1, close - 1);
            std::string folded = FoldCase(name.view());
            // A section opened twice goes on collecting into the first one.
            m_current = -1;
            for (size_t i = 0; i < m_folded.size() && m_current < 0; ++i) {
                if (m_folded[i] == folded) m_current = static_cast<int>(i);
            }
            if (m_current < 0) {
                m_sections.emplace_back(name);
                m_folded.push_back(std::move(folded));
                m_current = static_cast<int>(m_sections.size()) - 1;
            }
            return;
        }
    }
    if (m_current < 0) return;
    int equals = line.findChar('=');
    if (equals < 0) return;
    m_sections[m_current].set(line.substring(0, equals), line.substring(equals + 1));
}

const CLSIniSection* CLSIniFile::section(const char* name) const {
    std::string folded = FoldCase(name);
    for (size_t i = 0; i < m_folded.size(); ++i) {
        if (m_folded[i] == folded) return &m_sections[i];
    }
    return nullptr;
}
