#include "quiz/widgets/StudyScreen.h"

#include <QApplication>
#include <QStackedLayout>
#include <QTimer>

#include "app/Commands.h"
#include "data/VorelDataFile.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/DlgCount.h"
#include "quiz/widgets/DlgRange.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/OpeningPanel.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

using namespace VorelCommand;

namespace {

const char* kHelpText = "ヘルプを見るには F1 キーを押してください。";

int ReaskMode(bool random) {
    return random ? (kExamFromList | kExamRetryWrong | kExamRandom)
                  : (kExamFromList | kExamRetryWrong);
}

}  // namespace

CLSStudyScreen::CLSStudyScreen(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSRandom& random,
                               Prompter& prompter, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_settings(settings),
      m_prompter(prompter),
      m_exam(doc, settings, random) {
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_idle = new CLSOpeningPanel(m_doc, this);
    m_asking = new CLSAskingPanel(m_doc, m_settings, m_exam, this);
    m_stack->addWidget(m_idle);
    m_stack->addWidget(m_asking);
    m_stack->setCurrentWidget(m_idle);
    m_timer = new QTimer(this);
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &CLSStudyScreen::tick);
    connect(
        m_asking, &CLSAskingPanel::answerRequested, this, [this] { handleCommand(kAnswer); },
        Qt::QueuedConnection);
    connect(m_asking, &CLSAskingPanel::stopRequested, this, [this] { handleCommand(kStop); });
    connect(m_asking, &CLSAskingPanel::hintToggleRequested, this,
            [this] { handleCommand(kHints); });
    m_exam.checkRange();
}

CLSStudyScreen::~CLSStudyScreen() {
    if (m_exam.isRunning()) m_exam.examFinish();
    if (m_result) delete m_result;
}

// ---- commands ---------------------------------------------------------------------------

bool CLSStudyScreen::handleCommand(int command) {
    try {
        switch (command) {
            case kAnswer:
                if (m_exam.isRunning()) checkAnswer();
                return true;
            case kStop:
                if (!m_exam.isRunning()) return true;
                if (m_prompter.askYesNo(PromptIcon::Question, CLSTString(SJIS("中止しますか？")))) {
                    examFinish(false);
                } else {
                    m_asking->focusAnswer();
                }
                return true;
            case kOpen:
                // The result comes first; the open dialog after it has closed.
                examFinish(true);
                return false;  // the main window opens the file
            case kEditQuestion:
                if (m_exam.isRunning() && m_exam.currentQuestion() >= 0) {
                    m_asking->setEditing(!m_asking->isEditing());
                    emit commandsChanged();
                }
                return true;
            case kModeNormal:
            case kModeWritten:
            case kModeChoice:
            case kModeConfirm:
                if (!m_exam.isRunning()) m_settings.setAnswerMode(command - kModeNormal);
                emit commandsChanged();
                return true;
            case kRange:
                if (!m_exam.isRunning() && m_doc.getQuestionCount() > 0) {
                    CLSDlgRange dialog(m_exam, this);
                    dialog.exec();
                }
                return true;
            case kRunAll:
                startRun(kExamAll);
                return true;
            case kRunRandom:
                startRun(50);
                return true;
            case kRunCount:
                startRun(16);
                return true;
            case kRunWeak:
                startRun(19);
                return true;
            case kRunComplete:
                startRun(52);
                return true;
            case kGroup:
                m_settings.setFlag(CLSVorelSettings::kGroup, !m_settings.group());
                m_asking->setGroupVisible(m_settings.group());
                emit commandsChanged();
                return true;
            case kToolHint:
                m_settings.setFlag(CLSVorelSettings::kToolHint, !m_settings.toolHint());
                m_asking->applySettings();
                emit commandsChanged();
                return true;
            case kHints:
                if (m_exam.isRunning() && m_exam.currentQuestion() >= 0) m_asking->flipHints();
                return true;
            default:
                return false;
        }
    } catch (const CLSError& e) {
        showError(e, m_prompter);
        return true;
    }
}

bool CLSStudyScreen::commandEnabled(int command) const {
    bool running = m_exam.isRunning();
    bool hasQuestions = m_doc.getQuestionCount() > 0;
    switch (command) {
        case kModeNormal:
        case kModeWritten:
        case kModeChoice:
        case kModeConfirm:
        case kRange:
            return !running && hasQuestions;
        case kRunAll:
        case kRunRandom:
        case kRunCount:
        case kRunWeak:
        case kRunComplete:
            return hasQuestions;
        case kEditQuestion:
            return running && m_exam.currentQuestion() >= 0;
        case kHints:
            return running && m_doc.current() && m_doc.current()->isQuestion() &&
                   m_doc.currentQuestion().getHintCount() > 0;
        default:
            return true;
    }
}

bool CLSStudyScreen::commandChecked(int command) const {
    switch (command) {
        case kModeNormal:
        case kModeWritten:
        case kModeChoice:
        case kModeConfirm:
            return m_settings.answerMode() == command - kModeNormal;
        case kGroup:
            return m_settings.group();
        case kToolHint:
            return m_settings.toolHint();
        case kInfoPane:
            return m_settings.infoPane();
        case kEditQuestion:
            return m_asking->isEditing();
        default:
            return false;
    }
}

// ---- documents -----------------------------------------------------------------------------

void CLSStudyScreen::documentLoading() {
    examFinish(true);
}

void CLSStudyScreen::documentLoaded() {
    m_exam.resetRange();
    showIdle();
    emit statusChanged(0, QString::fromUtf8(kHelpText));
    emit commandsChanged();
}

void CLSStudyScreen::showIdle() {
    m_asking->clear();
    static_cast<CLSOpeningPanel*>(m_idle)->refresh();
    if (m_result && !m_result->isWindow()) {
        m_stack->setCurrentWidget(m_result);
    } else {
        m_stack->setCurrentWidget(m_idle);
    }
}

// ---- a run ----------------------------------------------------------------------------------

void CLSStudyScreen::startRun(int mode) {
    if (m_doc.getQuestionCount() == 0) return;
    // A run going on ends first, and its result is seen before the next
    // one starts; the learner may choose to re-ask from it instead.
    if (std::optional<int> reask = finishAndWait(true)) mode = *reask;
    if (m_result) {
        // It may be the pane whose re-ask button is calling.
        m_result->hide();
        m_result->deleteLater();
        m_result = nullptr;
    }
    m_stack->setCurrentWidget(m_idle);
    auto askCount = [this, mode] { return RunCountDialog(this, m_exam, mode); };
    if (!m_exam.examStart(mode, askCount)) return;
    m_stack->setCurrentWidget(m_asking);
    m_timer->start();
    tick();
    emit commandsChanged();
    examNext();
}

void CLSStudyScreen::examNext() {
    CLSTraceScope trace("CLSStudy::examNext");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    emit statusChanged(2, QString());
    emit statusChanged(3, QString());
    emit statusChanged(1, QString::fromUtf8("選択中..."));
    bool asked = m_exam.examNext();
    if (asked) {
        m_timeLimit = m_exam.questionTimeLimit();
        m_answerStartDelay = m_exam.answerStartTime();
        m_questionShowTime = m_exam.questionShowTime();
        bool delayed = m_answerStartDelay > 0 && m_settings.answerMode() != 3;
        m_asking->showQuestion(delayed);
        if (!delayed) m_asking->focusAnswer();
    }
    QApplication::restoreOverrideCursor();
    showStatusCounts();
    emit commandsChanged();
    if (!asked) examFinish(false);
}

void CLSStudyScreen::showStatusCounts() {
    int question = m_exam.currentQuestion();
    emit statusChanged(1,
                       question >= 0 ? QString::fromUtf8("問題%1").arg(question + 1) : QString());
    emit statusChanged(2, QString::fromUtf8("正解%1").arg(m_exam.rightCount()));
    emit statusChanged(3, QString::fromUtf8("誤答%1").arg(m_exam.wrongCount()));
}

void CLSStudyScreen::checkAnswer() {
    if (m_checking || m_exam.currentQuestion() < 0) return;
    CLSTraceScope trace("CLSStudy::checkAnswer");
    m_checking = true;
    m_asking->setEditing(false);
    m_questionShowTime = 0;
    std::vector<CLSSentence> given;
    QString bad;
    if (!m_asking->givenAnswers(given, &bad)) {
        // The learner is told instead of having a character silently changed.
        m_prompter.message(
            PromptIcon::Warning,
            FromQStringLossy(QString::fromUtf8("答えに使えない文字が含まれています: ") + bad));
        m_checking = false;
        m_asking->focusAnswer();
        return;
    }
    CLSDlgAnswer::create(m_exam, given, this);
    m_checking = false;
    if (m_exam.isRunning()) examNext();
}

void CLSStudyScreen::tick() {
    if (!m_exam.isRunning()) return;
    emit statusChanged(4, ToQString(intervalText(SystemClock().ticks() - m_exam.startTick())));
    if (m_exam.currentQuestion() < 0) return;
    int64_t t = m_exam.currentElapsed();
    if (m_answerStartDelay > 0 && m_settings.answerMode() != 3 && t > m_answerStartDelay * 1000LL) {
        m_answerStartDelay = 0;
        m_asking->revealAnswers();
    }
    if (m_questionShowTime > 0 && t > m_questionShowTime * 1000LL) {
        m_questionShowTime = 0;
        m_asking->hideQuestion();
    }
    // A time limit waits while a dialog is open.
    if (m_timeLimit > 0 && !QApplication::activeModalWidget() && t > m_timeLimit * 1000LL) {
        m_timeLimit = 0;
        QTimer::singleShot(0, this, [this] { handleCommand(kAnswer); });
    }
}

void CLSStudyScreen::examFinish(bool wait) {
    finishAndWait(false, wait);
}

std::optional<int> CLSStudyScreen::finishAndWait(bool reaskAllowed, bool wait) {
    if (!m_exam.isRunning()) return std::nullopt;
    CLSTraceScope trace("CLSStudy::examFinish");
    m_timer->stop();
    m_asking->setEditing(false);
    bool judged = m_exam.cursor() > 0;
    m_exam.examFinish();
    if (m_result) {
        delete m_result;
        m_result = nullptr;
    }
    std::optional<int> reask;
    if (judged && wait) {
        reask = showResultWindow(reaskAllowed);
    } else if (judged) {
        auto* result = new CLSDlgResult(m_exam, SystemClock().ticks(), m_settings, false, this);
        connect(result, &CLSDlgResult::reaskRequested, this,
                [this](bool random) { startRun(ReaskMode(random)); });
        m_stack->addWidget(result);
        connect(result, &CLSDlgResult::closed, this, [this] {
            if (m_result) m_result->deleteLater();
            m_result = nullptr;
            m_stack->setCurrentWidget(m_idle);
        });
        m_result = result;
    }
    showIdle();
    for (int part = 0; part <= 4; ++part)
        emit statusChanged(part, QString());
    emit commandsChanged();
    return reask;
}

std::optional<int> CLSStudyScreen::showResultWindow(bool reaskAllowed) {
    // Placed over the study screen; the main window waits behind it until
    // it is closed, as nothing else may happen to the run meanwhile.
    CLSDlgResult result(m_exam, SystemClock().ticks(), m_settings, true, window());
    result.setReaskAllowed(reaskAllowed);
    result.resize(std::max(400, width()), std::max(300, height()));
    result.move(mapToGlobal(QPoint(0, 0)));
    result.setWindowModality(Qt::ApplicationModal);
    std::optional<int> reask;
    connect(&result, &CLSDlgResult::reaskRequested, &result, [&](bool random) {
        reask = ReaskMode(random);
        result.accept();
    });
    result.exec();
    return reask;
}
