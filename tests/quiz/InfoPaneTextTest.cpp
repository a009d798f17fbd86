#include <gtest/gtest.h>

#include <cstring>

#include "DocFixture.h"
#include "data/ImportExport.h"
#include "quiz/Exam.h"
#include "quiz/InfoPaneText.h"
#include "text/Columns.h"
#include "text/TextMetrics.h"

namespace {

// Every byte 6 pixels wide, lines 10 pixels high.
class FixedMetrics : public TextMetrics {
  public:
    int textWidth(const char* text, int n) const override {
        return 6 * DisplayColumns(std::string_view(text, static_cast<size_t>(n)));
    }
    int lineHeight() const override { return 10; }
};

std::string Shown(const CLSInfoPaneTips& tips) {
    return U8(tips.shownText());
}

// Beats until the tip in front is fully typed; returns the beats taken.
int TypeOut(CLSInfoPaneTips& tips) {
    int beats = 0;
    while (!tips.complete() && beats < 1000) {
        tips.beat();
        ++beats;
    }
    return beats;
}

struct RunFixture : DocFixture {
    CLSRandom random{7};
    CLSExam exam{doc, settings, random, clock};

    RunFixture() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        EXPECT_TRUE(
            load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\nq3,,a3,,,<00\r\n"
                 "q4,,a4,,,<00\r\nq5,,a5,,,<00\r\n"));
        exam.resetRange();
    }
    // The entries as "label=value" in UTF-8.
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (const CLSInfoPaneEntry& e : InfoPaneRunEntries(exam))
            out.push_back(U8(e.label) + "=" + U8(e.value));
        return out;
    }
};

}  // namespace

TEST(InfoPaneTips, OneCharacterPerBeatWithTwoBeatsRestAfterPunctuation) {
    CLSInfoPaneTips tips;
    EXPECT_EQ(tips.mode(), InfoPaneMode::kRun);
    tips.setMode(InfoPaneMode::kNoFile);
    EXPECT_EQ(tips.tipIndex(), 0);
    EXPECT_EQ(Shown(tips), "");
    tips.beat();
    EXPECT_EQ(Shown(tips), "フ");  // a whole character at once, never part of one
    EXPECT_EQ(tips.shownBytes(), static_cast<int>(std::strlen("フ")));
    for (int i = 0; i < 10; ++i)
        tips.beat();
    EXPECT_EQ(Shown(tips), "ファイルを読み込むには");
    tips.beat();
    EXPECT_EQ(Shown(tips), "ファイルを読み込むには，");  // shown at once, then the rest
    tips.beat();
    tips.beat();
    EXPECT_EQ(Shown(tips), "ファイルを読み込むには，");
    tips.beat();
    EXPECT_EQ(Shown(tips), "ファイルを読み込むには，「");
}

TEST(InfoPaneTips, WithoutAFileTipZeroAgainWithAFileTipsOneToEightInTurn) {
    CLSInfoPaneTips tips;
    tips.setMode(InfoPaneMode::kNoFile);
    TypeOut(tips);
    EXPECT_EQ(Shown(tips),
              "ファイルを読み込むには，「ファイル」メニューの「開く」を実行して下さい。");
    // It stands complete for 80 beats (the one that finished it counting);
    // the next beat starts the next tip.
    for (int i = 0; i < 79; ++i)
        tips.beat();
    EXPECT_TRUE(tips.complete());
    tips.beat();
    EXPECT_EQ(tips.tipIndex(), 0);
    EXPECT_EQ(tips.shownBytes(), 0);

    // Opening a file starts tip 1; staying in the mode does not restart it.
    tips.beat();
    tips.setMode(InfoPaneMode::kFileOpen);
    EXPECT_EQ(tips.tipIndex(), 1);
    EXPECT_EQ(tips.shownBytes(), 0);
    tips.beat();
    tips.setMode(InfoPaneMode::kFileOpen);
    EXPECT_GT(tips.shownBytes(), 0);
    std::vector<int> order;
    for (int n = 0; n < 9; ++n) {
        order.push_back(tips.tipIndex());
        TypeOut(tips);
        for (int i = 0; i < 80; ++i)
            tips.beat();
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1}));

    // A run pauses the tips; after it, tip 1 starts over.
    tips.setMode(InfoPaneMode::kRun);
    tips.beat();
    tips.setMode(InfoPaneMode::kFileOpen);
    EXPECT_EQ(tips.tipIndex(), 1);
    EXPECT_EQ(tips.shownBytes(), 0);
}

TEST(InfoPaneTips, AnImportedOrNewDocumentWithQuestionsIsAnOpenDocument) {
    DocFixture f;
    EXPECT_EQ(InfoPaneModeOf(f.doc, false), InfoPaneMode::kNoFile);
    WriteFileBytes(f.dir.file("in.csv"), "q,a\r\n");
    ASSERT_TRUE(ImportQuestions(f.doc, f.path("in.csv"), ',', false, {1, 3}));
    ASSERT_TRUE(f.doc.isUntitled());
    EXPECT_EQ(InfoPaneModeOf(f.doc, false), InfoPaneMode::kFileOpen);
    EXPECT_EQ(InfoPaneModeOf(f.doc, true), InfoPaneMode::kRun);
    f.doc.newFile();
    EXPECT_EQ(InfoPaneModeOf(f.doc, false), InfoPaneMode::kNoFile);
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n"));
    EXPECT_EQ(InfoPaneModeOf(f.doc, false), InfoPaneMode::kFileOpen) << "a file, even empty";
}

TEST(InfoPaneTips, TheClockPacesTheBeats) {
    CLSInfoPaneTips tips;
    tips.setMode(InfoPaneMode::kNoFile);
    EXPECT_EQ(tips.advanceTo(5000), 0);  // the first call only notes the time
    EXPECT_EQ(tips.advanceTo(5099), 0);
    EXPECT_EQ(tips.advanceTo(5100), 1);
    EXPECT_EQ(tips.advanceTo(5350), 2);  // the 50 left over count towards the next
    EXPECT_EQ(tips.advanceTo(5400), 1);
    EXPECT_EQ(Shown(tips), "ファイル");
    // A clock that jumps far ahead (a suspended machine) does not spin for hours.
    EXPECT_EQ(tips.advanceTo(5400 + 3600 * 1000), 400);
    EXPECT_EQ(tips.advanceTo(5400 + 3600 * 1000 + 100), 1);
}

TEST(InfoPaneRun, FiguresOfAnInOrderRun) {
    RunFixture f;
    f.exam.setRangeFirst(1);  // questions 2-5
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.entries(), (std::vector<std::string>{"出題方法=すべて", "解答モード=通常",
                                                     "正解率=－", "残り問題=3問", "所要時間=0秒"}));
    f.clock.now += 65 * 1000;
    EXPECT_EQ(f.entries().back(), "所要時間=1分5秒");
    f.exam.decide(Verdict::kRight);
    // While the answer is shown the question's time stands still.
    f.clock.now += 10 * 1000;
    EXPECT_EQ(f.entries()[2], "正解率=100.00%");
    EXPECT_EQ(f.entries().back(), "所要時間=1分5秒");
    ASSERT_TRUE(f.exam.examNext());
    f.exam.decide(Verdict::kWrong);
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.entries()[2], "正解率=50.00%");
    EXPECT_EQ(f.entries()[3], "残り問題=1問");
}

TEST(InfoPaneRun, CompleteRunsCountAtLeastTheRestAndLimitsCountDown) {
    RunFixture f;
    f.settings.setTimeLimit(10);
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::complete()));
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.entries()[0], "出題方法=ランダム(完全)");
    EXPECT_EQ(f.entries()[3], "残り問題=最低4問");
    EXPECT_EQ(f.entries()[4], "残り時間=10秒");
    f.clock.now += 3500;
    EXPECT_EQ(f.entries()[4], "残り時間=6秒");
    f.clock.now += 8500;  // 12 seconds: nothing is left, never less
    EXPECT_EQ(f.entries()[4], "残り時間=0秒");
    // Every question right but the one on screen, then that one too.
    for (int i = 0; i < 4; ++i) {
        f.exam.decide(Verdict::kRight);
        ASSERT_TRUE(f.exam.examNext());
    }
    EXPECT_EQ(f.entries()[3], "残り問題=最低0問");
    f.exam.decide(Verdict::kRight);
    EXPECT_EQ(f.entries()[3], "残り問題=最低0問");

    // A counted run shows what the controller has left to ask.
    f.settings.setInitialExamCount(3);
    f.settings.setTimeLimit(0);
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::counted(), [] { return true; }));
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.entries()[3], "残り問題=2問");
    f.settings.setAnswerMode(AnswerMode::kConfirm);
    EXPECT_EQ(f.entries()[1], "解答モード=確認");
}

TEST(InfoPaneClock, TwoDigitsAndAColonForTheSecondHalfOfEachSecond) {
    CLSLocalTime t{2026, 1, 2, 5, 7, 4, 59, 499};
    CLSInfoPaneClock c = InfoPaneClock(t);
    EXPECT_EQ(U8(c.hours), "07");
    EXPECT_EQ(U8(c.minutes), "04");
    EXPECT_FALSE(c.colon);
    t.millisecond = 500;
    t.hour = 23;
    EXPECT_TRUE(InfoPaneClock(t).colon);
    EXPECT_EQ(U8(InfoPaneClock(t).hours), "23");
}

TEST(InfoPanePlaces, EntriesStackDownThePaneAndThoseThatDoNotFitAreLeftOut) {
    FixedMetrics m;
    std::vector<CLSInfoPaneEntry> entries = {
        {Sj("出題方法"), Sj("すべて")},
        {Sj("正解率"), Sj("50.00%")},
        {Sj("残り問題"), Sj("3問")},
    };
    // "[出題方法]" is 10 bytes: 60 pixels, one line in a 100-pixel pane.
    std::vector<CLSInfoPaneEntryPlace> places =
        PlaceInfoPaneEntries(m, entries, CLSRect{10, 20, 110, 500});
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].band, (CLSRect{10, 20, 110, 32}));  // the label's line + 2
    EXPECT_EQ(places[0].label, (CLSRect{10, 21, 110, 31}));
    EXPECT_EQ(places[0].value, (CLSRect{10, 34, 110, 44}));
    // The next label starts after the value, 4 pixels and half a line.
    EXPECT_EQ(places[1].band.top, 44 + 4 + 5);

    // A narrow pane wraps the values; a short one keeps the entries that fit.
    places = PlaceInfoPaneEntries(m, entries, CLSRect{0, 0, 30, 500});
    EXPECT_EQ(places[0].label.height(), 20);  // "[出題" + "方法]"
    places = PlaceInfoPaneEntries(m, entries, CLSRect{10, 20, 110, 20 + 53 + 12});
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(PlaceInfoPaneEntries(m, entries, CLSRect{10, 20, 110, 20 + 38}).size(), 1u);
    places = PlaceInfoPaneEntries(m, entries, CLSRect{10, 20, 110, 40});
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].value.bottom, 40);  // the value is cut at the foot
    EXPECT_TRUE(PlaceInfoPaneEntries(m, entries, CLSRect{10, 20, 110, 25}).empty());
}
