// The file menu's dialogs from the main window, and the help pages F1 and
// every help button open.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "DocFixture.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "data/ImportReader.h"
#include "data/widgets/DlgDataInfo.h"
#include "data/widgets/DlgImport.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/EditorScreen.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgExamLog.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/HelpPages.h"
#include "text/widgets/DesktopOpen.h"
#include "text/widgets/DialogHelp.h"
#include "widgets/WhenModal.h"

using namespace MainCommand;

namespace {

struct App {
    TempDir dir;
    CLSVorelSettings settings;
    FakeClock clock;
    FakePrompter prompter;
    std::unique_ptr<CLSMainWindow> window;
    std::vector<QString> pages;

    App() {
        InitVorelApplication();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        settings.setExamLogName(CLSTString(dir.file("EXAMLOG.TXT")));
        window = std::make_unique<CLSMainWindow>(settings, 42, clock);
        window->document().setPrompter(prompter);
        window->resize(700, 500);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        SetHelpPageShower(
            [this](const QString& page, QWidget*) { pages.push_back(QFileInfo(page).fileName()); });
    }
    ~App() { SetHelpPageShower({}); }
    void load(const std::string& utf8) {
        WriteFileBytes(dir.file("q.vrf"), Utf8ToCp932Literal(utf8));
        ASSERT_TRUE(window->openFile(CLSTString(dir.file("q.vrf"))));
    }
    QString lastPage() const { return pages.empty() ? QString() : pages.back(); }
};

const char* kTwo = "VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";

}  // namespace

TEST(Help, F1OpensThePageOfWhatTheWindowIsDoing) {
    App app;
    app.load(kTwo);
    QTest::keyClick(app.window.get(), Qt::Key_F1);
    EXPECT_EQ(app.lastPage(), "133.html");

    app.window->dispatch(StudyCommand::kRunAll);
    ASSERT_TRUE(app.window->studyScreen()->isRunning());
    QTest::keyClick(app.window.get(), Qt::Key_F1);
    EXPECT_EQ(app.lastPage(), "131.html");
    app.window->studyScreen()->examFinish(false);

    // In an open menu.
    QMenu* file = app.window->menuBar()->findChildren<QMenu*>().value(0);
    ASSERT_NE(file, nullptr);
    file->popup(app.window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::keyClick(file, Qt::Key_F1);
    EXPECT_EQ(app.lastPage(), "132.html");
    file->hide();
    // A dialog's menu is not the window's.
    QDialog dialog(app.window.get());
    QMenu dialogMenu(&dialog);
    dialogMenu.addAction("x");
    dialogMenu.popup(app.window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogMenu));
    QTest::keyClick(&dialogMenu, Qt::Key_F1);
    EXPECT_EQ(app.pages.size(), 3u);
    dialogMenu.hide();

    ASSERT_TRUE(app.window->dispatch(kHelpContents));
    EXPECT_EQ(app.lastPage(), "index.html");

    // A dialog's F1 and its help button.
    whenModal<CLSDlgDataInfo>([&](CLSDlgDataInfo* info) {
        QTest::keyClick(info, Qt::Key_F1);
        EXPECT_EQ(app.lastPage(), "104.html");
        QTest::keyClick(info, Qt::Key_H, Qt::AltModifier);
        QTest::qWait(150);
        EXPECT_EQ(app.pages.size(), 6u);
        QTest::keyClick(info, Qt::Key_Escape);
    });
    ASSERT_TRUE(app.window->dispatch(kDataInfo));
    EXPECT_EQ(app.lastPage(), "104.html");

    // The editor: its list has the screen's page, a card its own.
    ASSERT_TRUE(app.window->dispatch(kToEditor));
    app.window->activateWindow();  // no window manager gives it back after the dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.window.get()));
    QTest::keyClick(app.window.get(), Qt::Key_F1);
    EXPECT_EQ(app.lastPage(), "134.html");
    auto* card = app.window->editorScreen()->card()->page();
    ASSERT_NE(card, nullptr);
    card->focusFirstField();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(app.lastPage(), "137.html") << "the question card";
}

TEST(Help, EveryTopicHasItsPageAndAMissingOneFallsBackToTheContents) {
    QString source = QString::fromUtf8(VOREL_SOURCE_DIR) + "/help";
    std::vector<int> topics = KnownHelpTopics();
    topics.push_back(kHelpContentsTopic);
    for (int topic : topics) {
        QString name = topic == kHelpContentsTopic ? "index" : QString::number(topic);
        QFile page(source + "/" + name + ".html");
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << "help/" << name.toStdString() << ".html";
        QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains("<html lang=\"ja\">")) << name.toStdString();
        EXPECT_TRUE(html.contains("<title>")) << name.toStdString();
        if (topic != kHelpContentsTopic) {
            EXPECT_TRUE(html.contains("href=\"index.html\"")) << name.toStdString();
        }
    }

    // The build tree finds the pages as an installation does.
    EXPECT_TRUE(HelpPageIn(HelpFolder(), kHelpImport).endsWith("/102.html"));
    TempDir dir;
    QString folder = QString::fromStdString(dir.path());
    EXPECT_EQ(HelpPageIn(folder, kHelpImport), QString()) << "no help at all";
    WriteFileBytes(dir.file("index.html"), "<html></html>");
    EXPECT_EQ(HelpPageIn(folder, 999), folder + "/index.html");
    EXPECT_EQ(HelpPageIn(QString(), 999), QString());
}

TEST(FileMenu, CommandsOpenTheirDialogs) {
    App app;
    EXPECT_FALSE(app.window->action(kExport)->isEnabled()) << "nothing to export";
    app.load(kTwo);
    EXPECT_TRUE(app.window->action(kExport)->isEnabled());

    whenModal<CLSDlgDataInfo>([](CLSDlgDataInfo* info) {
        EXPECT_FALSE(info->versionList()->isEnabled()) << "the editor is not open";
        QTest::keyClick(info, Qt::Key_Return);
    });
    ASSERT_TRUE(app.window->dispatch(kDataInfo));

    whenModal<CLSDlgExamLog>([](CLSDlgExamLog* log) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return log->isLoaded(); }, 5000));
        QTest::keyClick(log, Qt::Key_Escape);
    });
    ASSERT_TRUE(app.window->dispatch(kOpenExamLog));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(FileMenu, AnImportReplacesTheDocumentOnTheStudyScreen) {
    App app;
    app.load(kTwo);
    WriteFileBytes(app.dir.file("new.csv"), "問題,答え\r\n犬,dog\r\n猫,cat\r\n鳥,bird\r\n");
    whenModal<CLSDlgImport>([](CLSDlgImport* dialog) {
        EXPECT_EQ(dialog->encodingList()->currentText(), "UTF-8");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ASSERT_TRUE(ImportFileWithDialog(app.window.get(), app.window->document(),
                                     CLSTString(app.dir.file("new.csv"))));
    CLSVorelDataFile& doc = app.window->document();
    EXPECT_EQ(doc.getQuestionCount(), 3);
    EXPECT_TRUE(doc.isUntitled());
    // The study screen shows the new document: its range covers it all.
    CLSExam& exam = app.window->studyScreen()->exam();
    EXPECT_EQ(exam.rangeLast(), 2);
    EXPECT_TRUE(app.window->action(StudyCommand::kRunAll)->isEnabled());
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(app.dir.file("q.vrf"))), kTwo)
        << "the file opened before is as it was";
}
