#pragma once

// The main window on a data file of the test's, driven by keyboard.

#include <QApplication>
#include <QInputMethodEvent>
#include <QSize>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>

#include "DocFixture.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/widgets/EditorScreen.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "widgets/DialogTestSupport.h"

struct EditorWindow {
    TempDir dir;
    CLSVorelSettings settings;
    FakeClock clock;
    std::unique_ptr<CLSMainWindow> window;

    /// Opens utf8File (written in CP932) in a window of the given size, on
    /// the study screen; seed starts the random order of runs.
    explicit EditorWindow(const char* utf8File, int seed = 1, QSize size = QSize(800, 600)) {
        InitVorelApplication();
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, seed, clock);
        window->resize(size);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        WriteFileBytes(dir.file("e.vrf"), Utf8ToCp932Literal(utf8File));
        EXPECT_TRUE(window->openFile(CLSTString(dir.file("e.vrf"))));
    }
    CLSEditorScreen& editor() { return *window->editorScreen(); }
    CLSStudyScreen& screen() { return *window->studyScreen(); }
    CLSExam& exam() { return screen().exam(); }
    /// A key where the keyboard is now.
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        // The offscreen platform gives the window no focus back after a
        // dialog; a window manager would.
        if (!QApplication::activeWindow()) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, Qt::Key(k), m);
    }
    /// Japanese arrives from the input method as a committed string.
    void type(const char* utf8) {
        QString text = QString::fromUtf8(utf8);
        bool latin =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (latin) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &commit);
    }
    /// The file as it is on disk now, in UTF-8.
    std::string file() { return Cp932ToUtf8(ReadFileBytes(dir.file("e.vrf"))); }
};
