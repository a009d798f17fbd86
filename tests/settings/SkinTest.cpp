#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "TestSupport.h"
#include "settings/IniFile.h"
#include "settings/VorelSkin.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileWriteString.h"

namespace {

CLSIniFile parsed(const std::string& utf8) {
    CLSIniFile ini;
    ini.parse(utf8);
    return ini;
}

}  // namespace

TEST(Skin, DesignSectionAppliesRangeRulesPerProperty) {
    CLSVorelSkin skin;
    skin.readDesign(
        parsed("[design]\n"
               "問題BorderSize=0\n"
               "答えPadding=51\n"
               "コメントMargin=21\n"
               "ヒントborderSIZE=10\n"    // property names without regard to case
               "タイトルBorderType=12\n"  // taken as it stands
               "タイトルSize=-3\n"
               "infopaneName=\n"  // an empty face name
               "InfoPaneCharSet=0x80\n"
               "InfoPaneColour=1\n"  // unknown property: ignored
               "hovertextcolor=0x0000FF\n"
               "Unknown=5\n"));
    EXPECT_EQ(skin.item(CLSVorelSkin::kQuestion).borderSize, 2);
    EXPECT_EQ(skin.item(CLSVorelSkin::kAnswer).padding, 4);
    EXPECT_EQ(skin.item(CLSVorelSkin::kComment).margin, 0);
    EXPECT_EQ(skin.item(CLSVorelSkin::kHint).borderSize, 10);
    EXPECT_EQ(skin.item(CLSVorelSkin::kTitle).borderType, 12);
    EXPECT_EQ(skin.item(CLSVorelSkin::kTitle).size, -3);
    EXPECT_EQ(skin.item(CLSVorelSkin::kInfoPane).name, "");
    EXPECT_EQ(skin.item(CLSVorelSkin::kInfoPane).charSet, 128);
    EXPECT_EQ(skin.colour(CLSVorelSkin::kHoverTextColor), makeColour(0, 0, 255));

    CLSVorelSkin untouched;
    CLSVorelSkin other;
    other.readDesign(parsed("[Options]\nHoverTextColor=0x000000\n問題Size=1\n"));
    EXPECT_EQ(other, untouched) << "no [Design] section, no change";

    CLSVorelSkinItem item;
    EXPECT_FALSE(item.setProperty(CLSTString("Style"), CLSTString("1")));
    EXPECT_TRUE(item.setProperty(CLSTString("margin"), CLSTString("20")));
    EXPECT_EQ(item.margin, 20);
    EXPECT_TRUE(item.setProperty(CLSTString("Padding"), CLSTString("-1")));
    EXPECT_EQ(item.padding, 4);
}

TEST(Skin, DefaultItemAndDesignTable) {
    CLSVorelSkinItem item;
    EXPECT_EQ(item.size, 12);
    EXPECT_EQ(item.charSet, 1);
    EXPECT_TRUE(item.name.isEmpty());
    EXPECT_EQ(item.textColor, makeColour(0, 0, 0));
    EXPECT_EQ(item.backgroundColor, makeColour(255, 255, 255));
    EXPECT_EQ(item.borderSize, 2);
    EXPECT_EQ(item.padding, 4);

    CLSVorelSkin skin;
    EXPECT_EQ(skin.item(CLSVorelSkin::kQuestion).textColor, makeColour(255, 255, 255));
    EXPECT_EQ(skin.item(CLSVorelSkin::kAnswer).textColor, makeColour(0, 0, 0xA0));
    EXPECT_EQ(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor), makeColour(0xCC, 0xFF, 0xFF));
    EXPECT_THROW(skin.item(6), CLSError);
    EXPECT_THROW(skin.colour(-1), CLSError);
    EXPECT_EQ(U8(CLSTString(BorderTypeName(4))), "2重丸四角");
    EXPECT_EQ(U8(CLSTString(BorderTypeName(8))), "外線");
    EXPECT_STREQ(BorderTypeName(9), "");
}

TEST(Skin, DesignFilesRoundTripExceptStyles) {
    TempDir dir;
    FakePrompter prompter;
    CLSVorelSkin skin;
    for (int i = 0; i < CLSVorelSkin::kItemCount; ++i) {
        CLSVorelSkinItem& item = skin.item(i);
        item.size = 8 + i;
        item.name = Sj("ＩＰＡ明朝");
        item.style = CLSVorelFont::kBold | CLSVorelFont::kUnderline;
        item.borderColor = makeColour(i, 2 * i, 3 * i);
        item.borderType = i;
    }
    skin.setColour(CLSVorelSkin::kStudyFormTextColor, makeColour(1, 2, 3));
    CLSTString path(dir.file("design.ini"));
    ASSERT_TRUE(skin.saveDesignFile(prompter, path));
    std::string bytes = ReadFileBytes(dir.file("design.ini"));
    EXPECT_EQ(bytes.rfind("[Design]\r\n", 0), 0u);
    EXPECT_TRUE(bytes.ends_with("\r\nActiveBackgroundColor=0xFFCCCC\r\n"))
        << "entries only, no empty line after them";

    CLSVorelSkin loaded;
    ASSERT_TRUE(loaded.loadDesignFile(prompter, path));
    EXPECT_TRUE(prompter.entries.empty());
    for (int i = 0; i < CLSVorelSkin::kItemCount; ++i)
        skin.item(i).style = 0;
    EXPECT_EQ(loaded, skin);
}

TEST(Skin, FontNamesShiftJisCannotHoldLiveInTheCompanion) {
    TempDir dir;
    FakePrompter prompter;
    CLSVorelSkin skin;
    skin.item(CLSVorelSkin::kHint).name = Sj("Écriture Sans");
    CLSTString path(dir.file("design.ini"));
    ASSERT_TRUE(skin.saveDesignFile(prompter, path));
    EXPECT_EQ(DesignCompanionPath(path).str(), dir.file("design.ini.utf8"));
    EXPECT_EQ(ReadFileBytes(dir.file("design.ini")).find(Utf8ToCp932Literal("ヒントName=")),
              std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir.file("design.ini.utf8")),
              "\xEF\xBB\xBF[Design]\r\nヒントName=Écriture Sans\r\n");
    CLSVorelSkin loaded;
    ASSERT_TRUE(loaded.loadDesignFile(prompter, path));
    EXPECT_EQ(loaded, skin);

    skin.item(CLSVorelSkin::kHint).name = Sj("IPAゴシック");
    ASSERT_TRUE(skin.saveDesignFile(prompter, path));
    EXPECT_EQ(ReadFileBytes(dir.file("design.ini.utf8")), "") << "the stale companion is gone";
    ASSERT_TRUE(loaded.loadDesignFile(prompter, path));
    EXPECT_EQ(loaded, skin);
    EXPECT_TRUE(prompter.entries.empty());
}

TEST(Skin, DesignFileErrorsAreShownAndChangeNothing) {
    TempDir dir;
    FakePrompter prompter;
    CLSVorelSkin skin;
    skin.item(0).size = 99;
    CLSVorelSkin before = skin;

    EXPECT_FALSE(skin.loadDesignFile(prompter, CLSTString(dir.file("missing.ini"))));
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompter.entries[0].utf8.rfind("ファイルを開けません。\n\nVRLSKIN : ", 0), 0u)
        << prompter.entries[0].utf8;
    EXPECT_EQ(skin, before);

    std::string target = dir.file("kept.ini");
    WriteFileBytes(target, "[Design]\r\n");
    SetWriteFaultForTests([&](const std::string& p) { return p.rfind(target, 0) == 0; });
    EXPECT_FALSE(skin.saveDesignFile(prompter, CLSTString(target)));
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(target), "[Design]\r\n");
    EXPECT_FALSE(skin.saveDesignFile(prompter, CLSTString(dir.file("none/x.ini"))));
    ASSERT_EQ(prompter.entries.size(), 3u);
    for (size_t i = 1; i < 3; ++i)
        EXPECT_EQ(prompter.entries[i].utf8.rfind("ファイルに書き込めません。\n\n", 0), 0u);
}

TEST(Skin, FontDescriptionFromAnItemAndBack) {
    CLSVorelSkinItem item;
    item.size = 12;
    item.charSet = 128;
    item.name = Sj("ＭＳ ゴシック");
    item.style = CLSVorelFont::kBold | CLSVorelFont::kItalic;
    CLSFontSpec request = item.fontSpec(96);
    EXPECT_EQ(request.height, -16);
    EXPECT_EQ(request.weight, 700);
    EXPECT_TRUE(request.italic);
    EXPECT_FALSE(request.underline);
    EXPECT_EQ(request.charSet, 128);
    EXPECT_EQ(request.pitchAndFamily, 0x30);
    EXPECT_EQ(request.face, item.name);
    EXPECT_EQ(item.fontSpec(96, 150).height, -24);
    item.size = 11;
    EXPECT_EQ(item.fontSpec(96).height, -15) << "14.67 rounds to 15";
    EXPECT_EQ(item.fontSpec(600, 33).height, -30) << "91.67 rounds to 92, then 92 * 33 / 100";

    CLSVorelSkinItem back;
    CLSFontSpec chosen{-20, 400, false, true, 1, 0x30, CLSTString("Serif")};
    back.setFromFontSpec(chosen, 96);
    EXPECT_EQ(back.size, 15);
    EXPECT_FALSE(back.bold());
    EXPECT_TRUE(back.underline());
    EXPECT_EQ(back.name, "Serif");
    EXPECT_EQ(MulDiv(7, 3, 2), 11);
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

namespace {

// The contrast of two colours as the web's accessibility guidelines count
// it: from 1 (the same) to 21 (black on white).
double luminance(Colour c) {
    auto channel = [](int v) {
        double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(redOf(c)) + 0.7152 * channel(greenOf(c)) + 0.0722 * channel(blueOf(c));
}

double contrast(Colour a, Colour b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST(Skin, TheShippedHighContrastDesignKeepsEveryTextAndFrameApartFromItsBackground) {
    FakePrompter prompter;
    CLSVorelSkin skin;
    ASSERT_TRUE(
        skin.loadDesignFile(prompter, CLSTString(VOREL_SOURCE_DIR "/designs/high-contrast.ini")));
    const Colour form = skin.colour(CLSVorelSkin::kStudyFormBackgroundColor);
    EXPECT_GE(contrast(skin.colour(CLSVorelSkin::kStudyFormTextColor), form), 7.0);
    EXPECT_GE(contrast(skin.colour(CLSVorelSkin::kHoverTextColor),
                       skin.colour(CLSVorelSkin::kHoverBackgroundColor)),
              7.0);
    EXPECT_GE(contrast(skin.colour(CLSVorelSkin::kActiveTextColor),
                       skin.colour(CLSVorelSkin::kActiveBackgroundColor)),
              7.0);
    for (int i = 0; i < CLSVorelSkin::kItemCount; ++i) {
        const CLSVorelSkinItem& item = skin.item(i);
        // Focus marks are drawn in the text colour, so they stand out as the text does.
        EXPECT_GE(contrast(item.textColor, item.backgroundColor), 7.0) << "item " << i;
        EXPECT_GE(contrast(item.borderColor, form), 4.5) << "frame of item " << i;
        EXPECT_GE(item.size, 11) << "item " << i;
        EXPECT_NE(item.borderType, 0) << "item " << i << " has a frame";
    }
    EXPECT_TRUE(prompter.entries.empty());
}
