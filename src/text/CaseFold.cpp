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

// Folds in place; true when anything changed.
bool foldBytes(std::string& out) {
    const std::vector<uint16_t>& folds = twoByteFolds();
    bool changed = false;
    int len = static_cast<int>(out.size());
    for (int pos = 0; pos < len;) {
        unsigned char c = static_cast<unsigned char>(out[pos]);
        if (charLengthAt(out.data(), pos, len) == 1) {
            if (c >= 'A' && c <= 'Z') {
                out[pos] = static_cast<char>(c - 'A' + 'a');
                changed = true;
            }
            ++pos;
            continue;
        }
        if (uint16_t folded = folds[c * 256 + static_cast<unsigned char>(out[pos + 1])]) {
            out[pos] = static_cast<char>(folded >> 8);
            out[pos + 1] = static_cast<char>(folded & 0xFF);
            changed = true;
        }
        pos += 2;
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
