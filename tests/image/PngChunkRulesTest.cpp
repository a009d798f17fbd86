// Which PNG files are accepted: chunk order and multiplicity, the header
// table, the compressed stream and the size limit.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "ImageFiles.h"
#include "TestSupport.h"
#include "image/Png.h"
#include "text/Paths.h"

using namespace imagefiles;

namespace {

const Colour kBackground = makeColour(10, 20, 30);

std::optional<CLSBitmap> Decode(const std::string& file) {
    return LoadPngFromMemory(U(file), file.size(), kBackground);
}

// A 2 × 2 8-bit grey picture: 0x10 0x20 / 0x30 0x40.
std::string GreyData() {
    return Idat(Unfiltered({"\x10\x20", "\x30\x40"}));
}

std::string GreyPng(const std::vector<std::string>& between = {}) {
    std::vector<std::string> chunks = {Ihdr(2, 2, 8, 0)};
    chunks.insert(chunks.end(), between.begin(), between.end());
    chunks.push_back(GreyData());
    chunks.push_back(Iend());
    return Png(chunks);
}

/// Valid scanlines of zeros for any header.
std::string ZeroData(uint32_t w, uint32_t h, int bitsPerPixel) {
    return Idat(std::string(((w * bitsPerPixel + 7) / 8 + 1) * h, '\0'));
}

}  // namespace

TEST(PngChunkRules, HeaderTableDecidesColourTypesAndDepths) {
    // The table of the PNG rules: colour type and the bit depths it allows.
    const std::set<std::pair<int, int>> valid = {
        {0, 1}, {0, 2},  {0, 4}, {0, 8}, {0, 16},  // grey
        {2, 8}, {2, 16},                           // truecolour
        {3, 1}, {3, 2},  {3, 4}, {3, 8},           // indexed
        {4, 8}, {4, 16},                           // grey with alpha
        {6, 8}, {6, 16},                           // truecolour with alpha
    };
    const int samples[] = {1, 0, 3, 1, 2, 0, 4, 0};
    for (int type = 0; type < 8; ++type) {
        for (int depth = 0; depth <= 17; ++depth) {
            int bits = depth * (samples[type] ? samples[type] : 1);
            std::string file =
                Png({Ihdr(3, 2, depth, type), Plte({0, 0xFFFFFF}), ZeroData(3, 2, bits), Iend()});
            EXPECT_EQ(Decode(file).has_value(), valid.count({type, depth}) == 1)
                << "type " << type << " depth " << depth;
        }
    }
}

TEST(PngChunkRules, HeaderFieldsOtherThanSizeAndType) {
    std::string good = Png({Ihdr(2, 2, 8, 0), GreyData(), Iend()});
    ASSERT_TRUE(Decode(good));
    auto withHeaderByte = [&](int offset, int value) {
        std::string d = Ihdr(2, 2, 8, 0).substr(8, 13);
        d[offset] = static_cast<char>(value);
        return Png({Chunk("IHDR", d), GreyData(), Iend()});
    };
    EXPECT_FALSE(Decode(withHeaderByte(10, 1))) << "compression method";
    EXPECT_FALSE(Decode(withHeaderByte(11, 1))) << "filter method";
    EXPECT_FALSE(Decode(withHeaderByte(12, 2))) << "interlace method";
    std::string d = Ihdr(2, 2, 8, 0).substr(8, 13);
    EXPECT_FALSE(Decode(Png({Chunk("IHDR", d + '\0'), GreyData(), Iend()}))) << "length 14";
    EXPECT_FALSE(Decode(Png({Chunk("IHDR", d.substr(0, 12)), GreyData(), Iend()}))) << "length 12";
    EXPECT_FALSE(Decode(Png({Ihdr(0, 2, 8, 0), GreyData(), Iend()}))) << "zero width";
    EXPECT_FALSE(Decode(Png({Ihdr(2, 0, 8, 0), GreyData(), Iend()}))) << "zero height";
    EXPECT_FALSE(Decode(Png({Ihdr(0x80000000u, 1, 8, 0), GreyData(), Iend()})));
}

TEST(PngChunkRules, SignatureAndFraming) {
    std::string good = GreyPng();
    EXPECT_TRUE(Decode(good));
    std::string badSignature = good;
    badSignature[1] = 'p';
    EXPECT_FALSE(Decode(badSignature));
    EXPECT_FALSE(LoadPngFromMemory(nullptr, 0, kBackground));
    EXPECT_FALSE(Decode(good.substr(0, 7)));

    // Cut anywhere before IEND is complete: never accepted, never read beyond.
    for (size_t n = 8; n < good.size(); ++n)
        EXPECT_FALSE(Decode(good.substr(0, n))) << "cut at " << n;

    // A length that points past the end of the data.
    std::string longChunk = good;
    longChunk.insert(33, BE32(0xFFFFFFF0u) + "tEXt");
    EXPECT_FALSE(Decode(longChunk));

    // CRCs are not checked; bytes after IEND are not looked at.
    std::string badCrc = good;
    badCrc[8 + 4 + 4 + 13] ^= 0x55;
    EXPECT_TRUE(Decode(badCrc));
    EXPECT_TRUE(Decode(good + "trailing garbage"));
}

TEST(PngChunkRules, OrderAndRepetition) {
    std::string plte = Plte({0x112233});
    std::string trns = Chunk("tRNS", BE32(0).substr(2));
    EXPECT_TRUE(Decode(GreyPng({plte, trns})));
    EXPECT_TRUE(Decode(GreyPng({trns, plte}))) << "tRNS and PLTE in either order";

    EXPECT_FALSE(Decode(GreyPng({Ihdr(2, 2, 8, 0)}))) << "second IHDR";
    EXPECT_FALSE(Decode(GreyPng({plte, plte})));
    EXPECT_FALSE(Decode(GreyPng({trns, trns})));
    EXPECT_FALSE(Decode(Png({plte, Ihdr(2, 2, 8, 0), GreyData(), Iend()})));
    EXPECT_FALSE(Decode(Png({trns, Ihdr(2, 2, 8, 0), GreyData(), Iend()})));
    EXPECT_FALSE(Decode(Png({GreyData(), Ihdr(2, 2, 8, 0), Iend()})));
    EXPECT_FALSE(Decode(Png({Ihdr(2, 2, 8, 0), GreyData(), plte, Iend()}))) << "PLTE after IDAT";
    EXPECT_FALSE(Decode(Png({Ihdr(2, 2, 8, 0), GreyData(), trns, Iend()}))) << "tRNS after IDAT";
    EXPECT_FALSE(Decode(Png({Iend(), Ihdr(2, 2, 8, 0), GreyData(), Iend()})));

    EXPECT_FALSE(Decode(GreyPng({Chunk("PLTE", "\1\2\3\4")}))) << "not a multiple of 3";
    EXPECT_FALSE(Decode(GreyPng({Chunk("PLTE", "")}))) << "empty PLTE without a palette";
    EXPECT_FALSE(Decode(GreyPng({Chunk("tRNS", "\1")}))) << "grey tRNS needs two bytes";

    // Unknown and ancillary chunks are skipped wherever they stand.
    std::optional<CLSBitmap> plain = Decode(GreyPng());
    std::string extra = Png({Chunk("zzZz", "x"), Ihdr(2, 2, 8, 0), Chunk("gAMA", BE32(45455)),
                             Chunk("tEXt", std::string("Title\0x", 7)), GreyData(),
                             Chunk("tIME", std::string(7, '\1')), Iend()});
    std::optional<CLSBitmap> withExtra = Decode(extra);
    ASSERT_TRUE(plain && withExtra);
    EXPECT_EQ(withExtra->bits(), plain->bits());
    EXPECT_EQ(withExtra->colours(), plain->colours());
}

TEST(PngChunkRules, ImageDataRunsAndEnd) {
    std::string stream = Zlib(Unfiltered({"\x10\x20", "\x30\x40"}));
    std::vector<std::string> pieces;
    for (size_t i = 0; i < stream.size(); i += 3)
        pieces.push_back(Chunk("IDAT", stream.substr(i, 3)));

    std::vector<std::string> split = {Ihdr(2, 2, 8, 0), Chunk("IDAT", "")};
    split.insert(split.end(), pieces.begin(), pieces.end());
    split.push_back(Iend());
    std::optional<CLSBitmap> bitmap = Decode(Png(split));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->pixel(1, 1), makeColour(0x40, 0x40, 0x40));

    // The same run interrupted by another chunk is a second IDAT.
    std::vector<std::string> broken = {Ihdr(2, 2, 8, 0), pieces[0], Chunk("tEXt", "a\0b")};
    broken.insert(broken.end(), pieces.begin() + 1, pieces.end());
    broken.push_back(Iend());
    EXPECT_FALSE(Decode(Png(broken)));
    EXPECT_FALSE(
        Decode(Png({Ihdr(2, 2, 8, 0), GreyData(), Chunk("tEXt", "a"), GreyData(), Iend()})));

    // IDATs left over after the stream ended belong to the same run.
    EXPECT_TRUE(Decode(Png({Ihdr(2, 2, 8, 0), GreyData(), Chunk("IDAT", "junk"), Iend()})));

    EXPECT_FALSE(Decode(Png({Ihdr(2, 2, 8, 0), Iend()}))) << "no IDAT";
    EXPECT_FALSE(Decode(Png({Ihdr(2, 2, 8, 0), GreyData(), Chunk("IEND", "x")})));
    EXPECT_FALSE(Decode(Png({Ihdr(2, 2, 8, 0), GreyData()}))) << "no IEND";
}

TEST(PngChunkRules, CompressedStream) {
    std::string raw = Unfiltered({"\x10\x20", "\x30\x40"});
    std::string stream = Zlib(raw);
    EXPECT_FALSE(Decode(Png({Ihdr(2, 2, 8, 0), Chunk("IDAT", "not zlib at all"), Iend()})));
    EXPECT_FALSE(
        Decode(Png({Ihdr(2, 2, 8, 0), Chunk("IDAT", stream.substr(0, stream.size() / 2)), Iend()})))
        << "stream cut inside the IDAT data";

    // A stream that ends early leaves the missing rows zero.
    std::optional<CLSBitmap> shortStream =
        Decode(Png({Ihdr(2, 2, 8, 0), Idat(raw.substr(0, 3)), Iend()}));
    ASSERT_TRUE(shortStream);
    EXPECT_EQ(shortStream->pixel(1, 0), makeColour(0x20, 0x20, 0x20));
    EXPECT_EQ(shortStream->pixel(1, 1), makeColour(0, 0, 0));

    // More data than the picture needs: the buffer is full, the rest ignored.
    EXPECT_TRUE(Decode(Png({Ihdr(2, 2, 8, 0), Idat(raw + raw + raw), Iend()})));
}

TEST(PngChunkRules, SizeLimitBeforeAllocation) {
    // Nothing near these sizes is allocated: the header alone rejects them.
    std::string tiny = Idat(std::string(4, '\0'));
    EXPECT_FALSE(Decode(Png({Ihdr(0x7FFFFFFF, 0x7FFFFFFF, 16, 6), tiny, Iend()})));
    EXPECT_FALSE(Decode(Png({Ihdr(0x7FFFFFFF, 1, 16, 6), tiny, Iend()})));
    EXPECT_FALSE(Decode(Png({Ihdr(1, 0x7FFFFFFF, 16, 6), tiny, Iend()})));
    EXPECT_FALSE(Decode(Png({Ihdr(0x7FFFFFFF, 0x7FFFFFFF, 1, 0, 1), tiny, Iend()})));
    // Just over 256 MiB of scanlines (and of bitmap).
    EXPECT_FALSE(Decode(Png({Ihdr(8192, 8193, 8, 6), tiny, Iend()})));
    EXPECT_FALSE(Decode(Png({Ihdr(8192, 8193, 8, 6, 1), tiny, Iend()})));

    // The limit is one setting; a small one shows where it bites.
    SetImageSizeLimit(1000);
    EXPECT_TRUE(Decode(Png({Ihdr(30, 30, 8, 0), tiny, Iend()})));  // 31 × 30 scanline bytes
    EXPECT_FALSE(Decode(Png({Ihdr(40, 30, 8, 0), tiny, Iend()})));
    SetImageSizeLimit(kDefaultImageSizeLimit);
}

TEST(PngFile, ReadWholeByCp932Path) {
    TempDir dir;
    WriteFileBytes(dir.file("絵.png"), GreyPng());
    CLSTString folder;
    ASSERT_TRUE(PathFromNative(dir.path(), folder));
    std::optional<CLSBitmap> bitmap = LoadPngFromFile(JoinPath(folder, Sj("絵.png")), kBackground);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->pixel(0, 1), makeColour(0x30, 0x30, 0x30));
    EXPECT_FALSE(LoadPngFromFile(JoinPath(folder, Sj("ない.png")), kBackground));
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(ReadImageFile(dir.file("絵.png"), bytes, 10)) << "larger than allowed";
    EXPECT_TRUE(bytes.empty());
}
