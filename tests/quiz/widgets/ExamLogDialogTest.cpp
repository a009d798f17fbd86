// The exam history browser on a generated history, driven by keyboard.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QValueAxis>

#include <cstdio>
#include <functional>

#include "DocFixture.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "data/ReviewLine.h"
#include "quiz/widgets/DlgExamLog.h"
#include "quiz/widgets/DlgReaskMenu.h"
#include "quiz/widgets/ExamLogCharts.h"
#include "quiz/widgets/ExamLogRowModel.h"
#include "quiz/widgets/MissedQuestionsPage.h"
#include "quiz/widgets/ReviewStatsPage.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "srs/SqliteReviewLog.h"
#include "text/Paths.h"
#include "text/widgets/DesktopOpen.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

namespace {

const char* kWords =
    "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\nq3,,a3,,,<00\r\n"
    "q4,,a4,,,<00\r\nq5,,a5,,,<00\r\n";

std::string runRecord(int year, int month, int day, int hour, const std::string& file, int right,
                      const std::vector<int>& questions, const std::vector<bool>& results) {
    std::string text = "Vorel for Windows Ver.3.13 出題履歴\r\n[   時刻   ] " +
                       std::to_string(year) + "年" + std::to_string(month) + "月" +
                       std::to_string(day) + "日(月) " + std::to_string(hour) +
                       "時0分0秒\r\n[ファイル名] " + file +
                       "\r\n[ 出題範囲 ] 1～5\r\n[ グループ ] 0\r\n[ 出題方法 ] すべて\r\n"
                       "[解答モード] 通常\r\n[  正解率  ] " +
                       std::to_string(right * 100 / static_cast<int>(questions.size())) +
                       ".00%\r\n[ 所要時間 ] 1分0秒\r\n"
                       "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n";
    for (size_t i = 0; i < questions.size(); ++i) {
        int q = questions[i];
        text += std::to_string(i + 1) + "," + std::to_string(q) + "," + (results[i] ? "○" : "×") +
                ",2秒,q" + std::to_string(q) + ",a" + std::to_string(q) + ",0,\r\n";
    }
    return text;
}

struct History {
    TempDir dir;
    CLSVorelSettings settings;
    FakeClock clock;
    FakePrompter prompter;
    std::unique_ptr<CLSMainWindow> window;
    std::vector<QUrl> opened;

    History() {
        InitVorelApplication();
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        settings.setFlag(CLSVorelSettings::kRetryRandom, false);
        settings.setExamLogName(CLSTString(dir.file("EXAMLOG.TXT")));
        window = std::make_unique<CLSMainWindow>(settings, 42, clock);
        window->document().setPrompter(prompter);
        window->resize(700, 500);
        window->show();
        WriteFileBytes(dir.file("a.vrf"), Utf8ToCp932Literal(kWords));
        WriteFileBytes(dir.file("b.vrf"), Utf8ToCp932Literal(kWords));
        SetUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
    }
    ~History() { SetUrlOpener({}); }
    void writeLog(const std::string& utf8) {
        WriteFileBytes(dir.file("EXAMLOG.TXT"), Utf8ToCp932Literal(utf8));
    }
    // A thousand runs over two files and three years, in file order.
    void writeThousandRuns() {
        std::string text;
        for (int i = 0; i < 1000; ++i) {
            std::string file = dir.file(i % 4 == 0 ? "b.vrf" : "a.vrf");
            int day = 1 + (i / 3) % 28;
            int month = 1 + (i / 84) % 12;
            int year = 2024 + i / 400;
            if (!text.empty()) text += "\r\n\r\n";
            text += runRecord(year, month, day, 1 + i % 3 * 8, file, i % 4, {1, 2, 3, 4},
                              {true, i % 2 == 0, i % 3 == 0, false});
        }
        writeLog(text);
    }
    CLSStudyScreen& study() { return *window->studyScreen(); }
};

// The review log of a test in a folder of its own (VOREL_HOME), so that no
// other test's reviews are in it.
class OwnHome {
  public:
    explicit OwnHome(const TempDir& dir) {
        if (const char* old = getenv("VOREL_HOME")) m_old = old;
        setenv("VOREL_HOME", dir.path().c_str(), 1);
    }
    ~OwnHome() { setenv("VOREL_HOME", m_old.c_str(), 1); }

  private:
    std::string m_old;
};

// c.vrf: q1 due today, q2 in three days, q3 to q5 new.
void writeScheduledFile(const History& h) {
    const int64_t day = 86'400'000;
    CLSReviewState first{ReviewPhase::Review, 3, 5, h.clock.utc - 3 * day, h.clock.utc, 0, 21};
    CLSReviewState second = first;
    second.dueMs += 3 * day;
    second.id = 22;
    std::string text = "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\n" +
                       ReviewLineText(first, "q1") + "\r\nq2,,a2,,,<00\r\n" +
                       ReviewLineText(second, "q2") +
                       "\r\nq3,,a3,,,<00\r\nq4,,a4,,,<00\r\nq5,,a5,,,<00\r\n";
    WriteFileBytes(h.dir.file("c.vrf"), Utf8ToCp932Literal(text));
}

bool waitLoaded(CLSDlgExamLog& dialog) {
    return QTest::qWaitFor([&] { return dialog.isLoaded(); }, 10000);
}

}  // namespace

TEST(ExamLogDialog, BrowsesAThousandRunsByDateAndByFile) {
    History h;
    h.writeThousandRuns();
    h.settings.setFlag(CLSVorelSettings::kExamLogSort, true);
    h.settings.setExamListColumnWidth(4, 150);
    CLSDlgExamLog dialog(h.study());
    showActive(&dialog);
    ASSERT_TRUE(waitLoaded(dialog));
    QAbstractItemModelTester tester(dialog.rowModel());
    ASSERT_EQ(dialog.records().size(), 1000u);
    EXPECT_EQ(dialog.sortTabs()->currentIndex(), 0);

    // By date: years, months, days; the newest day is selected.
    QTreeWidgetItem* root = dialog.tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), U("出題履歴"));
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->text(0), U("2024年"));
    EXPECT_TRUE(root->child(2)->isExpanded());
    QTreeWidgetItem* current = dialog.tree()->currentItem();
    EXPECT_EQ(current->parent()->parent(), root->child(2));
    int shown = dialog.shownRecord();
    ASSERT_GE(shown, 0);
    const CLSExamLogOne& newest = dialog.records()[shown];
    EXPECT_EQ(newest.year, 2026);
    EXPECT_EQ(dialog.countLabel()->text(),
              U("(1～%1)").arg(current->data(0, Qt::UserRole + 1).toInt()));
    EXPECT_EQ(dialog.detail(2)->text(), U("すべて"));
    EXPECT_EQ(dialog.fileLink()->text(), QString::fromStdString(newest.fileName.str()));
    EXPECT_EQ(dialog.rowModel()->rowCount(), 4);
    EXPECT_EQ(dialog.rowModel()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
              U("問題"));
    EXPECT_EQ(dialog.list()->horizontalHeader()->sectionSize(4), 150);
    EXPECT_TRUE(dialog.reaskButton()->isEnabled());
    SaveShot(&dialog, "exam-log");

    // The whole history from the root; the number box, first and last.
    dialog.tree()->setFocus();
    QTest::keyClick(dialog.tree(), Qt::Key_Home);
    EXPECT_EQ(dialog.countLabel()->text(), U("(1～1000)"));
    EXPECT_EQ(dialog.shownRecord(), 0);
    dialog.numberBox()->setFocus();
    dialog.numberBox()->selectAll();
    QTest::keyClicks(dialog.numberBox(), "500");
    EXPECT_EQ(dialog.shownRecord(), 499);
    dialog.lastButton()->setFocus();
    QTest::keyClick(dialog.lastButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.shownRecord(), 999);
    EXPECT_EQ(dialog.numberBox()->value(), 1000);
    dialog.firstButton()->setFocus();
    QTest::keyClick(dialog.firstButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.shownRecord(), 0);

    // By file: one node per data file, the root selected.
    h.settings.setExamListColumnWidth(4, 90);
    dialog.list()->horizontalHeader()->resizeSection(4, 210);
    dialog.sortTabs()->setFocus();
    QTest::keyClick(dialog.sortTabs(), Qt::Key_Right);
    EXPECT_EQ(dialog.sortTabs()->currentIndex(), 1);
    root = dialog.tree()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), QString::fromStdString(h.dir.file("a.vrf")));
    EXPECT_EQ(root->child(0)->data(0, Qt::UserRole + 1).toInt(), 750);
    EXPECT_EQ(dialog.tree()->currentItem(), root);
    EXPECT_EQ(h.settings.examListColumnWidth(4), 210) << "widths are kept before the list changes";

    // The chart of the shown run's file.
    pressAlt(&dialog, Qt::Key_G);
    EXPECT_EQ(dialog.pages()->currentWidget(), dialog.charts());
    EXPECT_EQ(dialog.charts()->rateSeries()->count(), 750);
    EXPECT_GT(dialog.charts()->countSeries()->count(), 200);
    SaveShot(&dialog, "exam-log-charts");

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(h.settings.examLogSort()) << "the file tab was chosen last";
}

TEST(ExamLogDialog, ReasksAPastRunThroughTheStudyScreen) {
    History h;
    h.writeLog(runRecord(2026, 3, 1, 9, h.dir.file("b.vrf"), 2, {2, 4, 5, 9},
                         {true, false, false, false}));
    ASSERT_TRUE(h.window->openFile(CLSTString(h.dir.file("a.vrf"))));

    whenModal<CLSDlgExamLog>([&](CLSDlgExamLog* dialog) {
        ASSERT_TRUE(waitLoaded(*dialog));
        whenModal<CLSDlgReaskMenu>([](CLSDlgReaskMenu* reask) {
            EXPECT_FALSE(reask->selectedButton()->isEnabled());
            EXPECT_TRUE(reask->wrongButton()->isChecked());
            SaveShot(reask, "reask-menu");
            reask->randomBox()->setFocus();
            QTest::keyClick(reask->randomBox(), Qt::Key_Space);
            QTest::keyClick(reask, Qt::Key_Return);
        });
        pressAlt(dialog, Qt::Key_R);
    });
    ShowExamLog(h.window.get(), h.study());

    // The run's file was opened; question 9 is no longer there.
    EXPECT_EQ(h.window->document().getPath(), CLSTString(h.dir.file("b.vrf")));
    CLSExam& exam = h.study().exam();
    ASSERT_TRUE(exam.isRunning());
    EXPECT_EQ(exam.mode(), CLSExamMode::reask(CLSExamMode::kRetryWrong, true));
    std::vector<int> asked;
    for (const CLSExamRecord& r : exam.records())
        asked.push_back(r.question);
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<int>{3, 4}));
    EXPECT_TRUE(h.settings.retryRandom());
    h.study().examFinish(false);
}

TEST(ExamLogDialog, SelectedLinesAndTheFileLink) {
    History h;
    h.writeLog(
        runRecord(2026, 3, 1, 9, h.dir.file("b.vrf"), 4, {1, 2, 3, 4}, {true, true, true, true}));
    CLSDlgExamLog dialog(h.study());
    showActive(&dialog);
    ASSERT_TRUE(waitLoaded(dialog));

    // Every answer was right: the wrong ones are none.
    whenModal<CLSDlgReaskMenu>(
        [](CLSDlgReaskMenu* menu) { QTest::keyClick(menu, Qt::Key_Return); });
    pressAlt(&dialog, Qt::Key_R);
    EXPECT_EQ(h.prompter.entries.back().utf8, "出題する問題はありません。");
    EXPECT_TRUE(dialog.isVisible());

    // The link opens the run's file, and the history stays in front.
    EXPECT_EQ(dialog.fileLink()->text(), QString::fromStdString(h.dir.file("b.vrf")));
    dialog.fileLink()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog.fileLink(), Qt::Key_Space);
    EXPECT_EQ(h.window->document().getPath(), CLSTString(h.dir.file("b.vrf")));
    EXPECT_TRUE(dialog.isVisible());

    // Opening the file may have activated the main window: a mnemonic
    // reaches only the active window.
    activate(&dialog);
    dialog.list()->setFocus();
    dialog.list()->selectRow(1);
    QTest::keyClick(dialog.list(), Qt::Key_Down, Qt::ShiftModifier);
    whenModal<CLSDlgReaskMenu>([](CLSDlgReaskMenu* reask) {
        EXPECT_TRUE(reask->selectedButton()->isEnabled());
        reask->selectedButton()->setFocus();
        QTest::keyClick(reask->selectedButton(), Qt::Key_Space);
        EXPECT_TRUE(reask->selectedButton()->isChecked());
        QTest::keyClick(reask, Qt::Key_Return);
    });
    pressAlt(&dialog, Qt::Key_R);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.reaskRequest().has_value());
    EXPECT_EQ(dialog.reaskRequest()->questions, (std::vector<int>{1, 2}));
    EXPECT_EQ(dialog.reaskRequest()->mode, CLSExamMode::reask(CLSExamMode::kRetrySelected, false));
}

TEST(ExamLogDialog, OpensTheHistoryInAnEditorOrSaysItCannot) {
    History h;
    h.writeLog(runRecord(2026, 3, 1, 9, h.dir.file("a.vrf"), 1, {1}, {true}));
    CLSDlgExamLog dialog(h.study());
    showActive(&dialog);
    ASSERT_TRUE(waitLoaded(dialog));
    pressAlt(&dialog, Qt::Key_E);
    ASSERT_EQ(h.opened.size(), 1u);
    EXPECT_EQ(h.opened[0], QUrl::fromLocalFile(QString::fromStdString(h.dir.file("EXAMLOG.TXT"))));

    SetUrlOpener([](const QUrl&) { return false; });
    std::vector<QString> started;
    SetProgramStarter([&](const QString& program, const QStringList&) {
        started.push_back(program);
        return false;
    });
    pressAlt(&dialog, Qt::Key_E);
    SetProgramStarter({});
    EXPECT_EQ(h.prompter.entries.back().utf8, "出題履歴のファイル " + h.dir.file("EXAMLOG.TXT") +
                                                  " を開けるプログラムが見つかりません。");

    // Deleted meanwhile: said in words, and the button waits for a history.
    std::remove(h.dir.file("EXAMLOG.TXT").c_str());
    dialog.editorButton()->click();
    EXPECT_EQ(h.prompter.entries.back().utf8,
              "出題履歴はまだありません。学習を終えると記録されます。");
    EXPECT_FALSE(dialog.editorButton()->isEnabled());
}

TEST(ExamLogDialog, AMissingHistoryShowsAnEmptyTree) {
    History h;
    CLSDlgExamLog dialog(h.study());
    showActive(&dialog);
    ASSERT_TRUE(waitLoaded(dialog));
    ASSERT_EQ(dialog.tree()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->childCount(), 0);
    EXPECT_EQ(dialog.countLabel()->text(), U("(1～0)"));
    EXPECT_FALSE(dialog.reaskButton()->isEnabled());
    EXPECT_FALSE(dialog.editorButton()->isEnabled()) << "no history file to open yet";
    EXPECT_EQ(dialog.shownRecord(), -1);
    EXPECT_EQ(h.window->statusPart(0)->text(), QString()) << "the progress is cleared";
}

TEST(ExamLogCharts, AxesCountInWholeNumbersAndShowTheTimeOfDay) {
    CLSExamLogCharts charts;
    CLSExamLogStats stats;
    stats.rates = {
        {{2026, 3, 1, 9, 0, 0}, 50}, {{2026, 3, 1, 13, 30, 0}, 75}, {{2026, 3, 1, 18, 0, 0}, 100}};
    stats.days = {{2026, 3, 1, 1}};
    CLSExamLogTime second{2026, 3, 1, 13, 30, 0};
    charts.showStats(stats, "a.vrf", &second);
    auto axes = [](QChartView* view) {
        return std::pair{qobject_cast<QDateTimeAxis*>(view->chart()->axes(Qt::Horizontal).value(0)),
                         qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0))};
    };
    auto [rateX, rateY] = axes(charts.rateView());
    ASSERT_TRUE(rateX && rateY);
    EXPECT_EQ(rateX->format(), "MM/dd hh:mm") << "runs of one day apart by their time";
    EXPECT_EQ(rateY->max(), 100);
    auto [countX, countY] = axes(charts.countView());
    EXPECT_EQ(countY->max(), 1) << "0 and 1, not 0, 0, 0, 1, 1";
    EXPECT_EQ(countY->tickCount(), 2);
    ASSERT_EQ(charts.shownRunSeries()->count(), 1);
    EXPECT_EQ(charts.shownRunSeries()->at(0).y(), 75);

    // Larger counts step by 1, 2 or 5 times a power of ten; long spans
    // label days or months, never more marks than labels.
    stats.days = {{2026, 3, 1, 7}, {2026, 3, 3, 3}};
    charts.showStats(stats, "a.vrf");
    EXPECT_EQ(countY->max(), 8);
    EXPECT_EQ(countY->tickCount(), 5);
    EXPECT_EQ(countX->format(), "MM/dd hh:mm");
    EXPECT_EQ(charts.shownRunSeries()->count(), 0);
    stats.days = {{2026, 1, 1, 230}, {2026, 1, 4, 3}};
    charts.showStats(stats, "a.vrf");
    EXPECT_EQ(countY->max(), 300);
    EXPECT_EQ(countY->tickCount(), 4);
    EXPECT_EQ(countX->format(), "MM/dd");
    EXPECT_EQ(countX->tickCount(), 4) << "one mark a day";
    stats.days = {{2024, 1, 1, 2}, {2026, 1, 1, 2}};
    charts.showStats(stats, "a.vrf");
    EXPECT_EQ(countX->format(), "yyyy/MM");
}

TEST(ExamLogDialog, TheReviewPageReasksTheOpenFilesMostMissedInOrder) {
    History h;
    OwnHome home(h.dir);
    writeScheduledFile(h);
    const std::string file = h.dir.file("c.vrf");
    {
        auto log = CLSSqliteReviewLog::open(DefaultReviewLogPath());
        ASSERT_TRUE(log.ok()) << log.error();
        for (const std::string& path : {file, file, h.dir.file("a.vrf")}) {
            CLSReviewRecord again{22, path, h.clock.utc - 3'600'000, 540, 4, 1, 2, 3, 5, 5000};
            ASSERT_TRUE((*log)->append(again).ok());
        }
    }
    h.writeLog(runRecord(2026, 12, 1, 9, file, 0, {1, 4}, {false, false}) + "\r\n\r\n" +
               runRecord(2026, 12, 2, 9, h.dir.file("a.vrf"), 0, {2}, {false}));
    ASSERT_TRUE(h.window->openFile(CLSTString(file)));

    CLSDlgExamLog dialog(h.study());
    showActive(&dialog);
    ASSERT_TRUE(waitLoaded(dialog));
    pressAlt(&dialog, Qt::Key_V);
    EXPECT_EQ(dialog.reviewPage()->dueBars()->at(0), 1);
    EXPECT_EQ(dialog.reviewPage()->dueBars()->at(3), 1);
    SaveShot(&dialog, "exam-log-review");

    // q2 forgotten twice in reviews of this file, q1 and q4 wrong once in a
    // run; the other file's Again and runs are not theirs.
    pressAlt(&dialog, Qt::Key_M);
    QTableView* list = dialog.missedPage()->list();
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->model()->index(0, 1).data().toString(), "2") << "missed twice";
    SaveShot(&dialog, "exam-log-missed");
    list->setFocus();
    list->selectRow(0);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    pressAlt(&dialog, Qt::Key_Q);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.reaskRequest().has_value());
    EXPECT_EQ(dialog.reaskRequest()->mode, CLSExamMode::reask(CLSExamMode::kRetrySelected, false));
    EXPECT_EQ(dialog.reaskRequest()->questions, (std::vector<int>{1, 0, 3}))
        << "in the list's order";
}

TEST(ExamLogDialog, TheReviewPagesWithoutALogAndWithOneThatCannotBeOpened) {
    History h;
    OwnHome home(h.dir);
    writeScheduledFile(h);
    h.writeLog(runRecord(2026, 12, 2, 9, h.dir.file("a.vrf"), 1, {2, 5}, {false, true}));
    ASSERT_TRUE(h.window->openFile(CLSTString(h.dir.file("c.vrf"))));
    {
        CLSDlgExamLog dialog(h.study());
        showActive(&dialog);
        ASSERT_TRUE(waitLoaded(dialog));
        pressAlt(&dialog, Qt::Key_V);
        EXPECT_TRUE(
            dialog.reviewPage()->note()->text().contains(U("復習の記録はまだありません。")));
        EXPECT_EQ(dialog.reviewPage()->desiredSeries()->count(), 2) << "the goal all the same";
        EXPECT_FALSE(FileExists(CLSTString(h.dir.file("REVIEWLOG.DB")))) << "looking writes none";
    }
    WriteFileBytes(h.dir.file("REVIEWLOG.DB"), "not a database, but text");
    CLSDlgExamLog dialog(h.study());
    showActive(&dialog);
    ASSERT_TRUE(waitLoaded(dialog));
    pressAlt(&dialog, Qt::Key_V);
    CLSReviewStatsPage* page = dialog.reviewPage();
    EXPECT_TRUE(page->note()->text().contains(U("正解率と学習時間は表示できません")))
        << page->note()->text().toStdString();
    EXPECT_EQ(page->dueBars()->at(0), 1) << "the schedules are in the file";
    QAbstractItemModel* missed = dialog.missedPage()->list()->model();
    EXPECT_EQ(missed->rowCount(), 0);

    // The run shown is of a.vrf: opening it brings its figures.
    dialog.fileLink()->click();
    EXPECT_EQ(h.window->document().getPath(), CLSTString(h.dir.file("a.vrf")));
    ASSERT_EQ(missed->rowCount(), 1);
    EXPECT_EQ(missed->index(0, 0).data().toString(), "2");
    EXPECT_EQ(page->dueBars()->sum(), 0);
    EXPECT_FALSE(dialog.missedPage()->reaskButton()->isEnabled()) << "nothing chosen yet";
    EXPECT_TRUE(h.prompter.entries.empty()) << "said on the page, not in a box";
}
