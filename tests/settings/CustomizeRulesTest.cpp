#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/CustomizeRules.h"
#include "settings/SoundPlayer.h"
#include "settings/VorelSettings.h"
#include "srs/FsrsModel.h"
#include "text/Codec.h"
#include "text/Error.h"

namespace {

std::string Refusal(const CLSTString& message) {
    return U8(message);
}

const char* kTail = " の間で指定してください。";

std::string Warning(const std::string& head) {
    return head + kTail;
}

}  // namespace

TEST(GeneralPage, SizesAreJudgedInOrderAndStoredTogether) {
    CLSVorelSettings settings;
    CLSGeneralPage page = CLSGeneralPage::from(settings);
    EXPECT_EQ(Refusal(page.refusal()), "");
    page.examLogSize = 32768;
    page.historySize = -1;
    EXPECT_EQ(Refusal(page.refusal()), Warning("出題履歴一覧のサイズは 0 ～ 32767"));
    page.examLogSize = 0;
    EXPECT_EQ(Refusal(page.refusal()), Warning("問題毎の正誤履歴のサイズは 0 ～ 32767"));
    page.historySize = 32767;
    EXPECT_EQ(Refusal(page.refusal()), "");

    page.loadLastFile = false;
    page.saveExamLog = false;
    page.examLogName = Sj("/tmp/履歴.txt");
    page.store(settings);
    EXPECT_EQ(settings.examLogSize(), 0);  // 0 is a size, not "unset"
    EXPECT_EQ(settings.historySize(), 32767);
    EXPECT_FALSE(settings.loadLastFile());
    EXPECT_FALSE(settings.saveExamLog());
    EXPECT_EQ(U8(settings.examLogName()), "/tmp/履歴.txt");

    // The defaults are a fresh settings object's, with debug mode off.
    setDebugMode(true);
    CLSGeneralPage defaults = CLSGeneralPage::defaults();
    setDebugMode(false);
    EXPECT_FALSE(defaults.debugMode);
    EXPECT_TRUE(defaults.loadLastFile);
    EXPECT_TRUE(defaults.saveExamLog);
    EXPECT_EQ(U8(defaults.examLogName), "EXAMLOG.TXT");
    EXPECT_EQ(defaults.examLogSize, 1000);
    EXPECT_EQ(defaults.historySize, 5);
}

TEST(QuestionPage, TheFirstFailingGroupNamesTheWarning) {
    CLSQuestionPage page = CLSQuestionPage::defaults();
    EXPECT_EQ(Refusal(page.refusal()), "");
    // Every group out of range at once: the line spacing is told first.
    page.lineInterval = 40000;
    page.answerStartTime = -1;
    page.questionShowTime = 32768;
    page.inputFieldHeight = 0;
    page.maxChoicesOfLine = 10;
    EXPECT_EQ(Refusal(page.refusal()), Warning("行間は 0 ～ 32767"));
    page.lineInterval = 32767;
    EXPECT_EQ(Refusal(page.refusal()), Warning("表示時間は 0 ～ 32767"));
    page.questionShowTime = 0;
    EXPECT_EQ(Refusal(page.refusal()), Warning("解答開始時間は 0 ～ 32767"));
    page.timeLimit = 99999;
    EXPECT_EQ(Refusal(page.refusal()), Warning("制限時間は 0 ～ 32767"));
    page.timeLimit = 0;
    page.answerStartTime = 0;
    EXPECT_EQ(Refusal(page.refusal()), Warning("答え入力欄の高さは 1 ～ 100"));
    page.choicesHeight = 101;
    EXPECT_EQ(Refusal(page.refusal()), Warning("選択肢ボタンの高さは 1 ～ 100"));
    page.choicesHeight = 100;
    page.inputFieldHeight = 1;
    EXPECT_EQ(Refusal(page.refusal()), Warning("一行に表示する選択肢の数は 1 ～ 9"));
    page.defaultChoicesCount = 0;
    EXPECT_EQ(Refusal(page.refusal()), Warning("選択肢の数は 1 ～ 9"));
    page.defaultChoicesCount = 9;
    page.maxChoicesOfLine = 1;
    EXPECT_EQ(Refusal(page.refusal()), "");
}

TEST(QuestionPage, StoresItsBitsAndLeavesTheOthers) {
    CLSVorelSettings settings;
    settings.setUseData(2 | 4 | 8);
    settings.setChoicesAlign(1 | 2 | 8);
    settings.setChoiceFrom(4);
    CLSQuestionPage page = CLSQuestionPage::from(settings);
    EXPECT_FALSE(page.useData);
    EXPECT_TRUE(page.autoChoicesPerLine);
    EXPECT_FALSE(page.choicesFromTitle);
    page.useData = true;
    page.autoChoicesPerLine = false;
    page.choicesFromGroup = true;
    page.choiceCenter = false;
    page.lineInterval = 0;
    page.inputFieldHeight = 7;
    page.store(settings);
    EXPECT_EQ(settings.useData(), 1 | 2 | 4 | 8);
    EXPECT_EQ(settings.choicesAlign(), 2 | 8);
    EXPECT_EQ(settings.choiceFrom(), 2 | 4);
    EXPECT_FALSE(settings.choiceCenter());
    EXPECT_EQ(settings.lineInterval(), 0);
    EXPECT_EQ(settings.inputFieldHeight(), 7);

    CLSQuestionPage defaults = CLSQuestionPage::defaults();
    EXPECT_TRUE(defaults.useData);
    EXPECT_EQ(defaults.defaultChoicesCount, 4);
    EXPECT_EQ(defaults.lineInterval, 40);
    EXPECT_TRUE(defaults.autoChoiceHeight);
}

TEST(AnswerPage, ClickTimeFirstThenWidthThenHeight) {
    CLSAnswerPage page = CLSAnswerPage::defaults();
    EXPECT_EQ(page.baseWidth, 500);
    EXPECT_TRUE(page.showComment);
    EXPECT_FALSE(page.showOtherAnswers);
    page.autoClickTime = 40000;
    page.baseWidth = 200;
    page.baseHeight = 149;
    EXPECT_EQ(Refusal(page.refusal()),
              Warning("ボタンを自動的にクリックするまでの時間は 0 ～ 32767"));
    page.autoClickTime = 32767;
    EXPECT_EQ(Refusal(page.refusal()), Warning("答えダイアログの基準幅は 260 ～ 32767"));
    page.baseWidth = 260;
    EXPECT_EQ(Refusal(page.refusal()), Warning("答えダイアログの基準高さは 150 ～ 32767"));
    page.baseHeight = 150;
    EXPECT_EQ(Refusal(page.refusal()), "");

    CLSVorelSettings settings;
    settings.setAnswerView(1 | 4);
    page.showComment = false;
    page.showOtherAnswers = true;
    page.noClickWrong = true;
    page.clickButtonType = 2;
    page.store(settings);
    EXPECT_EQ(settings.answerView(), 2 | 4);
    EXPECT_TRUE(settings.ansDlgNoClickWrong());
    EXPECT_EQ(settings.ansDlgClickButtonType(), 2);
    EXPECT_EQ(settings.baseHeightWndAnswer(), 150);
    EXPECT_EQ(settings.ansDlgAutoClickTime(), 32767);
}

TEST(ReviewPage, StepsAreJudgedWithTheirReasonAndTheFitIsKeptAside) {
    CLSVorelSettings settings;
    settings.review().desiredRetention = 0.85;
    CLSReviewPage page = CLSReviewPage::from(settings);
    EXPECT_EQ(page.retentionPercent, 85);
    EXPECT_FALSE(page.useFitted) << "no fit yet";
    EXPECT_EQ(Refusal(page.refusal()), "");

    page.retentionPercent = 100;
    page.relearningSteps = "10x";
    EXPECT_EQ(Refusal(page.refusal()), Warning("目標の記憶率は 70 ～ 99"));
    page.retentionPercent = 99;
    EXPECT_EQ(Refusal(page.refusal()).rfind("再学習の学習ステップが正しくありません: 「10x」", 0),
              0u)
        << Refusal(page.refusal());
    page.relearningSteps = "";  // no relearning steps at all
    page.useFitted = true;
    EXPECT_NE(Refusal(page.refusal()), "") << "chosen, but nothing fitted";
    page.fittedParameters = CLSFsrsParameters::Defaults().Format();
    EXPECT_EQ(Refusal(page.refusal()), "");

    page.store(settings);
    EXPECT_DOUBLE_EQ(settings.review().desiredRetention, 0.99);
    EXPECT_EQ(settings.review().relearningSteps, "");
    EXPECT_EQ(settings.review().parameters, page.fittedParameters);
    // Going back to the defaults stores none, while the page keeps the fit.
    page.useFitted = false;
    page.store(settings);
    EXPECT_EQ(settings.review().parameters, "");
    EXPECT_EQ(CLSReviewPage::defaults().retentionPercent, 90);
}

TEST(SoundAndComparisonPages, StoreWhatTheyShow) {
    CLSVorelSettings settings;
    CLSSoundPage sound = CLSSoundPage::from(settings);
    EXPECT_EQ(U8(sound.names[CLSVorelSettings::kSoundResult]), "RESULT.WAV");
    sound.sound = false;
    sound.names[CLSVorelSettings::kSoundWrong] = Sj("ぶー.wav");
    sound.store(settings);
    EXPECT_FALSE(settings.sound());
    EXPECT_EQ(U8(settings.soundWrongName()), "ぶー.wav");
    EXPECT_EQ(U8(CLSSoundPage::defaults().names[CLSVorelSettings::kSoundWrong]), "WRONG.WAV");

    settings.setUseData(7);
    CLSComparisonPage comparison = CLSComparisonPage::from(settings);
    EXPECT_TRUE(comparison.useData);
    comparison.useData = false;
    comparison.compareMode = 16 | 2;
    comparison.store(settings);
    EXPECT_EQ(settings.useData(), 5);
    EXPECT_EQ(settings.compareMode(), 18);
    EXPECT_EQ(CLSComparisonPage::defaults().compareMode, 0);
}

TEST(DesignPage, EntriesMapOntoTheDesignAndThePaneItemIsNotStored) {
    CLSVorelSkin design;
    EXPECT_EQ(U8(CLSTString(DesignEntryName(kEntryStudyForm))), "出題画面");
    EXPECT_EQ(U8(CLSTString(DesignEntryName(kEntryHover))), "ポイントされた答えの色");
    EXPECT_EQ(std::string(DesignEntryName(kDesignEntryCount)), "");
    EXPECT_EQ(DesignEntryItem(design, kEntryStudyForm), nullptr);
    EXPECT_EQ(DesignEntryItem(design, kEntryComment), &design.item(CLSVorelSkin::kComment));
    EXPECT_EQ(DesignEntryItem(design, kEntryActive), nullptr);

    SetDesignEntryTextColour(design, kEntryActive, 0x123456);
    SetDesignEntryBackColour(design, kEntryHover, 0x654321);
    SetDesignEntryBackColour(design, kEntryStudyForm, 0x111111);
    SetDesignEntryTextColour(design, kEntryTitle, 0x222222);
    EXPECT_EQ(design.colour(CLSVorelSkin::kActiveTextColor), 0x123456u);
    EXPECT_EQ(design.colour(CLSVorelSkin::kHoverBackgroundColor), 0x654321u);
    EXPECT_EQ(design.colour(CLSVorelSkin::kStudyFormBackgroundColor), 0x111111u);
    EXPECT_EQ(design.item(CLSVorelSkin::kTitle).textColor, 0x222222u);
    EXPECT_EQ(DesignEntryBackColour(design, kEntryHover), 0x654321u);
    EXPECT_EQ(DesignEntryTextColour(design, kEntryTitle), 0x222222u);

    CLSVorelSettings settings;
    settings.setUseData(3);
    CLSDesignPage page = CLSDesignPage::from(settings);
    EXPECT_FALSE(page.useData);
    page.useData = true;
    page.design = design;
    page.design.item(CLSVorelSkin::kInfoPane).size = 30;
    page.design.item(CLSVorelSkin::kAnswer).borderType = 7;
    page.store(settings);
    EXPECT_EQ(settings.useData(), 7);
    EXPECT_EQ(settings.skin().item(CLSVorelSkin::kAnswer).borderType, 7);
    EXPECT_EQ(settings.skin().colour(CLSVorelSkin::kActiveTextColor), 0x123456u);
    EXPECT_EQ(settings.skin().item(CLSVorelSkin::kInfoPane).size, 9);
    EXPECT_EQ(CLSDesignPage::defaults().design, CLSVorelSkin());
}

TEST(VagueList, AddsAsEnteredDeletesAndReplacesTheTable) {
    CLSVagueList list = CLSVagueList::builtIn();
    EXPECT_EQ(list.count(), 46);
    EXPECT_EQ(list.add(CLSTString(), CLSTString()), -1);
    EXPECT_EQ(list.count(), 46);
    EXPECT_STREQ(VagueEmptyPairMessage(), "少なくとも１つに文字列を入力してください。");

    // The longer text is the key; equal lengths keep the order entered.
    int row = list.add(Sj("ｶ"), Sj("カ"));
    EXPECT_EQ(U8(list.pairs()[row].first), "カ");
    EXPECT_EQ(U8(list.pairs()[row].second), "ｶ");
    row = list.add(Sj("ab"), Sj("cd"));
    EXPECT_EQ(U8(list.pairs()[row].first), "ab");
    row = list.add(CLSTString(), Sj("x"));
    EXPECT_EQ(U8(list.pairs()[row].first), "x");
    EXPECT_EQ(U8(list.pairs()[row].second), "");
    EXPECT_EQ(list.count(), 49);
    // A key already listed (in any case) takes the new replacement in its place.
    int before = list.add(Sj("AB"), Sj("zz"));
    EXPECT_EQ(before, row - 1);
    EXPECT_EQ(U8(list.pairs()[before].first), "AB");
    EXPECT_EQ(U8(list.pairs()[before].second), "zz");
    EXPECT_EQ(list.count(), 49);

    CLSTString first = list.pairs()[0].first;
    list.remove({48, 0, 48, 200, -1});
    EXPECT_EQ(list.count(), 47);
    CLSVagueTable table;
    list.storeInto(table);
    EXPECT_EQ(table.count(), 47);
    EXPECT_EQ(table.find(Sj("x")), nullptr);
    EXPECT_EQ(table.find(first), nullptr);
    ASSERT_NE(table.find(Sj("ab")), nullptr);
    EXPECT_EQ(U8(*table.find(Sj("ab"))), "zz");

    EXPECT_EQ(CLSVagueList::fromTable(table).count(), 47);
}

TEST(SoundFiles, FoundBesideTheSettingsAndOnlyWaveFilesArePlayable) {
    TempDir dir;
    setenv("VOREL_HOME", dir.path().c_str(), 1);
    std::string pcm = std::string("RIFF\x24\0\0\0WAVE", 12) + std::string("LIST\x02\0\0\0xx", 10) +
                      std::string("fmt \x10\0\0\0\x01\0\x01\0", 12) + std::string(12, '\0');
    WriteFileBytes(dir.file("EXAM.WAV"), pcm);
    std::string compressed = pcm;
    compressed[30] = 0x55;  // an MP3 stream in a wave file
    WriteFileBytes(dir.file("mp3.wav"), compressed);
    WriteFileBytes(dir.file("text.wav"), "not a sound at all");

    EXPECT_EQ(U8(FindSoundFile(Sj("EXAM.WAV"))), dir.file("EXAM.WAV"));
    EXPECT_EQ(U8(FindSoundFile(CLSTString(dir.file("EXAM.WAV")))), dir.file("EXAM.WAV"));
    EXPECT_EQ(U8(FindSoundFile(Sj("missing.wav"))), "");
    EXPECT_EQ(U8(FindSoundFile(CLSTString(dir.path()))), "");  // a folder is no sound
    EXPECT_TRUE(IsPlayableWaveFile(CLSTString(dir.file("EXAM.WAV"))));
    EXPECT_FALSE(IsPlayableWaveFile(CLSTString(dir.file("mp3.wav"))));
    EXPECT_FALSE(IsPlayableWaveFile(CLSTString(dir.file("text.wav"))));
    EXPECT_FALSE(IsPlayableWaveFile(CLSTString(dir.file("missing.wav"))));
    unsetenv("VOREL_HOME");
}
