#include "text/CaseFold.h"

#include <cstdint>
#include <cstring>

#include "text/Codec.h"
#include "text/Unicode.h"

namespace {

// The folded form of one character beyond ASCII. Characters CP932 holds
// fold only into another character CP932 holds, so that texts of a
// Shift-JIS file are judged as they always were; a compatibility kanji
// folds only by becoming its unified twin, another character to a learner,
// and keeps itself. Every other character takes Unicode's full folding.
std::string foldOne(char32_t cp) {
    std::string utf8;
    AppendUtf8(utf8, cp);
    std::string folded = FoldCaseFull(utf8);
    if (folded == utf8 || Cp932CodeOf(cp) < 0) return folded;
    int length = 0;
    char32_t first = DecodeUtf8(folded, 0, &length);
    bool oneHeldChar = static_cast<size_t>(length) == folded.size() && Cp932CodeOf(first) >= 0;
    return oneHeldChar && NormalizeNfc(utf8) == utf8 ? folded : utf8;
}

// Texts repeat their letters: the folds found are kept by the code point's
// low bits.
struct FoldAnswer {
    char32_t cp = 0;
    unsigned char length = 0;
    char bytes[15] = {};
};

void appendFolded(std::string& out, char32_t cp) {
    thread_local FoldAnswer answers[128];
    FoldAnswer& answer = answers[cp & 127];
    if (answer.cp != cp || answer.length == 0) {
        std::string folded = foldOne(cp);
        if (folded.size() > sizeof answer.bytes) {
            out += folded;
            return;
        }
        answer.cp = cp;
        answer.length = static_cast<unsigned char>(folded.size());
        std::memcpy(answer.bytes, folded.data(), folded.size());
    }
    out.append(answer.bytes, answer.length);
}

}  // namespace

std::string FoldCaseEveryScript(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const int len = static_cast<int>(text.size());
    for (int pos = 0; pos < len;) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
            ++pos;
            continue;
        }
        int n = charLengthAt(text.data(), pos, len);
        if (n == 1) {
            out += static_cast<char>(c);  // a stray byte stays as it is
        } else {
            appendFolded(out, DecodeUtf8(text, pos));
        }
        pos += n;
    }
    return out;
}

CLSTString& FoldCaseEveryScript(CLSTString& text) {
    std::string out = FoldCaseEveryScript(text.view());
    if (out != text.view()) text = CLSTString(out);
    return text;
}
