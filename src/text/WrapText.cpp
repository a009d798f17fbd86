#include "text/WrapText.h"

#include <cstring>

#include "text/TString.h"

bool isWordChar(const char* p, int charLength) {
    unsigned char c = static_cast<unsigned char>(p[0]);
    if (charLength == 1) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               (c >= 0xA6 && c <= 0xDF);
    }
    // Japanese text breaks between any two characters; only full-width
    // Latin letters and digits hold together as words do.
    int code = c * 256 + static_cast<unsigned char>(p[1]);
    return code >= 0x824F && code <= 0x829A;
}

CLSWrappedText wrapText(const TextMetrics& metrics, const char* text, int length, int maxWidth,
                        int spacing) {
    CLSWrappedText result;
    if (!text) return result;
    if (length < 0) length = static_cast<int>(std::strlen(text));
    bool keepPairs = metrics.keepsDoubleByte();

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
            int n = keepPairs ? charLengthAt(text, pos, length) : 1;
            int width = metrics.textWidth(text + lineStart, pos + n - lineStart);
            if (width > maxWidth && pos > lineStart) {
                lineEnd = breakAfter > lineStart ? breakAfter : pos;
                pos = lineEnd;
                break;
            }
            lineWidth = width;
            lastFit = pos + n - lineStart;
            if (!isWordChar(text + pos, n)) breakAfter = pos + n;
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
