// What a decoded PNG looks like: unfiltering, Adam7, the bitmap depths and
// colour tables, and transparency against the background colour.

#include <gtest/gtest.h>

#include <random>

#include "ImageFiles.h"
#include "image/Png.h"
#include "image/PngImage.h"

using namespace imagefiles;

namespace {

const Colour kBackground = makeColour(10, 20, 30);

std::optional<CLSBitmap> Decode(const std::string& file, Colour background = kBackground) {
    return LoadPngFromMemory(U(file), file.size(), background);
}

// The predictor written the long way, as an independent reference.
int ReferencePaeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    if (pb <= pc) return b;
    return c;
}

/// Filters raw rows (no filter bytes) with the given filter per row.
std::string FilterRows(const std::vector<std::string>& rows, const std::vector<int>& filters,
                       int bpp) {
    std::string out;
    std::string prev(rows.empty() ? 0 : rows[0].size(), '\0');
    for (size_t y = 0; y < rows.size(); ++y) {
        const std::string& r = rows[y];
        int f = filters[y % filters.size()];
        out += static_cast<char>(f);
        for (size_t i = 0; i < r.size(); ++i) {
            int x = static_cast<uint8_t>(r[i]);
            int a = i >= static_cast<size_t>(bpp) ? static_cast<uint8_t>(r[i - bpp]) : 0;
            int b = static_cast<uint8_t>(prev[i]);
            int c = i >= static_cast<size_t>(bpp) ? static_cast<uint8_t>(prev[i - bpp]) : 0;
            int predicted = f == 1   ? a
                            : f == 2 ? b
                            : f == 3 ? (a + b) / 2
                            : f == 4 ? ReferencePaeth(a, b, c)
                                     : 0;
            out += static_cast<char>(x - predicted);
        }
        prev = r;
    }
    return out;
}

std::vector<std::string> RandomRows(std::mt19937& rng, size_t width, size_t height, int range) {
    std::vector<std::string> rows(height, std::string(width, '\0'));
    for (std::string& r : rows)
        for (char& c : r)
            c = static_cast<char>(rng() % range);
    return rows;
}

/// Adam7 scanlines of raw rows (whole bytes per pixel, or 1-bit packed when bits == 1).
std::string Interlace(const std::vector<std::string>& rows, size_t width, int bits, int filter) {
    const int r0[7] = {0, 0, 4, 0, 2, 0, 1}, c0[7] = {0, 4, 0, 2, 0, 1, 0};
    const int rs[7] = {8, 8, 8, 4, 4, 2, 2}, cs[7] = {8, 8, 4, 4, 2, 2, 1};
    std::string out;
    for (int p = 0; p < 7; ++p) {
        std::vector<std::string> passRows;
        for (size_t y = r0[p]; y < rows.size(); y += rs[p]) {
            std::string line;
            size_t count = 0;
            for (size_t x = c0[p]; x < width; x += cs[p], ++count) {
                if (bits == 1) {
                    if (count % 8 == 0) line += '\0';
                    int bit = (static_cast<uint8_t>(rows[y][x / 8]) >> (7 - x % 8)) & 1;
                    line.back() = static_cast<char>(line.back() | bit << (7 - count % 8));
                } else {
                    line += rows[y].substr(x * (bits / 8), bits / 8);
                }
            }
            if (count) passRows.push_back(line);
        }
        if (!passRows.empty()) out += FilterRows(passRows, {filter}, bits < 8 ? 1 : bits / 8);
    }
    return out;
}

}  // namespace

TEST(PngUnfilter, AllFiltersAtEveryPixelDistance) {
    std::mt19937 rng(11);
    for (int bpp : {1, 2, 3, 4, 6, 8}) {
        // Narrow value ranges make the predictor's ties common.
        for (int range : {4, 256}) {
            std::vector<std::string> rows = RandomRows(rng, 7 * bpp, 12, range);
            std::string filtered = FilterRows(rows, {0, 1, 2, 3, 4, 4, 3, 2, 1, 4}, bpp);
            size_t rowBytes = rows[0].size() + 1;
            UnfilterRows(reinterpret_cast<uint8_t*>(filtered.data()), rowBytes, rows.size(), bpp);
            for (size_t y = 0; y < rows.size(); ++y) {
                EXPECT_EQ(filtered[y * rowBytes], 0) << "filter byte is cleared";
                EXPECT_EQ(filtered.substr(y * rowBytes + 1, rowBytes - 1), rows[y])
                    << "bpp " << bpp << " range " << range << " row " << y;
            }
        }
    }
    // An unknown filter leaves its line as it is.
    std::string line = std::string("\x07") + "\x05\x06\x07";
    UnfilterRows(reinterpret_cast<uint8_t*>(line.data()), 4, 1, 1);
    EXPECT_EQ(line, std::string("\0\x05\x06\x07", 4));
}

TEST(PngUnfilter, DecodedFilesGiveTheRawPixels) {
    std::mt19937 rng(5);
    std::vector<std::string> rows = RandomRows(rng, 9 * 3, 9, 256);
    std::string file = Png({Ihdr(9, 9, 8, 2), Idat(FilterRows(rows, {4, 3, 2, 1, 0}, 3)), Iend()});
    std::optional<CLSBitmap> bitmap = Decode(file);
    ASSERT_TRUE(bitmap);
    std::vector<uint8_t> rgb = bitmap->toRgbTopDown();
    std::string expected;
    for (const std::string& r : rows)
        expected += r;
    EXPECT_EQ(std::string(rgb.begin(), rgb.end()), expected);
}

TEST(PngAdam7, InterlacedDecodesLikeTheSamePictureWithout) {
    std::mt19937 rng(3);
    struct Kind {
        int depth, type, bits;
    };
    for (Kind k : {Kind{8, 0, 8}, Kind{8, 2, 24}, Kind{16, 6, 64}, Kind{1, 0, 1}}) {
        for (size_t w : {1, 2, 3, 5, 8, 13}) {
            for (size_t h : {1, 2, 3, 7, 9}) {
                size_t rowBytes = (w * k.bits + 7) / 8;
                std::vector<std::string> rows = RandomRows(rng, rowBytes, h, 256);
                if (k.bits == 1 && w % 8) {
                    // Padding bits past the last pixel are not part of the picture.
                    for (std::string& r : rows)
                        r.back() = static_cast<char>(r.back() & (0xFF << (8 - w % 8)));
                }
                std::string plain =
                    Png({Ihdr(w, h, k.depth, k.type), Idat(Unfiltered(rows)), Iend()});
                std::string laced = Png(
                    {Ihdr(w, h, k.depth, k.type, 1), Idat(Interlace(rows, w, k.bits, 4)), Iend()});
                std::optional<CLSBitmap> a = Decode(plain), b = Decode(laced);
                ASSERT_TRUE(a && b) << w << "x" << h << " bits " << k.bits;
                EXPECT_EQ(a->bits(), b->bits()) << w << "x" << h << " bits " << k.bits;
            }
        }
    }
}

TEST(PngBitmap, GreyDepthsAndTables) {
    // 1-bit: copied, two-entry ramp; rows are bottom-up with a 4-byte stride.
    std::optional<CLSBitmap> one =
        Decode(Png({Ihdr(9, 2, 1, 0), Idat(Unfiltered({"\xA5\x80", "\x00\x00"})), Iend()}));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->bitsPerPixel(), 1);
    EXPECT_EQ(one->stride(), 4u);
    EXPECT_EQ(one->bits(), (std::vector<uint8_t>{0, 0, 0, 0, 0xA5, 0x80, 0, 0}));
    EXPECT_EQ(one->colours(), (std::vector<CLSRgbQuad>{{0, 0, 0, 0}, {255, 255, 255, 0}}));

    // 2-bit: widened to nibbles, levels 0, 85, 170, 255.
    std::optional<CLSBitmap> two =
        Decode(Png({Ihdr(5, 1, 2, 0), Idat(Unfiltered({"\x1B\x80"})), Iend()}));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->bitsPerPixel(), 4);
    EXPECT_EQ(two->bits(), (std::vector<uint8_t>{0x01, 0x23, 0x20, 0}));
    ASSERT_EQ(two->colours().size(), 4u);
    EXPECT_EQ(two->colours()[1].green, 85);
    EXPECT_EQ(two->colours()[2].red, 170);

    std::optional<CLSBitmap> four =
        Decode(Png({Ihdr(2, 1, 4, 0), Idat(Unfiltered({"\x3F"})), Iend()}));
    ASSERT_TRUE(four);
    EXPECT_EQ(four->bitsPerPixel(), 4);
    EXPECT_EQ(four->colours().size(), 16u);
    EXPECT_EQ(four->pixel(0, 0), makeColour(51, 51, 51));

    // 16-bit: an 8-bit bitmap of the high bytes with a full ramp.
    std::optional<CLSBitmap> sixteen =
        Decode(Png({Ihdr(2, 1, 16, 0), Idat(Unfiltered({"\x12\xFF\xAB\x01"})), Iend()}));
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(sixteen->bitsPerPixel(), 8);
    EXPECT_EQ(sixteen->colours().size(), 256u);
    EXPECT_EQ(sixteen->bits()[0], 0x12);
    EXPECT_EQ(sixteen->bits()[1], 0xAB);
    EXPECT_EQ(sixteen->colours()[0xAB], (CLSRgbQuad{0xAB, 0xAB, 0xAB, 0}));
}

TEST(PngBitmap, IndexedAndTruecolour) {
    std::optional<CLSBitmap> indexed =
        Decode(Png({Ihdr(3, 1, 2, 3), Plte({0xFF0000, 0x00FF00, 0x0000FF}),
                    Idat(Unfiltered({"\x24"})), Iend()}));
    ASSERT_TRUE(indexed);
    EXPECT_EQ(indexed->bitsPerPixel(), 4);
    EXPECT_EQ(indexed->colours().size(), 3u);
    EXPECT_EQ(indexed->pixel(0, 0), makeColour(255, 0, 0));
    EXPECT_EQ(indexed->pixel(1, 0), makeColour(0, 0, 255));
    EXPECT_EQ(indexed->pixel(2, 0), makeColour(0, 255, 0));

    std::optional<CLSBitmap> rgb16 =
        Decode(Png({Ihdr(1, 1, 16, 2), Idat(Unfiltered({"\x11\x99\x22\x99\x33\x99"})), Iend()}));
    ASSERT_TRUE(rgb16);
    EXPECT_EQ(rgb16->bitsPerPixel(), 24);
    EXPECT_EQ(rgb16->bits(), (std::vector<uint8_t>{0x33, 0x22, 0x11, 0}));

    // No palette anywhere: an all-zero table, every pixel black.
    std::optional<CLSBitmap> bare =
        Decode(Png({Ihdr(2, 1, 8, 3), Idat(Unfiltered({"\x00\x05"})), Iend()}));
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->colours(), std::vector<CLSRgbQuad>(256));
    EXPECT_EQ(bare->pixel(1, 0), 0u);
}

TEST(PngTransparency, ResolvedAgainstTheBackground) {
    const Colour b = makeColour(100, 150, 200);
    // Alpha 0 is exactly the background, 255 exactly the colour, the rest blends.
    std::optional<CLSBitmap> rgba = Decode(
        Png({Ihdr(3, 1, 8, 6),
             Idat(Unfiltered({Bytes({200, 0, 50, 0, 200, 0, 50, 255, 200, 0, 50, 128})})), Iend()}),
        b);
    ASSERT_TRUE(rgba);
    EXPECT_EQ(rgba->pixel(0, 0), b);
    EXPECT_EQ(rgba->pixel(1, 0), makeColour(200, 0, 50));
    // (f × 128 + 127 × b) / 255: red 150, green 74, blue 124.
    EXPECT_EQ(rgba->pixel(2, 0), makeColour(150, 74, 124));

    std::optional<CLSBitmap> greyAlpha16 =
        Decode(Png({Ihdr(1, 1, 16, 4), Idat(Unfiltered({Bytes({200, 255, 128, 0})})), Iend()}), b);
    ASSERT_TRUE(greyAlpha16);
    EXPECT_EQ(greyAlpha16->pixel(0, 0), makeColour(150, 175, 200));

    // A grey value in the table becomes the background.
    std::optional<CLSBitmap> grey = Decode(
        Png({Ihdr(2, 1, 4, 0), Chunk("tRNS", Bytes({0, 3})), Idat(Unfiltered({"\x35"})), Iend()}),
        b);
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->pixel(0, 0), b);
    EXPECT_EQ(grey->pixel(1, 0), makeColour(85, 85, 85));

    // Truecolour: only the exact colour, compared on all 16 bits for 16-bit samples.
    std::optional<CLSBitmap> rgb8 =
        Decode(Png({Ihdr(2, 1, 8, 2), Chunk("tRNS", Bytes({0, 1, 0, 2, 0, 3})),
                    Idat(Unfiltered({Bytes({1, 2, 3, 1, 2, 4})})), Iend()}),
               b);
    ASSERT_TRUE(rgb8);
    EXPECT_EQ(rgb8->pixel(0, 0), b);
    EXPECT_EQ(rgb8->pixel(1, 0), makeColour(1, 2, 4));
    std::optional<CLSBitmap> rgb16 =
        Decode(Png({Ihdr(2, 1, 16, 2), Chunk("tRNS", Bytes({9, 1, 9, 2, 9, 3})),
                    Idat(Unfiltered({Bytes({9, 1, 9, 2, 9, 3, 9, 1, 9, 2, 9, 4})})), Iend()}),
               b);
    ASSERT_TRUE(rgb16);
    EXPECT_EQ(rgb16->pixel(0, 0), b);
    EXPECT_EQ(rgb16->pixel(1, 0), makeColour(9, 9, 9)) << "same high bytes, other low byte";

    // 16-bit grey with a transparent value turns into 24 bits for the same reason.
    std::optional<CLSBitmap> grey16 = Decode(Png({Ihdr(2, 1, 16, 0), Chunk("tRNS", Bytes({7, 8})),
                                                  Idat(Unfiltered({Bytes({7, 8, 7, 9})})), Iend()}),
                                             b);
    ASSERT_TRUE(grey16);
    EXPECT_EQ(grey16->bitsPerPixel(), 24);
    EXPECT_EQ(grey16->pixel(0, 0), b);
    EXPECT_EQ(grey16->pixel(1, 0), makeColour(7, 7, 7));
}

TEST(PngTransparency, PaletteAlphas) {
    const Colour b = makeColour(0, 0, 255);
    // A tRNS shorter than the palette leaves the other entries opaque.
    std::optional<CLSBitmap> short_ =
        Decode(Png({Ihdr(3, 1, 8, 3), Plte({0xFF0000, 0x00FF00, 0x000000}),
                    Chunk("tRNS", Bytes({0})), Idat(Unfiltered({Bytes({0, 1, 2})})), Iend()}),
               b);
    ASSERT_TRUE(short_);
    EXPECT_EQ(short_->pixel(0, 0), b);
    EXPECT_EQ(short_->pixel(1, 0), makeColour(0, 255, 0));
    EXPECT_EQ(short_->pixel(2, 0), makeColour(0, 0, 0));

    // 1-bit, 11 × 10, two entries both given alphas: still a 1-bit bitmap,
    // the two table entries blended.
    std::vector<std::string> rows(10, "\xAA\xA0");
    std::optional<CLSBitmap> oneBit =
        Decode(Png({Ihdr(11, 10, 1, 3), Plte({0xFFFFFF, 0xFF0000}), Chunk("tRNS", Bytes({0, 51})),
                    Idat(Unfiltered(rows)), Iend()}),
               b);
    ASSERT_TRUE(oneBit);
    EXPECT_EQ(oneBit->bitsPerPixel(), 1);
    EXPECT_EQ(oneBit->colours(), (std::vector<CLSRgbQuad>{{255, 0, 0, 0}, {204, 0, 51, 0}}));
    EXPECT_EQ(oneBit->pixel(0, 9), makeColour(51, 0, 204));
    EXPECT_EQ(oneBit->pixel(1, 9), b);
}

TEST(PngBitmap, TopDownRgb) {
    std::optional<CLSBitmap> bitmap = Decode(
        Png({Ihdr(1, 2, 8, 2), Idat(Unfiltered({Bytes({1, 2, 3}), Bytes({4, 5, 6})})), Iend()}));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->bits(), (std::vector<uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
    EXPECT_EQ(bitmap->toRgbTopDown(), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}
