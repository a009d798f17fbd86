#include "image/Bitmap.h"

CLSBitmap::CLSBitmap(int width, int height, int bitsPerPixel)
    : m_width(width > 0 && height > 0 ? width : 0),
      m_height(width > 0 && height > 0 ? height : 0),
      m_bitsPerPixel(bitsPerPixel),
      m_stride(static_cast<size_t>(BitmapStride(static_cast<uint64_t>(m_width), bitsPerPixel))),
      m_bits(m_stride * static_cast<size_t>(m_height)) {}

namespace {

inline int indexAt(const uint8_t* row, int x, int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4:
            return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
        default:
            return row[x];
    }
}

}  // namespace

Colour CLSBitmap::pixel(int x, int y) const {
    const uint8_t* row = rowFromTop(y);
    if (m_bitsPerPixel == 24) {
        const uint8_t* p = row + 3 * static_cast<size_t>(x);
        return makeColour(p[2], p[1], p[0]);
    }
    size_t index = static_cast<size_t>(indexAt(row, x, m_bitsPerPixel));
    if (index >= m_colours.size()) return 0;
    const CLSRgbQuad& q = m_colours[index];
    return makeColour(q.red, q.green, q.blue);
}

void CLSBitmap::rgbRowFromTop(int y, uint8_t* out) const {
    const uint8_t* row = rowFromTop(y);
    if (m_bitsPerPixel == 24) {
        for (int x = 0; x < m_width; ++x, row += 3, out += 3) {
            out[0] = row[2];
            out[1] = row[1];
            out[2] = row[0];
        }
        return;
    }
    // A full 256-entry table keeps the per-pixel lookup free of range checks.
    CLSRgbQuad table[256] = {};
    for (size_t i = 0; i < m_colours.size() && i < 256; ++i)
        table[i] = m_colours[i];
    for (int x = 0; x < m_width; ++x, out += 3) {
        const CLSRgbQuad& q = table[indexAt(row, x, m_bitsPerPixel)];
        out[0] = q.red;
        out[1] = q.green;
        out[2] = q.blue;
    }
}

std::vector<uint8_t> CLSBitmap::toRgbTopDown() const {
    size_t rowBytes = 3 * static_cast<size_t>(m_width);
    std::vector<uint8_t> out(rowBytes * static_cast<size_t>(m_height));
    for (int y = 0; y < m_height; ++y)
        rgbRowFromTop(y, out.data() + rowBytes * static_cast<size_t>(y));
    return out;
}
