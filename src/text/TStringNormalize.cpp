// The normalisations answers are compared with. Each walks the text one
// character at a time; the Japanese rules go by CP932 codes.

#include "text/Codec.h"
#include "text/TString.h"
#include "text/Unicode.h"

namespace {

constexpr int kVoiced = -1;      // previous kana plus the voiced mark
constexpr int kSemiVoiced = -2;  // kana two codes back plus the semi-voiced mark

// Half-width forms of the full-width symbols 0x8140-0x8197; 0 = kept.
const unsigned char kSymbolTable[0x58] = {
    0x20, 0xA4, 0xA1, ',', '.',  0xA5, ':', ';', '?',  '!',  0xDE, 0xDF, 0,    0x60, 0,
    '^',  0,    '_',  0,   0,    0,    0,   0,   0,    0,    0,    0,    0xB0, 0,    0,
    '/',  0,    0,    0,   '|',  0,    0,   0,   '\'', 0,    '"',  '(',  ')',  0,    0,
    '[',  ']',  '{',  '}', 0,    0,    0,   0,   0xA2, 0xA3, 0,    0,    0,    0,    '+',
    '-',  0,    0,    0,   0,    '=',  0,   '<', '>',  0,    0,    0,    0,    0,    0,
    0,    0,    0,    0,   0x5C, '$',  0,   0,   '%',  '#',  '&',  '*',  '@',
};

// Half-width forms of the katakana 0x8340-0x8396. ヮ, ヰ, ヱ, ヴ and the
// unassigned 0x837F have none and are kept.
const int kKatakanaTable[0x57] = {
    0xA7,        0xB1,    0xA8,    0xB2,        0xA9,    0xB3,    0xAA,        0xB4,    0xAB,
    0xB5,        0xB6,    kVoiced, 0xB7,        kVoiced, 0xB8,    kVoiced,     0xB9,    kVoiced,
    0xBA,        kVoiced, 0xBB,    kVoiced,     0xBC,    kVoiced, 0xBD,        kVoiced, 0xBE,
    kVoiced,     0xBF,    kVoiced, 0xC0,        kVoiced, 0xC1,    kVoiced,     0xAF,    0xC2,
    kVoiced,     0xC3,    kVoiced, 0xC4,        kVoiced, 0xC5,    0xC6,        0xC7,    0xC8,
    0xC9,        0xCA,    kVoiced, kSemiVoiced, 0xCB,    kVoiced, kSemiVoiced, 0xCC,    kVoiced,
    kSemiVoiced, 0xCD,    kVoiced, kSemiVoiced, 0xCE,    kVoiced, kSemiVoiced, 0xCF,    0xD0,
    0,           0xD1,    0xD2,    0xD3,        0xAC,    0xD4,    0xAD,        0xD5,    0xAE,
    0xD6,        0xD7,    0xD8,    0xD9,        0xDA,    0xDB,    0,           0xDC,    0,
    0,           0xA6,    0xDD,    0,           0xB6,    0xB6,
};

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Applies fn(code, out) to the CP932 code of every character CP932 holds
// (a code below 0x100 is a one-byte character); fn writes 0-2 CP932 bytes
// to out and returns how many, or -1 to keep the character. The rules are
// those of the Shift-JIS codes they were made for. Other characters stay,
// unless dropOther says they go.
template <typename Fn>
void rewrite(CLSTString& s, Fn fn, bool (*dropOther)(char32_t) = nullptr) {
    std::string out;
    bool changed = false;
    const char* p = s.text();
    int len = s.length();
    for (int pos = 0; pos < len;) {
        int n = charLengthAt(p, pos, len);
        unsigned char b = static_cast<unsigned char>(p[pos]);
        char32_t cp = b < 0x80 || n == 1 ? b : DecodeUtf8(s.view(), pos);
        int code = b < 0x80 ? b : n == 1 ? -1 : Cp932CodeOf(cp);
        char buf[2];
        int k = code >= 0 ? fn(code, buf) : n > 1 && dropOther && dropOther(cp) ? 0 : -1;
        if (k < 0) {
            if (changed) out.append(p + pos, n);
        } else {
            if (!changed) {
                out.reserve(len);
                out.append(p, pos);
                changed = true;
            }
            if (k == 2 && isLeadByte(static_cast<unsigned char>(buf[0]))) {
                AppendCp932Code(out, (static_cast<unsigned char>(buf[0]) << 8) |
                                         static_cast<unsigned char>(buf[1]));
            } else {
                for (int i = 0; i < k; ++i)
                    AppendCp932Code(out, static_cast<unsigned char>(buf[i]));
            }
        }
        pos += n;
    }
    if (changed) s = CLSTString(out);
}

int putCode(int code, char* out) {
    out[0] = static_cast<char>(code >> 8);
    out[1] = static_cast<char>(code & 0xFF);
    return 2;
}

}  // namespace

CLSTString& CLSTString::toUpper() {
    // One-byte letters only: two-byte letters keep their case, so that with
    // case and width both ignored a full-width ａ (a after the width step)
    // still differs from Ａ (A), as answers have always been judged.
    rewrite(*this, [](int c, char* out) -> int {
        if (c >= 'a' && c <= 'z') {
            out[0] = static_cast<char>(c - 'a' + 'A');
            return 1;
        }
        return -1;
    });
    return *this;
}

CLSTString& CLSTString::toHalfWidth() {
    rewrite(*this, [](int c, char* out) -> int {
        if (c < 0x100) return -1;
        int second = c & 0xFF;
        if (c >= 0x824F && c <= 0x8258) {
            out[0] = static_cast<char>(second - 0x1F);
            return 1;
        }
        if (c >= 0x8260 && c <= 0x8279) {
            out[0] = static_cast<char>(second - 0x1F);
            return 1;
        }
        if (c >= 0x8281 && c <= 0x829A) {
            out[0] = static_cast<char>(second - 0x20);
            return 1;
        }
        if (c >= 0x8140 && c <= 0x8197) {
            unsigned char h = kSymbolTable[c - 0x8140];
            if (!h) return -1;
            out[0] = static_cast<char>(h);
            return 1;
        }
        if (c >= 0x8340 && c <= 0x8396) {
            int h = kKatakanaTable[c - 0x8340];
            if (h == kVoiced) {
                out[0] = static_cast<char>(kKatakanaTable[c - 1 - 0x8340]);
                out[1] = static_cast<char>(0xDE);
                return 2;
            }
            if (h == kSemiVoiced) {
                out[0] = static_cast<char>(kKatakanaTable[c - 2 - 0x8340]);
                out[1] = static_cast<char>(0xDF);
                return 2;
            }
            if (h == 0) return -1;
            out[0] = static_cast<char>(h);
            return 1;
        }
        return -1;
    });
    return *this;
}

CLSTString& CLSTString::toKatakana() {
    rewrite(*this, [](int c, char* out) -> int {
        if (c >= 0x829F && c <= 0x82DD) return putCode(c + 0xA1, out);
        if (c >= 0x82DE && c <= 0x82F1) return putCode(c + 0xA2, out);
        return -1;
    });
    return *this;
}

CLSTString& CLSTString::removeSymbols() {
    rewrite(
        *this,
        [](int c, char* out) -> int {
            if (c >= 0x100) {
                bool symbol = (c >= 0x8140 && c <= 0x824E) || (c >= 0x849F && c <= 0x889E);
                return symbol ? 0 : -1;
            }
            bool symbol = (c >= 0x20 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) ||
                          (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0xA5) || c == 0xB0 ||
                          c == 0xDE || c == 0xDF || c >= 0xE0;
            return symbol ? 0 : -1;
        },
        // Beyond CP932, the punctuation, symbols and spaces of every
        // script go too (« », ¿, „ “).
        IsPunctuationSymbolOrSpace);
    return *this;
}
