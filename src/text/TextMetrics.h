#pragma once

/// Measures CP932 text in one font. All wrapping and layout arithmetic runs
/// on this seam: the widgets measure with the real font, tests with a
/// fixed-width fake.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    /// Width in pixels of n bytes of CP932 text.
    virtual int textWidth(const char* text, int n) const = 0;
    /// Height of one line of the font.
    virtual int lineHeight() const = 0;
    /// Whether two-byte characters are kept together (the font's character
    /// set is Shift-JIS or the default one).
    virtual bool keepsDoubleByte() const { return true; }
};
