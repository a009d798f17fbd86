#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/Codec.h"
#include "text/Colour.h"
#include "text/Columns.h"
#include "text/Common.h"
#include "text/FileWriteString.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/WrapText.h"

namespace {

uint32_t hsv(int h, int s, int v) {
    return h << 16 | s << 8 | v;
}

// Every byte is 10 pixels wide, lines are 20 high.
class FixedMetrics : public TextMetrics {
  public:
    int textWidth(const char* text, int n) const override {
        return 10 * DisplayColumns(std::string_view(text, static_cast<size_t>(n)));
    }
    int lineHeight() const override { return 20; }
};

std::vector<std::string> wrapped(const char* text, int width, int* height = nullptr) {
    FixedMetrics m;
    CLSWrappedText w = wrapText(m, text, -1, width, 50);
    std::vector<std::string> lines;
    for (const CLSWrappedLine& l : w.lines)
        lines.emplace_back(text + l.start, l.length);
    if (height) *height = w.height;
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(Colour, HsvRoundTripsAndShades) {
    EXPECT_EQ(rgbToHsv(makeColour(255, 0, 0)), hsv(0, 255, 255));
    EXPECT_EQ(rgbToHsv(makeColour(128, 128, 128)), hsv(0, 0, 128));
    EXPECT_EQ(rgbToHsv(makeColour(0, 0, 255)), hsv(240, 255, 255));
    EXPECT_EQ(hsvToRgb(hsv(120, 255, 255)), makeColour(0, 255, 0));
    EXPECT_EQ(hsvToRgb(hsv(0, 0, 77)), makeColour(77, 77, 77));
    for (Colour c : {makeColour(255, 0, 0), makeColour(0, 255, 0), makeColour(0, 0, 255),
                     makeColour(255, 255, 0), makeColour(0, 255, 255), makeColour(255, 0, 255)}) {
        EXPECT_EQ(hsvToRgb(rgbToHsv(c)), c);
    }

    EXPECT_EQ(lightShade(makeColour(255, 255, 255)), makeColour(255, 255, 255));
    EXPECT_EQ(rgbToHsv(lightShade(makeColour(0, 0, 255))), hsv(240, 221, 255));
    EXPECT_EQ(rgbToHsv(darkShade(makeColour(0, 0, 200))), hsv(240, 255, 130));
    EXPECT_EQ(colourText(makeColour(1, 2, 3)), "0x010203");
    EXPECT_EQ(static_cast<Colour>(colourText(makeColour(200, 100, 50)).toInteger()),
              makeColour(200, 100, 50));
}

TEST(Common, NamesVersionsAndIntervals) {
    EXPECT_EQ(charsetToName(128), "SHIFTJIS");
    EXPECT_EQ(charsetToName(3), "3");
    EXPECT_EQ(charsetToName(-1), "");
    EXPECT_EQ(charsetFromName("shiftjis"), 128);
    EXPECT_EQ(charsetFromName("EastEurope"), 238);
    EXPECT_EQ(charsetFromName("42"), 42);
    EXPECT_EQ(charsetFromName("KLINGON"), -1);
    EXPECT_EQ(versionText(30), "3.0");
    EXPECT_EQ(versionText(12), "1.2");

    EXPECT_EQ(U8(intervalText(500)), "0秒");
    EXPECT_EQ(U8(intervalText(83000)), "1分23秒");
    EXPECT_EQ(U8(intervalText(3723000)), "1時間2分3秒");
    EXPECT_EQ(U8(intervalText(3600000)), "1時間0分0秒");
}

TEST(Common, SettingsLines) {
    TempDir dir;
    {
        CLSFileWriteString f;
        ASSERT_TRUE(f.openNative(dir.file("s.ini")));
        writeSection(f, "Window");
        writeKey(f, "Width", 560);
        writeKey(f, "Back", makeColour(0x12, 0x34, 0x56), kKeyTypeColour);
        writeKeyText(f, "Name", CLSTString("x y"));
        int values[] = {10, -2, 30};
        writeKeyList(f, "Columns", values, 3);
        writeKeyList(f, "Empty", values, 0);
        writeKeyFlag(f, "Show", true);
        writeKeyRect(f, "Print", CLSRect{1, 2, 11, 22});
    }
    EXPECT_EQ(ReadFileBytes(dir.file("s.ini")),
              "[Window]\r\nWidth=560\r\nBack=0x123456\r\nName=x y\r\nColumns=10,-2,30\r\n"
              "Empty=\r\nShow=1\r\nPrintLeft=1\r\nPrintTop=2\r\nPrintWidth=10\r\n"
              "PrintHeight=20\r\n");
}

TEST(WrapText, BreaksAtLineEndsWidthAndWords) {
    int height = 0;
    EXPECT_EQ(wrapped("abc\r\ndef\rg\nh", 100, &height), (Lines{"abc", "def", "g", "h"}));
    EXPECT_EQ(height, 3 * 30 + 20);
    EXPECT_EQ(wrapped("abcdefgh", 30), (Lines{"abc", "def", "gh"}));
    EXPECT_EQ(wrapped("ab cd efgh", 70), (Lines{"ab cd ", "efgh"}));
    EXPECT_EQ(wrapped("abcdefgh", 5), (Lines{"a", "b", "c", "d", "e", "f", "g", "h"}))
        << "a line takes at least one character";
    EXPECT_EQ(wrapped("", 50), Lines{});
    EXPECT_EQ(wrapped("a\r\n", 50), (Lines{"a"}));

    // Two-byte characters are never split, and each is a break opportunity.
    CLSTString jp = Sj("日本語です");
    std::vector<std::string> lines = wrapped(jp.text(), 45);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(U8(CLSTString(lines[0])), "日本");
    EXPECT_EQ(U8(CLSTString(lines[2])), "す");
    CLSTString mixed = Sj("語word");
    EXPECT_EQ(wrapped(mixed.text(), 50).size(), 2u);
    EXPECT_EQ(U8(CLSTString(wrapped(mixed.text(), 50)[0])), "語");

    FixedMetrics m;
    CLSWrappedText w = wrapText(m, "abcd\nab", -1, 100, 0);
    EXPECT_EQ(w.widest, 40);
    EXPECT_EQ(w.height, 40);
}

TEST(Codec, ConvertsBothWaysAndReportsWhatCp932CannotHold) {
    EXPECT_EQ(Cp932ToUtf8("\x83\x5C\x95\x5C"), "ソ表");
    EXPECT_EQ(Cp932ToUtf8("a\xA0z"), "a\xEF\xBF\xBDz") << "invalid bytes show as U+FFFD";
    EXPECT_EQ(Cp932ToUtf8("\x83"), "\xEF\xBF\xBD") << "a lone lead byte at the end";
    std::string out;
    std::string missing;
    EXPECT_TRUE(Utf8ToCp932("ソ表ｱ~", out));
    EXPECT_EQ(out, "\x83\x5C\x95\x5C\xB1~");
    EXPECT_TRUE(Utf8ToCp932("〜−", out)) << "look-alikes of other platforms' input";
    EXPECT_EQ(out, "\x81\x60\x81\x7C");
    EXPECT_FALSE(Utf8ToCp932("a😀b한", out, &missing));
    EXPECT_EQ(out, "a?b?");
    EXPECT_EQ(missing, "😀한");
}

TEST(Paths, RelativePathsBetweenFiles) {
    auto rel = [](const char* from, const char* to) { return U8(RelativePath(Sj(from), Sj(to))); };
    EXPECT_EQ(rel("/home/a/data.vrf", "/home/a/pics/fuji.png"), "pics/fuji.png");
    EXPECT_EQ(rel("/home/a/data.vrf", "/home/a/fuji.png"), "fuji.png") << "no leading ./";
    EXPECT_EQ(rel("/home/a/sub/data.vrf", "/home/b/写真/表.png"), "../../b/写真/表.png");
    EXPECT_EQ(rel("/home/a/./x/../data.vrf", "/home/a/p.png"), "p.png");
    EXPECT_EQ(rel("/data.vrf", "/p.png"), "p.png");
    EXPECT_EQ(rel("relative.vrf", "/p.png"), "/p.png") << "nothing to be relative to";
    // Names whose CP932 bytes hold a backslash (表 is 0x95 0x5C) stay whole.
    EXPECT_EQ(rel("/d/ソ/data.vrf", "/d/ソ/表.png"), "表.png");

    TempDir dir;
    WriteFileBytes(dir.file("a.vrf"), "x");
    EXPECT_TRUE(OnSameFileSystem(CLSTString(dir.file("a.vrf")), CLSTString(dir.file("new.png"))))
        << "a file not there yet counts by its folder";
    EXPECT_FALSE(OnSameFileSystem(CLSTString(dir.file("a.vrf")), CLSTString("/proc/version")))
        << "another file system";
}
