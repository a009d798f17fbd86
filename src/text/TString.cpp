#include "text/TString.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text/Codec.h"
#include "text/Error.h"
#include "text/Unicode.h"

namespace {

const char* const kSource = "TSTRING";

char* allocate(int capacity) {
    char* p = static_cast<char*>(std::malloc(capacity));
    if (!p) VR_THROW(kSource, CLSError::kMemory);
    return p;
}

std::string decimal(int value) {
    char buf[16];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

bool pointsInto(const char* p, const char* buffer, int capacity) {
    return p && p >= buffer && p < buffer + capacity;
}

}  // namespace

// ---- construction ----------------------------------------------------------

CLSTString::CLSTString() : m_buffer(allocate(kUnit)), m_capacity(kUnit), m_length(0) {
    m_buffer[0] = 0;
}

CLSTString::CLSTString(const char* text, int pos, int count) : CLSTString() {
    if (!text) return;
    int len = static_cast<int>(std::strlen(text));
    if (pos < 0 || pos > len) VR_THROW(kSource, CLSError::kParameter);
    if (count < 0) count = len - pos;
    if (count > len - pos) VR_THROW(kSource, CLSError::kParameter);
    replaceBytes(0, 0, text + pos, count);
}

CLSTString::CLSTString(const std::string& text) : CLSTString() {
    replaceBytes(0, 0, text.data(), static_cast<int>(text.size()));
}

CLSTString::CLSTString(const CLSTString& other)
    : m_buffer(allocate(other.m_capacity)), m_capacity(other.m_capacity), m_length(other.m_length) {
    std::memcpy(m_buffer, other.m_buffer, m_length + 1);
}

CLSTString::CLSTString(CLSTString&& other) noexcept
    : m_buffer(other.m_buffer), m_capacity(other.m_capacity), m_length(other.m_length) {
    // The moved-from string keeps a valid empty buffer when one can be had;
    // otherwise it holds nothing and is only fit for destruction.
    other.m_buffer = static_cast<char*>(std::malloc(kUnit));
    other.m_capacity = other.m_buffer ? kUnit : 0;
    other.m_length = 0;
    if (other.m_buffer) other.m_buffer[0] = 0;
}

CLSTString::CLSTString(char c) : CLSTString() {
    replaceBytes(0, 0, &c, 1);
}

CLSTString::CLSTString(int value) : CLSTString() {
    append(value);
}

CLSTString::~CLSTString() {
    std::free(m_buffer);
}

CLSTString CLSTString::fromBytes(const char* data, int n) {
    CLSTString s;
    s.replaceBytes(0, 0, data, n);
    return s;
}

CLSTString& CLSTString::operator=(const CLSTString& other) {
    if (this != &other) replaceBytes(0, m_length, other.m_buffer, other.m_length);
    return *this;
}

CLSTString& CLSTString::operator=(CLSTString&& other) noexcept {
    if (this != &other) {
        std::swap(m_buffer, other.m_buffer);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_length, other.m_length);
    }
    return *this;
}

CLSTString& CLSTString::operator=(const char* text) {
    return replace(0, m_length, text ? text : "");
}

CLSTString& CLSTString::operator=(char c) {
    return replaceBytes(0, m_length, &c, 1);
}

CLSTString& CLSTString::operator=(int value) {
    std::string d = decimal(value);
    return replaceBytes(0, m_length, d.data(), static_cast<int>(d.size()));
}

char CLSTString::charAt(int pos) const {
    if (pos < 0 || pos >= m_length) VR_THROW(kSource, CLSError::kIndex);
    return m_buffer[pos];
}

// ---- editing ---------------------------------------------------------------

void CLSTString::setLength(int length) {
    int cap = capacityFor(length);
    if (cap != m_capacity || !m_buffer) {
        char* p = static_cast<char*>(std::realloc(m_buffer, cap));
        if (!p) VR_THROW(kSource, CLSError::kMemory);
        m_buffer = p;
        m_capacity = cap;
    }
    m_length = length;
    m_buffer[length] = 0;
}

CLSTString& CLSTString::append(const CLSTString& s) {
    return replaceBytes(m_length, 0, s.m_buffer, s.m_length);
}

CLSTString& CLSTString::append(const char* text) {
    if (!text) return *this;
    return replaceBytes(m_length, 0, text, static_cast<int>(std::strlen(text)));
}

CLSTString& CLSTString::append(char c) {
    return replaceBytes(m_length, 0, &c, 1);
}

CLSTString& CLSTString::append(int value) {
    std::string d = decimal(value);
    return replaceBytes(m_length, 0, d.data(), static_cast<int>(d.size()));
}

CLSTString& CLSTString::appendBytes(const char* data, int n) {
    return replaceBytes(m_length, 0, data, n);
}

CLSTString& CLSTString::replace(int pos, int count, const char* text) {
    return replaceBytes(pos, count, text, text ? static_cast<int>(std::strlen(text)) : 0);
}

CLSTString& CLSTString::replaceBytes(int pos, int count, const char* data, int n) {
    if (count < 0) count = m_length - pos;
    if (pos < 0 || count < 0 || pos > m_length || count > m_length - pos || n < 0 ||
        (n > 0 && !data)) {
        VR_THROW(kSource, CLSError::kParameter);
    }
    long long newLength = static_cast<long long>(m_length) - count + n;
    if (newLength > INT_MAX - 2 * kUnit) VR_THROW(kSource, CLSError::kMemory);

    // The new text may be a piece of this very string; keep a copy before
    // the buffer moves.
    std::string copy;
    if (pointsInto(data, m_buffer, m_capacity)) {
        copy.assign(data, n);
        data = copy.data();
    }
    int oldLength = m_length;
    int tail = oldLength - pos - count;
    if (newLength > oldLength) {
        setLength(static_cast<int>(newLength));  // grow first, then move the tail up
        std::memmove(m_buffer + pos + n, m_buffer + pos + count, tail);
    } else {
        std::memmove(m_buffer + pos + n, m_buffer + pos + count, tail);
    }
    if (n > 0) std::memcpy(m_buffer + pos, data, n);
    setLength(static_cast<int>(newLength));  // shrinks when the text got shorter
    return *this;
}

CLSTString& CLSTString::insertChar(int pos, char c) {
    return replaceBytes(pos, 0, &c, 1);
}

CLSTString& CLSTString::truncate(int n) {
    if (n < 0 || n > m_length) VR_THROW(kSource, CLSError::kParameter);
    setLength(n);
    return *this;
}

CLSTString& CLSTString::replaceAll(const char* target, const char* replacement, char escapeChar) {
    if (!target) VR_THROW(kSource, CLSError::kParameter);
    int targetLength = static_cast<int>(std::strlen(target));
    if (targetLength == 0) return *this;  // nothing to look for; avoids an endless loop
    int replacementLength = replacement ? static_cast<int>(std::strlen(replacement)) : 0;
    int pos = find(target, 0, escapeChar);
    while (pos >= 0) {
        replaceBytes(pos, targetLength, replacement, replacementLength);
        pos = find(target, pos + replacementLength, escapeChar);
    }
    return *this;
}

CLSTString& CLSTString::replaceAll(const char* target, char replacement, char escapeChar) {
    char r[2] = {replacement, 0};
    return replaceAll(target, r, escapeChar);
}

CLSTString& CLSTString::replaceAll(char target, const char* replacement, char escapeChar) {
    char t[2] = {target, 0};
    return replaceAll(t, replacement, escapeChar);
}

CLSTString& CLSTString::replaceAll(char target, char replacement, char escapeChar) {
    char t[2] = {target, 0};
    char r[2] = {replacement, 0};
    return replaceAll(t, r, escapeChar);
}

CLSTString& CLSTString::removeAll(const char* text, char escapeChar) {
    return replaceAll(text, "", escapeChar);
}

CLSTString& CLSTString::removeAll(char c, char escapeChar) {
    char t[2] = {c, 0};
    return replaceAll(t, "", escapeChar);
}

// ---- searching -------------------------------------------------------------

int FindCharEscaped(std::string_view text, char c, int start, char escapeChar) {
    const char* p = text.data();
    int len = static_cast<int>(text.size());
    if (start < 0) start = 0;
    if (start >= len) return -1;
    // No byte of a UTF-8 sequence beyond ASCII is below 0x80, so a one-byte
    // character is found by its byte alone.
    if (escapeChar == 0) {
        const void* hit = std::memchr(p + start, c, len - start);
        return hit ? static_cast<int>(static_cast<const char*>(hit) - p) : -1;
    }
    int pos = start;
    while (pos < len) {
        char b = p[pos];
        if (b == escapeChar) {
            ++pos;
            if (pos < len) pos += charLengthAt(p, pos, len);
            continue;
        }
        if (b == c) return pos;
        ++pos;
    }
    return -1;
}

void SplitEscaped(std::string_view text, char separator, char escapeChar, int maxCount,
                  std::vector<std::string_view>& pieces) {
    pieces.clear();
    int start = 0;
    while (true) {
        int pos = (maxCount >= 1 && static_cast<int>(pieces.size()) + 1 >= maxCount)
                      ? -1
                      : FindCharEscaped(text, separator, start, escapeChar);
        if (pos < 0) {
            pieces.push_back(text.substr(start));
            return;
        }
        pieces.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
}

namespace {

// Bytes that escaping must look at: the markup characters and line ends
// ("#"/"$" only at the start). Bytes of longer characters never need it.
struct EscapeTable {
    bool attention[256] = {};
    EscapeTable() {
        for (unsigned char c : std::string_view("\\()[]|,'\r\n"))
            attention[c] = true;
    }
};

const EscapeTable kEscapeTable;

}  // namespace

void AppendEscapedMarkup(std::string& out, std::string_view text) {
    const char* p = text.data();
    int len = static_cast<int>(text.size());
    int pos = 0;
    if (len > 0 && (p[0] == '#' || p[0] == '$')) {
        out += '\\';
        out += p[0];
        pos = 1;
    }
    while (pos < len) {
        // Copy the plain stretch at once.
        int start = pos;
        while (pos < len && !kEscapeTable.attention[static_cast<unsigned char>(p[pos])])
            ++pos;
        out.append(p + start, pos - start);
        if (pos >= len) break;
        int n = 1;
        char c = p[pos];
        if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && pos + 1 < len && p[pos + 1] == '\n') ++pos;
        } else if (c == '\\' || c == '(' || c == ')' || c == '[' || c == ']' || c == '|' ||
                   c == ',' || c == '\'') {
            out += '\\';
            out += c;
        }
        pos += n;
    }
}

std::string EscapeMarkupText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    AppendEscapedMarkup(out, text);
    return out;
}

std::string UnescapeMarkupText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const char* p = text.data();
    int len = static_cast<int>(text.size());
    int pos = 0;
    while (pos < len) {
        int n = charLengthAt(p, pos, len);
        if (n == 1 && p[pos] == '\\') {
            // A backslash escapes the next character; one at the very end
            // escapes nothing and goes, or the learner would have to type it.
            if (++pos >= len) break;
            if (p[pos] == 'n') {
                out += "\r\n";
                ++pos;
            } else {
                int next = charLengthAt(p, pos, len);
                out.append(p + pos, next);
                pos += next;
            }
            continue;
        }
        out.append(p + pos, n);
        pos += n;
    }
    return out;
}

CLSTString Escaped(const CLSTString& text) {
    return CLSTString(EscapeMarkupText(text.view()));
}

CLSTString Unescaped(const CLSTString& text) {
    return CLSTString(UnescapeMarkupText(text.view()));
}

int CLSTString::find(const char* target, int start, char escapeChar) const {
    if (!target || start < 0) VR_THROW(kSource, CLSError::kParameter);
    int targetLength = static_cast<int>(std::strlen(target));
    if (targetLength == 1) return FindCharEscaped(view(), target[0], start, escapeChar);
    int pos = start;
    while (pos < m_length) {
        char b = m_buffer[pos];
        if (escapeChar && b == escapeChar) {
            ++pos;
            if (pos < m_length) pos += charLengthAt(m_buffer, pos, m_length);
            continue;
        }
        if (b == target[0] && targetLength <= m_length - pos &&
            std::memcmp(m_buffer + pos, target, targetLength) == 0) {
            return pos;
        }
        pos += charLengthAt(m_buffer, pos, m_length);
    }
    return -1;
}

int CLSTString::findChar(char c, int start, char escapeChar) const {
    if (start < 0) VR_THROW(kSource, CLSError::kParameter);
    return FindCharEscaped(view(), c, start, escapeChar);
}

int CLSTString::findFirstOf(const char* set, int start, char escapeChar) const {
    if (!set || start < 0) VR_THROW(kSource, CLSError::kParameter);
    int pos = start;
    while (pos < m_length) {
        char c = m_buffer[pos];
        if (c != 0 && std::strchr(set, c)) return pos;
        if (escapeChar && c == escapeChar) {
            ++pos;
            if (pos < m_length) pos += charLengthAt(m_buffer, pos, m_length);
            continue;
        }
        pos += charLengthAt(m_buffer, pos, m_length);
    }
    return -1;
}

CLSTString CLSTString::substring(int pos, int count) const {
    if (pos < 0 || pos > m_length) VR_THROW(kSource, CLSError::kParameter);
    if (count < 0) count = m_length - pos;
    if (count > m_length - pos) VR_THROW(kSource, CLSError::kParameter);
    return fromBytes(m_buffer + pos, count);
}

CLSTStringArray CLSTString::tokenize(char separator, char escapeChar, int maxCount) const {
    std::vector<std::string_view> views;
    SplitEscaped(view(), separator, escapeChar, maxCount, views);
    CLSTStringArray pieces;
    for (std::string_view v : views)
        pieces.add(fromBytes(v.data(), static_cast<int>(v.size())));
    return pieces;
}

// ---- conversions -----------------------------------------------------------

CLSTString& CLSTString::escapeMarkup() {
    std::string out = EscapeMarkupText(view());
    return replaceBytes(0, m_length, out.data(), static_cast<int>(out.size()));
}

CLSTString& CLSTString::unescapeMarkup() {
    std::string out = UnescapeMarkupText(view());
    return replaceBytes(0, m_length, out.data(), static_cast<int>(out.size()));
}

CLSTString CLSTString::quoteCsv() const {
    bool needsQuotes = false;
    for (int i = 0; i < m_length; ++i) {
        char c = m_buffer[i];
        if (c == ',' || c == '"' || c == '\t' || c == '\r' || c == '\n') {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) return *this;
    std::string out = "\"";
    for (int i = 0; i < m_length; ++i) {
        char c = m_buffer[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r') {
            out += '\n';
            if (i + 1 < m_length && m_buffer[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    out += '"';
    return CLSTString(out);
}

namespace {

// StrToIntEx with hexadecimal support: optional blanks and sign, then
// decimal digits or "0x" and hex digits. false when there is no number.
bool parseInteger(const char* p, const char* end, int* value) {
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = (*p++ == '-');
    unsigned int v = 0;
    bool any = false;
    if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        for (p += 2; p < end; ++p) {
            int d;
            if (*p >= '0' && *p <= '9') {
                d = *p - '0';
            } else if (*p >= 'a' && *p <= 'f') {
                d = *p - 'a' + 10;
            } else if (*p >= 'A' && *p <= 'F') {
                d = *p - 'A' + 10;
            } else {
                break;
            }
            v = v * 16 + d;
            any = true;
        }
    } else {
        for (; p < end && *p >= '0' && *p <= '9'; ++p) {
            v = v * 10 + (*p - '0');
            any = true;
        }
    }
    if (!any) return false;
    *value = static_cast<int>(negative ? 0u - v : v);
    return true;
}

int integerOf(const char* p, int n) {
    int v = 0;
    return parseInteger(p, p + n, &v) ? v : 0;
}

}  // namespace

int CLSTString::toInteger() const {
    if (m_length == 8 && m_buffer[0] == '0' && (m_buffer[1] == 'x' || m_buffer[1] == 'X')) {
        char g[4] = {'0', 'x', m_buffer[4], m_buffer[5]};
        char b[4] = {'0', 'x', m_buffer[6], m_buffer[7]};
        int red = integerOf(m_buffer, 4);
        int green = integerOf(g, 4);
        int blue = integerOf(b, 4);
        return red + green * 256 + blue * 65536;
    }
    return integerOf(m_buffer, m_length);
}

bool CLSTString::isPercent() const {
    for (int i = 0; i < m_length; ++i) {
        if (m_buffer[i] < '0' || m_buffer[i] > '9') return m_buffer[i] == '%';
    }
    return false;
}

// ---- comparison ------------------------------------------------------------

namespace {

// The sort key of the character at pos, written to key (at most 4 bytes);
// returns its length. Characters CP932 holds give their CP932 bytes, so
// texts sort exactly as the Shift-JIS files always have; every other one
// gives 0xFE (no CP932 byte) and its code point. Keys of different lengths
// start with different bytes, so comparing keys one character at a time
// is comparing the whole keys.
int sortKeyAt(const char* p, int pos, int len, bool foldCase, unsigned char* key, int* charLength) {
    unsigned char b = static_cast<unsigned char>(p[pos]);
    if (b < 0x80) {
        *charLength = 1;
        key[0] = foldCase && b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
        return 1;
    }
    int n = 0;
    char32_t cp = DecodeUtf8(std::string_view(p, len), pos, &n);
    *charLength = n;
    int code = Cp932CodeOf(cp);
    if (code >= 0x100) {
        key[0] = static_cast<unsigned char>(code >> 8);
        key[1] = static_cast<unsigned char>(code);
        return 2;
    }
    if (code >= 0) {
        key[0] = static_cast<unsigned char>(code);
        return 1;
    }
    if (foldCase) cp = LowerCase(cp);
    key[0] = 0xFE;
    key[1] = static_cast<unsigned char>(cp >> 16);
    key[2] = static_cast<unsigned char>(cp >> 8);
    key[3] = static_cast<unsigned char>(cp);
    return 4;
}

int compareBytes(const char* a, int aLen, const char* b, int bLen, bool foldCase) {
    int i = 0, j = 0;
    while (i < aLen && j < bLen) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[j]);
        if (x < 0x80 && y < 0x80) {
            // The common case: two ASCII characters.
            if (foldCase) {
                if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
                if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
            }
            if (x != y) return x < y ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        unsigned char ka[4], kb[4];
        int na = 0, nb = 0;
        int la = sortKeyAt(a, i, aLen, foldCase, ka, &na);
        int lb = sortKeyAt(b, j, bLen, foldCase, kb, &nb);
        int common = la < lb ? la : lb;
        if (int d = std::memcmp(ka, kb, common)) return d < 0 ? -1 : 1;
        if (la != lb) return la < lb ? -1 : 1;
        i += na;
        j += nb;
    }
    bool aDone = i >= aLen, bDone = j >= bLen;
    if (aDone && bDone) return 0;
    return aDone ? -1 : 1;
}

}  // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    return compareBytes(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                        true);
}

void AppendNoCaseKey(std::string& out, std::string_view text) {
    const char* p = text.data();
    const int length = static_cast<int>(text.size());
    int i = 0;
    while (i < length) {
        unsigned char key[4];
        int n = 0;
        int k = sortKeyAt(p, i, length, true, key, &n);
        out.append(reinterpret_cast<const char*>(key), k);
        i += n;
    }
}

int CLSTString::compareNoCase(const char* text) const {
    if (!text) text = "";
    return compareBytes(m_buffer, m_length, text, static_cast<int>(std::strlen(text)), true);
}

int CLSTString::compare(const char* text) const {
    if (!text) text = "";
    return compareBytes(m_buffer, m_length, text, static_cast<int>(std::strlen(text)), false);
}

bool CLSTString::operator==(const CLSTString& other) const {
    return m_length == other.m_length && std::memcmp(m_buffer, other.m_buffer, m_length) == 0;
}

bool CLSTString::operator==(const char* text) const {
    if (!text) text = "";
    return std::strlen(text) == static_cast<size_t>(m_length) &&
           std::memcmp(m_buffer, text, m_length) == 0;
}

bool CLSTString::operator<(const CLSTString& other) const {
    return compareBytes(m_buffer, m_length, other.m_buffer, other.m_length, true) < 0;
}

CLSTString operator+(const CLSTString& a, const CLSTString& b) {
    return CLSTString(a).append(b);
}
CLSTString operator+(const CLSTString& a, const char* b) {
    return CLSTString(a).append(b);
}
CLSTString operator+(const char* a, const CLSTString& b) {
    return CLSTString(a).append(b);
}
CLSTString operator+(const CLSTString& a, char c) {
    return CLSTString(a).append(c);
}
CLSTString operator+(const CLSTString& a, int v) {
    return CLSTString(a).append(v);
}

// ---- array -----------------------------------------------------------------

const CLSTString& CLSTStringArray::at(int index) const {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    return m_items[index];
}

CLSTString& CLSTStringArray::at(int index) {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    return m_items[index];
}

void CLSTStringArray::grow() {
    if (m_items.size() == m_items.capacity()) {
        size_t doubled = 2 * m_items.capacity();
        m_items.reserve(doubled < kInitialCapacity ? kInitialCapacity : doubled);
    }
}

void CLSTStringArray::add(const CLSTString& s) {
    grow();
    m_items.push_back(s);
}

void CLSTStringArray::add(CLSTString&& s) {
    grow();
    m_items.push_back(std::move(s));
}

void CLSTStringArray::insert(int index, const CLSTString& s) {
    if (index < 0 || index > count()) VR_THROW(kSource, CLSError::kIndex);
    grow();
    m_items.insert(m_items.begin() + index, s);
}

void CLSTStringArray::remove(int index) {
    if (index < 0 || index >= count()) VR_THROW(kSource, CLSError::kIndex);
    m_items.erase(m_items.begin() + index);
}
