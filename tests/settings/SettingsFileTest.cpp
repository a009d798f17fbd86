#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/TextEncoding.h"

namespace {

// The file the defaults must give, line by line as the key tables list them.
const char* const kDefaultFileLines[] = {
    "[Window]",
    "Show=0",
    "Left=-2147483648",
    "Top=-2147483648",
    "Width=560",
    "Height=480",
    "ListShow=0",
    "ListLeft=-2147483648",
    "ListTop=-2147483648",
    "ListWidth=400",
    "ListHeight=300",
    "PreviewShow=0",
    "PreviewLeft=-2147483648",
    "PreviewTop=-2147483648",
    "PreviewWidth=560",
    "PreviewHeight=480",
    "ShowDetail=0",
    "InfoPaneWidth=120",
    "HintsWindowWidth=140",
    "ListAnswerTop=146",
    "ListCommentTop=194",
    "EditListWidth=200",
    "EditAnswerTop=170",
    "EditHistoryTop=220",
    "EditHintHeight=180",
    "EditListColumnWidth=38,66,180",
    "ExamListColumnWidth=36,60,36,60,100,100,60,100",
    "DetailsListColumnWidth=36,42,36,60,200",
    "",
    "[Recent]",
    "RecentFileMax=5",
    "",
    "[Options]",
    "ToolBar=1",
    "StatusBar=1",
    "InfoPane=1",
    "Group=1",
    "ToolHint=1",
    "Sound=1",
    "SaveExamLog=1",
    "LoadLastFile=1",
    "NoAlready=0",
    "Retry=1",
    "RetryRandom=1",
    "ExamLogSort=1",
    "AnsDlgNoClickWrong=0",
    "ChoiceCenter=1",
    "DebugMode=0",
    "CompareMode=0",
    "UseData=7",
    "DefaultChoicesCount=4",
    "MaxChoicesOfLine=4",
    "InputFieldHeight=1",
    "ChoicesHeight=1",
    "ChoicesAlign=3",
    "ChoiceFrom=3",
    "SearchFrom=63",
    "AnswerMode=0",
    "AnswerView=1",
    "InitialExamCount=10",
    "WeakPointStrength=8",
    "LineInterval=40",
    "TimeLimit=0",
    "QuestionShowTime=0",
    "AnswerStartTime=0",
    "AnsDlgAutoClickTime=0",
    "AnsDlgClickButtonType=0",
    "BaseWidthWndAnswer=500",
    "BaseHeightWndAnswer=500",
    "SoundExamName=EXAM.WAV",
    "SoundRightName=RIGHT.WAV",
    "SoundWrongName=WRONG.WAV",
    "SoundResultName=RESULT.WAV",
    "ExamLogSize=1000",
    "ExamLogName=EXAMLOG.TXT",
    "HistorySize=5",
    "ExportHints=0",
    "",
    "[Design]",
    "タイトルSize=12",
    "タイトルCharSet=128",
    "タイトルTextColor=0x000000",
    "タイトルBackgroundColor=0xFFC6AA",
    "タイトルName=ＭＳ Ｐゴシック",
    "タイトルBorderType=2",
    "タイトルBorderSize=2",
    "タイトルBorderColor=0x808080",
    "タイトルPadding=5",
    "タイトルMargin=2",
    "問題Size=20",
    "問題CharSet=128",
    "問題TextColor=0xFFFFFF",
    "問題BackgroundColor=0x008080",
    "問題Name=ＭＳ Ｐゴシック",
    "問題BorderType=3",
    "問題BorderSize=2",
    "問題BorderColor=0x004080",
    "問題Padding=8",
    "問題Margin=2",
    "ヒントSize=14",
    "ヒントCharSet=128",
    "ヒントTextColor=0x000000",
    "ヒントBackgroundColor=0xB5BEFF",
    "ヒントName=ＭＳ Ｐゴシック",
    "ヒントBorderType=2",
    "ヒントBorderSize=1",
    "ヒントBorderColor=0x0000FF",
    "ヒントPadding=4",
    "ヒントMargin=1",
    "答えSize=20",
    "答えCharSet=128",
    "答えTextColor=0x0000A0",
    "答えBackgroundColor=0xFFFFCC",
    "答えName=ＭＳ Ｐゴシック",
    "答えBorderType=5",
    "答えBorderSize=2",
    "答えBorderColor=0x808080",
    "答えPadding=4",
    "答えMargin=1",
    "コメントSize=11",
    "コメントCharSet=128",
    "コメントTextColor=0x000000",
    "コメントBackgroundColor=0xD4D4D4",
    "コメントName=ＭＳ Ｐゴシック",
    "コメントBorderType=1",
    "コメントBorderSize=1",
    "コメントBorderColor=0x000000",
    "コメントPadding=4",
    "コメントMargin=1",
    "InfoPaneSize=9",
    "InfoPaneCharSet=128",
    "InfoPaneTextColor=0x0000C8",
    "InfoPaneBackgroundColor=0xD8D8FF",
    "InfoPaneName=ＭＳ Ｐゴシック",
    "InfoPaneBorderType=0",
    "InfoPaneBorderSize=2",
    "InfoPaneBorderColor=0x000000",
    "InfoPanePadding=4",
    "InfoPaneMargin=0",
    "StudyFormTextColor=0x004040",
    "StudyFormBackgroundColor=0xCCFFFF",
    "HoverTextColor=0xFF8040",
    "HoverBackgroundColor=0xFFFFA6",
    "ActiveTextColor=0xFF0000",
    "ActiveBackgroundColor=0xFFCCCC",
    "",
    "[Print]",
    "PrintTitle=1",
    "PrintTitleNum=1",
    "PrintQuestion=1",
    "PrintQuestionNum=1",
    "PrintAnswer=1",
    "PrintAnswerNum=1",
    "WidthRateOfQuestion=50",
    "LineMargin=2",
    "FontSizeRate=100",
    "TitleNumberFormat=&t. ",
    "QuestionNumberFormat=(&q) ",
    "AnswerNumberFormat=(&q) ",
    "LineStyleOfQT=0",
    "LineStyleOfQQ=0",
    "LineStyleOfQA=1",
    "LineColorOfQT=0x000000",
    "LineColorOfQQ=0x000000",
    "LineColorOfQA=0x000000",
};

// The keys the page number, the test sheet and the print fonts added at
// the end of [Print]; files written before them end with LineColorOfQA.
std::string newPrintDefaultLines() {
    const char* const prefixes[] = {"PrintFontTitle",          "PrintFontQuestion",
                                    "PrintFontAnswer",         "PrintFontTitleNumber",
                                    "PrintFontQuestionNumber", "PrintFontAnswerNumber"};
    std::string utf8 = "PrintPageNumber=0\r\nPrintTestSheet=0\r\n";
    for (const char* prefix : prefixes) {
        std::string p(prefix);
        bool answer = p == "PrintFontAnswer";
        utf8 += p + "Size=9\r\n" + p + "CharSet=128\r\n" + p + "Style=0\r\n" + p +
                "TextColor=" + (answer ? "0xFF0000" : "0x000000") + "\r\n" + p +
                "BackgroundColor=0xFFFFFF\r\n" + p + "Name=ＭＳ Ｐゴシック\r\n";
    }
    return utf8;
}

std::string oldFileBytes() {
    std::string utf8;
    for (const char* line : kDefaultFileLines)
        utf8 += std::string(line) + "\r\n";
    return Utf8ToCp932Literal(utf8);
}

std::string defaultFileBytes() {
    return oldFileBytes() + Utf8ToCp932Literal(newPrintDefaultLines());
}

std::string saved(const CLSVorelSettings& settings, const TempDir& dir,
                  const std::string& name = "VORELWIN.INI") {
    EXPECT_TRUE(settings.saveSettings(CLSTString(dir.file(name))));
    return ReadFileBytes(dir.file(name));
}

CLSVorelSettings loaded(const std::string& bytes, const TempDir& dir) {
    WriteFileBytes(dir.file("in.ini"), bytes);
    CLSVorelSettings settings;
    EXPECT_TRUE(settings.loadSettings(CLSTString(dir.file("in.ini"))));
    return settings;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// One-byte letters in lower case; two-byte characters (whose trail byte may
// look like a capital) are left alone.
std::string lowerCase(const std::string& cp932) {
    std::string out = cp932;
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(out[i]);
        if (i + 1 < out.size() && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC))) {
            ++i;
        } else if (out[i] >= 'A' && out[i] <= 'Z') {
            out[i] = static_cast<char>(out[i] + 32);
        }
    }
    return out;
}

// Debug mode is one flag for the whole process: tests that turn it on keep
// its trace file in their folder and leave it off.
class DebugModeGuard {
  public:
    explicit DebugModeGuard(const TempDir& dir) { SetTraceFilePath(dir.file("DEBUG.LOG")); }
    ~DebugModeGuard() {
        setDebugMode(false);
        SetTraceFilePath("DEBUG.LOG");
    }
};

// Every stored value set away from its default.
void changeEverything(CLSVorelSettings& s) {
    using namespace VorelSettingKeys;
    s.setWindowPlace(CLSVorelSettings::kMainWindow, {10, 20, 630, 470, true});
    s.setWindowPlace(CLSVorelSettings::kListWindow, {-5, 7, 401, 301, true});
    s.setWindowPlace(CLSVorelSettings::kPreviewWindow, {0, 0, 700, 500, true});
    for (int slot = kInfoPaneWidth; slot <= kEditHintHeight; ++slot)
        s.setIntSetting(slot, 1000 + slot);
    s.setRecentFileMax(7);
    for (int bit = 1; bit <= CLSVorelSettings::kExportHints; bit <<= 1)
        s.setFlag(bit, !s.flag(bit));
    for (int bit = 1; bit <= 32; bit <<= 1)
        s.setPrintFlag(bit, false);
    s.setPrintFlag(CLSVorelSettings::kPrintPageNumber, true);
    s.setPrintFlag(CLSVorelSettings::kPrintTestSheet, true);
    int optionValues[] = {31, 2,   9,  8, 3, 4,    1, 2,   12,  3, 2, 77,
                          10, 120, 30, 5, 6, 2500, 2, 600, 400, 0, 0};
    for (int slot = kCompareMode; slot <= kHistorySize; ++slot)
        s.setIntSetting(slot, optionValues[slot - kCompareMode]);
    s.setWidthRateOfQuestion(60);
    s.setLineMargin(0);
    s.setFontSizeRate(150);
    s.setLineStyleOfQT(3);
    s.setLineStyleOfQQ(4);
    s.setLineStyleOfQA(5);
    s.setLineColorOfQT(makeColour(1, 2, 3));
    s.setLineColorOfQQ(makeColour(0, 0, 255));
    s.setLineColorOfQA(makeColour(255, 0, 0));
    s.setSoundName(0, Sj("出題.wav"));
    s.setSoundName(1, Sj("/sounds/ok.wav"));
    s.setSoundName(2, Sj(" spaced.wav "));
    s.setSoundName(3, CLSTString());
    s.setExamLogName(Sj("/home/学習者/履歴.txt"));
    s.setTitleNumberFormat(Sj("第&t章 "));
    s.setQuestionNumberFormat(CLSTString("Q&q: "));
    s.setAnswerNumberFormat(CLSTString("A&q="));
    for (int i = 0; i < 3; ++i)
        s.setEditListColumnWidth(i, 11 + i);
    for (int i = 0; i < 8; ++i)
        s.setExamListColumnWidth(i, 21 + i);
    for (int i = 0; i < 5; ++i)
        s.setDetailsListColumnWidth(i, 31 + i);
    s.addRecentFile(Sj("/data/英単語.vrf"));
    s.addRecentFile(CLSTString("/data/b.vrf"));
    for (int i = 0; i < CLSVorelSkin::kItemCount; ++i) {
        CLSVorelSkinItem& item = s.skin().item(i);
        item.size = 30 + i;
        item.charSet = i;
        item.name = i == 0 ? CLSTString() : Sj("IPAゴシック") + CLSTString(i);
        item.textColor = makeColour(9, 8, i);
        item.backgroundColor = makeColour(1, i, 1);
        item.borderType = 7 + i % 2;
        item.borderSize = 10 - i;
        item.borderColor = makeColour(200, 100, i);
        item.padding = 50 - i;
        item.margin = 20 - i;
    }
    for (int c = 0; c < CLSVorelSkin::kColourCount; ++c)
        s.skin().setColour(c, makeColour(0x12, 0x34, c));
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i) {
        CLSVorelFont font;
        font.size = 10 + i;
        font.charSet = i;
        font.style = 1 + i % 7;
        font.textColor = makeColour(1, 2, 3 + i);
        font.backgroundColor = makeColour(250, 240, i);
        font.name = Sj("IPA明朝") + CLSTString(i);
        s.setPrintFont(i, font);
    }
    s.setDebugMode(true);
}

}  // namespace

TEST(SettingsFile, DefaultsGiveTheDocumentedFile) {
    TempDir dir;
    CLSVorelSettings settings;
    std::string bytes = saved(settings, dir);
    EXPECT_EQ(bytes, defaultFileBytes());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the temporary file was renamed, not left behind";

    // Reading the default file back changes nothing.
    CLSVorelSettings again = loaded(bytes, dir);
    EXPECT_EQ(saved(again, dir, "again.ini"), bytes);
}

TEST(SettingsFile, SavedValuesReadBackExactly) {
    TempDir dir;
    DebugModeGuard guard(dir);
    CLSVorelSettings changed;
    changeEverything(changed);
    std::string bytes = saved(changed, dir);

    // Every key line differs from the default one, so nothing is left at
    // its default by accident and still looks reproduced.
    std::vector<std::string> written = lines(bytes);
    std::vector<std::string> defaults = lines(defaultFileBytes());
    std::string withoutRecentEntries;
    for (const std::string& line : written) {
        if (line.rfind("File", 0) != 0) withoutRecentEntries += line + "\n";
    }
    std::vector<std::string> comparable = lines(withoutRecentEntries);
    ASSERT_EQ(comparable.size(), defaults.size());
    for (size_t i = 0; i < defaults.size(); ++i) {
        if (defaults[i].find('=') == std::string::npos) continue;
        EXPECT_NE(comparable[i], defaults[i]) << "line " << i << " kept its default";
    }

    CLSVorelSettings reread = loaded(bytes, dir);
    EXPECT_EQ(saved(reread, dir, "again.ini"), bytes);
    EXPECT_EQ(reread.skin(), changed.skin());
    EXPECT_EQ(reread.recentFile(0), "/data/b.vrf");
    EXPECT_EQ(reread.windowPlace(CLSVorelSettings::kListWindow),
              (CLSWindowPlace{-5, 7, 401, 301, true}));
    EXPECT_EQ(reread.soundName(2), " spaced.wav ");
    EXPECT_EQ(reread.answerNumberFormat(), "A&q=");
    EXPECT_EQ(reread.lineColorOfQQ(), makeColour(0, 0, 255));
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i)
        EXPECT_EQ(reread.printFont(i), changed.printFont(i)) << "print font " << i;
}

TEST(SettingsFile, FilesWithoutTheNewPrintKeysKeepTheDefaultsAndGainOnlyTheKeys) {
    TempDir dir;
    CLSVorelSettings old = loaded(oldFileBytes(), dir);
    EXPECT_FALSE(old.printPageNumber());
    EXPECT_FALSE(old.printTestSheet());
    EXPECT_EQ(old.printFlags(), 63);
    CLSVorelSettings builtIn;
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i)
        EXPECT_EQ(old.printFont(i), builtIn.printFont(i)) << "print font " << i;
    std::string bytes = saved(old, dir);
    EXPECT_EQ(bytes.substr(0, oldFileBytes().size()), oldFileBytes()) << "written as before";
    EXPECT_EQ(bytes.substr(oldFileBytes().size()), Utf8ToCp932Literal(newPrintDefaultLines()));

    // Values out of range keep the built-in ones; the style keeps its bits.
    CLSVorelSettings odd =
        loaded(oldFileBytes() + Utf8ToCp932Literal("PrintPageNumber=2\r\n"
                                                   "PrintFontTitleSize=0\r\n"
                                                   "PrintFontTitleCharSet=256\r\n"
                                                   "PrintFontTitleStyle=-1\r\n"
                                                   "PrintFontTitleName=\r\n"
                                                   "PrintFontAnswerSize=1000\r\n"
                                                   "PrintFontAnswerStyle=15\r\n"
                                                   "printfontanswername=IPAゴシック\r\n"),
               dir);
    EXPECT_EQ(odd.printFont(CLSVorelSettings::kPrintFontTitle),
              builtIn.printFont(CLSVorelSettings::kPrintFontTitle));
    const CLSVorelFont& answer = odd.printFont(CLSVorelSettings::kPrintFontAnswer);
    EXPECT_EQ(answer.size, 9);
    EXPECT_EQ(answer.style, 7);
    EXPECT_EQ(U8(answer.name), "IPAゴシック");
    EXPECT_TRUE(odd.printPageNumber()) << "in [Print] any value but 0 is on";
    EXPECT_FALSE(odd.printTestSheet());
}

TEST(SettingsFile, KeysAndSectionsInLowerCaseAreRead) {
    TempDir dir;
    DebugModeGuard guard(dir);
    CLSVorelSettings changed;
    changeEverything(changed);
    std::string bytes = saved(changed, dir);
    std::string lower = lowerCase(bytes);
    ASSERT_NE(lower, bytes);

    CLSVorelSettings reread = loaded(lower, dir);
    // Values that hold letters are now in lower case too; compare the rest.
    reread.setQuestionNumberFormat(changed.questionNumberFormat());
    reread.setAnswerNumberFormat(changed.answerNumberFormat());
    for (int slot = 0; slot < 4; ++slot)
        reread.setSoundName(slot, changed.soundName(slot));
    reread.setExamLogName(changed.examLogName());
    for (int i = 0; i < CLSVorelSkin::kItemCount; ++i)
        reread.skin().item(i).name = changed.skin().item(i).name;
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i) {
        CLSVorelFont font = reread.printFont(i);
        font.name = changed.printFont(i).name;
        reread.setPrintFont(i, font);
    }
    reread.clearRecentFiles();
    reread.addRecentFile(changed.recentFile(1));
    reread.addRecentFile(changed.recentFile(0));
    EXPECT_EQ(saved(reread, dir, "again.ini"), bytes);
}

TEST(SettingsFile, ValueFormsAndRangeRules) {
    TempDir dir;
    CLSVorelSettings s = loaded(
        "ignored=1\r\n"
        "[Window]\r\n"
        "Show=2\r\n"
        "ListShow=1\r\n"
        "InfoPaneWidth=0x10\r\n"
        "HintsWindowWidth=0x0000FF\r\n"  // one hex number, not a colour
        "ListAnswerTop=abc\r\n"
        "ListCommentTop=12px\r\n"
        "EditListWidth=1\r\n"
        "EditListWidth=2\r\n"  // the later entry wins
        "EditMessageHeight=99\r\n"
        "EditListColumnWidth=5\r\n"                 // missing items keep theirs
        "ExamListColumnWidth=1,,3,4,5,6,7,8,9\r\n"  // empty keeps, extra ignored
        "[Options]\r\n"
        "Sound=2\r\n"
        "Retry= 1\r\n"
        "InitialExamCount=0\r\n"
        "WeakPointStrength=11\r\n"
        "ExamLogSize=-1\r\n"
        "HistorySize=-3\r\n"
        "AnswerMode=7\r\n"
        "SoundExamName= a b.wav \r\n"
        "[Print]\r\n"
        "PrintTitle=2\r\n"
        "PrintAnswer=0\r\n"
        "WidthRateOfQuestion=101\r\n"
        "LineMargin=100001\r\n"
        "LineColorOfQT=0x0000FF\r\n"
        "LineColorOfQQ=255\r\n"
        "LineColorOfQA=0x0000ff\r\n",
        dir);
    EXPECT_FALSE(s.windowPlace(CLSVorelSettings::kMainWindow).maximized) << "only 1 is on";
    EXPECT_TRUE(s.windowPlace(CLSVorelSettings::kListWindow).maximized);
    EXPECT_EQ(s.infoPaneWidth(), 16);
    EXPECT_EQ(s.hintsWindowWidth(), 255);
    EXPECT_EQ(s.listAnswerTop(), 0);
    EXPECT_EQ(s.listCommentTop(), 12);
    EXPECT_EQ(s.editListWidth(), 2);
    EXPECT_EQ(s.editMessageHeight(), 99);
    EXPECT_EQ(s.editListColumnWidth(0), 5);
    EXPECT_EQ(s.editListColumnWidth(1), 66);
    EXPECT_EQ(s.examListColumnWidth(0), 1);
    EXPECT_EQ(s.examListColumnWidth(1), 60);
    EXPECT_EQ(s.examListColumnWidth(7), 8);
    EXPECT_EQ(s.examListColumnWidth(8), 0);
    EXPECT_EQ(s.detailsListColumnWidth(-1), 0);

    EXPECT_FALSE(s.sound());
    EXPECT_TRUE(s.retry()) << "blanks before a number are allowed";
    EXPECT_EQ(s.initialExamCount(), 10);
    EXPECT_EQ(s.weakPointStrength(), 8);
    EXPECT_EQ(s.examLogSize(), 1000);
    EXPECT_EQ(s.historySize(), 5);
    EXPECT_EQ(s.answerMode(), AnswerMode::kNormal);
    EXPECT_EQ(s.soundExamName(), " a b.wav ");

    EXPECT_TRUE(s.printTitle());
    EXPECT_FALSE(s.printAnswer());
    EXPECT_EQ(s.widthRateOfQuestion(), 50);
    EXPECT_EQ(s.lineMargin(), 50);
    EXPECT_EQ(s.lineColorOfQT(), makeColour(0, 0, 255));
    EXPECT_EQ(s.lineColorOfQQ(), makeColour(255, 0, 0));
    EXPECT_EQ(s.lineColorOfQA(), makeColour(0, 0, 255));

    CLSVorelSettings kept = loaded("[Options]\r\nAnswerMode=3\r\nExamLogSize=0\r\n", dir);
    EXPECT_EQ(kept.answerMode(), AnswerMode::kConfirm);
    EXPECT_EQ(kept.examLogSize(), 0) << "only a negative size falls back";
    using VorelSettingKeys::kAnswerMode;
    kept.setIntSetting(kAnswerMode, 5);
    EXPECT_EQ(kept.intSetting(kAnswerMode), 3) << "outside 0-4 the stored value stays";
    kept.setIntSetting(kAnswerMode, 4);
    EXPECT_EQ(kept.intSetting(kAnswerMode), 4) << "kept as read and written back";
    EXPECT_EQ(kept.answerMode(), AnswerMode::kNormal) << "but it is no mode: asked as normal";
    kept.setInitialExamCount(32768);
    kept.setWeakPointStrength(-1);
    kept.setLineMargin(-1);
    kept.setWidthRateOfQuestion(100);
    EXPECT_EQ(kept.initialExamCount(), 10);
    EXPECT_EQ(kept.weakPointStrength(), 8);
    EXPECT_EQ(kept.lineMargin(), 50);
    EXPECT_EQ(kept.widthRateOfQuestion(), 100);
}

TEST(SettingsFile, OldFontColoursOverrideTheDesign) {
    TempDir dir;
    CLSVorelSettings s = loaded(
        "[Fonts]\r\n"
        "ColorHoverText=0x010203\r\n"
        "ColorActiveBack=0x0A0B0C\r\n"
        "[Design]\r\n"
        "HoverTextColor=0xFFFFFF\r\n"
        "HoverBackgroundColor=0x111111\r\n"
        "ActiveBackgroundColor=0x222222\r\n",
        dir);
    EXPECT_EQ(s.skin().colour(CLSVorelSkin::kHoverTextColor), makeColour(1, 2, 3));
    EXPECT_EQ(s.skin().colour(CLSVorelSkin::kHoverBackgroundColor), makeColour(0x11, 0x11, 0x11));
    EXPECT_EQ(s.skin().colour(CLSVorelSkin::kActiveBackgroundColor), makeColour(10, 11, 12));
    EXPECT_EQ(s.skin().colour(CLSVorelSkin::kActiveTextColor), makeColour(255, 0, 0));
    EXPECT_EQ(saved(s, dir).find("[Fonts]"), std::string::npos) << "[Fonts] is never written";
}

TEST(SettingsFile, MissingOrFailedFilesLoseNothing) {
    TempDir dir;
    CLSVorelSettings s;
    s.setHistorySize(9);
    EXPECT_FALSE(s.loadSettings(CLSTString(dir.file("absent.ini"))));
    EXPECT_FALSE(s.loadSettings(CLSTString(dir.path())));
    EXPECT_EQ(s.historySize(), 9);

    std::string target = dir.file("VORELWIN.INI");
    WriteFileBytes(target, "[Options]\r\nHistorySize=3\r\n");
    SetWriteFaultForTests([&](const std::string& p) { return p.rfind(target, 0) == 0; });
    EXPECT_FALSE(s.saveSettings(CLSTString(target)));
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(target), "[Options]\r\nHistorySize=3\r\n");
    EXPECT_FALSE(s.saveSettings(CLSTString(dir.file("no/such/folder/VORELWIN.INI"))));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SettingsFile, DebugModeIsTheProcessWideTraceFlag) {
    TempDir dir;
    DebugModeGuard guard(dir);
    CLSVorelSettings s = loaded("[Options]\r\nDebugMode=1\r\n", dir);
    EXPECT_TRUE(debugMode());
    EXPECT_TRUE(s.debugMode());
    EXPECT_NE(saved(s, dir).find("DebugMode=1\r\n"), std::string::npos);
    CLSVorelSettings other;
    EXPECT_TRUE(other.debugMode()) << "one flag for the whole process";
    other.setDebugMode(false);
    EXPECT_FALSE(debugMode());
}

TEST(SettingsFile, FlagWordsAndPrintFonts) {
    CLSVorelSettings s;
    EXPECT_EQ(s.flags(), 20223);
    EXPECT_EQ(s.printFlags(), 63);
    s.setFlag(CLSVorelSettings::kNoAlready, true);
    s.setFlag(CLSVorelSettings::kToolBar, false);
    EXPECT_EQ(s.flags(), 20223 + 256 - 1);
    EXPECT_TRUE(s.noAlready());
    EXPECT_FALSE(s.toolBar());

    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i) {
        const CLSVorelFont& f = s.printFont(i);
        EXPECT_EQ(f.size, 9);
        EXPECT_EQ(f.charSet, 128);
        EXPECT_EQ(U8(f.name), "ＭＳ Ｐゴシック");
        EXPECT_EQ(f.backgroundColor, makeColour(255, 255, 255));
        EXPECT_EQ(f.textColor, i == CLSVorelSettings::kPrintFontAnswer ? makeColour(255, 0, 0)
                                                                       : makeColour(0, 0, 0));
    }
    EXPECT_THROW(s.printFont(6), CLSError);
    EXPECT_THROW(s.soundName(4), CLSError);
}

TEST(SettingsFile, ValuesWithLineBreaksCannotAddLines) {
    TempDir dir;
    CLSVorelSettings s;
    s.addRecentFile(CLSTString("/a.vrf"));
    s.addRecentFile(CLSTString("/x\n[Options]\nSound=0.vrf"));
    s.addRecentFile(CLSTString("/b.vrf"));
    s.setSoundName(0, CLSTString("ding.wav\r\nToolBar=0"));
    s.skin().item(0).name = CLSTString("Face\rStudyFormTextColor=0x123456");
    CLSVorelSettings reread = loaded(saved(s, dir), dir);
    EXPECT_EQ(reread.recentFileCount(), 2);
    EXPECT_EQ(reread.recentFile(1), "/a.vrf");
    EXPECT_EQ(reread.soundExamName(), "ding.wav");
    EXPECT_EQ(reread.skin().item(0).name, "Face");
    EXPECT_TRUE(reread.sound());
    EXPECT_TRUE(reread.toolBar());
    EXPECT_EQ(reread.skin().colour(0), CLSVorelSkin().colour(0));
}

// A pane size below the pane's layout minimum never came from a pane the
// learner saw: it reads as the default, and a real size as itself.
TEST(SettingsFile, PaneSizesBelowTheLayoutMinimumAreTheDefault) {
    CLSVorelSettings s;
    s.setEditListWidth(3);
    s.setEditHintHeight(3);
    EXPECT_EQ(s.paneSize(VorelSettingKeys::kEditListWidth, 40), 200);
    EXPECT_EQ(s.paneSize(VorelSettingKeys::kEditHintHeight, 40), 180);
    s.setEditListWidth(40);
    EXPECT_EQ(s.paneSize(VorelSettingKeys::kEditListWidth, 40), 40);
    s.setEditListWidth(640);
    EXPECT_EQ(s.paneSize(VorelSettingKeys::kEditListWidth, 40), 640);
}

// What Shift-JIS cannot hold goes to VORELWIN.UTF8.INI; the main file keeps
// the rest, as the older program reads it, and the key left out.
TEST(SettingsFile, ValuesShiftJisCannotHoldLiveInTheCompanion) {
    TempDir dir;
    const std::string main = dir.file("VORELWIN.INI");
    const std::string companion = dir.file("VORELWIN.UTF8.INI");
    EXPECT_EQ(Utf8CompanionPath(CLSTString(main)).str(), companion);

    CLSVorelSettings s;
    s.addRecentFile(Sj("/home/u/한국어/단어.vrf"));
    s.addRecentFile(Sj("/data/英単語.vrf"));
    s.addRecentFile(Sj("/home/u/Übungen/café.vrf"));
    s.skin().item(CLSVorelSkin::kAnswer).name = Sj("Noto Sans Hangul 한");
    ASSERT_TRUE(s.saveSettings(CLSTString(main)));
    std::string bytes = ReadFileBytes(main);
    EXPECT_NE(bytes.find(Utf8ToCp932Literal("\r\n[Recent]\r\nRecentFileMax=5\r\n"
                                            "File2=/data/英単語.vrf\r\n\r\n")),
              std::string::npos)
        << "File1 and File3 are left out";
    EXPECT_EQ(bytes.find(Utf8ToCp932Literal("答えName=")), std::string::npos);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_EQ(ReadFileBytes(companion), std::string(kUtf8Bom) +
                                            "[Recent]\r\n"
                                            "File1=/home/u/Übungen/café.vrf\r\n"
                                            "File3=/home/u/한국어/단어.vrf\r\n"
                                            "[Design]\r\n"
                                            "答えName=Noto Sans Hangul 한\r\n");

    CLSVorelSettings reread;
    ASSERT_TRUE(reread.loadSettings(CLSTString(main)));
    ASSERT_EQ(reread.recentFileCount(), 3);
    EXPECT_EQ(reread.recentFile(0), "/home/u/Übungen/café.vrf");
    EXPECT_EQ(reread.recentFile(1), "/data/英単語.vrf");
    EXPECT_EQ(reread.recentFile(2), "/home/u/한국어/단어.vrf");
    EXPECT_EQ(reread.skin(), s.skin());

    // A key the main file holds was written there after the companion (by
    // an older version): the main file's value is the newer one.
    WriteFileBytes(main, bytes + Utf8ToCp932Literal("\r\n[Recent]\r\nFile1=/data/新.vrf\r\n"));
    CLSVorelSettings older;
    ASSERT_TRUE(older.loadSettings(CLSTString(main)));
    EXPECT_EQ(older.recentFile(0), "/data/新.vrf");
    EXPECT_EQ(older.recentFile(2), "/home/u/한국어/단어.vrf");

    // A companion that cannot be written keeps both old files.
    const std::string oldCompanion = ReadFileBytes(companion);
    s.addRecentFile(Sj("/tmp/ß.vrf"));
    SetWriteFaultForTests([](const std::string& p) { return p.find("UTF8") != p.npos; });
    EXPECT_FALSE(s.saveSettings(CLSTString(main)));
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(main),
              bytes + Utf8ToCp932Literal("\r\n[Recent]\r\nFile1=/data/新.vrf\r\n"));
    EXPECT_EQ(ReadFileBytes(companion), oldCompanion);

    // Once Shift-JIS holds everything the companion goes, and the main file
    // is what it always was.
    CLSVorelSettings plain;
    plain.addRecentFile(Sj("/data/英単語.vrf"));
    ASSERT_TRUE(plain.saveSettings(CLSTString(main)));
    EXPECT_FALSE(std::filesystem::exists(companion));
    TempDir other;
    EXPECT_EQ(ReadFileBytes(main), saved(plain, other));
    EXPECT_FALSE(std::filesystem::exists(other.file("VORELWIN.UTF8.INI")));
}

TEST(SettingsFile, TheLanguageIsKeptOnlyOnceChosen) {
    TempDir dir;
    CLSVorelSettings settings;
    settings.setLanguage("en");
    std::string bytes = saved(settings, dir);
    EXPECT_NE(bytes.find("Language=en\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("Language=en\r\n"), bytes.find("\r\n\r\n[Design]") - 11)
        << "at the end of [Options]";
    EXPECT_EQ(loaded(bytes, dir).language(), "en");
    // Back to automatic: the file is the one it always was.
    settings.setLanguage("");
    EXPECT_EQ(saved(settings, dir), defaultFileBytes());
    // Anything but a language code reads as automatic.
    for (const char* odd : {"EN", "e n", "../x", "abcdefghi"}) {
        std::string edited = bytes;
        edited.replace(edited.find("Language=en"), 11, std::string("Language=") + odd);
        EXPECT_EQ(loaded(edited, dir).language(), "") << odd;
    }
}
