#include "quiz/widgets/StudyScreen.h"

#include <QApplication>
#include <QStackedLayout>
#include <QTimer>
#include <utility>

#include "data/DataFileVersion.h"
#include "data/VorelDataFile.h"
#include "quiz/ReviewRun.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/DlgCount.h"
#include "quiz/widgets/DlgList.h"
#include "quiz/widgets/DlgRange.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/OpeningPanel.h"
#include "quiz/widgets/WndInfoPane.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "srs/SqliteReviewLog.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/DateWords.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/CommandSet.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/StatusPart.h"
#include "text/widgets/WndSeparator.h"

namespace {

const char* kHelpText =
    QT_TRANSLATE_NOOP("CLSStudyScreen", "ヘルプを見るには F1 キーを押してください。");
// The narrowest the information pane and the exam area are made.
constexpr int kMinInfoPaneWidth = 40;
constexpr int kMinExamAreaWidth = 200;

}  // namespace

CLSStudyScreen::CLSStudyScreen(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSRandom& random,
                               Prompter& prompter, SoundPlayer* sound, const Clock& clock,
                               QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_settings(settings),
      m_prompter(prompter),
      m_clock(clock),
      m_exam(doc, settings, random, clock) {
    m_exam.setSoundPlayer(sound);
    m_infoPane = new CLSWndInfoPane(m_doc, m_exam, m_clock, this);
    m_infoPane->setPaneFont(ToQFont(m_settings.skin().item(CLSVorelSkin::kInfoPane)));
    connect(m_infoPane, &CLSWndInfoPane::dayCountsExpired, this, [this] {
        if (!m_exam.isRunning()) refreshDayCounts();
    });
    m_paneSeparator = new CLSWndSeparator(this);
    m_paneSeparator->setAccessibleName(tr("情報ペインの区切り"));
    connect(m_paneSeparator, &CLSWndSeparator::moved, this, [this](int position) {
        m_settings.setInfoPaneWidth(position - m_paneSeparator->thickness() / 2);
        layoutPanes();
    });
    m_examArea = new QWidget(this);
    m_stack = new QStackedLayout(m_examArea);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_idle = new CLSOpeningPanel(m_doc, m_examArea);
    m_asking = new CLSAskingPanel(m_doc, m_settings, m_exam, m_examArea);
    m_stack->addWidget(m_idle);
    m_stack->addWidget(m_asking);
    m_stack->setCurrentWidget(m_idle);
    m_timer = new QTimer(this);
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &CLSStudyScreen::tick);
    createCommands();
    connect(m_commands, &CLSCommandSet::commandRan, this, &CLSStudyScreen::commandsChanged);
    connect(m_asking, &CLSAskingPanel::answerRequested, this, &CLSStudyScreen::checkAnswer);
    connect(m_asking, &CLSAskingPanel::stopRequested, this, &CLSStudyScreen::stopAsked);
    connect(m_asking, &CLSAskingPanel::hintToggleRequested, this,
            [this] { m_commands->trigger(StudyCommand::kHints); });
    m_exam.checkRange();
    setInfoPaneShown(m_settings.infoPane());
}

// ---- panes ----------------------------------------------------------------------------------

void CLSStudyScreen::setInfoPaneShown(bool on) {
    m_settings.setFlag(CLSVorelSettings::kInfoPane, on);
    m_infoPane->setVisible(on);
    m_paneSeparator->setVisible(on);
    layoutPanes();
    if (on && !m_exam.isRunning()) refreshDayCounts();
}

void CLSStudyScreen::resizeEvent(QResizeEvent*) {
    layoutPanes();
}

void CLSStudyScreen::layoutPanes() {
    if (!m_settings.infoPane()) {
        m_examArea->setGeometry(rect());
        return;
    }
    // The pane at the left, as wide as the setting; the separator after it
    // keeps the exam area at least a usable width.
    int bar = m_paneSeparator->thickness();
    int widest = std::max(kMinInfoPaneWidth, width() - bar - kMinExamAreaWidth);
    int paneWidth = std::clamp(m_settings.infoPaneWidth(), kMinInfoPaneWidth, widest);
    m_paneSeparator->setOrientation(Qt::Vertical);
    m_paneSeparator->setRange(kMinInfoPaneWidth + bar / 2, widest + bar / 2);
    m_paneSeparator->setExtent(0, height());
    m_paneSeparator->setPosition(paneWidth + bar / 2);
    m_infoPane->setGeometry(0, 0, paneWidth, height());
    m_examArea->setGeometry(paneWidth + bar, 0, std::max(0, width() - paneWidth - bar), height());
}

void CLSStudyScreen::applySettings() {
    m_infoPane->setPaneFont(ToQFont(m_settings.skin().item(CLSVorelSkin::kInfoPane)));
    setInfoPaneShown(m_settings.infoPane());
    m_asking->applySettings();
    if (m_card) m_card->applySettings();
    update();
}

// ---- the question card ---------------------------------------------------------------------

CLSDlgList* CLSStudyScreen::card() const {
    return m_card;
}

void CLSStudyScreen::toggleCard() {
    if (m_card) {
        closeCard();
        return;
    }
    if (m_doc.getQuestionCount() == 0) return;
    // Over the result window, which waits for the learner, the card must
    // belong to it to be usable; it closes with it.
    QWidget* owner = QApplication::activeModalWidget();
    m_card = new CLSDlgList(m_doc, m_settings, m_clock, owner ? owner : this);
    connect(m_card, &CLSDlgList::closeRequested, this, &CLSStudyScreen::closeCard);
    m_card->show();
    m_card->activateWindow();
    emit commandsChanged();
}

void CLSStudyScreen::showCardQuestion(int n) {
    if (!m_card) toggleCard();
    if (!m_card) return;
    m_card->showQuestion(n);
    m_card->raise();
    m_card->activateWindow();
}

void CLSStudyScreen::closeCard() {
    if (!m_card) return;
    delete m_card;
    emit commandsChanged();
}

unsigned CLSStudyScreen::screenMask() const {
    return kStudyScreen;
}

int CLSStudyScreen::helpTopic() const {
    return isRunning() ? kHelpRunning : kHelpStudy;
}

void CLSStudyScreen::leaveScreen() {
    examFinish(true);
    closeCard();
}

CLSStudyScreen::~CLSStudyScreen() {
    // Nobody is told: the window around is going too.
    delete m_card;
    if (m_exam.isRunning()) m_exam.examFinish();
    if (m_result) delete m_result;
}

void CLSStudyScreen::stopAsked() {
    if (!m_exam.isRunning()) return;
    if (m_prompter.askYesNo(PromptIcon::Question, FromQStringWhole(tr("中止しますか？")))) {
        examFinish(false);
    } else {
        m_asking->focusAnswer();
    }
}

// ---- documents -----------------------------------------------------------------------------

void CLSStudyScreen::documentLoading() {
    examFinish(true);
    // The card's edits belong to the document going; it opens again on the new one.
    m_cardAfterLoad = m_card != nullptr;
    closeCard();
}

void CLSStudyScreen::documentLoaded() {
    if (std::exchange(m_cardAfterLoad, false) && !m_card) toggleCard();
    m_exam.resetRange();
    showIdle();
    emit statusChanged(StatusPart::kHelp, tr(kHelpText));
    emit commandsChanged();
}

void CLSStudyScreen::showIdle() {
    refreshDayCounts();
    m_asking->clear();
    static_cast<CLSOpeningPanel*>(m_idle)->refresh();
    if (m_result && !m_result->isWindow()) {
        m_stack->setCurrentWidget(m_result);
    } else {
        m_stack->setCurrentWidget(m_idle);
    }
}

// ---- a run ----------------------------------------------------------------------------------

void CLSStudyScreen::startRun(CLSExamMode mode) {
    if (m_doc.getQuestionCount() == 0) return;
    // A run going on ends first, and its result is seen before the next
    // one starts; the learner may choose to re-ask from it instead.
    if (std::optional<CLSExamMode> reask = finishAndWait(true)) mode = *reask;
    dropResult();
    if (mode.isReview() && !prepareReview()) return;
    auto askCount = [this, mode] { return RunCountDialog(this, m_exam, mode); };
    if (!m_exam.examStart(mode, askCount)) return;
    if (mode.isReview() && m_exam.remainingCount() == 0) {
        std::string next = m_exam.reviewRun()->nothingDueText();
        m_exam.examFinish();
        QString nothing = next.empty()
                              ? tr("今日復習する問題はありません。")
                              : tr("今日復習する問題はありません。%1").arg(ToQString(next));
        m_prompter.message(PromptIcon::Information, FromQStringWhole(nothing));
        emit commandsChanged();
        return;
    }
    beginAsking();
}

bool CLSStudyScreen::prepareReview() {
    // The schedules are kept in the current layout only.
    if (m_doc.getVersion() < DataFileVersion::kCurrent) {
        if (!m_prompter.askYesNo(PromptIcon::Question,
                                 FromQStringWhole(tr("復習には V3.0 のデータファイルが必要です。"
                                                     "V3.0 に変換しますか？")))) {
            return false;
        }
        if (!m_doc.setVersion(DataFileVersion::kCurrent)) return false;
    }
    // A log that cannot be opened is said once, and the reviews go on with
    // their schedules kept in the file.
    if (!reviewLog() && !m_reviewLogWarned) {
        m_reviewLogWarned = true;
        m_prompter.message(PromptIcon::Warning, CLSTString(m_reviewLogError));
    }
    return true;
}

CLSReviewLog* CLSStudyScreen::reviewLog(bool createMissing) {
    if (!m_reviewLog && m_reviewLogError.empty()) {
        CLSTString path = DefaultReviewLogPath();
        if (!createMissing && !FileExists(path)) return nullptr;
        auto opened = CLSSqliteReviewLog::open(path);
        if (opened) {
            m_reviewLog = std::move(*opened);
            m_exam.setReviewLog(m_reviewLog.get());
        } else {
            m_reviewLogError = opened.error();
            // The log's messages always say something; an empty one would
            // have it tried again.
            if (m_reviewLogError.empty())
                m_reviewLogError = FromQStringWhole(tr("復習の記録を開けません。")).str();
        }
    }
    return m_reviewLog.get();
}

void CLSStudyScreen::refreshDayCounts() {
    if (m_exam.isRunning() || m_doc.getQuestionCount() == 0 || !m_settings.infoPane()) {
        m_infoPane->setDayCounts(std::nullopt);
        return;
    }
    // Counting makes no log; one that does not open is said at the review.
    m_infoPane->setDayCounts(ReviewDayCountsOf(m_doc, m_settings.review(), m_clock,
                                               reviewLog(false), m_doc.getPath().str()));
}

bool CLSStudyScreen::startRunFromList(CLSExamMode mode, const std::vector<int>& questions) {
    if (m_doc.getQuestionCount() == 0 || questions.empty()) return false;
    // The run going on ends with its result seen, and nothing re-asked from it.
    finishAndWait(false, true);
    dropResult();
    if (!m_exam.restartFromList(mode, questions)) return false;
    beginAsking();
    return true;
}

void CLSStudyScreen::dropResult() {
    if (m_result) {
        // It may be the pane whose re-ask button is calling.
        m_result->hide();
        m_result->deleteLater();
        m_result = nullptr;
    }
    m_stack->setCurrentWidget(m_idle);
}

void CLSStudyScreen::beginAsking() {
    m_stack->setCurrentWidget(m_asking);
    m_timer->start();
    tick();
    emit commandsChanged();
    examNext();
}

void CLSStudyScreen::examNext() {
    CLSTraceScope trace("CLSStudy::examNext");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    emit statusChanged(StatusPart::kRight, QString());
    emit statusChanged(StatusPart::kWrong, QString());
    emit statusChanged(StatusPart::kPosition, tr("選択中..."));
    bool asked = m_exam.examNext();
    if (asked) {
        m_times.start(m_exam.questionTimeLimit(), m_exam.answerStartTime(),
                      m_exam.questionShowTime(), m_settings.answerMode() == AnswerMode::kConfirm);
        bool delayed = m_times.answersDelayed();
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
    emit statusChanged(StatusPart::kPosition,
                       question >= 0 ? tr("問題%1").arg(question + 1) : QString());
    emit statusChanged(StatusPart::kRight, tr("正解%1").arg(m_exam.rightCount()));
    emit statusChanged(StatusPart::kWrong, tr("誤答%1").arg(m_exam.wrongCount()));
}

void CLSStudyScreen::checkAnswer() {
    if (m_checking || !m_exam.isRunning() || m_exam.currentQuestion() < 0) return;
    CLSTraceScope trace("CLSStudy::checkAnswer");
    m_checking = true;
    m_asking->setEditing(false);
    m_times.answering();
    if (auto given = m_asking->givenAnswers(m_prompter)) {
        CLSAnswerOutcome outcome = m_exam.answer(*given);
        CLSAnswerDecision decision = CLSDlgAnswer::ask(m_exam, outcome, this);
        try {
            m_exam.apply(decision);
        } catch (const CLSError& e) {
            showError(e, m_prompter);
        }
        if (m_exam.isRunning()) examNext();
    }
    m_checking = false;
}

void CLSStudyScreen::tick() {
    if (!m_exam.isRunning()) return;
    emit statusChanged(StatusPart::kTime,
                       ToQString(DurationText(m_clock.ticks() - m_exam.startTick())));
    if (m_exam.currentQuestion() < 0) return;
    CLSQuestionTimer::Events events =
        m_times.tick(m_exam.currentElapsed(), QApplication::activeModalWidget() != nullptr);
    if (events.revealAnswers) m_asking->revealAnswers();
    if (events.hideQuestion) m_asking->hideQuestion();
    if (events.answerNow) QTimer::singleShot(0, this, &CLSStudyScreen::checkAnswer);
}

void CLSStudyScreen::examFinish(bool wait) {
    finishAndWait(false, wait);
}

std::optional<CLSExamMode> CLSStudyScreen::finishAndWait(bool reaskAllowed, bool wait) {
    if (!m_exam.isRunning()) return std::nullopt;
    CLSTraceScope trace("CLSStudy::examFinish");
    m_timer->stop();
    m_times.stop();
    m_asking->setEditing(false);
    bool judged = m_exam.cursor() > 0;
    m_exam.examFinish();
    if (m_result) {
        delete m_result;
        m_result = nullptr;
    }
    std::optional<CLSExamMode> reask;
    if (judged && wait) {
        reask = showResultWindow(reaskAllowed);
    } else if (judged) {
        auto* result = new CLSDlgResult(m_exam, m_clock.ticks(), m_settings, false, this);
        connect(result, &CLSDlgResult::reaskRequested, this,
                [this](bool random) { startRun(CLSExam::reaskWrongMode(random)); });
        connect(result, &CLSDlgResult::showQuestionRequested, this,
                &CLSStudyScreen::showCardQuestion);
        m_stack->addWidget(result);
        connect(result, &CLSDlgResult::closed, this, [this] {
            if (m_result) m_result->deleteLater();
            m_result = nullptr;
            m_stack->setCurrentWidget(m_idle);
        });
        m_result = result;
    }
    showIdle();
    // The screen is idle again, with or without the result pane.
    emit statusChanged(StatusPart::kHelp, tr(kHelpText));
    for (int part = StatusPart::kPosition; part < StatusPart::kCount; ++part)
        emit statusChanged(part, QString());
    emit commandsChanged();
    return reask;
}

std::optional<CLSExamMode> CLSStudyScreen::showResultWindow(bool reaskAllowed) {
    // Placed over the study screen; the main window waits behind it until
    // it is closed, as nothing else may happen to the run meanwhile.
    CLSDlgResult result(m_exam, m_clock.ticks(), m_settings, true, window());
    result.setReaskAllowed(reaskAllowed);
    result.resize(std::max(400, width()), std::max(300, height()));
    result.move(mapToGlobal(QPoint(0, 0)));
    result.setWindowModality(Qt::ApplicationModal);
    std::optional<CLSExamMode> reask;
    connect(&result, &CLSDlgResult::reaskRequested, &result, [&](bool random) {
        reask = CLSExam::reaskWrongMode(random);
        result.accept();
    });
    connect(&result, &CLSDlgResult::showQuestionRequested, this, &CLSStudyScreen::showCardQuestion);
    result.exec();
    return reask;
}
