#pragma once

#include "text/Colour.h"
#include "text/TString.h"

/// A font as the screens describe it to the platform: the plain data the
/// widgets turn into a QFont. height is in device pixels and negative (a
/// character height, not a cell height), as fonts are requested.
struct CLSFontSpec {
    int height = 0;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    int charSet = 1;
    int pitchAndFamily = 0x30;
    CLSTString face;

    bool operator==(const CLSFontSpec&) const = default;
};

/// A font with its colours: point size, character set, style bits, text and
/// background colour, face name.
struct CLSVorelFont {
    enum Style { kBold = 1, kItalic = 2, kUnderline = 4 };

    int size = 12;
    int charSet = 1;
    int style = 0;
    Colour textColor = makeColour(0, 0, 0);
    Colour backgroundColor = makeColour(255, 255, 255);
    CLSTString name;

    bool bold() const { return style & kBold; }
    bool italic() const { return style & kItalic; }
    bool underline() const { return style & kUnderline; }
    void setStyle(int bit, bool on) { style = on ? (style | bit) : (style & ~bit); }

    /// The font for a device of pixelsPerInch (vertical), scaled by
    /// ratePercent. Never fails; a pixelsPerInch of 0 or less gives height 0.
    CLSFontSpec fontSpec(int pixelsPerInch, int ratePercent = 100) const;
    /// Takes size, character set, styles and face from a chosen font. Never
    /// fails; a pixelsPerInch of 0 or less leaves the size unchanged.
    void setFromFontSpec(const CLSFontSpec& request, int pixelsPerInch);

    bool operator==(const CLSVorelFont&) const = default;
};

/// a * b / c rounded half away from zero, as the platform's multiply-divide;
/// -1 when c is 0 or the result does not fit.
int MulDiv(int a, int b, int c);
