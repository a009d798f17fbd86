#include "text/Columns.h"

#include "text/Codec.h"
#include "text/TString.h"
#include "text/Unicode.h"

int CharColumnsAt(std::string_view text, int pos, int* length) {
    const int len = static_cast<int>(text.size());
    if (pos >= len) {
        *length = 0;
        return 0;
    }
    int n = charLengthAt(text.data(), pos, len);
    *length = n;
    if (n == 1) return 1;  // ASCII, or a stray byte
    char32_t cp = DecodeUtf8(text, pos);
    int code = Cp932CodeOf(cp);
    if (code >= 0x100) return 2;
    if (code >= 0) return 1;
    return CharColumns(cp);
}

int DisplayColumns(std::string_view text) {
    const int len = static_cast<int>(text.size());
    int columns = 0;
    for (int pos = 0; pos < len;) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++columns;
            ++pos;
            continue;
        }
        int n = 0;
        columns += CharColumnsAt(text, pos, &n);
        pos += n;
    }
    return columns;
}
