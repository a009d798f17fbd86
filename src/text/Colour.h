#pragma once

#include <cstdint>

#include "text/TString.h"

// Colours are Windows colour values: red in the lowest byte, then green,
// then blue (R + G*256 + B*65536). HSV colours pack H*65536 + S*256 + V with
// H in degrees 0-359 and S, V 0-255.

using Colour = uint32_t;

constexpr Colour makeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Colour c) {
    return c & 0xFF;
}
constexpr int greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

uint32_t rgbToHsv(Colour colour);
Colour hsvToRgb(uint32_t hsv);
/// V scaled by percent; past full brightness the colour grows paler instead.
Colour shadeColor(Colour colour, int percent);
inline Colour darkShade(Colour colour) {
    return shadeColor(colour, 65);
}
inline Colour lightShade(Colour colour) {
    return shadeColor(colour, 154);
}
/// "0xRRGGBB"; CLSTString::toInteger reads it back.
CLSTString colourText(Colour colour);
