// tokenize, escapeMarkup/unescapeMarkup and the normalisations on arbitrary bytes.

#include <cstdint>
#include <cstdlib>

#include "text/Codec.h"
#include "text/TString.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    char separator = static_cast<char>(data[0]);
    int maxCount = data[1] % 5;
    CLSTString text =
        CLSTString::fromBytes(reinterpret_cast<const char*>(data) + 2, static_cast<int>(size - 2));
    CLSTStringArray pieces = text.tokenize(separator, '\\', maxCount);
    if (pieces.count() < 1) std::abort();

    CLSTString escaped = text;
    escaped.escapeMarkup();
    CLSTString back = escaped;
    back.unescapeMarkup();
    // Escaping loses nothing except the CR/LF forms, which all become CR LF.
    // (Only for valid CP932: a lone lead byte pairs with an inserted backslash.)
    bool valid = Cp932ToUtf8(text.view()).find("\xEF\xBF\xBD") == std::string::npos;
    CLSTString expected = text;
    expected.replaceAll("\r\n", "\n").replaceAll('\r', '\n').replaceAll("\n", "\r\n");
    if (valid && text.findChar(0) < 0 && !(back == expected)) std::abort();

    CLSTString unescaped = text;
    unescaped.unescapeMarkup();
    CLSTString n = text;
    n.toUpper().toKatakana().toHalfWidth().removeSymbols();
    text.find(",", 0, '\\');
    text.findFirstOf("()[]|", 0, '\\');
    return 0;
}
