#include "text/CaseFold.h"

#include <cstdint>
#include <vector>

#include "text/Codec.h"
#include "text/Unicode.h"

namespace {

// The folded form of every two-byte character (0 where it has none of its
// own), made once from Unicode's case folding.
const std::vector<uint16_t>& twoByteFolds() {
    static const std::vector<uint16_t> table = [] {
        std::vector<uint16_t> folds(65536, 0);
        for (int code = 0x8140; code < 0x10000; ++code) {
            char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            if (!isDoubleByteChar(bytes)) continue;
            std::string utf8 = Cp932ToUtf8(std::string_view(bytes, 2));
            std::string folded = FoldCaseFull(utf8);
            std::string back;
            // A compatibility kanji folds only by becoming its unified twin,
            // another character to a learner.
            if (folded == utf8 || NormalizeNfc(utf8) != utf8 || !Utf8ToCp932(folded, back) ||
                back.size() != 2) {
                continue;
            }
            folds[code] = static_cast<uint16_t>((static_cast<unsigned char>(back[0]) << 8) |
                                                static_cast<unsigned char>(back[1]));
        }
        return folds;
    }();
    return table;
}

// Folds in place; true when anything changed. Characters go by the
// lengths the string's own stepping gives; only one-byte letters and
// CP932's two-byte codes have folds here, and a fold never changes a
// character's length.
bool foldBytes(std::string& out) {
    const std::vector<uint16_t>& folds = twoByteFolds();
    bool changed = false;
    int len = static_cast<int>(out.size());
    for (int pos = 0; pos < len;) {
        int n = charLengthAt(out.data(), pos, len);
        unsigned char c = static_cast<unsigned char>(out[pos]);
        if (n == 1 && c >= 'A' && c <= 'Z') {
            out[pos] = static_cast<char>(c - 'A' + 'a');
            changed = true;
        } else if (n == 2) {
            if (uint16_t folded = folds[c * 256 + static_cast<unsigned char>(out[pos + 1])]) {
                out[pos] = static_cast<char>(folded >> 8);
                out[pos + 1] = static_cast<char>(folded & 0xFF);
                changed = true;
            }
        }
        pos += n;
    }
    return changed;
}

}  // namespace

std::string FoldCaseEveryScript(std::string_view cp932) {
    std::string out(cp932);
    foldBytes(out);
    return out;
}

CLSTString& FoldCaseEveryScript(CLSTString& text) {
    std::string out(text.view());
    if (foldBytes(out)) text = CLSTString(out);
    return text;
}
