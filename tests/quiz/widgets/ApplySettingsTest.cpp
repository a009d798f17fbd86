// Changed settings reach the question on screen at once: choice buttons,
// the hints window and a question whose show time ran out.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/StudyScreen.h"
#include "quiz/widgets/WndHints.h"
#include "sentence/widgets/WndSentence.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "widgets/DialogTestSupport.h"

using namespace StudyCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n#T,000000\r\nq1,h1|h2,a1,,,<00\r\nq2,,a2,,,<00\r\nq3,,a3,,,<00\r\n"
    "q4,,a4,,,<00\r\n";

struct Running {
    TempDir dir;
    CLSVorelSettings settings;
    FakeClock clock;
    std::unique_ptr<CLSMainWindow> window;

    explicit Running(AnswerMode mode, int showTime = 0) {
        InitVorelApplication();
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        settings.setAnswerMode(mode);
        settings.setQuestionShowTime(showTime);
        window = std::make_unique<CLSMainWindow>(settings, 42, clock);
        window->resize(760, 560);
        window->show();
        WriteFileBytes(dir.file("q.vrf"), Utf8ToCp932Literal(kFile));
        EXPECT_TRUE(window->openFile(CLSTString(dir.file("q.vrf"))));
        window->dispatch(kRunAll);
    }
    CLSAskingPanel* panel() { return window->studyScreen()->askingPanel(); }
};

}  // namespace

TEST(ApplySettings, ChoiceButtonsTakeTheNewLayoutColoursAndKeepTheirChoice) {
    Running r(AnswerMode::kChoice);
    const std::vector<CLSWndSentence*>& choices = r.panel()->choices();
    ASSERT_EQ(choices.size(), 4u);
    QTest::keyClick(r.panel(), Qt::Key_1);
    ASSERT_TRUE(choices[0]->isSelected());
    // Four short choices stand in one row.
    EXPECT_EQ(choices[0]->y(), choices[3]->y());

    r.settings.setChoicesAlign(0);
    r.settings.setMaxChoicesOfLine(1);
    r.settings.setLineInterval(100);
    r.settings.skin().item(CLSVorelSkin::kAnswer).backgroundColor = 0x334455;
    emit r.window->settingsChanged();

    ASSERT_EQ(r.panel()->choices().size(), 4u);
    EXPECT_EQ(choices[0]->x(), choices[3]->x());  // one per line now
    EXPECT_LT(choices[0]->y(), choices[3]->y());
    EXPECT_EQ(choices[2]->backColour(), 0x334455u);
    EXPECT_EQ(choices[2]->lineInterval(), 100);
    EXPECT_TRUE(choices[0]->isSelected());
}

TEST(ApplySettings, TheHintsWindowAndAVanishedQuestionFollowTheSettings) {
    Running r(AnswerMode::kNormal, 1);
    r.window->dispatch(kHints);
    auto* hints = r.panel()->findChild<CLSWndHints*>();
    ASSERT_NE(hints, nullptr);
    r.settings.skin().item(CLSVorelSkin::kHint).textColor = 0x0000FF;
    r.settings.skin().item(CLSVorelSkin::kQuestion).size = 31;

    // The question's show time has run out: it stays away.
    r.clock.now += 1500;
    r.window->studyScreen()->tick();
    ASSERT_TRUE(r.panel()->questionWindow()->sentence().toText().isEmpty());
    emit r.window->settingsChanged();
    EXPECT_EQ(hints->sentenceWindow()->textColour(), 0x0000FFu);
    EXPECT_TRUE(r.panel()->questionWindow()->sentence().toText().isEmpty());
    EXPECT_EQ(r.panel()->questionWindow()->sentenceFont().pointSize(), 31);
}
