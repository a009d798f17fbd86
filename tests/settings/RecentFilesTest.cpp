#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/IniFile.h"
#include "settings/VorelSettings.h"
#include "text/Error.h"

namespace {

std::vector<std::string> recent(const CLSVorelSettings& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.recentFileCount(); ++i)
        out.push_back(U8(s.recentFile(i)));
    return out;
}

CLSVorelSettings applied(const char* text) {
    CLSIniFile ini;
    ini.parse(text);
    CLSVorelSettings s;
    s.applySettings(ini);
    return s;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(RecentFiles, AddingKeepsTheNewestFirstWithinTheCapacity) {
    CLSVorelSettings s;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
        s.addRecentFile(CLSTString(name));
    EXPECT_EQ(recent(s), (Names{"g", "f", "e", "d", "c"}));
    s.addRecentFile(CLSTString("D"));
    EXPECT_EQ(recent(s), (Names{"D", "g", "f", "e", "c"})) << "a repeat moves to the front";

    s.setRecentFileMax(3);
    EXPECT_EQ(recent(s), (Names{"D", "g", "f"}));
    s.setRecentFileMax(0);
    EXPECT_EQ(s.recentFileMax(), 1);
    s.setRecentFileMax(11);
    EXPECT_EQ(s.recentFileMax(), 10);
    EXPECT_THROW(s.recentFile(1), CLSError);
    s.clearRecentFiles();
    EXPECT_EQ(s.recentFileCount(), 0);
}

TEST(RecentFiles, AnEntryAddedAgainKeepsTheOthers) {
    // As at a start without a file: the newest entry is opened, and added again.
    CLSVorelSettings s;
    for (const char* name : {"sample", "out_utf8", "words", "big"})
        s.addRecentFile(CLSTString(name));
    s.addRecentFile(s.recentFile(0));
    EXPECT_EQ(recent(s), (Names{"big", "words", "out_utf8", "sample"}));
    s.addRecentFile(s.recentFile(2));
    EXPECT_EQ(recent(s), (Names{"out_utf8", "big", "words", "sample"}));
}

TEST(RecentFiles, ReadFromTheLastEntryToTheFirst) {
    CLSVorelSettings s = applied(
        "[recent]\n"
        "RecentFileMax=3\n"
        "File1=/x/One.vrf\n"
        "File2=/x/one.VRF\n"
        "File3=/x/three.vrf\n"
        "File4=/x/four.vrf\n");
    EXPECT_EQ(recent(s), (Names{"/x/One.vrf", "/x/three.vrf"}))
        << "entries beyond the capacity are not read; case variants collapse";

    EXPECT_EQ(applied("[Recent]\nRecentFileMax=0\nFile1=a\nFile2=b\n").recentFileMax(), 1);
    CLSVorelSettings many = applied("[Recent]\nRecentFileMax=50\nFile10=j\nFile11=k\n");
    EXPECT_EQ(many.recentFileMax(), 10);
    EXPECT_EQ(recent(many), (Names{"j"}));

    TempDir dir;
    CLSVorelSettings written;
    written.addRecentFile(CLSTString("old"));
    written.addRecentFile(CLSTString("new"));
    ASSERT_TRUE(written.saveSettings(CLSTString(dir.file("s.ini"))));
    EXPECT_NE(ReadFileBytes(dir.file("s.ini"))
                  .find("\r\n\r\n[Recent]\r\nRecentFileMax=5\r\nFile1=new\r\nFile2=old\r\n\r\n"),
              std::string::npos);
}

TEST(RecentFiles, MenuTexts) {
    CLSVorelSettings s;
    s.setRecentFileMax(10);
    for (int i = 10; i >= 1; --i)
        s.addRecentFile(CLSTString("f") + CLSTString(i));
    s.addRecentFile(CLSTString("R&D.vrf"));
    EXPECT_EQ(s.recentFileMenuText(0), "&1 R&&D.vrf");
    EXPECT_EQ(s.recentFileMenuText(9), "1&0 f9");
}
