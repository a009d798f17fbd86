#include "text/Codec.h"

#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

// iconv descriptors are costly to open and not shareable between threads,
// so each thread keeps one pair.
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

    // Converts as much as possible. Returns the input bytes consumed before a
    // stop; *bad is set when the stop was an invalid or incomplete sequence.
    size_t run(const char* in, size_t inLen, std::string& out, bool* bad) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        size_t srcLeft = inLen;
        char chunk[4096];
        *bad = false;
        while (srcLeft > 0) {
            char* dst = chunk;
            size_t dstLeft = sizeof chunk;
            size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(chunk, dst - chunk);
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                *bad = true;
                break;
            }
        }
        return inLen - srcLeft;
    }

  private:
    iconv_t m_cd;
};

Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
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

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    const char* p = cp932.data();
    size_t left = cp932.size();
    while (left > 0) {
        bool bad = false;
        size_t used = decoder().run(p, left, out, &bad);
        p += used;
        left -= used;
        if (bad && left > 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD for the one offending byte
            ++p;
            --left;
        }
    }
    return out;
}

bool Utf8ToCp932(std::string_view utf8, std::string& out, std::string* unmappable) {
    out.clear();
    out.reserve(utf8.size());
    bool allMapped = true;
    const char* p = utf8.data();
    size_t left = utf8.size();
    while (left > 0) {
        bool bad = false;
        size_t used = encoder().run(p, left, out, &bad);
        p += used;
        left -= used;
        if (bad && left > 0) {
            size_t n = std::min(left, utf8SequenceLength(static_cast<unsigned char>(*p)));
            if (const char* alike = lookAlike(p, n)) {
                out += alike;
                p += n;
                left -= n;
                continue;
            }
            allMapped = false;
            if (unmappable) unmappable->append(p, n);
            out += '?';
            p += n;
            left -= n;
        }
    }
    return allMapped;
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
