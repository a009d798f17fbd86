#include "settings/IniFile.h"

#include <errno.h>
#include <unistd.h>

#include <cstring>

#include "text/Codec.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Paths.h"
#include "text/SafeFile.h"
#include "text/Unicode.h"

namespace {

const char* const kSource = "READLINE";

}  // namespace

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

bool CLSIniFile::loadNative(const std::string& nativePath, CLSTextEncoding encoding) {
    clear();
    CLSFileReadLine file;
    if (!file.openNative(nativePath)) return false;
    try {
        // The byte-order mark decides, whatever was expected.
        CLSTString head;
        if (file.readText(head, static_cast<int>(kUtf8Bom.size())) && head.view() == kUtf8Bom) {
            encoding = CLSTextEncoding::kUtf8;
        } else {
            file.seek(0, SEEK_SET);
        }
        file.setEncoding(encoding);
        CLSTString line;
        while (file.readLine(line)) {
            // UTF-8 is taken as it stands; the program's texts are in NFC
            // (and a stray byte becomes U+FFFD).
            if (encoding == CLSTextEncoding::kUtf8 && !IsPlainlyNfc(line.view()))
                line = CLSTString(NormalizeNfc(line.view()));
            addLine(line);
        }
    } catch (const CLSError&) {
        clear();
        return false;
    }
    return true;
}

bool CLSIniFile::loadCompanion(const CLSTString& companionPath) {
    CLSIniFile companion;
    if (!companion.loadNative(NativePath(companionPath), CLSTextEncoding::kUtf8)) return false;
    fillIn(companion);
    return true;
}

void CLSIniFile::fillIn(const CLSIniFile& other) {
    for (const CLSIniSection& section : other.sections()) {
        int index = sectionIndex(section.name());
        for (const CLSIniSection::Entry& entry : section.entries()) {
            if (!m_sections[index].find(entry.key.text()))
                m_sections[index].set(entry.key, entry.value);
        }
    }
    // Lines added after this go to a section they name.
    m_current = -1;
}

int CLSIniFile::sectionIndex(const CLSTString& name) {
    std::string folded = FoldCase(name.view());
    for (size_t i = 0; i < m_folded.size(); ++i) {
        if (m_folded[i] == folded) return static_cast<int>(i);
    }
    m_sections.emplace_back(name);
    m_folded.push_back(std::move(folded));
    return static_cast<int>(m_sections.size()) - 1;
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
            // A section opened twice goes on collecting into the first one.
            m_current = sectionIndex(line.substring(1, close - 1));
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

// ---- CLSIniCompanion -------------------------------------------------------------

void CLSIniCompanion::writeKeyText(CLSFileWriteString& file, const char* section, const char* key,
                                   const CLSTString& value) {
    if (file.encoding() == CLSTextEncoding::kUtf8 || (FitsCp932(value.view()) && FitsCp932(key))) {
        ::writeKeyText(file, key, value);
        return;
    }
    if (m_sections.empty() || m_sections.back().first != section)
        m_sections.emplace_back(section, std::string());
    std::string& lines = m_sections.back().second;
    lines.append(key).append("=").append(value.view()).append("\r\n");
}

std::string CLSIniCompanion::fileBytes() const {
    std::string out(kUtf8Bom);
    for (const auto& [name, lines] : m_sections)
        out.append("[").append(name).append("]\r\n").append(lines);
    return out;
}

void CommitWithCompanion(CLSFileSafeWrite& main, const CLSTString& companionPath,
                         std::string_view companionBytes) {
    // Every byte is on the disk before either file replaces its old one.
    main.file().sync();
    if (companionBytes.empty()) {
        main.commit();
        if (::unlink(NativePath(companionPath).c_str()) != 0 && errno != ENOENT)
            VR_THROW(kSource, CLSError::kWrite);
        return;
    }
    CLSFileSafeWrite companion;
    if (!companion.open(companionPath)) VR_THROW(kSource, CLSError::kWrite);
    companion.file().writeBytes(companionBytes.data(), companionBytes.size());
    companion.file().sync();
    // Only a rename can fail now. The companion goes first: should the main
    // file then stay the old one, the new values count only for keys that
    // it too lacks, which the old companion held older values of.
    companion.commit();
    main.commit();
}

void SaveWithCompanion(const CLSTString& path, const CLSTString& companionPath,
                       const std::function<void(CLSFileWriteString&, CLSIniCompanion&)>& write) {
    CLSFileSafeWrite main;
    if (!main.open(path)) VR_THROW(kSource, CLSError::kWrite);
    CLSIniCompanion companion;
    write(main.file(), companion);
    CommitWithCompanion(main, companionPath, companion.isEmpty() ? "" : companion.fileBytes());
}

CLSTString Utf8CompanionPath(const CLSTString& path) {
    std::string p = path.str();
    size_t name = p.find_last_of('/');
    name = name == std::string::npos ? 0 : name + 1;
    size_t dot = p.find_last_of('.');
    // A leading dot starts a hidden name, not an extension.
    if (dot == std::string::npos || dot <= name) return CLSTString(p + ".UTF8");
    return CLSTString(p.insert(dot, ".UTF8"));
}
