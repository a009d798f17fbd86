#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "quiz/Exam.h"

class CLSVorelDataFile;
class CLSVorelSettings;
class Prompter;
class QStackedLayout;
class QTimer;
class CLSAskingPanel;

/// The learning screen: the idle panel, the asking panel of a run and the
/// result pane, the run's timer, and the study commands.
class CLSStudyScreen : public QWidget {
    Q_OBJECT

  public:
    CLSStudyScreen(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSRandom& random,
                   Prompter& prompter, QWidget* parent = nullptr);
    ~CLSStudyScreen() override;

    /// Carries out a study command; false when it is not one of them.
    bool handleCommand(int command);
    /// Whether a command of this screen is enabled now (true for others).
    bool commandEnabled(int command) const;
    /// The checked state of a checkable command of this screen.
    bool commandChecked(int command) const;

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
    /// Starts a run (the study menu's run commands).
    void startRun(int mode);

  signals:
    /// A status bar part's text (0 help/progress, 1 question, 2 right, 3 wrong, 4 time).
    void statusChanged(int part, const QString& text);
    /// The enabled or checked state of commands changed.
    void commandsChanged();

  private:
    void examNext();
    /// examFinish; a re-ask chosen in the separate result window comes back
    /// as the mode of the run to start (only when reaskAllowed).
    std::optional<int> finishAndWait(bool reaskAllowed, bool wait = true);
    std::optional<int> showResultWindow(bool reaskAllowed);
    void checkAnswer();
    void tick();
    void showIdle();
    void showStatusCounts();

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    Prompter& m_prompter;
    CLSExam m_exam;
    QStackedLayout* m_stack = nullptr;
    QWidget* m_idle = nullptr;
    CLSAskingPanel* m_asking = nullptr;
    QPointer<QWidget> m_result;
    QTimer* m_timer = nullptr;
    bool m_checking = false;
    // Per question, in seconds (0 = none): guarded by running on the UI thread only.
    int m_timeLimit = 0;
    int m_answerStartDelay = 0;
    int m_questionShowTime = 0;
};
