// The information pane on the study screen: tips typed on the clock, the
// run's figures after each answer, the view toggle and the separator.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/StudyScreen.h"
#include "quiz/widgets/WndInfoPane.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/widgets/WndSeparator.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

using namespace StudyCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\nq3,,a3,,,<00\r\n";

struct PaneStudy {
    TempDir dir;
    CLSVorelSettings settings;
    FakeClock clock;
    std::unique_ptr<CLSMainWindow> window;

    PaneStudy() {
        InitVorelApplication();
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, 42, clock);
        window->resize(760, 560);
        window->show();
    }
    void open() {
        WriteFileBytes(dir.file("q.vrf"), Utf8ToCp932Literal(kFile));
        ASSERT_TRUE(window->openFile(CLSTString(dir.file("q.vrf"))));
    }
    CLSStudyScreen& screen() { return *window->studyScreen(); }
    CLSWndInfoPane& pane() { return *screen().infoPane(); }
    // Time passes on the clock and the pane's timer beats.
    void after(int ms) {
        clock.now += ms;
        pane().tick();
    }
    // The tip is drawn last, below the day's reviews when a file is open.
    QString tip() { return pane().shownTexts().value(pane().shownTexts().size() - 1); }
    // Types an answer, and the answer dialog is closed with Esc.
    void answer(const char* text) {
        QLineEdit* input = qobject_cast<QLineEdit*>(screen().askingPanel()->inputs().at(0));
        QTest::keyClicks(input, text);
        int judged = screen().exam().cursor();
        whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
        QTest::keyClick(input, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen().exam().cursor() > judged; }, 5000));
        QApplication::processEvents();
    }
};

}  // namespace

TEST(InfoPane, TypesTheTipsAtTheClocksPace) {
    PaneStudy s;
    s.after(0);
    EXPECT_EQ(s.pane().mode(), InfoPaneMode::kNoFile);
    EXPECT_EQ(s.tip(), "");
    s.after(100);
    EXPECT_EQ(s.tip(), U("フ"));
    s.after(99);
    EXPECT_EQ(s.tip(), U("フ"));
    s.after(1);
    s.after(300);
    EXPECT_EQ(s.tip(), U("ファイルを"));

    // The clock at the foot blinks its colon every half second.
    s.clock.local.hour = 7;
    s.clock.local.minute = 5;
    s.clock.local.millisecond = 200;
    s.after(0);
    EXPECT_EQ(s.pane().clockText(), "07 05");
    s.clock.local.millisecond = 700;
    s.after(0);
    EXPECT_EQ(s.pane().clockText(), "07:05");

    // With a file open the tips begin at the range tip.
    s.open();
    s.after(0);
    EXPECT_EQ(s.pane().mode(), InfoPaneMode::kFileOpen);
    s.after(200);
    EXPECT_EQ(s.tip(), U("出題"));
}

TEST(InfoPane, ShowsTheRunsFiguresAndFollowsEachAnswer) {
    PaneStudy s;
    s.open();
    s.window->dispatch(kRunAll);
    ASSERT_TRUE(s.screen().isRunning());
    s.after(0);
    EXPECT_EQ(s.pane().mode(), InfoPaneMode::kRun);
    EXPECT_EQ(
        s.pane().shownTexts(),
        QStringList({U("[出題方法]"), U("すべて"), U("[解答モード]"), U("通常"), U("[正解率]"),
                     U("－"), U("[残り問題]"), U("2問"), U("[所要時間]"), U("0秒")}));
    s.after(4000);
    EXPECT_EQ(s.pane().shownTexts().value(9), U("4秒"));
    SaveShot(s.window.get(), "info-pane-run");

    s.answer("a1");
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().value(5), U("100.00%"));
    EXPECT_EQ(s.pane().shownTexts().value(7), U("1問"));
    EXPECT_EQ(s.pane().shownTexts().value(9), U("0秒"));  // the next question's time
    s.answer("wrong");
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().value(5), U("50.00%"));
    EXPECT_EQ(s.pane().shownTexts().value(7), U("0問"));

    // A pane too short for all of them shows those that fit.
    s.window->resize(760, 250);
    QApplication::processEvents();
    s.after(0);
    EXPECT_GT(s.pane().entriesShown(), 0);
    EXPECT_LT(s.pane().entriesShown(), 5);
}

TEST(InfoPane, TellsTheDaysReviewsWhileIdleAndWhatIsLeftOfAReview) {
    PaneStudy s;
    s.settings.review().newPerDay = 2;
    s.settings.review().learningSteps = "";  // straight to review
    s.open();
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().mid(0, 4),
              QStringList({U("[今日の復習]"), U("0問"), U("[新しい問題]"), U("2問")}));
    SaveShot(s.window.get(), "info-pane-day-counts");

    s.window->dispatch(kRunReview);
    ASSERT_TRUE(s.screen().isRunning());
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().value(1), U("復習"));
    EXPECT_EQ(s.pane().shownTexts().value(7), U("1問")) << "the one on screen is not left";
    s.answer("a1");
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().value(7), U("0問"));
    s.answer("a2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.screen().isRunning(); }, 5000));
    // Both are scheduled days ahead, and the day's two new ones are used up
    // although a third question is still new.
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().mid(0, 4),
              QStringList({U("[今日の復習]"), U("0問"), U("[新しい問題]"), U("0問")}));

    // At the next day start the pane counts again.
    ASSERT_TRUE(s.pane().dayCounts().has_value());
    s.clock.utc = s.pane().dayCounts()->untilMs;
    s.after(0);
    EXPECT_EQ(s.pane().shownTexts().value(3), U("1問"));
}

TEST(InfoPane, TheViewToggleAndTheSeparatorKeepTheirSettings) {
    PaneStudy s;
    CLSWndSeparator* bar = s.screen().infoPaneSeparator();
    ASSERT_TRUE(s.settings.infoPane());  // on by default
    EXPECT_TRUE(s.pane().isVisible());
    EXPECT_EQ(s.pane().width(), 120);
    EXPECT_EQ(bar->position(), 120 + bar->thickness() / 2);
    EXPECT_TRUE(s.window->action(kInfoPane)->isChecked());

    s.window->dispatch(kInfoPane);
    EXPECT_FALSE(s.settings.infoPane());
    EXPECT_FALSE(s.pane().isVisible());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(s.window->action(kInfoPane)->isChecked());
    EXPECT_EQ(s.screen().askingPanel()->parentWidget()->geometry(), s.screen().rect());

    s.window->dispatch(kInfoPane);
    EXPECT_TRUE(s.pane().isVisible());
    // Dragging the bar sets the pane's width, which is kept.
    QPoint grip(bar->width() / 2, 20);
    QMouseEvent press(QEvent::MouseButtonPress, grip, bar->mapToGlobal(grip), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QPoint to = grip + QPoint(80, 0);
    QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, bar->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
    EXPECT_EQ(s.settings.infoPaneWidth(), 200);
    EXPECT_EQ(s.pane().width(), 200);
    EXPECT_EQ(s.screen().askingPanel()->parentWidget()->x(), 200 + bar->thickness());
}
