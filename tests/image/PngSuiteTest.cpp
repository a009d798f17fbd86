// The public PNG suite: every file is accepted or rejected as the chunk
// rules decide, and accepted files show the pixels libpng reads from them
// (libpng is linked into this test only, as an independent reference).

#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TestSupport.h"
#include "image/Png.h"

#ifdef VOREL_TEST_WITH_LIBPNG
#include <png.h>
#endif

namespace {

std::vector<std::string> SuiteFiles(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            std::string name = e->d_name;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".png") names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Rejected by the rules: bad signatures, colour types 1 and 9, bit depths
// 0, 3 and 99, and a missing IDAT. The files with only a bad CRC are not here.
const std::set<std::string> kRejected = {
    "xc1n0g08.png", "xc9n2c08.png", "xcrn0g04.png", "xd0n2c08.png", "xd3n2c08.png", "xd9n2c08.png",
    "xdtn0g01.png", "xlfn0g04.png", "xs1n0g01.png", "xs2n0g01.png", "xs4n0g01.png", "xs7n0g01.png",
};

int ExpectedDepth(const std::string& bytes, bool hasTransparency) {
    int depth = static_cast<uint8_t>(bytes[24]), type = static_cast<uint8_t>(bytes[25]);
    if (type == 0 && depth == 16) return hasTransparency ? 24 : 8;
    if (type == 0 || type == 3) return depth == 2 ? 4 : depth;
    return 24;
}

#ifdef VOREL_TEST_WITH_LIBPNG
struct Reader {
    const std::string* bytes;
    size_t pos;
};

/// Every pixel as 16-bit red, green, blue, alpha (tRNS turned into alpha).
bool ReadWithLibpng(const std::string& bytes, uint32_t& width, uint32_t& height,
                    std::vector<uint16_t>& rgba, bool& hasTransparency) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Reader reader{&bytes, 8};
    std::vector<png_bytep> rows;
    std::vector<uint8_t> data;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_read_fn(png, &reader, [](png_structp p, png_bytep out, size_t n) {
        Reader* r = static_cast<Reader*>(png_get_io_ptr(p));
        if (r->pos + n > r->bytes->size()) png_error(p, "short");
        std::copy_n(r->bytes->data() + r->pos, n, out);
        r->pos += n;
    });
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    hasTransparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFFFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    size_t rowBytes = png_get_rowbytes(png, info);
    data.resize(rowBytes * height);
    for (uint32_t y = 0; y < height; ++y)
        rows.push_back(data.data() + y * rowBytes);
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    rgba.resize(data.size() / 2);
    for (size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<uint16_t>(data[2 * i] << 8 | data[2 * i + 1]);
    return true;
}
#endif

}  // namespace

TEST(PngSuite, AcceptedAsTheRulesDecideWithTheRightPixels) {
    std::string folder = SharedTestData("pngsuite");
    if (folder.empty()) GTEST_SKIP() << "the PNG suite is not there (shared/testdata/pngsuite)";
    std::vector<std::string> names = SuiteFiles(folder);
    ASSERT_GT(names.size(), 150u);
#ifndef VOREL_TEST_WITH_LIBPNG
    std::cout << "libpng is not installed: pixels are not compared\n";
#endif
    const Colour background = makeColour(0x40, 0xA0, 0xE0);
    int compared = 0;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::string bytes = ReadFileBytes(folder + "/" + name);
        std::optional<CLSBitmap> bitmap = LoadPngFromNativeFile(folder + "/" + name, background);
        EXPECT_EQ(bitmap.has_value(), kRejected.count(name) == 0);
        if (!bitmap) continue;
#ifdef VOREL_TEST_WITH_LIBPNG
        uint32_t w = 0, h = 0;
        std::vector<uint16_t> rgba;
        bool hasTransparency = false;
        ASSERT_TRUE(ReadWithLibpng(bytes, w, h, rgba, hasTransparency));
        ASSERT_EQ(bitmap->width(), static_cast<int>(w));
        ASSERT_EQ(bitmap->height(), static_cast<int>(h));
        EXPECT_EQ(bitmap->bitsPerPixel(), ExpectedDepth(bytes, hasTransparency));
        std::vector<uint8_t> ours = bitmap->toRgbTopDown();
        int wrong = 0;
        for (size_t i = 0; i < size_t{w} * h && wrong < 5; ++i) {
            unsigned a = rgba[4 * i + 3] >> 8;
            const int back[3] = {redOf(background), greenOf(background), blueOf(background)};
            for (int c = 0; c < 3; ++c) {
                unsigned f = rgba[4 * i + c] >> 8;
                int expected = static_cast<int>((f * a + (255 - a) * back[c]) / 255);
                if (ours[3 * i + c] != expected) {
                    ADD_FAILURE() << "pixel " << i % w << "," << i / w << " channel " << c << ": "
                                  << int(ours[3 * i + c]) << " instead of " << expected;
                    ++wrong;
                    break;
                }
            }
        }
        ++compared;
#else
        EXPECT_GT(bitmap->width(), 0);
#endif
    }
#ifdef VOREL_TEST_WITH_LIBPNG
    EXPECT_EQ(compared, static_cast<int>(names.size() - kRejected.size()));
#endif
}
