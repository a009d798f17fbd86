#pragma once

#include <string>
#include <string_view>
#include <vector>

class CLSTStringArray;

/// Byte length (1 to 4) of the UTF-8 character at position pos of a text
/// of length len; 1 for a byte that starts no well-formed sequence there (a
/// stray byte is a character of its own). Never runs past the end.
inline int charLengthAt(const char* text, int pos, int len) {
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return 1;
    int n = lead >= 0xC2 && lead <= 0xDF   ? 2
            : lead >= 0xE0 && lead <= 0xEF ? 3
            : lead >= 0xF0 && lead <= 0xF4 ? 4
                                           : 1;
    if (n == 1 || pos + n > len) return 1;
    for (int i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    unsigned char second = static_cast<unsigned char>(text[pos + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 1;
    }
    return n;
}

// Scans over plain byte views, shared by CLSTString and the sentence code
// (which keeps its runs in compact strings).

/// Position of the first unescaped c at or after start, -1 when absent.
int FindCharEscaped(std::string_view text, char c, int start, char escapeChar);
/// Cuts text at unescaped separators (escape characters stay in the
/// pieces); maxCount >= 1 limits the pieces, the last keeping the rest.
void SplitEscaped(std::string_view text, char separator, char escapeChar, int maxCount,
                  std::vector<std::string_view>& pieces);
/// escapeMarkup of a plain text.
std::string EscapeMarkupText(std::string_view text);
/// Appends escapeMarkup of a plain text to out.
void AppendEscapedMarkup(std::string& out, std::string_view text);
/// unescapeMarkup of a text.
std::string UnescapeMarkupText(std::string_view text);

/// The program's order of two texts without regard to case: characters
/// CP932 holds go by their CP932 codes with one-byte A-Z folded to a-z (as
/// texts have always sorted), every other character after them by its
/// case-folded code point; negative, 0 or positive.
int CompareNoCase(std::string_view a, std::string_view b);
/// Appends to out a key of text whose plain byte order (shorter first on a
/// common start) is CompareNoCase's order. Sorting many texts compares keys
/// made once.
void AppendNoCaseKey(std::string& out, std::string_view text);

class CLSTString;
/// Copies of a text with escapeMarkup / unescapeMarkup applied.
CLSTString Escaped(const CLSTString& text);
CLSTString Unescaped(const CLSTString& text);

/// The program's string: an owned, zero-terminated UTF-8 text in NFC. Every
/// scan steps over whole characters, so a sequence is never cut. Positions
/// and lengths are in bytes. Misuse throws CLSError with the source "TSTRING".
class CLSTString {
  public:
    static constexpr int kUnit = 256;

    CLSTString();
    /// count -1 = to the end; a null text gives the empty string; a range
    /// outside the text throws code 8.
    CLSTString(const char* text, int pos = 0, int count = -1);
    explicit CLSTString(const std::string& text);
    CLSTString(const CLSTString& other);
    CLSTString(CLSTString&& other) noexcept;
    explicit CLSTString(char c);
    explicit CLSTString(int value);
    ~CLSTString();

    /// Exactly n bytes, embedded zero bytes included.
    static CLSTString fromBytes(const char* data, int n);

    CLSTString& operator=(const CLSTString& other);
    CLSTString& operator=(CLSTString&& other) noexcept;
    CLSTString& operator=(const char* text);
    CLSTString& operator=(char c);
    CLSTString& operator=(int value);

    const char* text() const { return m_buffer; }
    const char* c_str() const { return m_buffer; }
    int length() const { return m_length; }
    int capacity() const { return m_capacity; }
    bool isEmpty() const { return m_length == 0; }
    std::string_view view() const { return {m_buffer, static_cast<size_t>(m_length)}; }
    std::string str() const { return {m_buffer, static_cast<size_t>(m_length)}; }
    /// Throws code 11 for a position outside the text.
    char charAt(int pos) const;

    CLSTString& append(const CLSTString& s);
    CLSTString& append(const char* text);
    CLSTString& append(char c);
    CLSTString& append(int value);
    CLSTString& appendBytes(const char* data, int n);

    /// Replaces count bytes at pos (-1 = to the end) by text (null deletes).
    /// Throws code 8 for a range outside the text; the string is then unchanged.
    CLSTString& replace(int pos, int count, const char* text);
    CLSTString& replaceBytes(int pos, int count, const char* data, int n);
    CLSTString& erase(int pos, int count = -1) { return replace(pos, count, nullptr); }
    CLSTString& insertChar(int pos, char c);
    CLSTString& clear() { return replace(0, -1, nullptr); }
    /// Sets the length to n bytes (n <= length) keeping the first bytes.
    CLSTString& truncate(int n);

    /// Replaces every unescaped target; the search goes on after each
    /// inserted replacement. A null target throws code 8.
    CLSTString& replaceAll(const char* target, const char* replacement, char escapeChar = 0);
    CLSTString& replaceAll(const char* target, char replacement, char escapeChar = 0);
    CLSTString& replaceAll(char target, const char* replacement, char escapeChar = 0);
    CLSTString& replaceAll(char target, char replacement, char escapeChar = 0);
    CLSTString& removeAll(const char* text, char escapeChar = 0);
    CLSTString& removeAll(char c, char escapeChar = 0);

    /// Position of the first unescaped target from start, -1 when absent.
    int find(const char* target, int start = 0, char escapeChar = 0) const;
    int findChar(char c, int start = 0, char escapeChar = 0) const;
    /// Position of the first one-byte character that belongs to set; an
    /// escape character in the set is found too.
    int findFirstOf(const char* set, int start = 0, char escapeChar = 0) const;
    CLSTString substring(int pos, int count = -1) const;
    /// Pieces between unescaped separators. maxCount >= 1 limits the pieces,
    /// the last keeping the rest of the text; escape characters stay.
    CLSTStringArray tokenize(char separator, char escapeChar = 0, int maxCount = 0) const;

    // Normalisations for comparing answers; each works in place.
    CLSTString& toUpper();
    CLSTString& toHalfWidth();
    CLSTString& toKatakana();
    CLSTString& removeSymbols();

    /// Protects plain text against the sentence markup and field separators.
    CLSTString& escapeMarkup();
    /// Inverse of escapeMarkup: \n becomes CR LF, any other \x becomes x.
    CLSTString& unescapeMarkup();
    /// The text as a field of a comma-separated file.
    CLSTString quoteCsv() const;
    /// A colour 0xRRGGBB as R + G*256 + B*65536, else decimal or 0x hex; 0
    /// when the text is no number.
    int toInteger() const;
    /// True when the first character that is not a decimal digit is "%".
    bool isPercent() const;

    /// CompareNoCase's order.
    int compareNoCase(const char* text) const;
    int compare(const char* text) const;

    bool operator==(const CLSTString& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const CLSTString& other) const { return !(*this == other); }
    bool operator!=(const char* text) const { return !(*this == text); }
    /// Case-insensitive order, as the program sorts names.
    bool operator<(const CLSTString& other) const;

    CLSTString& operator+=(const CLSTString& s) { return append(s); }
    CLSTString& operator+=(const char* s) { return append(s); }
    CLSTString& operator+=(char c) { return append(c); }
    CLSTString& operator+=(int v) { return append(v); }

  private:
    void setLength(int length);  // re-applies the capacity rule
    static int capacityFor(int length) { return kUnit * ((length + 1) / kUnit + 1); }

    char* m_buffer;
    int m_capacity;
    int m_length;
};

CLSTString operator+(const CLSTString& a, const CLSTString& b);
CLSTString operator+(const CLSTString& a, const char* b);
CLSTString operator+(const char* a, const CLSTString& b);
CLSTString operator+(const CLSTString& a, char c);
CLSTString operator+(const CLSTString& a, int v);

/// Growable array of strings. It starts with room for 16 and doubles when
/// full: growing by a fixed step made every long line quadratic to split.
class CLSTStringArray {
  public:
    static constexpr int kInitialCapacity = 16;

    CLSTStringArray() { m_items.reserve(kInitialCapacity); }

    int count() const { return static_cast<int>(m_items.size()); }
    int capacity() const { return static_cast<int>(m_items.capacity()); }
    bool isEmpty() const { return m_items.empty(); }
    /// Throws code 11 for an index outside the array.
    const CLSTString& at(int index) const;
    CLSTString& at(int index);
    const CLSTString& operator[](int index) const { return at(index); }
    CLSTString& operator[](int index) { return at(index); }

    void add(const CLSTString& s);
    void add(CLSTString&& s);
    /// Throws code 11 for an index outside 0..count.
    void insert(int index, const CLSTString& s);
    void remove(int index);
    void clear() { m_items.clear(); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }

    bool operator==(const CLSTStringArray& other) const { return m_items == other.m_items; }

  private:
    void grow();
    std::vector<CLSTString> m_items;
};
