#include "settings/VagueTable.h"

#include <cstdint>
#include <cstring>

#include "settings/IniFile.h"
#include "text/Codec.h"
#include "text/Columns.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/SafeFile.h"
#include "text/Unicode.h"

namespace {

// Stored order: each hiragana pair is followed by its katakana pair, the
// half-width pairs come last. The hiragana keys spell the voiced mark as
// the separate character ゛.
const char* const kBuiltInPairs[][2] = {
    {"うぁ", "わ"},   {"ウァ", "ワ"},   {"うぃ", "い"}, {"ウィ", "イ"},   {"うぇ", "え"},
    {"ウェ", "エ"},   {"うぉ", "お"},   {"ウォ", "オ"}, {"う゛ぁ", "ば"}, {"ヴァ", "バ"},
    {"う゛ぃ", "び"}, {"ヴィ", "ビ"},   {"う゛", "ぶ"}, {"ヴ", "ブ"},     {"う゛ぇ", "べ"},
    {"ヴェ", "ベ"},   {"う゛ぉ", "ぼ"}, {"ヴォ", "ボ"}, {"つぃ", "ち"},   {"ツィ", "チ"},
    {"てぃ", "ち"},   {"ティ", "チ"},   {"でぃ", "じ"}, {"ディ", "ジ"},   {"ぢ", "じ"},
    {"ヂ", "ジ"},     {"づ", "ず"},     {"ヅ", "ズ"},   {"ゐ", "い"},     {"ヰ", "イ"},
    {"ゑ", "え"},     {"ヱ", "エ"},     {"ｳｧ", "ﾜ"},    {"ｳｨ", "ｲ"},      {"ｳｪ", "ｴ"},
    {"ｳｫ", "ｵ"},      {"ｳﾞｧ", "ﾊﾞ"},    {"ｳﾞｨ", "ﾋﾞ"},  {"ｳﾞ", "ﾌﾞ"},     {"ｳﾞｪ", "ﾍﾞ"},
    {"ｳﾞｫ", "ﾎﾞ"},    {"ﾂｨ", "ﾁ"},      {"ﾃｨ", "ﾁ"},    {"ﾃﾞｨ", "ｼﾞ"},    {"ﾁﾞ", "ｼﾞ"},
    {"ﾂﾞ", "ｽﾞ"},
};

// More than this is no table file of ours, and would not fit a string.
constexpr uint64_t kMaxPairArea = 0x3FFFFFFF;

void appendPair(std::string& area, std::string_view key, std::string_view replacement) {
    area.append(key);
    area.push_back('\0');
    area.append(replacement);
    area.push_back('\0');
}

// The pair area of a table file; false when the file cannot be opened or
// read, or is not a table file. The texts are CP932, or UTF-8 when the
// file starts with the byte-order mark (a companion).
bool readPairArea(const CLSTString& path, std::string& area) {
    CLSFileReadLine file;
    if (!file.open(path)) return false;
    CLSTString header;
    bool utf8 =
        file.readText(header, static_cast<int>(kUtf8Bom.size())) && header.view() == kUtf8Bom;
    if (!utf8) file.seek(0, SEEK_SET);
    if (!file.readText(header, 8) || header.length() != 8) return false;
    if (std::memcmp(header.text(), kVagueMagic, 4) != 0) return false;
    const unsigned char* n = reinterpret_cast<const unsigned char*>(header.text() + 4);
    uint64_t declared = n[0] | (n[1] << 8) | (n[2] << 16) | (static_cast<uint64_t>(n[3]) << 24);
    // A file shorter than its length field gives only what it holds.
    int64_t remaining = file.getRemaining();
    uint64_t size = declared < static_cast<uint64_t>(remaining) ? declared : remaining;
    if (size > kMaxPairArea) VR_THROW("VRLSET", CLSError::kMemory);
    CLSTString bytes;
    if (!file.readText(bytes, static_cast<int>(size))) return false;
    // The zero bytes between the texts stay.
    area.clear();
    if (!utf8) {
        AppendCp932AsUtf8(area, bytes.view());
    } else if (IsPlainlyNfc(bytes.view())) {
        area = bytes.str();
    } else {
        area = NormalizeNfc(bytes.view());  // a stray byte becomes U+FFFD
    }
    return true;
}

// A table file: the mark, the length of the pair area and the area.
std::string tableFile(std::string_view area) {
    uint32_t size = static_cast<uint32_t>(area.size());
    char header[8] = {kVagueMagic[0],
                      kVagueMagic[1],
                      kVagueMagic[2],
                      kVagueMagic[3],
                      static_cast<char>(size & 0xFF),
                      static_cast<char>((size >> 8) & 0xFF),
                      static_cast<char>((size >> 16) & 0xFF),
                      static_cast<char>((size >> 24) & 0xFF)};
    return std::string(header, sizeof header).append(area);
}

}  // namespace

const std::string& BuiltInVaguePairArea() {
    static const std::string area = [] {
        std::string out;
        for (const auto& pair : kBuiltInPairs)
            appendPair(out, pair[0], pair[1]);
        return out;
    }();
    return area;
}

const char* VagueEmptyPairMessage() {
    return "少なくとも１つに文字列を入力してください。";
}

CLSVagueTable::CLSVagueTable() {
    resetToBuiltIn();
}

void CLSVagueTable::resetToBuiltIn() {
    m_pairs.clear();
    const std::string& area = BuiltInVaguePairArea();
    addPairArea(area.data(), area.size());
}

bool CLSVagueTable::insert(const CLSTString& key, const CLSTString& replacement) {
    // An empty key would match at every position of an answer.
    if (key.isEmpty()) return false;
    return m_pairs.emplace(key, replacement).second;
}

bool CLSVagueTable::addPair(const CLSTString& text1, const CLSTString& text2) {
    if (text1.isEmpty() && text2.isEmpty()) return false;
    // The longer text (in the columns CP932 gave it) is the one replaced.
    if (DisplayColumns(text2.view()) > DisplayColumns(text1.view())) {
        insert(text2, text1);
    } else {
        insert(text1, text2);
    }
    return true;
}

const CLSTString* CLSVagueTable::find(const CLSTString& key) const {
    auto it = m_pairs.find(key);
    return it == m_pairs.end() ? nullptr : &it->second;
}

int CLSVagueTable::addPairArea(const char* data, size_t size) {
    int pairs = 0;
    size_t pos = 0;
    while (pos < size) {
        const void* keyEnd = std::memchr(data + pos, '\0', size - pos);
        if (!keyEnd) break;
        size_t keyLength = static_cast<const char*>(keyEnd) - (data + pos);
        size_t valuePos = pos + keyLength + 1;
        if (valuePos >= size) break;
        const void* valueEnd = std::memchr(data + valuePos, '\0', size - valuePos);
        if (!valueEnd) break;
        size_t valueLength = static_cast<const char*>(valueEnd) - (data + valuePos);
        insert(CLSTString::fromBytes(data + pos, static_cast<int>(keyLength)),
               CLSTString::fromBytes(data + valuePos, static_cast<int>(valueLength)));
        ++pairs;
        pos = valuePos + valueLength + 1;
    }
    return pairs;
}

std::string CLSVagueTable::pairArea() const {
    std::string area;
    for (const auto& [key, replacement] : m_pairs)
        appendPair(area, key.view(), replacement.view());
    return area;
}

bool CLSVagueTable::load(const CLSTString& path) {
    std::string area;
    bool fromFile = readPairArea(path, area);
    if (!fromFile) area = BuiltInVaguePairArea();
    addPairArea(area.data(), area.size());
    // The companion only ever holds pairs the table file could not; as the
    // file's own, they do not replace a pair already held.
    if (fromFile && readPairArea(Utf8CompanionPath(path), area))
        addPairArea(area.data(), area.size());
    return fromFile;
}

bool CLSVagueTable::save(const CLSTString& path) const {
    // A pair Shift-JIS cannot hold goes whole to the companion (UTF-8); the
    // older program finds the others where it always did.
    std::string area;
    std::string companion;
    for (const auto& [key, replacement] : m_pairs) {
        std::string cp932Key;
        std::string cp932Replacement;
        if (FitsCp932(key.view(), &cp932Key) && FitsCp932(replacement.view(), &cp932Replacement)) {
            appendPair(area, cp932Key, cp932Replacement);
        } else {
            appendPair(companion, key.view(), replacement.view());
        }
    }
    try {
        CLSFileSafeWrite out;
        if (!out.open(path)) return false;
        std::string bytes = tableFile(area);
        out.file().writeBytes(bytes.data(), bytes.size());
        CommitWithCompanion(out, Utf8CompanionPath(path),
                            companion.empty() ? "" : std::string(kUtf8Bom) + tableFile(companion));
    } catch (const CLSError&) {
        return false;
    }
    return true;
}
