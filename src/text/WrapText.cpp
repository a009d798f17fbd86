#include "text/WrapText.h"

#include <cstring>

#include "text/Codec.h"
#include "text/TString.h"
#include "text/Unicode.h"

bool isWordChar(std::string_view text, int pos) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    char32_t cp = DecodeUtf8(text, pos);
    int code = Cp932CodeOf(cp);
    // Japanese text breaks between any two characters; only half-width
    // katakana and full-width Latin letters and digits hold together as
    // words do. Letters CP932 cannot hold (é, ɔ̃, Korean) hold together
    // too, except the wide ones of Chinese text.
    if (code >= 0) return (code >= 0xA6 && code <= 0xDF) || (code >= 0x824F && code <= 0x829A);
    return IsLetterMarkOrDigit(cp) && CharColumns(cp) < 2;
}

// Bytes of the letter at pos as the learner sees it: a base letter with
// its combining marks is never cut.
int letterLength(const char* text, int pos, int length) {
    int n = charLengthAt(text, pos, length);
    if (pos + n >= length || static_cast<unsigned char>(text[pos + n]) < 0x80) return n;
    return NextGraphemeBoundary(std::string_view(text, length), pos) - pos;
}

CLSWrappedText wrapText(const TextMetrics& metrics, const char* text, int length, int maxWidth,
                        int spacing) {
    CLSWrappedText result;
    if (!text) return result;
    if (length < 0) length = static_cast<int>(std::strlen(text));

    int pos = 0;
    while (pos < length) {
        int lineStart = pos;
        int breakAfter = -1;
        int lineEnd = -1;
        int lineWidth = 0;  // width of the first lastFit bytes
        int lastFit = 0;
        while (true) {
            if (pos >= length) {
                lineEnd = pos;
                break;
            }
            char c = text[pos];
            if (c == '\r' || c == '\n') {
                lineEnd = pos;
                pos += (c == '\r' && pos + 1 < length && text[pos + 1] == '\n') ? 2 : 1;
                break;
            }
            int n = letterLength(text, pos, length);
            int width = metrics.textWidth(text + lineStart, pos + n - lineStart);
            if (width > maxWidth && pos > lineStart) {
                lineEnd = breakAfter > lineStart ? breakAfter : pos;
                pos = lineEnd;
                break;
            }
            lineWidth = width;
            lastFit = pos + n - lineStart;
            if (!isWordChar(std::string_view(text, length), pos)) breakAfter = pos + n;
            pos += n;
        }
        CLSWrappedLine line;
        line.start = lineStart;
        line.length = lineEnd - lineStart;
        line.width = lineEnd == lineStart + lastFit
                         ? lineWidth
                         : metrics.textWidth(text + lineStart, line.length);
        if (line.width > result.widest) result.widest = line.width;
        result.lines.push_back(line);
    }
    int h = metrics.lineHeight();
    int n = static_cast<int>(result.lines.size());
    if (n > 0) result.height = (n - 1) * (h + h * spacing / 100) + h;
    return result;
}
