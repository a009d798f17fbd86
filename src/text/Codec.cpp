#include "text/Codec.h"

#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "text/Unicode.h"

namespace {

// The mapping is glibc's CP932, read once into tables: converting through
// iconv a line at a time cost more than everything else a file load did,
// and the tables give the very same bytes (the tests compare every code).

// iconv descriptors are costly to open and not shareable between threads,
// so each thread keeps one for the lookups.
class Converter {
  public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one whole character; false when iconv takes not all of it.
    bool one(const char* in, size_t inLen, char* out, size_t* outLen) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        size_t srcLeft = inLen;
        char* dst = out;
        size_t dstLeft = *outLen;
        size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
        if (r == static_cast<size_t>(-1) || srcLeft != 0) return false;
        *outLen = static_cast<size_t>(dst - out);
        return true;
    }

  private:
    iconv_t m_cd;
};

// A character's UTF-8 bytes packed low byte first, with their count in
// the low bits of the top byte; 0 where nothing is decoded. kNotOwnCode
// marks a code whose character CP932 writes with another code (the NEC and
// IBM duplicates): such text does not go back to the bytes it came from.
using Packed = uint32_t;
constexpr Packed kNotOwnCode = 0x80000000u;

Packed pack(const char* utf8, size_t n) {
    Packed p = static_cast<Packed>(n) << 24;
    for (size_t i = 0; i < n && i < 3; ++i)
        p |= static_cast<Packed>(static_cast<unsigned char>(utf8[i])) << (8 * i);
    return p;
}

struct DecodeTables {
    Packed single[256] = {};
    bool lead[256] = {};
    std::vector<Packed> pair = std::vector<Packed>(65536, 0);  // lead << 8 | trail
};

const DecodeTables& decodeTables() {
    static const DecodeTables tables = [] {
        DecodeTables t;
        Converter c("UTF-8", "CP932");
        Converter back("CP932", "UTF-8");
        char out[8];
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            size_t n = sizeof out;
            if (c.one(&in, 1, out, &n) && n <= 3) t.single[b] = pack(out, n);
        }
        for (int l = 0; l < 256; ++l) {
            if (t.single[l]) continue;
            for (int tr = 0; tr < 256; ++tr) {
                char in[2] = {static_cast<char>(l), static_cast<char>(tr)};
                size_t n = sizeof out;
                if (c.one(in, 2, out, &n) && n <= 3) {
                    Packed packed = pack(out, n);
                    char again[4];
                    size_t m = sizeof again;
                    if (!back.one(out, n, again, &m) || m != 2 || std::memcmp(again, in, 2) != 0) {
                        packed |= kNotOwnCode;
                    }
                    t.pair[(l << 8) | tr] = packed;
                    t.lead[l] = true;
                }
            }
        }
        return t;
    }();
    return tables;
}

// The CP932 code of each BMP character (1 or 2 bytes: a value below 0x100
// is one byte), found on first use: most texts use few characters, and
// asking iconv for all 63,000 costs more than a small file's load.
constexpr int32_t kUnknown = -1, kUnmappable = -2, kDropped = -3;

std::atomic<int32_t>* encodeTable() {
    static std::atomic<int32_t>* table = [] {
        auto* t = new std::atomic<int32_t>[65536];
        for (int i = 0; i < 65536; ++i)
            t[i].store(kUnknown, std::memory_order_relaxed);
        return t;
    }();
    return table;
}

int32_t askIconv(const char* utf8, size_t n) {
    thread_local Converter c("CP932", "UTF-8");
    char out[4];
    size_t len = sizeof out;
    if (!c.one(utf8, n, out, &len)) return kUnmappable;
    // glibc passes over the invisible language tags (U+E0000-U+E007F).
    if (len == 0) return kDropped;
    if (len == 1) return static_cast<unsigned char>(out[0]);
    if (len == 2)
        return (static_cast<unsigned char>(out[0]) << 8) | static_cast<unsigned char>(out[1]);
    return kUnmappable;
}

int32_t cp932CodeOf(char32_t cp, const char* utf8, size_t n) {
    // Beyond the BMP CP932 holds nothing; iconv is asked for what it skips.
    if (cp >= 0x10000) return askIconv(utf8, n);
    std::atomic<int32_t>& slot = encodeTable()[cp];
    int32_t code = slot.load(std::memory_order_relaxed);
    if (code == kUnknown) {
        code = askIconv(utf8, n);
        slot.store(code, std::memory_order_relaxed);
    }
    return code;
}

// Length of the UTF-8 sequence starting with lead byte b (1 for a stray byte).
size_t utf8SequenceLength(unsigned char b) {
    if (b >= 0xF0 && b <= 0xF4) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC2 && b < 0xE0) return 2;
    return 1;
}

// Characters that other platforms' Japanese input produces where CP932 has
// a look-alike: typed answers must not turn into "?" because of them.
const char* lookAlike(const char* p, size_t n) {
    struct Pair {
        const char* utf8;
        const char* cp932;
    };
    static const Pair pairs[] = {
        {"\xE3\x80\x9C", "\x81\x60"},  // WAVE DASH -> FULLWIDTH TILDE
        {"\xE2\x80\x96", "\x81\x61"},  // DOUBLE VERTICAL LINE -> PARALLEL TO
        {"\xE2\x88\x92", "\x81\x7C"},  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
        {"\xE2\x80\x94", "\x81\x5C"},  // EM DASH -> HORIZONTAL BAR
        {"\xC2\xA2", "\x81\x91"},      // CENT SIGN
        {"\xC2\xA3", "\x81\x92"},      // POUND SIGN
        {"\xC2\xAC", "\x81\xCA"},      // NOT SIGN
        {"\xC2\xA5", "\x5C"},          // YEN SIGN: the yen key of Japanese keyboards
    };
    for (const Pair& pair : pairs) {
        if (std::strlen(pair.utf8) == n && std::memcmp(pair.utf8, p, n) == 0) return pair.cp932;
    }
    return nullptr;
}

}  // namespace

bool AppendCp932AsUtf8(std::string& output, std::string_view cp932) {
    const DecodeTables& t = decodeTables();
    const auto* p = reinterpret_cast<const unsigned char*>(cp932.data());
    size_t n = cp932.size();
    // At most three bytes come of one (a half-width katakana).
    size_t start = output.size();
    output.resize(start + n * 3);
    char* o = output.data() + start;
    auto put = [&o](Packed packed) {
        size_t len = (packed >> 24) & 3;
        o[0] = static_cast<char>(packed);
        o[1] = static_cast<char>(packed >> 8);
        o[2] = static_cast<char>(packed >> 16);
        o += len;
    };
    bool exact = true;
    size_t i = 0;
    while (i < n) {
        unsigned char b = p[i];
        if (b < 0x80) {
            // ASCII is itself in CP932.
            *o++ = static_cast<char>(b);
            ++i;
        } else if (Packed one = t.single[b]) {
            put(one);
            ++i;
        } else if (i + 1 < n && t.lead[b] && t.pair[(b << 8) | p[i + 1]]) {
            Packed two = t.pair[(b << 8) | p[i + 1]];
            if (two & kNotOwnCode) exact = false;
            put(two);
            i += 2;
        } else {
            put(pack("\xEF\xBF\xBD", 3));  // U+FFFD for the one offending byte
            exact = false;
            ++i;
        }
    }
    output.resize(static_cast<size_t>(o - output.data()));
    return exact;
}

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    AppendCp932AsUtf8(out, cp932);
    return out;
}

bool Utf8ToCp932(std::string_view utf8, std::string& out, std::string* unmappable) {
    out.clear();
    return AppendUtf8AsCp932(out, utf8, unmappable);
}

bool AppendUtf8AsCp932(std::string& out, std::string_view utf8, std::string* unmappable) {
    out.reserve(out.size() + utf8.size());
    bool allMapped = true;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    size_t left = utf8.size();
    while (left > 0) {
        if (*p < 0x80) {
            // ASCII is itself in CP932: a run of it is copied at once.
            size_t run = 1;
            while (run < left && p[run] < 0x80)
                ++run;
            out.append(reinterpret_cast<const char*>(p), run);
            p += run;
            left -= run;
            continue;
        }
        size_t n = std::min(left, utf8SequenceLength(*p));
        // The sequence's code point when it is one well-formed character of
        // those n bytes; what iconv refuses is skipped n bytes at a time.
        int length = 0;
        char32_t decoded =
            DecodeUtf8(std::string_view(reinterpret_cast<const char*>(p), left), 0, &length);
        int32_t cp = static_cast<size_t>(length) == n && (n > 1 || *p < 0x80)
                         ? static_cast<int32_t>(decoded)
                         : -1;
        int32_t code =
            cp >= 0 ? cp932CodeOf(static_cast<char32_t>(cp), reinterpret_cast<const char*>(p), n)
                    : kUnmappable;
        if (code >= 0x100) {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else if (code >= 0) {
            out += static_cast<char>(code);
        } else if (code == kDropped) {
        } else if (const char* alike = lookAlike(reinterpret_cast<const char*>(p), n)) {
            out += alike;
        } else {
            allMapped = false;
            if (unmappable) unmappable->append(reinterpret_cast<const char*>(p), n);
            out += '?';
        }
        p += n;
        left -= n;
    }
    return allMapped;
}

bool FitsCp932(std::string_view utf8, std::string* cp932) {
    std::string bytes;
    if (!AppendUtf8AsCp932(bytes, utf8, nullptr)) return false;
    // A look-alike (U+301C for the CP932 wave dash) or a dropped character
    // reads back as other text: in a file name that names another file.
    std::string back;
    AppendCp932AsUtf8(back, bytes);
    if (back != utf8) return false;
    if (cp932) *cp932 = std::move(bytes);
    return true;
}

bool IsValidUtf8(std::string_view bytes, bool cutAllowed) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        size_t len = b >= 0xF5 ? 1 : utf8SequenceLength(b);
        if (len == 1) return false;  // a continuation byte, 0xC0, 0xC1 or 0xF5..0xFF
        if (i + len > n) {
            // Cut off: the bytes there must still be continuation bytes.
            for (size_t k = i + 1; k < n; ++k)
                if ((p[k] & 0xC0) != 0x80) return false;
            return cutAllowed;
        }
        for (size_t k = 1; k < len; ++k)
            if ((p[i + k] & 0xC0) != 0x80) return false;
        unsigned char second = p[i + 1];
        if (b == 0xE0 && second < 0xA0) return false;  // overlong
        if (b == 0xED && second > 0x9F) return false;  // surrogate
        if (b == 0xF0 && second < 0x90) return false;  // overlong
        if (b == 0xF4 && second > 0x8F) return false;  // beyond U+10FFFF
        i += len;
    }
    return true;
}

std::string Utf8ToCp932Literal(std::string_view utf8) {
    std::string out;
    if (!Utf8ToCp932(utf8, out)) {
        // A program text that CP932 cannot hold is a programming error.
        std::abort();
    }
    return out;
}

int Cp932CodeOf(char32_t cp) {
    if (cp >= 0x110000 || (cp >= 0xD800 && cp < 0xE000)) return -1;
    char utf8[4];
    size_t n = 0;
    if (cp < 0x80) {
        utf8[n++] = static_cast<char>(cp);
    } else if (cp < 0x800) {
        utf8[n++] = static_cast<char>(0xC0 | (cp >> 6));
        utf8[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        utf8[n++] = static_cast<char>(0xE0 | (cp >> 12));
        utf8[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        utf8[n++] = static_cast<char>(0xF0 | (cp >> 18));
        utf8[n++] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        utf8[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    }
    int32_t code = cp932CodeOf(cp, utf8, n);
    if (code >= 0) return code;
    if (code == kUnmappable) {
        if (const char* alike = lookAlike(utf8, n)) {
            const auto* b = reinterpret_cast<const unsigned char*>(alike);
            return b[1] ? (b[0] << 8) | b[1] : b[0];
        }
    }
    return -1;
}

void AppendCp932Code(std::string& out, int code) {
    const DecodeTables& t = decodeTables();
    Packed packed = 0;
    if (code >= 0 && code < 0x100) {
        packed = t.single[code];
    } else if (code >= 0x100 && code < 0x10000) {
        packed = t.pair[code];
    }
    if (!packed) packed = pack("\xEF\xBF\xBD", 3);
    char bytes[3] = {static_cast<char>(packed), static_cast<char>(packed >> 8),
                     static_cast<char>(packed >> 16)};
    out.append(bytes, (packed >> 24) & 3);
}

std::string FoldToCp932Forms(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const int size = static_cast<int>(utf8.size());
    for (int pos = 0; pos < size;) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            out += utf8[pos++];
            continue;
        }
        int length = 0;
        char32_t cp = DecodeUtf8(utf8, pos, &length);
        int code = length > 1 ? Cp932CodeOf(cp) : -1;
        if (code >= 0) {
            AppendCp932Code(out, code);
        } else {
            out.append(utf8.substr(static_cast<size_t>(pos), static_cast<size_t>(length)));
        }
        pos += length;
    }
    return out;
}
