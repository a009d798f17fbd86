#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"
#include "settings/IniFile.h"
#include "text/Codec.h"

TEST(IniFile, LinesSectionsAndEntries) {
    CLSIniFile ini;
    std::string text =
        "Before=ignored\r\n"
        "[Alpha]\r"
        "Key=one\n"
        "key=two\r\n"  // same key: the later value wins
        "no equals sign\r\n"
        "\r\n"
        "[ not a section=x\r\n"
        "Text= a = b \r\n"
        "=empty key\r\n"
        "[beta] trailing\r\n"
        "K=1\r\n"
        "[ALPHA]\r\n"
        "Other=3";
    ini.parse(text);
    ASSERT_EQ(ini.sections().size(), 2u);
    const CLSIniSection* alpha = ini.section("alpha");
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->name(), "Alpha");
    ASSERT_EQ(alpha->entries().size(), 5u);
    EXPECT_EQ(*alpha->find("KEY"), "two");
    EXPECT_EQ(*alpha->find("[ not a section"), "x");
    EXPECT_EQ(*alpha->find("Text"), " a = b ") << "values are not trimmed";
    EXPECT_EQ(*alpha->find(""), "empty key");
    EXPECT_EQ(*alpha->find("other"), "3") << "a section opened again goes on";
    EXPECT_EQ(alpha->find("Before"), nullptr);
    EXPECT_EQ(alpha->find("no equals sign"), nullptr);
    EXPECT_NE(ini.section("BETA"), nullptr);
    EXPECT_EQ(ini.section("gamma"), nullptr);
}

TEST(IniFile, TwoByteCharactersAreNeverCut) {
    // In CP932 the second byte of ゾ is "]".
    std::string closing = "ゾ";
    ASSERT_EQ(Utf8ToCp932Literal(closing)[1], ']');
    CLSIniFile ini;
    ini.parse("[" + closing + "x]\r\nタイトルName=ＭＳ\r\n");
    ASSERT_NE(ini.section((closing + "X").c_str()), nullptr);
    const CLSIniSection* s = ini.section((closing + "x").c_str());
    // In CP932 イ has "C" as its second byte and ツ "c": folding must not touch them.
    EXPECT_EQ(U8(*s->find("タイトルNAME")), "ＭＳ");
    EXPECT_EQ(s->find("タツトルName"), nullptr);
    EXPECT_TRUE(StartsWithNoCase(s->entries()[0].key, "タイトル"));
    EXPECT_FALSE(StartsWithNoCase(CLSTString("Info"), "InfoPane"));
}

TEST(IniFile, TypedValues) {
    CLSIniFile ini;
    ini.parse("[S]\nN=0x1F\nBad=x1\nC=0x00FF00\nD=65280\nL=1,2\nF=-1\nW=-1\n");
    const CLSIniSection& s = *ini.section("S");
    int n = 7;
    EXPECT_TRUE(s.readInteger("N", n));
    EXPECT_EQ(n, 31);
    EXPECT_TRUE(s.readInteger("Bad", n));
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(s.readInteger("Absent", n));
    EXPECT_EQ(n, 0);
    Colour c = 0;
    EXPECT_TRUE(s.readColour("C", c));
    EXPECT_EQ(c, makeColour(0, 255, 0));
    EXPECT_TRUE(s.readColour("D", c));
    EXPECT_EQ(c, makeColour(0, 255, 0));
    EXPECT_TRUE(s.readColour("W", c));
    EXPECT_EQ(c, makeColour(255, 255, 255)) << "only what the colour text can write back";
    EXPECT_TRUE(s.readInteger("C", n));
    EXPECT_EQ(n, 0xFF00) << "as an integer the same text is one number";
    bool on = false;
    EXPECT_TRUE(s.readFlag("F", false, on));
    EXPECT_TRUE(on);
    EXPECT_TRUE(s.readFlag("F", true, on));
    EXPECT_FALSE(on);
    int slots[3] = {9, 9, 9};
    EXPECT_TRUE(s.readList("L", slots, 3));
    EXPECT_EQ(slots[0], 1);
    EXPECT_EQ(slots[1], 2);
    EXPECT_EQ(slots[2], 9);
}

TEST(IniFile, UnreadableFilesGiveNothing) {
    TempDir dir;
    CLSIniFile ini;
    ini.parse("[A]\nk=v\n");
    EXPECT_FALSE(ini.loadNative(dir.file("missing.ini")));
    EXPECT_TRUE(ini.sections().empty());
    EXPECT_FALSE(ini.loadNative(dir.path())) << "a folder is no file";
    WriteFileBytes(dir.file("a.ini"), "[A]\r\nk=v");
    EXPECT_TRUE(ini.load(CLSTString(dir.file("a.ini"))));
    EXPECT_EQ(*ini.section("a")->find("K"), "v");
}
