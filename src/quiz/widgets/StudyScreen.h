#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "quiz/Exam.h"
#include "quiz/QuestionTimer.h"
#include "quiz/StudyRules.h"
#include "text/widgets/Screen.h"

class CLSAskingPanel;
class CLSCommandSet;
class CLSReviewLog;
class CLSSqliteReviewLog;
class CLSVorelDataFile;
class CLSVorelSettings;
class CLSWndInfoPane;
class CLSWndSeparator;
class Clock;
class Prompter;
class QStackedLayout;
class QTimer;
class SoundPlayer;

/// The learning screen: the information pane with its separator, the idle
/// panel, the asking panel of a run and the result pane, the run's timer,
/// and the study commands.
class CLSDlgList;

class CLSStudyScreen : public QWidget, public CLSScreen {
    Q_OBJECT

  public:
    CLSStudyScreen(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSRandom& random,
                   Prompter& prompter, SoundPlayer* sound, const Clock& clock,
                   QWidget* parent = nullptr);
    ~CLSStudyScreen() override;

    // CLSScreen
    unsigned screenMask() const override;
    /// The study commands (StudyCommandIds.h); the main window puts them in
    /// its menus and toolbar.
    CLSCommandSet& commands() override { return *m_commands; }
    int helpTopic() const override;
    /// Shown: the document anew. Left: a run going on ends, its result
    /// seen, and the question card's edits go in as it closes.
    void enterScreen() override { documentLoaded(); }
    void leaveScreen() override;
    void windowClosing() override {}
    void closeCancelled() override {}
    void commitEdits() override {}

    /// Before another document is loaded: the run ends, its result in a window.
    void documentLoading();
    /// After a document was loaded or created: the range covers it all.
    void documentLoaded();
    /// Ends the run. With wait, its result shows in a separate window and
    /// this returns only after the learner has closed it (the document is
    /// about to change); otherwise the result shows in the pane.
    void examFinish(bool wait);
    bool isRunning() const { return m_exam.isRunning(); }
    CLSExam& exam() { return m_exam; }
    const Clock& clock() const { return m_clock; }
    /// The learner's review log, opened on first use; null when it cannot
    /// be opened (it is not tried again, and reviewLogError() says why).
    /// Without createMissing a log not written yet is not made either, and
    /// gives null with no error.
    CLSReviewLog* reviewLog(bool createMissing = true);
    const std::string& reviewLogError() const { return m_reviewLogError; }
    /// Starts a run (the study menu's run commands); a run going on ends first.
    void startRun(CLSExamMode mode);
    /// Starts a run over the given questions (indexes in the document) with
    /// a re-ask mode, as the exam history asks them again; a run going on
    /// ends first. false when nothing could be asked.
    bool startRunFromList(CLSExamMode mode, const std::vector<int>& questions);
    /// Shows a text in a part of the status bar (as statusChanged).
    void showStatus(int part, const QString& text) { emit statusChanged(part, text); }
    /// Answers the question on screen ("答え", Enter): the answer dialog
    /// judges it, then the next question follows.
    void checkAnswer();
    /// One beat of the run's 200 ms timer: the elapsed time and the
    /// question's times, measured on the exam's clock.
    void tick();
    /// Takes the settings again after the learner changed them: fonts,
    /// colours, frames, input heights and the choices' layout of the
    /// question on screen, the hints window and the information pane.
    void applySettings();
    /// Shows or hides the information pane and its separator (InfoPane).
    void setInfoPaneShown(bool on);
    CLSWndInfoPane* infoPane() const { return m_infoPane; }
    CLSWndSeparator* infoPaneSeparator() const { return m_paneSeparator; }
    CLSAskingPanel* askingPanel() const { return m_asking; }
    /// The question card window ("問題カード"), nullptr while it is closed.
    CLSDlgList* card() const;
    /// Opens the card when it is closed and closes it when it is open.
    void toggleCard();
    /// Opens the card if needed and shows question n (0-based) in it.
    void showCardQuestion(int n);
    /// Closes the card; its edits go into the document.
    void closeCard();

  signals:
    /// A status bar part's text; part is one of StatusPart.
    void statusChanged(int part, const QString& text);
    /// The enabled or checked state of commands changed.
    void commandsChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // StudyCommands.cpp
    void createCommands();
    CLSStudyState currentState() const;
    void layoutPanes();
    void examNext();
    void dropResult();
    /// Before a review: the file in the current layout, the review log open.
    bool prepareReview();
    /// The information pane's count of the day's reviews, made again.
    void refreshDayCounts();
    void beginAsking();
    void stopAsked();
    void showIdle();
    void showStatusCounts();
    /// examFinish; a re-ask chosen in the separate result window comes back
    /// as the mode of the run to start (only when reaskAllowed).
    std::optional<CLSExamMode> finishAndWait(bool reaskAllowed, bool wait = true);
    std::optional<CLSExamMode> showResultWindow(bool reaskAllowed);

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    Prompter& m_prompter;
    const Clock& m_clock;
    // Declared before the run, which writes to it until it goes.
    std::unique_ptr<CLSSqliteReviewLog> m_reviewLog;
    std::string m_reviewLogError;
    bool m_reviewLogWarned = false;
    CLSExam m_exam;
    CLSCommandSet* m_commands = nullptr;
    CLSWndInfoPane* m_infoPane = nullptr;
    CLSWndSeparator* m_paneSeparator = nullptr;
    QWidget* m_examArea = nullptr;
    QStackedLayout* m_stack = nullptr;
    QWidget* m_idle = nullptr;
    CLSAskingPanel* m_asking = nullptr;
    QPointer<QWidget> m_result;
    QPointer<CLSDlgList> m_card;
    QTimer* m_timer = nullptr;
    CLSQuestionTimer m_times;
    bool m_checking = false;
    bool m_cardAfterLoad = false;
};
