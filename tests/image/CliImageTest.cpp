// vorel-cli image: PPM output for PNG and MNG, the event list, and rejection.

#include <gtest/gtest.h>

#include "ImageFiles.h"
#include "TestSupport.h"
#include "text/Paths.h"

using namespace imagefiles;

namespace {

int RunImage(const std::string& args, std::string* out, std::string* err) {
    return RunCommand(ShellQuote(CliPath()) + " image " + args, out, err);
}

}  // namespace

TEST(CliImage, PngBecomesOnePpm) {
    TempDir dir;
    // 2 × 1 RGBA: opaque red, then fully transparent.
    WriteFileBytes(
        dir.file("a.png"),
        Png({Ihdr(2, 1, 8, 6), Idat(Unfiltered({Bytes({255, 0, 0, 255, 9, 9, 9, 0})})), Iend()}));
    std::string out, err;
    ASSERT_EQ(RunImage(ShellQuote(dir.file("a.png")) + " --background 102030 --out " +
                           ShellQuote(dir.file("a.ppm")),
                       &out, &err),
              0)
        << err;
    EXPECT_EQ(ReadFileBytes(dir.file("a.ppm")),
              std::string("P6\n2 1\n255\n") + Bytes({255, 0, 0, 0x10, 0x20, 0x30}));
    EXPECT_EQ(out, "");
}

TEST(CliImage, MngFramesAndEvents) {
    TempDir dir;
    std::string grey = Embedded({Ihdr(1, 2, 8, 0), Idat(Unfiltered({"\x01", "\x02"})), Iend()});
    std::string term = Bytes({0, 0}) + BE32(100) + BE32(3);
    WriteFileBytes(dir.file("a.mng"), Mng({Mhdr(1, 2, 10), Chunk("TERM", term), grey,
                                           Chunk("FRAM", Bytes({1, 0, 1, 0, 0, 0}) + BE32(25)),
                                           grey, Chunk("MEND", "")}));
    std::string out, err;
    ASSERT_EQ(
        RunImage(ShellQuote(dir.file("a.mng")) + " --out " + ShellQuote(dir.file("f")), &out, &err),
        0)
        << err;
    EXPECT_EQ(out, "[[1,100,3],[0,0,0],[2,-25,0],[0,1,0]]\n");
    std::string frame = std::string("P6\n1 2\n255\n") + Bytes({1, 1, 1, 2, 2, 2});
    EXPECT_EQ(ReadFileBytes(dir.file("f-000.ppm")), frame);
    EXPECT_EQ(ReadFileBytes(dir.file("f-001.ppm")), frame);
    EXPECT_FALSE(NativeFileExists(dir.file("f-002.ppm")));
}

TEST(CliImage, RejectedInputWritesNothing) {
    TempDir dir;
    std::string good = Embedded({Ihdr(1, 1, 8, 0), Idat(Unfiltered({"\x01"})), Iend()});
    WriteFileBytes(dir.file("bad.png"), Png({Ihdr(1, 1, 3, 2), Idat("x"), Iend()}));
    WriteFileBytes(dir.file("bad.mng"), Mng({Mhdr(1, 1, 1), good}));  // no MEND
    WriteFileBytes(dir.file("text.png"), "not a picture");
    for (const char* name : {"bad.png", "bad.mng", "text.png", "missing.png"}) {
        std::string out, err;
        EXPECT_EQ(RunImage(ShellQuote(dir.file(name)) + " --out " + ShellQuote(dir.file("o")), &out,
                           &err),
                  1)
            << name;
        EXPECT_NE(err.find(name), std::string::npos) << err;
        EXPECT_FALSE(NativeFileExists(dir.file("o")));
        EXPECT_FALSE(NativeFileExists(dir.file("o-000.ppm")));
    }
    std::string out, err;
    EXPECT_EQ(RunImage(ShellQuote(dir.file("bad.png")) + " --background red --out x", &out, &err),
              1);
    EXPECT_NE(err.find("--background"), std::string::npos);
}
