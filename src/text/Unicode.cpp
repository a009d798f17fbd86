#include "text/Unicode.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

const utf8proc_property_t& Property(char32_t cp) {
    return *utf8proc_get_property(static_cast<utf8proc_int32_t>(cp));
}

bool IsMark(const utf8proc_property_t& p) {
    return p.category == UTF8PROC_CATEGORY_MN || p.category == UTF8PROC_CATEGORY_MC ||
           p.category == UTF8PROC_CATEGORY_ME;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The start of the code point that holds byte i, as a scan from the start of
// the text would find it: a byte that is not a continuation byte always starts
// one, so at most three bytes need to be looked at.
int CodePointStart(std::string_view text, int i) {
    int r = i;
    int limit = std::max(0, i - 3);
    while (r > limit && IsContinuation(text[r]))
        --r;
    if (!IsContinuation(text[r])) {
        int length = 0;
        DecodeUtf8(text, r, &length);
        if (r + length > i) return r;
    }
    return i;  // a stray continuation byte, a character of its own
}

// Whether a code point plainly stays as it is in NFC, whatever stands around
// it: a starter that no composition takes as its second part and that is not
// excluded from composition. Such second parts are all marks or Hangul vowel
// and trailing jamo (the tests check every character against utf8proc's NFC);
// those, and characters NFC replaces, need the full normalisation.
bool StaysInNfc(char32_t cp) {
    const utf8proc_property_t& p = Property(cp);
    if (p.combining_class != 0 || IsMark(p)) return false;
    if (p.boundclass == UTF8PROC_BOUNDCLASS_V || p.boundclass == UTF8PROC_BOUNDCLASS_T) {
        return false;
    }
    if (p.decomp_seqindex == UINT16_MAX || p.decomp_type != 0) return true;
    // A canonical decomposition: NFC keeps the character when composing its
    // decomposition gives it back (singletons and exclusions do not). The
    // answers are kept by the code point's low bits: accented letters and
    // voiced kana come back again and again in a text.
    struct Answer {
        char32_t cp = 0;
        bool stays = false;
    };
    thread_local Answer answers[64];
    Answer& answer = answers[cp & 63];
    if (answer.cp == cp) return answer.stays;
    utf8proc_int32_t parts[8];
    int boundclass = 0;
    utf8proc_ssize_t n = utf8proc_decompose_char(static_cast<utf8proc_int32_t>(cp), parts, 8,
                                                 UTF8PROC_DECOMPOSE, &boundclass);
    bool stays = false;
    if (n > 0 && n <= 8) {
        // utf8proc honours the composition exclusions only under UTF8PROC_STABLE.
        n = utf8proc_normalize_utf32(
            parts, n, static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
        stays = n == 1 && static_cast<char32_t>(parts[0]) == cp;
    }
    answer = {cp, stays};
    return stays;
}

// Whether the code point at pos is well-formed and stays in NFC; its length
// goes to *length. Normalisation can cut the text before such a character:
// nothing before it composes with it or moves past it.
bool IsPlainAt(std::string_view text, int pos, int* length) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
        *length = 1;
        return true;
    }
    char32_t cp = DecodeUtf8(text, pos, length);
    if (cp == kReplacement && *length == 1) return false;
    return StaysInNfc(cp);
}

// Whether the text is well-formed UTF-8 (utf8proc's own check).
bool IsWellFormed(std::string_view text) {
    const auto* p = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    auto left = static_cast<utf8proc_ssize_t>(text.size());
    while (left > 0) {
        utf8proc_int32_t cp = 0;
        utf8proc_ssize_t n = utf8proc_iterate(p, left, &cp);
        if (n <= 0) return false;
        p += n;
        left -= n;
    }
    return true;
}

std::string WellFormed(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    const int size = static_cast<int>(text.size());
    for (int pos = 0; pos < size;) {
        int length = 0;
        AppendUtf8(out, DecodeUtf8(text, pos, &length));
        pos += length;
    }
    return out;
}

// One buffer of code points per thread, kept between calls, so that a
// normalisation costs no allocation but its result.
std::vector<utf8proc_int32_t>& Buffer() {
    thread_local std::vector<utf8proc_int32_t> buffer(256);
    return buffer;
}

// The text canonically decomposed (and case folded with UTF8PROC_CASEFOLD)
// into Buffer(), in canonical order; returns the number of code points.
utf8proc_ssize_t Decompose(std::string_view text, utf8proc_option_t extra) {
    std::string repaired;
    if (!IsAscii(text) && !IsWellFormed(text)) {
        repaired = WellFormed(text);
        text = repaired;
    }
    std::vector<utf8proc_int32_t>& buffer = Buffer();
    const auto options =
        static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_DECOMPOSE | extra);
    for (;;) {
        utf8proc_ssize_t n =
            utf8proc_decompose(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                               static_cast<utf8proc_ssize_t>(text.size()), buffer.data(),
                               static_cast<utf8proc_ssize_t>(buffer.size()), options);
        if (n < 0) return 0;  // only for ill-formed input, which was repaired above
        if (static_cast<size_t>(n) <= buffer.size()) return n;
        buffer.resize(static_cast<size_t>(n));
    }
}

// The first n code points of Buffer() composed to NFC, appended as UTF-8.
void AppendComposed(std::string& out, utf8proc_ssize_t n) {
    std::vector<utf8proc_int32_t>& buffer = Buffer();
    // Re-encoding writes the UTF-8 over the code points it has read.
    utf8proc_ssize_t bytes = utf8proc_reencode(
        buffer.data(), n, static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    if (bytes > 0)
        out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(bytes));
}

std::string Composed(utf8proc_ssize_t n) {
    std::string out;
    AppendComposed(out, n);
    return out;
}

// Latin and Greek letters, by block: utf8proc has no script property. The
// category check leaves out the digits, signs and punctuation of the blocks.
bool IsLatinOrGreekLetter(char32_t cp) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kBlocks[] = {
        {0x0041, 0x02AF},    // Basic Latin to IPA Extensions
        {0x0370, 0x03FF},    // Greek and Coptic
        {0x1D00, 0x1D7F},    // Phonetic Extensions
        {0x1E00, 0x1FFF},    // Latin Extended Additional, Greek Extended
        {0x2C60, 0x2C7F},    // Latin Extended-C
        {0xA720, 0xA7FF},    // Latin Extended-D
        {0xAB30, 0xAB6F},    // Latin Extended-E
        {0xFF21, 0xFF5A},    // full-width Latin letters
        {0x10780, 0x107BF},  // Latin Extended-F
        {0x1DF00, 0x1DFFF},  // Latin Extended-G
    };
    bool inBlock = std::any_of(std::begin(kBlocks), std::end(kBlocks),
                               [cp](const Range& r) { return cp >= r.first && cp <= r.last; });
    if (!inBlock) return false;
    switch (Property(cp).category) {
        case UTF8PROC_CATEGORY_LU:
        case UTF8PROC_CATEGORY_LL:
        case UTF8PROC_CATEGORY_LT:
        case UTF8PROC_CATEGORY_LM:
        case UTF8PROC_CATEGORY_LO:
            return true;
        default:
            return false;
    }
}

}  // namespace

int Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF5) return 4;
    return 0;
}

char32_t DecodeUtf8(std::string_view text, int pos, int* length) {
    int dummy = 0;
    int& len = length ? *length : dummy;
    if (pos < 0 || static_cast<size_t>(pos) >= text.size()) {
        len = 0;
        return 0;
    }
    const auto* p = reinterpret_cast<const utf8proc_uint8_t*>(text.data()) + pos;
    if (*p < 0x80) {
        len = 1;
        return *p;
    }
    // Decoded here rather than by utf8proc_iterate: this is every scan's
    // inner loop, and the rules are few.
    int n = Utf8SequenceLength(*p);
    size_t left = text.size() - static_cast<size_t>(pos);
    bool ok = n > 0 && static_cast<size_t>(n) <= left;
    for (int k = 1; ok && k < n; ++k)
        ok = (p[k] & 0xC0) == 0x80;
    if (ok && n >= 3) {
        unsigned char second = p[1];
        ok = !(p[0] == 0xE0 && second < 0xA0) &&  // overlong
             !(p[0] == 0xED && second > 0x9F) &&  // surrogate
             !(p[0] == 0xF0 && second < 0x90) &&  // overlong
             !(p[0] == 0xF4 && second > 0x8F);    // beyond U+10FFFF
    }
    if (!ok) {
        len = 1;
        return kReplacement;
    }
    len = n;
    switch (n) {
        case 2:
            return static_cast<char32_t>(((p[0] & 0x1F) << 6) | (p[1] & 0x3F));
        case 3:
            return static_cast<char32_t>(((p[0] & 0x0F) << 12) | ((p[1] & 0x3F) << 6) |
                                         (p[2] & 0x3F));
        default:
            return static_cast<char32_t>(((p[0] & 0x07) << 18) | ((p[1] & 0x3F) << 12) |
                                         ((p[2] & 0x3F) << 6) | (p[3] & 0x3F));
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    if (cp > 0x10FFFF || !utf8proc_codepoint_valid(static_cast<utf8proc_int32_t>(cp))) {
        cp = kReplacement;
    }
    utf8proc_uint8_t bytes[4];
    utf8proc_ssize_t n = utf8proc_encode_char(static_cast<utf8proc_int32_t>(cp), bytes);
    out.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
}

bool IsPlainlyNfc(std::string_view text) {
    const int size = static_cast<int>(text.size());
    for (int pos = 0; pos < size;) {
        int length = 0;
        if (!IsPlainAt(text, pos, &length)) return false;
        pos += length;
    }
    return true;
}

std::string NormalizeNfc(std::string_view text) {
    // Only the stretches that may change go through the library: each runs
    // from the plain character before a character that is not plain (it may
    // compose with what follows) to the next plain character.
    const int size = static_cast<int>(text.size());
    std::string out;
    bool changed = false;
    int copied = 0;     // the bytes of text before this are in out
    int lastPlain = 0;  // the start of the last plain character
    for (int pos = 0; pos < size;) {
        int length = 0;
        if (IsPlainAt(text, pos, &length)) {
            lastPlain = pos;
            pos += length;
            continue;
        }
        const int start = pos > copied ? lastPlain : pos;
        int end = pos + length;
        while (end < size && !IsPlainAt(text, end, &length))
            end += length;
        if (!changed) out.reserve(text.size() + 16);
        changed = true;
        out.append(text.substr(copied, start - copied));
        AppendComposed(
            out, Decompose(text.substr(start, end - start), static_cast<utf8proc_option_t>(0)));
        copied = pos = end;
    }
    if (!changed) return std::string(text);
    out.append(text.substr(copied));
    return out;
}

std::string FoldCaseFull(std::string_view text) {
    if (IsAscii(text)) {
        std::string out(text);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    }
    return Composed(Decompose(text, UTF8PROC_CASEFOLD));
}

namespace {

// Whether a code point may be, or decompose into, a Latin or Greek letter
// with marks of U+0300 to U+036F: the Latin and Greek blocks, the marks
// themselves and the letter-like symbols (Å as U+212B). Japanese, Korean
// and Chinese text has none, and find looks at many such lines.
bool mayHoldLatinGreekMarks(std::string_view text) {
    const int size = static_cast<int>(text.size());
    for (int pos = 0; pos < size;) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        int length = 0;
        char32_t cp = DecodeUtf8(text, pos, &length);
        // An ill-formed byte takes the full path, which gives it as U+FFFD.
        if ((cp >= 0x00C0 && cp <= 0x03FF) || (cp >= 0x1E00 && cp <= 0x1FFF) ||
            (cp >= 0x2100 && cp <= 0x214F) || (cp == kReplacement && length == 1)) {
            return true;
        }
        pos += length;
    }
    return false;
}

}  // namespace

std::string StripLatinGreekMarks(std::string_view text) {
    // Without such letters only the promise of NFC is left to keep.
    if (!mayHoldLatinGreekMarks(text)) return NormalizeNfc(text);
    utf8proc_ssize_t n = Decompose(text, static_cast<utf8proc_option_t>(0));
    std::vector<utf8proc_int32_t>& buffer = Buffer();
    // Whether the marks that follow sit on a Latin or Greek letter. Other
    // combining marks between them (canonical order may put one first) keep
    // the base; only those of U+0300 to U+036F are dropped.
    bool onLatinGreek = false;
    utf8proc_ssize_t kept = 0;
    for (utf8proc_ssize_t i = 0; i < n; ++i) {
        const auto cp = static_cast<char32_t>(buffer[static_cast<size_t>(i)]);
        if (cp >= 0x0300 && cp <= 0x036F) {
            if (onLatinGreek) continue;
        } else if (Property(cp).combining_class == 0) {
            onLatinGreek = IsLatinOrGreekLetter(cp);
        }
        buffer[static_cast<size_t>(kept++)] = static_cast<utf8proc_int32_t>(cp);
    }
    return Composed(kept);
}

// The widths are utf8proc's (East Asian Width, with marks and controls 0),
// with two choices of ours:
//  - Ambiguous characters (Greek, Cyrillic, ※, ○ and many symbols) count 1,
//    as outside East Asian fonts; utf8proc 2.8 does not tell them apart.
//  - Hangul vowel and trailing jamo (grapheme classes V and T) count 0: they
//    join the leading consonant, which takes the two columns of the syllable.
// Controls (C0, C1, DEL) and format characters such as ZWJ count 0: they draw
// nothing; a caller that shows a tab or a line end decides that itself.
int CharColumns(char32_t cp) {
    if (cp > 0x10FFFF || !utf8proc_codepoint_valid(static_cast<utf8proc_int32_t>(cp))) return 1;
    const utf8proc_property_t& p = Property(cp);
    if (p.boundclass == UTF8PROC_BOUNDCLASS_V || p.boundclass == UTF8PROC_BOUNDCLASS_T) return 0;
    return utf8proc_charwidth(static_cast<utf8proc_int32_t>(cp));
}

int TextColumns(std::string_view text) {
    // A user-perceived character takes the columns of its widest code point:
    // an emoji with a skin tone or a ZWJ sequence is two columns, not four.
    const int size = static_cast<int>(text.size());
    int columns = 0;
    for (int pos = 0; pos < size;) {
        int end = NextGraphemeBoundary(text, pos);
        int widest = 0;
        for (int at = pos; at < end;) {
            int length = 0;
            widest = std::max(widest, CharColumns(DecodeUtf8(text, at, &length)));
            at += length;
        }
        columns += widest;
        pos = end;
    }
    return columns;
}

int NextGraphemeBoundary(std::string_view text, int pos) {
    const int size = static_cast<int>(text.size());
    if (pos >= size) return size;
    pos = std::max(pos, 0);
    int length = 0;
    char32_t previous = DecodeUtf8(text, pos, &length);
    int at = pos + length;
    utf8proc_int32_t state = 0;
    while (at < size) {
        char32_t next = DecodeUtf8(text, at, &length);
        if (utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous),
                                             static_cast<utf8proc_int32_t>(next), &state)) {
            break;
        }
        previous = next;
        at += length;
    }
    return at;
}

namespace {

// Whether a cluster surely starts at the code point start q > 0, judged from
// the two code points around q alone. The rules that look further back
// (regional indicator pairs, emoji ZWJ sequences, Indic conjuncts in newer
// Unicode) apply only when the second is a regional indicator or a
// pictograph, or the first is Extend or ZWJ; such a q is not taken.
bool SureClusterStart(std::string_view text, int q) {
    int length = 0;
    char32_t cp = DecodeUtf8(text, q, &length);
    char32_t before = DecodeUtf8(text, CodePointStart(text, q - 1), &length);
    int second = Property(cp).boundclass;
    int first = Property(before).boundclass;
    if (second == UTF8PROC_BOUNDCLASS_REGIONAL_INDICATOR ||
        second == UTF8PROC_BOUNDCLASS_EXTENDED_PICTOGRAPHIC ||
        first == UTF8PROC_BOUNDCLASS_EXTEND || first == UTF8PROC_BOUNDCLASS_ZWJ) {
        return false;
    }
    utf8proc_int32_t state = 0;
    return utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(before),
                                            static_cast<utf8proc_int32_t>(cp), &state);
}

}  // namespace

int PreviousGraphemeBoundary(std::string_view text, int pos) {
    pos = std::min(pos, static_cast<int>(text.size()));
    if (pos <= 0) return 0;
    int q = CodePointStart(text, pos - 1);
    while (q > 0 && !SureClusterStart(text, q))
        q = CodePointStart(text, q - 1);
    for (;;) {
        int next = NextGraphemeBoundary(text, q);
        if (next >= pos) return q;
        q = next;
    }
}

int GraphemeCount(std::string_view text) {
    const int size = static_cast<int>(text.size());
    int count = 0;
    for (int pos = 0; pos < size; pos = NextGraphemeBoundary(text, pos))
        ++count;
    return count;
}

char32_t LowerCase(char32_t cp) {
    if (cp >= 0x110000) return cp;
    return static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(cp)));
}

namespace {

constexpr uint32_t categoryBit(int category) {
    return uint32_t{1} << category;
}

// Whether the code point's general category is one of the mask's.
bool inCategories(char32_t cp, uint32_t mask) {
    return cp < 0x110000 && (categoryBit(Property(cp).category) & mask) != 0;
}

}  // namespace

bool IsLetterMarkOrDigit(char32_t cp) {
    constexpr uint32_t kMask =
        categoryBit(UTF8PROC_CATEGORY_LU) | categoryBit(UTF8PROC_CATEGORY_LL) |
        categoryBit(UTF8PROC_CATEGORY_LT) | categoryBit(UTF8PROC_CATEGORY_LM) |
        categoryBit(UTF8PROC_CATEGORY_LO) | categoryBit(UTF8PROC_CATEGORY_MN) |
        categoryBit(UTF8PROC_CATEGORY_MC) | categoryBit(UTF8PROC_CATEGORY_ME) |
        categoryBit(UTF8PROC_CATEGORY_ND) | categoryBit(UTF8PROC_CATEGORY_NL) |
        categoryBit(UTF8PROC_CATEGORY_NO);
    return inCategories(cp, kMask);
}

std::string CodePointNames(std::string_view text) {
    std::string out;
    const int size = static_cast<int>(text.size());
    for (int pos = 0; pos < size;) {
        int length = 0;
        char32_t cp = DecodeUtf8(text, pos, &length);
        char buf[16];
        std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
        if (!out.empty()) out += ' ';
        out += buf;
        pos += length;
    }
    return out;
}

bool IsPunctuationSymbolOrSpace(char32_t cp) {
    constexpr uint32_t kMask =
        categoryBit(UTF8PROC_CATEGORY_PC) | categoryBit(UTF8PROC_CATEGORY_PD) |
        categoryBit(UTF8PROC_CATEGORY_PS) | categoryBit(UTF8PROC_CATEGORY_PE) |
        categoryBit(UTF8PROC_CATEGORY_PI) | categoryBit(UTF8PROC_CATEGORY_PF) |
        categoryBit(UTF8PROC_CATEGORY_PO) | categoryBit(UTF8PROC_CATEGORY_SM) |
        categoryBit(UTF8PROC_CATEGORY_SC) | categoryBit(UTF8PROC_CATEGORY_SK) |
        categoryBit(UTF8PROC_CATEGORY_SO) | categoryBit(UTF8PROC_CATEGORY_ZS);
    return inCategories(cp, kMask);
}
