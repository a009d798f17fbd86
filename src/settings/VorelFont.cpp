#include "settings/VorelFont.h"

#include <cstdint>

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    int64_t half = (c > 0 ? c : -static_cast<int64_t>(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    int64_t magnitude = (product < 0 ? -product : product) + half;
    int64_t quotient = magnitude / (c > 0 ? c : -static_cast<int64_t>(c));
    if (quotient > INT32_MAX) return -1;  // as the platform reports an overflow
    return static_cast<int>(negative ? -quotient : quotient);
}

CLSFontSpec CLSVorelFont::fontSpec(int pixelsPerInch, int ratePercent) const {
    CLSFontSpec request;
    if (pixelsPerInch > 0) {
        int64_t height = -static_cast<int64_t>(MulDiv(size, pixelsPerInch, 72));
        request.height = static_cast<int>(height * ratePercent / 100);
    }
    request.weight = bold() ? 700 : 400;
    request.italic = italic();
    request.underline = underline();
    request.charSet = charSet;
    request.face = name;
    return request;
}

void CLSVorelFont::setFromFontSpec(const CLSFontSpec& request, int pixelsPerInch) {
    if (pixelsPerInch > 0) size = MulDiv(-request.height, 72, pixelsPerInch);
    charSet = request.charSet;
    setStyle(kBold, request.weight >= 700);
    setStyle(kItalic, request.italic);
    setStyle(kUnderline, request.underline);
    name = request.face;
}
