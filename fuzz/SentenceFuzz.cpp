// Sentence markup: parse, write back, divide and expand alternatives.

#include <cstdint>
#include <cstdlib>

#include "sentence/Sentence.h"
#include "text/Codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CLSTString text =
        CLSTString::fromBytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    CLSSentence s(text);
    if (!s.isNormal()) std::abort();
    CLSTString markup = s.toText();
    s.markupLength();
    s.divide('|', '\\', 0);
    s.divide(',', '\\', 3);
    CLSSentenceArray answers = ExpandAlternatives(s);
    if (answers.count() > kMaxAlternatives) std::abort();
    for (const CLSSentence& a : answers)
        a.toMarkup();
    CLSSentence plain = s;
    plain.unescape();
    // Writing a plain sentence and reading it back gives the same sentence.
    CLSSentence back(plain.toMarkup());
    back.unescape();
    // (A literal backslash before i" reads back as an object, as it always has.)
    bool valid = Cp932ToUtf8(text.view()).find("\xEF\xBF\xBD") == std::string::npos;
    if (valid && text.findChar(0) < 0 && !plain.hasObjects() && plain.count() <= 1 &&
        plain.toText().findChar('\\') < 0) {
        // Line breaks of any form come back as CR LF.
        CLSTString lines = plain.toText();
        lines.replaceAll("\r\n", "\n").replaceAll('\r', '\n').replaceAll("\n", "\r\n");
        CLSSentence normal;
        normal.addText(lines.view());
        normal.normalize();
        back.normalize();
        if (!back.equals(normal)) std::abort();
    }
    return 0;
}
