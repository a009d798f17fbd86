// The study screen's commands: each declared once with its texts, key,
// picture, menu place and toolbar place and what it does; StudyRules.h
// enables them.

#include <QAction>
#include <QActionGroup>

#include "data/VorelDataFile.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/StudyRules.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/DlgList.h"
#include "quiz/widgets/DlgRange.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/widgets/CommandSet.h"

using namespace StudyCommand;

void CLSStudyScreen::createCommands() {
    m_commands = new CLSCommandSet(this, m_prompter);
    CLSCommandSet& c = *m_commands;
    // Every command is enabled by the study screen's rules, worked out at
    // once for all of them.
    c.setEnabledIds([this] { return EnabledStudyCommands(currentState()); });
    constexpr CLSMenu kEdit = CLSMenu::kEdit, kStudy = CLSMenu::kStudy, kView = CLSMenu::kView;

    c.add(
        {.id = kEditQuestion,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題文を編集(&Q)"),
         .checkable = true,
         .menu = {kEdit, 201}},
        [this] { m_asking->setEditing(!m_asking->isEditing()); }, {},
        [this] { return m_asking->isEditing(); });

    const struct {
        int id;
        AnswerMode mode;
        const char* text;
        const char* tip;
        const char* icon;
    } modes[] = {
        {kModeNormal, AnswerMode::kNormal, QT_TRANSLATE_NOOP("CLSCommandSet", "通常モード(&M)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "通常モード"), "mode-normal"},
        {kModeWritten, AnswerMode::kWritten, QT_TRANSLATE_NOOP("CLSCommandSet", "記述式モード(&I)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "記述式モード"), "mode-written"},
        {kModeChoice, AnswerMode::kChoice, QT_TRANSLATE_NOOP("CLSCommandSet", "選択式モード(&E)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "選択式モード"), "mode-choice"},
        {kModeConfirm, AnswerMode::kConfirm, QT_TRANSLATE_NOOP("CLSCommandSet", "確認モード(&O)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "確認モード"), "mode-confirm"},
    };
    auto* group = new QActionGroup(this);
    int place = 101;
    for (const auto& m : modes) {
        AnswerMode mode = m.mode;
        QAction* a = c.add(
            {.id = m.id,
             .text = m.text,
             .tip = m.tip,
             .icon = m.icon,
             .checkable = true,
             .menu = {kStudy, place},
             .toolbar = {300 + place % 100}},
            [this, mode] { m_settings.setAnswerMode(mode); }, {},
            [this, mode] { return m_settings.answerMode() == mode; });
        group->addAction(a);
        ++place;
    }
    c.add({.id = kRange,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "出題範囲(&S)..."),
           .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "出題範囲指定"),
           .shortcut = "F8",
           .icon = "range",
           .menu = {kStudy, 201},
           .toolbar = {201}},
          [this] {
              CLSDlgRange dialog(m_exam, this);
              dialog.exec();
          });

    const struct {
        int id;
        CLSExamMode mode;
        const char* text;
        const char* tip;
        const char* key;
        const char* icon;
    } runs[] = {
        {kRunAll, CLSExamMode::inOrder(), QT_TRANSLATE_NOOP("CLSCommandSet", "すべて(&A)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "すべて"), "Ctrl+A", "run-all"},
        {kRunRandom, CLSExamMode::randomAll(),
         QT_TRANSLATE_NOOP("CLSCommandSet", "ランダム（すべて）(&N)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "ランダム（すべて）"), "Ctrl+N", "run-random"},
        {kRunCount, CLSExamMode::counted(),
         QT_TRANSLATE_NOOP("CLSCommandSet", "ランダム（回数指定）(&R)..."),
         QT_TRANSLATE_NOOP("CLSCommandSet", "ランダム（回数指定）"), "Ctrl+R", "run-count"},
        {kRunWeak, CLSExamMode::weakPoints(), QT_TRANSLATE_NOOP("CLSCommandSet", "弱点問題(&W)..."),
         QT_TRANSLATE_NOOP("CLSCommandSet", "弱点問題"), "Ctrl+W", "run-weak"},
        {kRunComplete, CLSExamMode::complete(), QT_TRANSLATE_NOOP("CLSCommandSet", "完全(&C)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "完全"), nullptr, "run-complete"},
        {kRunReview, CLSExamMode::review(), QT_TRANSLATE_NOOP("CLSCommandSet", "復習(&V)"),
         QT_TRANSLATE_NOOP("CLSCommandSet", "復習"), "F9", "run-review"},
    };
    place = 301;
    for (const auto& r : runs) {
        CLSExamMode mode = r.mode;
        c.add({.id = r.id,
               .text = r.text,
               .tip = r.tip,
               .shortcut = r.key,
               .icon = r.icon,
               .menu = {kStudy, place},
               .toolbar = {100 + place}},
              [this, mode] { startRun(mode); });
        ++place;
    }

    c.add(
        {.id = kGroup,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "グループ・正誤履歴(&G)"),
         .checkable = true,
         .menu = {kView, 103}},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kGroup, !m_settings.group());
            m_asking->setGroupVisible(m_settings.group());
        },
        {}, [this] { return m_settings.group(); });
    c.add(
        {.id = kToolHint,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "ツールヒント(&O)"),
         .checkable = true,
         .menu = {kView, 104}},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kToolHint, !m_settings.toolHint());
            m_asking->applySettings();
        },
        {}, [this] { return m_settings.toolHint(); });
    c.add(
        {.id = kInfoPane,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "情報ペイン(&I)"),
         .checkable = true,
         .menu = {kView, 105}},
        [this] { setInfoPaneShown(!m_settings.infoPane()); }, {},
        [this] { return m_settings.infoPane(); });
    c.add({.id = kHints,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題のヒント(&H)"),
           .shortcut = "Ctrl+H",
           .menu = {kView, 201}},
          [this] {
              if (m_exam.isRunning() && m_exam.currentQuestion() >= 0) m_asking->flipHints();
          });
    c.add(
        {.id = kCard,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題カード(&Q)"),
         .checkable = true,
         .menu = {kView, 202}},
        [this] { toggleCard(); }, {}, [this] { return m_card != nullptr; });
}

CLSStudyState CLSStudyScreen::currentState() const {
    CLSStudyState s;
    s.questions = m_doc.getQuestionCount();
    s.running = m_exam.isRunning();
    s.asking = s.running && m_exam.currentQuestion() >= 0;
    const CLSVorelDataItem* line = m_doc.current();
    if (s.running && line && line->isQuestion())
        s.hintsOfAsked = m_doc.currentQuestion().getHintCount();
    s.cardOpen = m_card != nullptr;
    return s;
}
