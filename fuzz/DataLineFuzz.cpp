// Question, title and setting lines of every layout, and saving them back.

#include <cstdint>
#include <cstdlib>

#include "data/DataLineFormat.h"
#include "text/Codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    int historySize = data[0] % 8;
    CLSTString line =
        CLSTString::fromBytes(reinterpret_cast<const char*>(data) + 1, static_cast<int>(size - 1));
    // A lone lead byte pairs with an escaping backslash written after it, so
    // round trips are only promised for valid CP932.
    bool valid = Cp932ToUtf8(line.view()).find("\xEF\xBF\xBD") == std::string::npos;
    CLSVorelDataQuestion q;
    if (ParseQuestionLine(line, historySize, q)) {
        CLSTString written = WriteQuestionLine(q, 30);
        CLSVorelDataQuestion back;
        // What this program writes it must read again.
        if (valid && !ParseQuestionLine(written, historySize, back)) std::abort();
        WriteQuestionLine(q, 16);
    }
    CLSVorelDataQuestion old;
    if (ParseOldQuestionLine(line, old)) WriteQuestionLine(old, 15);
    CLSVorelDataTitle title;
    if (ParseTitleLine(line, title)) {
        CLSVorelDataTitle back;
        if (valid && !ParseTitleLine(WriteTitleLine(title), back)) std::abort();
        // Line breaks of any form come back as CR LF.
        CLSTString text = title.text;
        text.replaceAll("\r\n", "\n").replaceAll('\r', '\n').replaceAll("\n", "\r\n");
        if (valid && (!(back.text == text) || back.compareFlags != title.compareFlags))
            std::abort();
    }
    WriteFontLine(kLineFontQuestion, ParseFontValue(line));
    WriteNumberLine(kLineTimeLimit, ParseNumberValue(line));
    return 0;
}
