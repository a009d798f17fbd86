#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "DocFixture.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"

namespace {

struct AppFixture {
    TempDir dir;
    CLSVorelSettings settings;
    std::unique_ptr<CLSMainWindow> window;

    AppFixture() {
        InitVorelApplication();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, 42);
        window->resize(700, 500);
        window->show();
    }
    void load(const std::string& utf8) {
        WriteFileBytes(dir.file("q.vrf"), Utf8ToCp932Literal(utf8));
        ASSERT_TRUE(window->openFile(CLSTString(dir.file("q.vrf"))));
    }
    QLineEdit* input() const { return window->findChild<QLineEdit*>(); }
};

}  // namespace

TEST(MainWindow, TypedAnswerOpensTheAnswerDialog) {
    AppFixture f;
    f.load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n");
    f.window->dispatch(VorelCommand::kRunAll);
    QApplication::processEvents();
    QLineEdit* input = f.input();
    ASSERT_NE(input, nullptr);
    QTest::keyClicks(input, "a1");
    bool sawDialog = false;
    QTimer::singleShot(300, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawDialog = qobject_cast<CLSDlgAnswer*>(modal) != nullptr;
        if (modal) QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::keyClick(input, Qt::Key_Return);
    QTest::qWait(600);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(f.window->studyScreen()->exam().rightCount(), 1);
}

TEST(MainWindow, StoredSizeLargerThanTheScreenIsFitted) {
    // A size stored at a smaller scale factor would hang over the screen.
    TempDir dir;
    CLSVorelSettings settings;
    CLSWindowPlace place;
    place.left = 40;
    place.top = 30;
    place.width = 20000;
    place.height = 15000;
    settings.setWindowPlace(CLSVorelSettings::kMainWindow, place);
    CLSMainWindow window(settings, 1);
    window.restorePlacement();
    QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(window.width(), std::max(250, work.width()));
    EXPECT_LE(window.height(), std::max(250, work.height()));
    EXPECT_GE(window.width(), 250);
}
