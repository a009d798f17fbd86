// The codec's tables against glibc's iconv, which they are read from: every
// one- and two-byte code, every BMP character and random bytes both ways.

#include <errno.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <random>
#include <string>

#include "text/Codec.h"
#include "text/Unicode.h"

namespace {

// The streaming iconv conversion the program used before its tables: on a
// bad or unmappable sequence it steps as the codec must.
struct Reference {
    iconv_t cd;
    Reference(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Reference() { iconv_close(cd); }
    size_t run(const char* in, size_t len, std::string& out, bool* bad) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        size_t left = len;
        *bad = false;
        while (left > 0) {
            char chunk[256];
            char* dst = chunk;
            size_t room = sizeof chunk;
            size_t r = iconv(cd, &src, &left, &dst, &room);
            out.append(chunk, dst - chunk);
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                *bad = true;
                break;
            }
        }
        return len - left;
    }
};

// Converts as the program did: iconv as far as it goes, and at a bad or
// unmappable sequence skip(p, left, out) writes what stands for it and
// says how many bytes it takes.
template <class Skip>
void referenceConvert(Reference& r, std::string_view in, std::string& out, Skip skip) {
    const char* p = in.data();
    size_t left = in.size();
    while (left > 0) {
        bool bad = false;
        size_t used = r.run(p, left, out, &bad);
        p += used;
        left -= used;
        if (bad && left > 0) {
            size_t n = skip(p, left, out);
            p += n;
            left -= n;
        }
    }
}

std::string referenceDecode(std::string_view in) {
    static Reference r("UTF-8", "CP932");
    std::string out;
    referenceConvert(r, in, out, [](const char*, size_t, std::string& o) {
        o += "\xEF\xBF\xBD";
        return size_t{1};
    });
    return out;
}

size_t sequenceLength(unsigned char b) {
    if (b >= 0xF0 && b <= 0xF4) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC2 && b < 0xE0) return 2;
    return 1;
}

// What the program wrote before, less its list of look-alikes (glibc maps
// those itself, and the codec's own list stays behind them).
bool referenceEncode(std::string_view in, std::string& out, std::string& missing) {
    static Reference r("CP932", "UTF-8");
    out.clear();
    bool all = true;
    referenceConvert(r, in, out, [&](const char* p, size_t left, std::string& o) {
        size_t n = std::min(left, sequenceLength(static_cast<unsigned char>(*p)));
        all = false;
        missing.append(p, n);
        o += '?';
        return n;
    });
    return all;
}

std::string utf8Of(char32_t cp) {
    std::string u;
    AppendUtf8(u, cp);
    return u;
}

}  // namespace

TEST(Codec, DecodesEveryCodeAsIconvDoes) {
    for (int lead = 0; lead < 256; ++lead) {
        std::string one(1, static_cast<char>(lead));
        ASSERT_EQ(Cp932ToUtf8(one), referenceDecode(one)) << lead;
        // Each code between ASCII neighbours, so a bad trail byte shows how
        // the next character is read after it.
        for (int trail = 0; trail < 256; ++trail) {
            std::string in = "a" + one + static_cast<char>(trail) + "z";
            ASSERT_EQ(Cp932ToUtf8(in), referenceDecode(in)) << lead << " " << trail;
        }
    }
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string in(random() % 40, '\0');
        for (char& c : in)
            c = static_cast<char>(random() % 3 ? 0x80 + random() % 128 : random() % 256);
        ASSERT_EQ(Cp932ToUtf8(in), referenceDecode(in));
    }
}

TEST(Codec, EncodesEveryCharacterAsIconvDoes) {
    std::string out, expected, missing, expectedMissing;
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp < 0xE000) continue;
        std::string in = "a" + utf8Of(cp) + "z";
        missing.clear();
        expectedMissing.clear();
        bool all = Utf8ToCp932(in, out, &missing);
        ASSERT_EQ(all, referenceEncode(in, expected, expectedMissing))
            << std::hex << static_cast<unsigned>(cp);
        ASSERT_EQ(out, expected) << std::hex << static_cast<unsigned>(cp);
        ASSERT_EQ(missing, expectedMissing) << std::hex << static_cast<unsigned>(cp);
    }
    // Characters beyond the BMP, and bytes that are no UTF-8 at all: cut,
    // overlong, surrogates, stray continuation and lead bytes.
    std::mt19937 random(11);
    for (int round = 0; round < 5000; ++round) {
        std::string in;
        for (int k = random() % 12; k > 0; --k) {
            if (random() % 2) {
                in += utf8Of(random() % 3 ? 0x3000 + random() % 0x7000 : random() % 0x110000);
            } else {
                in += static_cast<char>(random() % 256);
            }
        }
        missing.clear();
        expectedMissing.clear();
        bool all = Utf8ToCp932(in, out, &missing);
        ASSERT_EQ(all, referenceEncode(in, expected, expectedMissing));
        ASSERT_EQ(out, expected);
        ASSERT_EQ(missing, expectedMissing);
    }
}
