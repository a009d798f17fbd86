// The study screen's commands: each declared once with its texts, key,
// picture, what it does and when it is enabled or checked.

#include <QAction>
#include <QActionGroup>

#include "data/VorelDataFile.h"
#include "editor/widgets/DlgList.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/DlgRange.h"
#include "quiz/widgets/StudyCommands.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/widgets/CommandSet.h"

using namespace StudyCommand;

void CLSStudyScreen::createCommands() {
    m_commands = new CLSCommandSet(this, m_prompter);
    CLSCommandSet& c = *m_commands;
    auto idle = [this] { return !m_exam.isRunning() && m_doc.getQuestionCount() > 0; };
    auto hasQuestions = [this] { return m_doc.getQuestionCount() > 0; };
    auto asking = [this] { return m_exam.isRunning() && m_exam.currentQuestion() >= 0; };

    c.add(
        {kEditQuestion, "問題文を編集(&Q)", nullptr, nullptr, nullptr, true},
        [this] { m_asking->setEditing(!m_asking->isEditing()); }, asking,
        [this] { return m_asking->isEditing(); });

    const struct {
        int id;
        AnswerMode mode;
        const char* text;
        const char* tip;
        const char* icon;
    } modes[] = {
        {kModeNormal, AnswerMode::kNormal, "通常モード(&M)", "通常モード", "mode-normal"},
        {kModeWritten, AnswerMode::kWritten, "記述式モード(&I)", "記述式モード", "mode-written"},
        {kModeChoice, AnswerMode::kChoice, "選択式モード(&E)", "選択式モード", "mode-choice"},
        {kModeConfirm, AnswerMode::kConfirm, "確認モード(&O)", "確認モード", "mode-confirm"},
    };
    auto* group = new QActionGroup(this);
    for (const auto& m : modes) {
        AnswerMode mode = m.mode;
        QAction* a = c.add(
            {m.id, m.text, m.tip, nullptr, m.icon, true},
            [this, mode] { m_settings.setAnswerMode(mode); }, idle,
            [this, mode] { return m_settings.answerMode() == mode; });
        group->addAction(a);
    }
    c.add(
        {kRange, "出題範囲(&S)...", "出題範囲指定", "F8", "range"},
        [this] {
            CLSDlgRange dialog(m_exam, this);
            dialog.exec();
        },
        idle);

    const struct {
        int id;
        CLSExamMode mode;
        const char* text;
        const char* tip;
        const char* key;
        const char* icon;
    } runs[] = {
        {kRunAll, CLSExamMode::inOrder(), "すべて(&A)", "すべて", "Ctrl+A", "run-all"},
        {kRunRandom, CLSExamMode::randomAll(), "ランダム（すべて）(&N)", "ランダム（すべて）",
         "Ctrl+N", "run-random"},
        {kRunCount, CLSExamMode::counted(), "ランダム（回数指定）(&R)...", "ランダム（回数指定）",
         "Ctrl+R", "run-count"},
        {kRunWeak, CLSExamMode::weakPoints(), "弱点問題(&W)...", "弱点問題", "Ctrl+W", "run-weak"},
        {kRunComplete, CLSExamMode::complete(), "完全(&C)", "完全", nullptr, "run-complete"},
    };
    for (const auto& r : runs) {
        CLSExamMode mode = r.mode;
        c.add(
            {r.id, r.text, r.tip, r.key, r.icon}, [this, mode] { startRun(mode); }, hasQuestions);
    }

    c.add(
        {kGroup, "グループ・正誤履歴(&G)", nullptr, nullptr, nullptr, true},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kGroup, !m_settings.group());
            m_asking->setGroupVisible(m_settings.group());
        },
        {}, [this] { return m_settings.group(); });
    c.add(
        {kToolHint, "ツールヒント(&O)", nullptr, nullptr, nullptr, true},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kToolHint, !m_settings.toolHint());
            m_asking->applySettings();
        },
        {}, [this] { return m_settings.toolHint(); });
    c.add(
        {kInfoPane, "情報ペイン(&I)", nullptr, nullptr, nullptr, true},
        [this] { setInfoPaneShown(!m_settings.infoPane()); }, {},
        [this] { return m_settings.infoPane(); });
    c.add(
        {kHints, "問題のヒント(&H)", nullptr, "Ctrl+H"},
        [this, asking] {
            if (asking()) m_asking->flipHints();
        },
        [this] {
            return m_exam.isRunning() && m_doc.current() && m_doc.current()->isQuestion() &&
                   m_doc.currentQuestion().getHintCount() > 0;
        });
    c.add(
        {kCard, "問題カード(&Q)", nullptr, nullptr, nullptr, true}, [this] { toggleCard(); },
        [this] { return m_card || m_doc.getQuestionCount() > 0; },
        [this] { return m_card != nullptr; });
}
