// The main window and a data file that another program changes.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
#include "settings/VorelSettings.h"
#include "text/Paths.h"
#include "widgets/DialogTestSupport.h"

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
    WhenModal([=](QWidget* w) {
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
    answerBox(&text, &buttons, Q8("読み込み直して反映(&R)"));
    w.window->close();
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_EQ(text.toStdString(), "ファイル「" + dir.file("t.vrf") +
                                      "」は読み込んだ後に他のプログラムで変更されています。");
    EXPECT_EQ(buttons, (QStringList{Q8("読み込み直して反映(&R)"), Q8("名前を付けて保存(&A)…"),
                                    Q8("上書き(&O)")}));
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
    answerBox(nullptr, nullptr, Q8("名前を付けて保存(&A)…"), [&] {
        WhenModal([&](QWidget* next) {
            dialogShown = qobject_cast<QFileDialog*>(next) != nullptr;
            if (auto* dialog = qobject_cast<QDialog*>(next)) dialog->reject();
        });
    });
    w.window->close();
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(w.window->isVisible()) << "the save dialog cancelled";
    EXPECT_EQ(ReadFileBytes(dir.file("t.vrf")), kNewer);

    answerBox(nullptr, nullptr, Q8("上書き(&O)"));
    w.window->close();
    EXPECT_FALSE(w.window->isVisible());
    std::string saved = ReadFileBytes(dir.file("t.vrf"));
    EXPECT_EQ(saved.rfind("VORELDATA V3.0\r\nq1,,a1,,,<00,1", 0), 0u) << saved;
}
