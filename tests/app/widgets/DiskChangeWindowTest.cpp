// The main window and a data file that another program changes, or that
// another Vorel has open.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <functional>

#include "DocFixture.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "data/LockInfo.h"
#include "settings/VorelSettings.h"
#include "text/Paths.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

namespace {

const char* kFile = "VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";
const char* kNewer = "VORELDATA V3.0\r\nq0,,z,,,<00\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";

struct Window {
    CLSVorelSettings settings;
    std::unique_ptr<CLSMainWindow> window;

    Window() {
        InitVorelApplication();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, 42);
        window->resize(600, 400);
        window->show();
    }
    CLSVorelDataFile& doc() { return window->document(); }
    void answer() { doc().addHistory(doc().getQuestion(0)->question(), 1); }
};

// The texts of a box's buttons the learner sees.
QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) {
        if (b->isVisible()) texts << b->text();
    }
    return texts;
}

// Acts on the next message box: records its text and buttons, then clicks
// the button with the given text (Esc when it is empty).
void answerBox(QString* text, QStringList* buttons, const QString& click,
               std::function<void()> after = {}) {
    whenModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        if (text) *text = box->text();
        if (buttons) *buttons = buttonTexts(box);
        if (after) after();
        if (click.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == click) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << click.toStdString();
        box->reject();
    });
}

std::string lockOf(const TempDir& dir, const std::string& name) {
    return ReadFileBytes(dir.file("." + name + ".lock"));
}

}  // namespace

// Closing onto a file another program changed asks, and reading it again
// puts the answers given here into it.
TEST(DiskChangeWindow, ClosingAsksAndTheAnswersGoIntoTheNewerFile) {
    TempDir dir;
    Window w;
    WriteFileBytes(dir.file("t.vrf"), kFile);
    ASSERT_TRUE(w.window->openFile(CLSTString(dir.file("t.vrf"))));
    w.answer();
    WriteFileBytes(dir.file("t.vrf"), kNewer);

    QString text;
    QStringList buttons;
    answerBox(&text, &buttons, U("読み込み直して反映(&R)"));
    w.window->close();
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_EQ(text.toStdString(), "ファイル「" + dir.file("t.vrf") +
                                      "」は読み込んだ後に他のプログラムで変更されています。");
    EXPECT_EQ(buttons, (QStringList{U("読み込み直して反映(&R)"), U("名前を付けて保存(&A)…"),
                                    U("上書き(&O)")}));
    std::string saved = ReadFileBytes(dir.file("t.vrf"));
    EXPECT_EQ(saved.rfind("VORELDATA V3.0\r\nq0,,z,,,<00\r\nq1,,a1,,,<00,1", 0), 0u) << saved;
}

// Without a decision (Esc, or the save dialog cancelled) the window stays
// open with the answers; overwriting is the learner's choice.
TEST(DiskChangeWindow, NoDecisionKeepsTheWindowOpen) {
    TempDir dir;
    Window w;
    WriteFileBytes(dir.file("t.vrf"), kFile);
    ASSERT_TRUE(w.window->openFile(CLSTString(dir.file("t.vrf"))));
    w.answer();
    WriteFileBytes(dir.file("t.vrf"), kNewer);

    answerBox(nullptr, nullptr, QString());
    w.window->close();
    EXPECT_TRUE(w.window->isVisible()) << "Esc";
    EXPECT_TRUE(w.doc().isModified());
    EXPECT_EQ(ReadFileBytes(dir.file("t.vrf")), kNewer);

    bool dialogShown = false;
    answerBox(nullptr, nullptr, U("名前を付けて保存(&A)…"), [&] {
        whenModal([&](QWidget* next) {
            dialogShown = qobject_cast<QFileDialog*>(next) != nullptr;
            if (auto* dialog = qobject_cast<QDialog*>(next)) dialog->reject();
        });
    });
    w.window->close();
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(w.window->isVisible()) << "the save dialog cancelled";
    EXPECT_EQ(ReadFileBytes(dir.file("t.vrf")), kNewer);

    answerBox(nullptr, nullptr, U("上書き(&O)"));
    w.window->close();
    EXPECT_FALSE(w.window->isVisible());
    std::string saved = ReadFileBytes(dir.file("t.vrf"));
    EXPECT_EQ(saved.rfind("VORELDATA V3.0\r\nq1,,a1,,,<00,1", 0), 0u) << saved;
}

// A second Vorel opening the file hears who has it open; read-only it runs
// but never writes the file.
TEST(DiskChangeWindow, ASecondVorelIsWarnedAndMayOpenReadOnly) {
    TempDir dir;
    Window first;
    WriteFileBytes(dir.file("t.vrf"), kFile);
    ASSERT_TRUE(first.window->openFile(CLSTString(dir.file("t.vrf"))));
    std::string lock = lockOf(dir, "t.vrf");
    EXPECT_EQ(lock.rfind(std::to_string(::getpid()) + "\n", 0), 0u) << lock;
    EXPECT_NE(lock.find("\n" + ThisHostName() + "\n"), std::string::npos) << lock;

    Window second;
    QString text;
    QStringList buttons;
    answerBox(&text, &buttons, U("読み取り専用で開く(&R)"));
    ASSERT_TRUE(second.window->openFile(CLSTString(dir.file("t.vrf"))));
    EXPECT_EQ(text.toStdString().rfind(
                  "このファイルは他の Vorel で開かれています（" + ThisHostName() + "、", 0),
              0u)
        << text.toStdString();
    EXPECT_EQ(buttons, (QStringList{U("読み取り専用で開く(&R)"), U("そのまま開く(&O)")}));
    EXPECT_TRUE(second.doc().isReadOnly());
    EXPECT_EQ(second.window->windowTitle().toStdString(),
              dir.file("t.vrf") + "（読み取り専用） - Vorel for Windows");
    second.answer();
    second.window->close();
    EXPECT_EQ(ReadFileBytes(dir.file("t.vrf")), kFile) << "nothing is saved";

    Window third;
    answerBox(nullptr, nullptr, QString());
    EXPECT_FALSE(third.window->openFile(CLSTString(dir.file("t.vrf")))) << "Esc";
    answerBox(nullptr, nullptr, U("そのまま開く(&O)"));
    ASSERT_TRUE(third.window->openFile(CLSTString(dir.file("t.vrf"))));
    EXPECT_FALSE(third.doc().isReadOnly());

    first.window->close();
    EXPECT_FALSE(NativeFileExists(dir.file(".t.vrf.lock"))) << "the lock goes with the window";
}

// A lock whose process is gone is taken over without a word; one carried
// from another computer is shown with its host and age; where no lock can
// be made the file opens without one.
TEST(DiskChangeWindow, LeftOverForeignAndImpossibleLocks) {
    TempDir dir;
    WriteFileBytes(dir.file("t.vrf"), kFile);
    pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    WriteFileBytes(dir.file(".t.vrf.lock"),
                   std::to_string(gone) + "\nvorel\n" + ThisHostName() + "\n");
    {
        Window w;
        ASSERT_TRUE(w.window->openFile(CLSTString(dir.file("t.vrf"))));
        EXPECT_EQ(lockOf(dir, "t.vrf").rfind(std::to_string(::getpid()) + "\n", 0), 0u);
    }

    WriteFileBytes(dir.file(".t.vrf.lock"), "4242\nvorel\nelsewhere-pc\n");
    time_t made = time(nullptr) - 2 * 3600 - 30;
    struct timespec times[2] = {{made, 0}, {made, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file(".t.vrf.lock").c_str(), times, 0), 0);
    {
        Window w;
        QString text;
        answerBox(&text, nullptr, U("そのまま開く(&O)"));
        ASSERT_TRUE(w.window->openFile(CLSTString(dir.file("t.vrf"))));
        EXPECT_NE(text.indexOf(U("（elsewhere-pc、")), -1) << text.toStdString();
        EXPECT_NE(text.indexOf(U("、2時間0分前）。")), -1) << text.toStdString();
        EXPECT_FALSE(w.doc().isReadOnly());
    }
    EXPECT_EQ(lockOf(dir, "t.vrf"), "4242\nvorel\nelsewhere-pc\n") << "not ours to remove";

    // A lock name longer than a file name may be.
    const std::string longName = std::string(250, 'x') + ".vrf";
    WriteFileBytes(dir.file(longName), kFile);
    {
        Window w;
        EXPECT_TRUE(w.window->openFile(CLSTString(dir.file(longName))));
        EXPECT_FALSE(w.doc().isReadOnly());
    }
    if (::geteuid() != 0) {
        // A folder we may not write to (root writes anywhere).
        ::mkdir(dir.file("shut").c_str(), 0755);
        WriteFileBytes(dir.file("shut/t.vrf"), kFile);
        ::chmod(dir.file("shut").c_str(), 0555);
        Window w;
        EXPECT_TRUE(w.window->openFile(CLSTString(dir.file("shut/t.vrf"))));
        EXPECT_FALSE(NativeFileExists(dir.file("shut/.t.vrf.lock")));
        ::chmod(dir.file("shut").c_str(), 0755);
    }
}
