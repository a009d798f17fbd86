#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
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

TEST(MainWindow, OnlyAChangedFileIsSavedWhenReplacedOrClosed) {
    AppFixture f;
    // LF line ends and no group line: any rewrite would show.
    const std::string text = "VORELDATA V3.0\nq1,,colo(u)r,,,<00\nq2,,[a|b]\\!,,,<00\n";
    WriteFileBytes(f.dir.file("a.vrf"), text);
    WriteFileBytes(f.dir.file("b.vrf"), text);
    ASSERT_TRUE(f.window->openFile(CLSTString(f.dir.file("a.vrf"))));
    ASSERT_TRUE(f.window->openFile(CLSTString(f.dir.file("b.vrf"))));
    EXPECT_EQ(ReadFileBytes(f.dir.file("a.vrf")), text) << "opening another file";

    // A recorded answer is a change: the file is saved, its notation intact.
    f.window->document().setCurrentQuestion(0);
    f.window->document().addHistory(1);
    ASSERT_TRUE(f.window->openFile(CLSTString(f.dir.file("a.vrf"))));
    std::string saved = ReadFileBytes(f.dir.file("b.vrf"));
    EXPECT_EQ(saved.rfind("VORELDATA V3.0\r\nq1,,colo(u)r,,,<00,1", 0), 0u) << saved;
    EXPECT_NE(saved.find("\r\nq2,,[a|b]\\!,,,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n"),
              std::string::npos)
        << saved;
    f.window->close();
    EXPECT_EQ(ReadFileBytes(f.dir.file("a.vrf")), text) << "closing the program";
}
