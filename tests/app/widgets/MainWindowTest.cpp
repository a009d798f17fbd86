#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <map>

#include "DocFixture.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/widgets/EditorScreen.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/WindowPlace.h"
#include "text/widgets/CommandSet.h"

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
    f.window->dispatch(StudyCommand::kRunAll);
    QApplication::processEvents();
    QLineEdit* input = f.input();
    ASSERT_NE(input, nullptr);
    QTest::keyClicks(input, "a1");
    bool sawDialog = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        sawDialog = qobject_cast<CLSDlgAnswer*>(modal) != nullptr;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    poll.start(20);
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sawDialog; }, 5000));
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

TEST(MainWindow, FirstStartOpensLargerThanTheStoredDefaultButAStoredPlaceWins) {
    QSize work = QGuiApplication::primaryScreen()->availableGeometry().size();
    {
        CLSVorelSettings settings;
        CLSMainWindow window(settings, 1);
        window.restorePlacement();
        EXPECT_EQ(window.size(), FirstStartSize(QSize(900, 640), work, QSize(250, 250)));
    }
    CLSVorelSettings settings;
    CLSWindowPlace place;
    place.left = 10;
    place.top = 10;
    place.width = 560;
    place.height = 480;
    settings.setWindowPlace(CLSVorelSettings::kMainWindow, place);
    CLSMainWindow window(settings, 1);
    window.restorePlacement();
    EXPECT_EQ(window.size(), QSize(560, 480));
}

TEST(WindowPlace, FirstStartSizeKeepsToSeventyPercentOfTheScreen) {
    EXPECT_EQ(FirstStartSize(QSize(900, 640), QSize(1920, 1040), QSize(250, 250)), QSize(900, 640));
    EXPECT_EQ(FirstStartSize(QSize(900, 640), QSize(1024, 740), QSize(250, 250)), QSize(716, 518));
    EXPECT_EQ(FirstStartSize(QSize(900, 640), QSize(200, 200), QSize(250, 250)), QSize(250, 250));
}

// Every command is declared once: the menus and the toolbar show the very
// actions the screens and the main window own, each key belongs to one
// command, and a command runs by its number as its menu item would.
TEST(MainWindow, MenusAndToolbarShowTheScreensOwnCommands) {
    AppFixture f;
    f.load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\n");
    QList<QAction*> inMenus;
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu()) collect(a->menu());
            if (!a->isSeparator() && a->data().isValid()) inMenus.append(a);
        }
    };
    for (QAction* top : f.window->menuBar()->actions())
        collect(top->menu());
    QSet<int> ids;
    for (QAction* a : inMenus) {
        int id = a->data().toInt();
        EXPECT_FALSE(ids.contains(id)) << "command " << id << " appears twice";
        ids.insert(id);
        EXPECT_EQ(f.window->action(id), a) << "the menu item is the command's own action";
    }
    EXPECT_TRUE(ids.contains(MainCommand::kOpen));
    EXPECT_TRUE(ids.contains(StudyCommand::kRunComplete));
    EXPECT_EQ(f.window->action(StudyCommand::kRunAll)->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(f.window->action(StudyCommand::kRunAll)->text(), QString::fromUtf8("すべて(&A)"));

    QSet<QString> keys;
    for (QAction* a : inMenus) {
        if (a->shortcut().isEmpty()) continue;
        QString key = a->shortcut().toString();
        EXPECT_FALSE(keys.contains(key)) << key.toStdString() << " is given twice";
        keys.insert(key);
    }
    auto* toolBar = f.window->findChild<QToolBar*>("StudyToolBar");
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->actions().contains(f.window->action(StudyCommand::kRunRandom)));

    // Enable and check rules follow the state.
    f.window->updateCommands();
    EXPECT_TRUE(f.window->action(StudyCommand::kRange)->isEnabled());
    EXPECT_TRUE(f.window->dispatch(StudyCommand::kModeChoice));
    EXPECT_EQ(f.settings.answerMode(), AnswerMode::kChoice);
    EXPECT_TRUE(f.window->action(StudyCommand::kModeChoice)->isChecked());
    EXPECT_FALSE(f.window->action(StudyCommand::kModeNormal)->isChecked());
    f.window->dispatch(StudyCommand::kRunAll);
    EXPECT_FALSE(f.window->action(StudyCommand::kRange)->isEnabled()) << "not during a run";
    EXPECT_FALSE(f.window->dispatch(99999));
}

TEST(MainWindow, CommandIdsAreUniqueAcrossTheWindowAndItsScreens) {
    AppFixture f;
    // Every command is an action of the window or of one screen; its id is
    // the key of its help topic, its tool tip and dispatch().
    std::map<int, QString> seen;
    for (QWidget* owner :
         {static_cast<QWidget*>(f.window.get()), static_cast<QWidget*>(f.window->studyScreen()),
          static_cast<QWidget*>(f.window->editorScreen())}) {
        for (QAction* a : owner->actions()) {
            if (!a->data().isValid()) continue;
            int id = a->data().toInt();
            auto [at, fresh] = seen.emplace(id, a->text());
            EXPECT_TRUE(fresh) << id << " is both " << at->second.toStdString() << " and "
                               << a->text().toStdString();
            EXPECT_EQ(f.window->action(id), a);
        }
    }
    EXPECT_GT(seen.size(), 70u);
}

TEST(MainWindow, OpeningTheLastFileKeepsTheRecentList) {
    AppFixture f;
    std::vector<std::string> names = {"sample.vrf", "out_utf8.vrf", "words.vrf", "big.vrf"};
    for (const std::string& name : names) {
        WriteFileBytes(f.dir.file(name), "VORELDATA V3.0\r\nq,,a,,,<00\r\n");
        f.settings.addRecentFile(CLSTString(f.dir.file(name)));
    }
    // What a start without a file does when LoadLastFile is on.
    ASSERT_TRUE(f.window->openFile(f.settings.recentFile(0)));
    ASSERT_EQ(f.settings.recentFileCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(U8(f.settings.recentFile(i)), f.dir.file(names[3 - i])) << i;
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
