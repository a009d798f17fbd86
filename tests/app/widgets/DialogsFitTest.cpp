// The main window's own dialogs and its screens (the study screen idle,
// asking, with choices and hints, and showing a result; the editor) at
// their default size, in Japanese and in English: no text clipped, and a
// key of its own for each text.

#include <gtest/gtest.h>

#include <QTest>

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "quiz/Exam.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"
#include "widgets/EditorWindow.h"
#include "widgets/Languages.h"

namespace {

const char* kFile = "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";
const char* kHinted =
    "VORELDATA V3.0\r\n#T,000000\r\nq1,h1|h2,a1,,,<00\r\nq2,,a2,,,<00\r\nq3,,a3,,,<00\r\n";

}  // namespace

TEST(MainWindowDialogs, AboutAndTheScreensFitInBothLanguages) {
    InBothLanguages([] {
        EditorWindow w(kFile);
        ExpectModalFits("about", [&] { w.window->dispatch(MainCommand::kAbout); });
        ExpectFits(w.window.get(), "study-screen");
        ASSERT_TRUE(w.window->dispatch(StudyCommand::kRunAll));
        ExpectFits(w.window.get(), "study-asking");
        // Esc and yes end the run: the result pane takes the screen.
        CLSStudyScreen& study = *w.window->studyScreen();
        QTest::keyClicks(study.askingPanel()->inputs()[0], "a1");
        whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
        QTest::keyClick(study.askingPanel()->inputs()[0], Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return study.exam().cursor() > 0; }, 5000));
        whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y, Qt::AltModifier); });
        QTest::keyClick(study.askingPanel()->inputs()[0], Qt::Key_Escape);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return study.findChild<CLSDlgResult*>() != nullptr; }, 5000));
        ExpectFits(w.window.get(), "study-result");
        ASSERT_TRUE(w.window->dispatch(MainCommand::kToEditor));
        ExpectFits(w.window.get(), "editor-screen");
    });
}

TEST(MainWindowDialogs, ARunWithChoicesAndHintsFitsInBothLanguages) {
    InBothLanguages([] {
        EditorWindow w(kHinted);
        w.settings.setAnswerMode(AnswerMode::kChoice);
        w.settings.setDefaultChoicesCount(3);
        w.screen().applySettings();
        ASSERT_TRUE(w.window->dispatch(StudyCommand::kRunAll));
        ASSERT_TRUE(w.window->dispatch(StudyCommand::kHints));
        ExpectFits(w.window.get(), "study-choices-hints");
    });
}

// The program's message boxes: their buttons in the language of the moment.
TEST(MainWindowDialogs, MessageBoxesFitInBothLanguages) {
    InBothLanguages([] {
        EditorWindow w(kFile);
        QtPrompter prompter(w.window.get());
        const CLSTString text = FromQStringWhole(w.window->windowTitle());
        ExpectModalFits("prompt-yes-no-cancel", [&] {
            prompter.ask(PromptIcon::Question, PromptButtons::YesNoCancel, text, 0);
        });
        ExpectModalFits("prompt-ok-cancel", [&] {
            prompter.ask(PromptIcon::Warning, PromptButtons::OkCancel, text, 0);
        });
        ExpectModalFits("prompt-choice", [&] {
            prompter.askChoice(PromptIcon::Question, text, {CLSTString("A"), CLSTString("B")}, 0);
        });
    });
}
