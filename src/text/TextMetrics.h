#pragma once

/// Measures UTF-8 text in one font. All wrapping and layout arithmetic runs
/// on this seam: the widgets measure with the real font, tests with a
/// fixed-width fake.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    /// Width in pixels of n bytes of text (whole characters).
    virtual int textWidth(const char* text, int n) const = 0;
    /// Height of one line of the font.
    virtual int lineHeight() const = 0;
};
