// Decoded scanlines to a device-independent bitmap. Bitmaps have no alpha,
// so every kind of transparency is resolved here against the background
// colour the caller will draw the picture on.

#include <cstring>
#include <new>

#include "image/PngImage.h"

namespace {

inline uint8_t blend(unsigned f, unsigned b, unsigned a) {
    return static_cast<uint8_t>((f * a + (255 - a) * b) / 255);
}

CLSRgbQuad quadOf(Colour c) {
    return CLSRgbQuad{static_cast<uint8_t>(blueOf(c)), static_cast<uint8_t>(greenOf(c)),
                      static_cast<uint8_t>(redOf(c)), 0};
}

/// Bitmap depth for a colour type and bit depth.
int bitmapDepth(const CLSPngImage& image) {
    int depth = image.bitDepth;
    switch (image.colourType) {
        case 0:
            if (depth == 2) return 4;
            // Matching a 16-bit transparent grey needs all 16 bits, which an
            // 8-bit grey table cannot express; such images become 24-bit.
            if (depth == 16) return image.hasTransparentSample ? 24 : 8;
            return depth;
        case 3:
            return depth == 2 ? 4 : depth;
        default:
            return 24;
    }
}

std::vector<CLSRgbQuad> greyRamp(int depth) {
    int count = 1 << depth;
    std::vector<CLSRgbQuad> table(count);
    for (int i = 0; i < count; ++i) {
        uint8_t v = static_cast<uint8_t>(i * 255 / (count - 1));
        table[i] = CLSRgbQuad{v, v, v, 0};
    }
    return table;
}

std::vector<CLSRgbQuad> colourTable(const CLSPngImage& image, int outDepth, Colour background) {
    if (image.colourType == 0) {
        std::vector<CLSRgbQuad> table = greyRamp(image.bitDepth == 16 ? 8 : image.bitDepth);
        if (image.hasTransparentSample && image.bitDepth <= 8 &&
            image.transparentSample[0] < table.size())
            table[image.transparentSample[0]] = quadOf(background);
        return table;
    }
    // No palette at all shows every pixel black, as an all-zero table would.
    if (image.palette.empty()) return std::vector<CLSRgbQuad>(size_t{1} << outDepth);
    std::vector<CLSRgbQuad> table = image.palette;
    for (size_t i = 0; i < image.paletteAlpha.size() && i < table.size(); ++i) {
        unsigned a = image.paletteAlpha[i];
        CLSRgbQuad& q = table[i];
        q.red = blend(q.red, redOf(background), a);
        q.green = blend(q.green, greenOf(background), a);
        q.blue = blend(q.blue, blueOf(background), a);
    }
    return table;
}

/// Each 2-bit value becomes a nibble: one source byte, two bitmap bytes.
void widenTwoBit(const uint8_t* src, size_t srcBytes, uint8_t* dst, size_t dstBytes) {
    static const auto table = [] {
        struct {
            uint8_t hi[256], lo[256];
        } t;
        for (int v = 0; v < 256; ++v) {
            t.hi[v] = static_cast<uint8_t>(((v >> 6) & 3) << 4 | ((v >> 4) & 3));
            t.lo[v] = static_cast<uint8_t>(((v >> 2) & 3) << 4 | (v & 3));
        }
        return t;
    }();
    for (size_t i = 0; i < srcBytes; ++i) {
        dst[2 * i] = table.hi[src[i]];
        if (2 * i + 1 < dstBytes) dst[2 * i + 1] = table.lo[src[i]];
    }
}

void convertRow(const CLSPngImage& image, const uint8_t* src, uint8_t* dst, size_t width,
                Colour background) {
    unsigned br = redOf(background), bg = greenOf(background), bb = blueOf(background);
    const uint16_t* key = image.transparentSample;
    bool keyed = image.hasTransparentSample;
    switch (image.colourType * 100 + image.bitDepth) {
        case 16:  // 16-bit grey with a transparent value: 24 bits
            for (size_t x = 0; x < width; ++x, src += 2, dst += 3) {
                if (keyed && (src[0] << 8 | src[1]) == key[0]) {
                    dst[0] = static_cast<uint8_t>(bb);
                    dst[1] = static_cast<uint8_t>(bg);
                    dst[2] = static_cast<uint8_t>(br);
                } else {
                    dst[0] = dst[1] = dst[2] = src[0];
                }
            }
            break;
        case 208:
        case 216: {
            size_t step = image.bitDepth / 8;  // 1 or 2: the high byte comes first
            for (size_t x = 0; x < width; ++x, src += 3 * step, dst += 3) {
                bool clear =
                    keyed && (step == 1 ? src[0] == key[0] && src[1] == key[1] && src[2] == key[2]
                                        : (src[0] << 8 | src[1]) == key[0] &&
                                              (src[2] << 8 | src[3]) == key[1] &&
                                              (src[4] << 8 | src[5]) == key[2]);
                if (clear) {
                    dst[0] = static_cast<uint8_t>(bb);
                    dst[1] = static_cast<uint8_t>(bg);
                    dst[2] = static_cast<uint8_t>(br);
                } else {
                    dst[0] = src[2 * step];
                    dst[1] = src[step];
                    dst[2] = src[0];
                }
            }
            break;
        }
        case 408:
        case 416: {
            size_t step = image.bitDepth / 8;
            for (size_t x = 0; x < width; ++x, src += 2 * step, dst += 3) {
                unsigned v = src[0], a = src[step];
                dst[0] = blend(v, bb, a);
                dst[1] = blend(v, bg, a);
                dst[2] = blend(v, br, a);
            }
            break;
        }
        case 608:
            for (size_t x = 0; x < width; ++x, src += 4, dst += 3) {
                unsigned a = src[3];
                dst[0] = blend(src[2], bb, a);
                dst[1] = blend(src[1], bg, a);
                dst[2] = blend(src[0], br, a);
            }
            break;
        case 616:
            for (size_t x = 0; x < width; ++x, src += 8, dst += 3) {
                unsigned a = src[6];
                dst[0] = blend(src[4], bb, a);
                dst[1] = blend(src[2], bg, a);
                dst[2] = blend(src[0], br, a);
            }
            break;
    }
}

}  // namespace

std::optional<CLSBitmap> ConvertToBitmap(const CLSPngImage& image, Colour background) {
    int depth = bitmapDepth(image);
    uint64_t stride = BitmapStride(image.width, depth);
    if (stride > ImageSizeLimit() || stride * image.height > ImageSizeLimit()) return std::nullopt;
    try {
        CLSBitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height), depth);
        if (depth != 24) bitmap.colours() = colourTable(image, depth, background);
        size_t width = image.width;
        size_t lineData = image.rowBytes - 1;
        size_t bitmapRow = (width * static_cast<size_t>(depth) + 7) / 8;
        for (uint32_t y = 0; y < image.height; ++y) {
            const uint8_t* src = image.rows.get() + y * image.rowBytes + 1;
            uint8_t* dst = bitmap.rowFromTop(static_cast<int>(y));
            if (depth == 24) {
                convertRow(image, src, dst, width, background);
            } else if (image.bitDepth == 2) {
                widenTwoBit(src, lineData, dst, bitmapRow);
            } else if (image.bitDepth == 16) {
                for (size_t x = 0; x < width; ++x)
                    dst[x] = src[2 * x];
            } else {
                std::memcpy(dst, src, lineData);
            }
        }
        return bitmap;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
