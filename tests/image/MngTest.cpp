// Reading MNG animations: the header, TERM and FRAM events, embedded images
// with the shared palette and transparency, and what rejects a file.

#include <gtest/gtest.h>

#include "ImageFiles.h"
#include "image/Mng.h"
#include "image/Png.h"

using namespace imagefiles;

namespace {

const Colour kBackground = makeColour(0, 0, 255);

bool Read(const std::string& file, CLSMngAnimation& animation) {
    return LoadMngFromMemory(U(file), file.size(), kBackground, animation);
}

bool Accepted(const std::string& file) {
    CLSMngAnimation animation;
    return Read(file, animation);
}

std::vector<CLSMngEvent> EventsOf(const std::string& file) {
    CLSMngAnimation animation;
    EXPECT_TRUE(Read(file, animation));
    return animation.events;
}

std::string Fram(const std::string& data) {
    return Chunk("FRAM", data);
}

// A 2 × 1 8-bit indexed image with its own (possibly empty) PLTE.
std::string IndexedImage(const std::string& plte, const std::string& pixels) {
    return Embedded({Ihdr(2, 1, 8, 3), plte, Idat(Unfiltered({pixels})), Iend()});
}

}  // namespace

TEST(MngReader, HeaderAndEnd) {
    CLSMngAnimation animation;
    ASSERT_TRUE(
        Read(Mng({Mhdr(64, 48, 30), Chunk("BACK", BE32(0)), Chunk("MEND", "")}), animation));
    EXPECT_EQ(animation.frameWidth, 64u);
    EXPECT_EQ(animation.frameHeight, 48u);
    EXPECT_EQ(animation.ticksPerSecond, 30u);
    EXPECT_TRUE(animation.events.empty());

    std::string good = Mng({Mhdr(64, 48, 30), Chunk("MEND", "")});
    std::string pngSignature = good;
    pngSignature[0] = '\x89';
    pngSignature[1] = 'P';
    EXPECT_FALSE(Accepted(pngSignature));
    EXPECT_FALSE(Accepted(Mng({Mhdr(64, 48, 0), Chunk("MEND", "")}))) << "no ticks per second";
    EXPECT_FALSE(Accepted(Mng({Chunk("MHDR", std::string(27, '\1')), Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(Mng({Mhdr(1, 1, 1), Mhdr(1, 1, 1), Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(Mng({Chunk("TERM", Bytes({0})), Mhdr(1, 1, 1), Chunk("MEND", "")})));
    EXPECT_TRUE(Accepted(Mng({Chunk("DEFI", "ab"), Mhdr(1, 1, 1), Chunk("MEND", "")})))
        << "skipped chunks may come first";
    EXPECT_FALSE(Accepted(Mng({Mhdr(1, 1, 1)}))) << "no MEND";
    EXPECT_FALSE(Accepted(Mng({Mhdr(1, 1, 1), Chunk("MEND", "x")})));
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(Accepted(good.substr(0, n))) << "cut at " << n;
    EXPECT_TRUE(Accepted(good + "after the end"));
}

TEST(MngReader, TermEvents) {
    std::string term = Bytes({3, 0}) + BE32(250) + BE32(0x7FFFFFFF);
    EXPECT_EQ(EventsOf(Mng({Mhdr(1, 1, 10), Chunk("TERM", term), Chunk("MEND", "")})),
              (std::vector<CLSMngEvent>{{CLSMngEvent::kTerminate, 250, 0x7FFFFFFF}}));
    EXPECT_TRUE(
        EventsOf(Mng({Mhdr(1, 1, 10), Chunk("TERM", Bytes({0})), Chunk("MEND", "")})).empty());
    EXPECT_FALSE(Accepted(Mng({Mhdr(1, 1, 10), Chunk("TERM", "12345"), Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(Mng({Mhdr(1, 1, 10), Chunk("TERM", Bytes({0})), Chunk("TERM", Bytes({0})),
                               Chunk("MEND", "")})));
}

TEST(MngReader, FrameDelays) {
    std::string changes = Bytes({2, 0, 0, 0});
    std::vector<CLSMngEvent> events = EventsOf(Mng({
        Mhdr(1, 1, 100),
        Fram(""),                                                   // nothing
        Fram(Bytes({1})),                                           // mode only
        Fram(Bytes({1}) + "name"),                                  // name to the end
        Fram(Bytes({1}) + "name" + Bytes({0})),                     // nothing after the name
        Fram(Bytes({1}) + "n" + Bytes({0, 0, 2, 2, 2}) + BE32(9)),  // delay not changed
        Fram(Bytes({1}) + "n" + Bytes({0}) + changes + BE32(40)),   // new default
        Fram(Bytes({4, 0, 1, 0, 0, 0}) + BE32(7)),                  // next frame only
        Fram(Bytes({4, 0, 2, 0, 0, 0}) + BE32(0xFFFFFFFF) + "more"),
        Chunk("MEND", ""),
    }));
    EXPECT_EQ(events, (std::vector<CLSMngEvent>{{CLSMngEvent::kFrameDelay, 40, 0},
                                                {CLSMngEvent::kFrameDelay, -7, 0},
                                                {CLSMngEvent::kFrameDelay, 0xFFFFFFFFll, 0}}));
    // A delay announced but not there.
    EXPECT_FALSE(Accepted(
        Mng({Mhdr(1, 1, 100), Fram(Bytes({1, 0, 2, 0, 0, 0, 0, 0, 1})), Chunk("MEND", "")})));
}

TEST(MngReader, ImagesInOrderWithTheirEvents) {
    std::string red = Embedded({Ihdr(1, 1, 8, 2), Idat(Unfiltered({"\xFF\x00\x00"})), Iend()});
    std::string halfGreen =
        Embedded({Ihdr(1, 1, 8, 6), Idat(Unfiltered({Bytes({0, 255, 0, 128})})), Iend()});
    CLSMngAnimation animation;
    ASSERT_TRUE(
        Read(Mng({Mhdr(1, 1, 10), Fram(Bytes({1, 0, 2, 0, 0, 0}) + BE32(5)), red,
                  Chunk("TERM", Bytes({0, 0}) + BE32(1) + BE32(2)), halfGreen, Chunk("MEND", "")}),
             animation));
    EXPECT_EQ(animation.events, (std::vector<CLSMngEvent>{{CLSMngEvent::kFrameDelay, 5, 0},
                                                          {CLSMngEvent::kImage, 0, 0},
                                                          {CLSMngEvent::kTerminate, 1, 2},
                                                          {CLSMngEvent::kImage, 1, 0}}));
    ASSERT_EQ(animation.images.size(), 2u);
    EXPECT_EQ(animation.images[0].pixel(0, 0), makeColour(255, 0, 0));
    EXPECT_EQ(animation.images[1].pixel(0, 0), makeColour(0, 128, 127)) << "blended over blue";

    // One broken image rejects the file and leaves nothing behind.
    std::string broken = Embedded({Ihdr(1, 1, 8, 2), Iend()});
    EXPECT_FALSE(Read(Mng({Mhdr(1, 1, 10), red, broken, Chunk("MEND", "")}), animation));
    EXPECT_TRUE(animation.events.empty());
    EXPECT_TRUE(animation.images.empty());
    EXPECT_FALSE(Accepted(Mng({red, Mhdr(1, 1, 10), Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(Mng({Mhdr(1, 1, 10), red}))) << "an image, then the end of the data";
}

TEST(MngReader, SharedPaletteAndTransparency) {
    std::string shared = Plte({0xFF0000, 0x00FF00, 0xFFFFFF});
    std::string alpha = Chunk("tRNS", Bytes({255, 0}));
    CLSMngAnimation animation;
    ASSERT_TRUE(
        Read(Mng({Mhdr(2, 1, 10), shared, alpha, IndexedImage(Chunk("PLTE", ""), Bytes({0, 1})),
                  IndexedImage(Plte({0x000000, 0x808080, 0x123456}), Bytes({1, 2})),
                  IndexedImage(Chunk("PLTE", ""), Bytes({2, 1})), Chunk("MEND", "")}),
             animation));
    ASSERT_EQ(animation.images.size(), 3u);
    // Empty PLTE: the shared palette, with the shared alphas applied.
    EXPECT_EQ(animation.images[0].pixel(0, 0), makeColour(255, 0, 0));
    EXPECT_EQ(animation.images[0].pixel(1, 0), kBackground);
    // Its own palette replaces the shared one; the shared alphas still apply.
    EXPECT_EQ(animation.images[1].pixel(0, 0), kBackground);
    EXPECT_EQ(animation.images[1].pixel(1, 0), makeColour(0x12, 0x34, 0x56));
    // ... and only for that image.
    EXPECT_EQ(animation.images[2].pixel(0, 0), makeColour(255, 255, 255));

    // The shared alphas only ever describe palette entries.
    std::string grey = Embedded({Ihdr(2, 1, 8, 0), Idat(Unfiltered({Bytes({0, 9})})), Iend()});
    ASSERT_TRUE(Read(Mng({Mhdr(2, 1, 10), shared, alpha, grey, Chunk("MEND", "")}), animation));
    EXPECT_EQ(animation.images[0].pixel(0, 0), makeColour(0, 0, 0));

    EXPECT_FALSE(Accepted(Mng({Mhdr(2, 1, 10), alpha, shared, Chunk("MEND", "")})))
        << "tRNS before the shared PLTE";
    EXPECT_FALSE(Accepted(Mng({Mhdr(2, 1, 10), shared, shared, Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(Mng({Mhdr(2, 1, 10), shared, alpha, alpha, Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(Mng({Mhdr(2, 1, 10), Chunk("PLTE", "\1\2"), Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(
        Mng({Mhdr(2, 1, 10), IndexedImage(Chunk("PLTE", ""), Bytes({0, 1})), Chunk("MEND", "")})))
        << "empty PLTE with no shared palette";
}

TEST(MngReader, AllImagesTogetherAnswerToTheSizeLimit) {
    // 8 × 8 RGB: 200 bytes of scanlines and 192 of bitmap each; five bitmaps
    // fit under 1000 bytes, six do not.
    std::string image = Embedded({Ihdr(8, 8, 8, 2), Idat(std::string(25 * 8, '\0')), Iend()});
    SetImageSizeLimit(1000);
    EXPECT_TRUE(
        Accepted(Mng({Mhdr(8, 8, 1), image, image, image, image, image, Chunk("MEND", "")})));
    EXPECT_FALSE(Accepted(
        Mng({Mhdr(8, 8, 1), image, image, image, image, image, image, Chunk("MEND", "")})));
    SetImageSizeLimit(kDefaultImageSizeLimit);
}
