#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "text/Colour.h"

/// One colour-table entry in the order device-independent bitmaps keep it.
struct CLSRgbQuad {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;

    bool operator==(const CLSRgbQuad&) const = default;
};

/// A device-independent bitmap as the decoders produce it: 1, 4, 8 or 24
/// bits per pixel, bottom-up rows padded to a multiple of 4 bytes, 24-bit
/// pixels as blue, green, red, and indexed pixels packed most significant
/// bits first. Transparency is already resolved, so there is no alpha.
class CLSBitmap {
  public:
    /// A null bitmap (no pixels).
    CLSBitmap() = default;
    /// All-zero pixels; throws std::bad_alloc when the memory is not there.
    CLSBitmap(int width, int height, int bitsPerPixel);

    bool isNull() const { return m_width == 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int bitsPerPixel() const { return m_bitsPerPixel; }
    /// Bytes from one row to the next: the row size rounded up to 4.
    size_t stride() const { return m_stride; }
    /// Stride × height: what the pixels occupy (0 for a null bitmap).
    size_t sizeInBytes() const { return m_bits.size(); }

    /// Row y counted from the top of the picture (the storage is bottom-up).
    uint8_t* rowFromTop(int y) { return m_bits.data() + (m_height - 1 - y) * m_stride; }
    const uint8_t* rowFromTop(int y) const { return m_bits.data() + (m_height - 1 - y) * m_stride; }
    /// The pixel rows as stored: bottom row first.
    const std::vector<uint8_t>& bits() const { return m_bits; }

    /// The colour table of an indexed bitmap (empty for 24 bits). It may hold
    /// fewer entries than the depth can address; such pixels show black.
    std::vector<CLSRgbQuad>& colours() { return m_colours; }
    const std::vector<CLSRgbQuad>& colours() const { return m_colours; }

    /// The colour of pixel (x, y from the top); no range check.
    Colour pixel(int x, int y) const;
    /// Writes row y (from the top) as width × (red, green, blue) bytes.
    void rgbRowFromTop(int y, uint8_t* out) const;
    /// The whole picture top-down as red, green, blue bytes without padding;
    /// throws std::bad_alloc when the memory is not there.
    std::vector<uint8_t> toRgbTopDown() const;

  private:
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    size_t m_stride = 0;
    std::vector<uint8_t> m_bits;
    std::vector<CLSRgbQuad> m_colours;
};

/// Bytes per row of a bitmap, rounded up to a multiple of 4 (64-bit arithmetic).
constexpr uint64_t BitmapStride(uint64_t width, int bitsPerPixel) {
    return (width * static_cast<uint64_t>(bitsPerPixel) + 31) / 32 * 4;
}
