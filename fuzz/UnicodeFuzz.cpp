// The Unicode layer on arbitrary bytes: every result is well-formed NFC, and
// stepping back over user-perceived characters finds the ones stepping
// forward cuts.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/Unicode.h"

namespace {

bool IsWellFormedNfc(const std::string& text) {
    for (int pos = 0, length = 0; pos < static_cast<int>(text.size()); pos += length) {
        if (DecodeUtf8(text, pos, &length) == 0xFFFD && length == 1) return false;
    }
    return NormalizeNfc(text) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (!IsWellFormedNfc(NormalizeNfc(text))) std::abort();
    if (!IsWellFormedNfc(FoldCaseFull(text))) std::abort();
    if (!IsWellFormedNfc(StripLatinGreekMarks(text))) std::abort();
    if (TextColumns(text) < 0) std::abort();

    std::vector<int> starts;
    for (int pos = 0; pos < static_cast<int>(size);) {
        starts.push_back(pos);
        int next = NextGraphemeBoundary(text, pos);
        if (next <= pos || next > static_cast<int>(size)) std::abort();
        pos = next;
    }
    if (GraphemeCount(text) != static_cast<int>(starts.size())) std::abort();
    for (int pos = 1, i = 0; pos <= static_cast<int>(size); ++pos) {
        while (i + 1 < static_cast<int>(starts.size()) && starts[i + 1] < pos)
            ++i;
        if (PreviousGraphemeBoundary(text, pos) != starts[i]) std::abort();
    }
    return 0;
}
