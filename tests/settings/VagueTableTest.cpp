#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "settings/VagueTable.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/FileWriteString.h"
#include "text/TextEncoding.h"

namespace {

std::string sj(const char* utf8) {
    return Utf8ToCp932Literal(utf8);
}

std::string pair(const char* keyUtf8, const char* replacementUtf8) {
    return sj(keyUtf8) + '\0' + sj(replacementUtf8) + '\0';
}

// A table file with the given pair area and declared length.
std::string tableFile(const std::string& area, uint32_t declared) {
    std::string out("VR\x01!", 4);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((declared >> (8 * i)) & 0xFF);
    return out + area;
}

std::string tableFile(const std::string& area) {
    return tableFile(area, static_cast<uint32_t>(area.size()));
}

}  // namespace

TEST(VagueTable, BuiltInPairsInStoredOrder) {
    // As the file holds them.
    const std::string area = Utf8ToCp932Literal(BuiltInVaguePairArea());
    EXPECT_EQ(area.size(), 329u);
    EXPECT_EQ(area.rfind(pair("うぁ", "わ") + pair("ウァ", "ワ") + pair("うぃ", "い"), 0), 0u);
    EXPECT_NE(area.find(pair("う゛ぃ", "び") + pair("ヴィ", "ビ") + pair("う゛", "ぶ") +
                        pair("ヴ", "ブ") + pair("う゛ぇ", "べ")),
              std::string::npos);
    EXPECT_TRUE(area.ends_with(pair("ﾃﾞｨ", "ｼﾞ") + pair("ﾁﾞ", "ｼﾞ") + pair("ﾂﾞ", "ｽﾞ")));
    EXPECT_NE(area.find("\x82\xA4\x81\x4A\x82\x9F"), std::string::npos)
        << "う゛ぁ spells the voiced mark as its own character";

    CLSVagueTable table;
    EXPECT_EQ(table.count(), 46);
    ASSERT_NE(table.find(Sj("ヴ")), nullptr);
    EXPECT_EQ(U8(*table.find(Sj("ヴ"))), "ブ");
    EXPECT_EQ(U8(*table.find(Sj("ｳﾞｫ"))), "ﾎﾞ");
    CLSVagueTable rebuilt;
    rebuilt.clear();
    rebuilt.addPairArea(table.pairArea().data(), table.pairArea().size());
    EXPECT_EQ(rebuilt.pairs(), table.pairs());
    EXPECT_EQ(Utf8ToCp932Literal(table.pairArea()).size(), 329u);
}

TEST(VagueTable, LoadingAddsNewKeysAfterTheBuiltIns) {
    TempDir dir;
    CLSTString path(dir.file("VRLVAGUE.DAT"));
    CLSVorelSettings settings;

    WriteFileBytes(dir.file("VRLVAGUE.DAT"), "XX\x01!" + std::string(4, '\0'));
    EXPECT_FALSE(settings.loadVagueFile(path));
    EXPECT_EQ(settings.vagueTable().count(), 46) << "a foreign file gives the built-ins";
    EXPECT_FALSE(settings.loadVagueFile(CLSTString(dir.file("missing.dat"))));
    EXPECT_EQ(settings.vagueTable().count(), 46);

    WriteFileBytes(dir.file("VRLVAGUE.DAT"),
                   tableFile(pair("ウァ", "ウア") + pair("Color", "Colour") + pair("COLOR", "x") +
                             pair("", "empty key") + pair("ｶﾞ", "")));
    EXPECT_TRUE(settings.loadVagueFile(path));
    const CLSVagueTable& table = settings.vagueTable();
    EXPECT_EQ(table.count(), 48);
    EXPECT_EQ(U8(*table.find(Sj("ウァ"))), "ワ") << "the built-in pair stays";
    ASSERT_NE(table.find(CLSTString("color")), nullptr);
    EXPECT_EQ(*table.find(CLSTString("color")), "Colour") << "the first of equal keys wins";
    EXPECT_EQ(*table.find(Sj("ｶﾞ")), "");
    EXPECT_EQ(table.find(CLSTString("")), nullptr);
}

TEST(VagueTable, DamagedPairAreasGiveTheCompletePairs) {
    TempDir dir;
    CLSTString path(dir.file("t.dat"));
    std::string two = pair("ab", "c") + pair("de", "f");
    struct Case {
        std::string file;
        int added;
    };
    const Case cases[] = {
        {tableFile(two, 1000), 2},                       // shorter than its length field
        {tableFile(two + "gh", 1000), 2},                // last key without NUL
        {tableFile(two + std::string("gh\0ij", 5)), 2},  // last replacement without NUL
        {tableFile(two + std::string("gh\0", 3)), 2},    // replacement missing
        {tableFile(two, 4), 0},                          // length field cuts the first pair
        {tableFile(two, 0xFFFFFFFF), 2},                 // absurd length
        {std::string("VR\x01!\x05", 5), -1},             // no complete length field
    };
    for (const Case& c : cases) {
        WriteFileBytes(dir.file("t.dat"), c.file);
        CLSVagueTable table;
        table.clear();
        bool used = table.load(path);
        EXPECT_EQ(used, c.added >= 0);
        EXPECT_EQ(table.count(), c.added >= 0 ? c.added : 46) << c.file.size();
    }
}

TEST(VagueTable, WritingAndEditingTheTable) {
    TempDir dir;
    CLSTString path(dir.file("VRLVAGUE.DAT"));
    CLSVagueTable table;
    table.clear();
    EXPECT_FALSE(table.addPair(CLSTString(), CLSTString()));
    EXPECT_EQ(U8(CLSTString(VagueEmptyPairMessage())),
              "少なくとも１つに文字列を入力してください。");
    EXPECT_TRUE(table.addPair(CLSTString("b"), CLSTString("longer")));
    EXPECT_TRUE(table.addPair(CLSTString("xy"), CLSTString("zw")));
    EXPECT_TRUE(table.addPair(CLSTString(), CLSTString("q")));
    EXPECT_EQ(*table.find(CLSTString("longer")), "b");
    EXPECT_EQ(*table.find(CLSTString("xy")), "zw") << "equal lengths keep the order entered";
    EXPECT_EQ(*table.find(CLSTString("q")), "");

    ASSERT_TRUE(table.save(path));
    std::string expected = tableFile(std::string("longer\0b\0q\0\0xy\0zw\0", 18));
    EXPECT_EQ(ReadFileBytes(dir.file("VRLVAGUE.DAT")), expected) << "pairs in key order";

    CLSVagueTable reread;
    reread.clear();
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(reread.pairs(), table.pairs());

    SetWriteFaultForTests([&](const std::string& p) { return p.find("VRLVAGUE") != p.npos; });
    CLSVagueTable other;
    EXPECT_FALSE(other.save(path));
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(dir.file("VRLVAGUE.DAT")), expected);

    table.resetToBuiltIn();
    EXPECT_EQ(Utf8ToCp932Literal(table.pairArea()).size(), 329u);
}

TEST(VagueTable, PairsShiftJisCannotHoldLiveInTheCompanion) {
    TempDir dir;
    CLSTString path(dir.file("VRLVAGUE.DAT"));
    const std::string companion = dir.file("VRLVAGUE.UTF8.DAT");
    CLSVagueTable table;
    table.clear();
    table.insert(CLSTString("cafe"), Sj("café"));
    table.insert(Sj("ａｂ"), CLSTString("ab"));
    table.insert(Sj("한국어"), Sj("かんこくご"));
    ASSERT_TRUE(table.save(path));
    EXPECT_EQ(ReadFileBytes(dir.file("VRLVAGUE.DAT")), tableFile(pair("ａｂ", "ab")))
        << "the older program reads the pairs it can hold";
    const char kArea[] = "cafe\0café\0한국어\0かんこくご\0";
    EXPECT_EQ(ReadFileBytes(companion),
              std::string(kUtf8Bom) + tableFile(std::string(kArea, sizeof kArea - 1)));

    CLSVagueTable reread;
    reread.clear();
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ(reread.pairs(), table.pairs());

    // Without its main file a companion is not read.
    std::filesystem::remove(dir.file("VRLVAGUE.DAT"));
    CLSVagueTable builtIn;
    builtIn.clear();
    EXPECT_FALSE(builtIn.load(path));
    EXPECT_EQ(builtIn.count(), 46);

    table.clear();
    table.insert(CLSTString("x"), CLSTString("y"));
    ASSERT_TRUE(table.save(path));
    EXPECT_FALSE(std::filesystem::exists(companion)) << "a stale companion goes";
    EXPECT_EQ(ReadFileBytes(dir.file("VRLVAGUE.DAT")), tableFile(pair("x", "y")));
}
