#pragma once

#include <QDialog>
#include <QFont>
#include <memory>
#include <optional>

#include "quiz/DialogLayout.h"
#include "quiz/Exam.h"
#include "text/OneShotTimer.h"

class CLSFlatButton;
class CLSVorelDataQuestion;
class CLSWndMNG;
class CLSWndSentence;
class CLSWndSentenceList;
class QCheckBox;
class QLabel;

/// "答え": opened once the learner answered. It plays the right/wrong
/// animation and shows the accepted answers, the comment and (optionally)
/// every other answer. It records nothing: it returns what the learner
/// decided (the verdict of confirm mode or a skip, a judgement turned
/// over, the mark), and the study screen records that through the exam.
/// An automatic click may close it.
class CLSDlgAnswer : public QDialog {
    Q_OBJECT
  public:
    /// outcome is what the exam made of the answers given. Throws CLSError
    /// when the document has no current question. The automatic click runs
    /// on autoClickTimer when one is given (tests), else on a timer of its own.
    CLSDlgAnswer(CLSExam& exam, const CLSAnswerOutcome& outcome, QWidget* parent = nullptr,
                 OneShotTimer* autoClickTimer = nullptr);
    ~CLSDlgAnswer() override;

    /// Runs the dialog modally over the study window and returns the
    /// learner's decision; an error is shown through the document's
    /// prompter, and nothing is decided.
    static CLSAnswerDecision ask(CLSExam& exam, const CLSAnswerOutcome& outcome, QWidget* parent);

    /// What the learner decided so far; the mark is in it once the dialog closed.
    const CLSAnswerDecision& decision() const { return m_decision; }
    bool isConfirmMode() const { return m_confirm; }
    /// The answer was judged wrong when the dialog opened.
    bool judgedWrong() const { return m_wrong; }
    const CLSAnswerLayout& layout() const { return m_layout; }
    bool isAutoClickPending() const { return m_autoClick->isActive(); }

    CLSFlatButton* rightButton() const { return m_right; }
    CLSFlatButton* wrongButton() const { return m_wrongButton; }
    CLSFlatButton* skipButton() const { return m_skip; }
    /// 難しい and 簡単, only in a review graded with four buttons.
    CLSFlatButton* hardButton() const { return m_hard; }
    CLSFlatButton* easyButton() const { return m_easy; }
    CLSFlatButton* okButton() const { return m_ok; }
    CLSFlatButton* otherButton() const { return m_other; }
    CLSFlatButton* helpButton() const { return m_help; }
    QCheckBox* markBox() const { return m_mark; }
    QLabel* otherLabel() const { return m_otherLabel; }
    /// The single answer view, or nullptr when a list shows several answers.
    CLSWndSentence* answerView() const { return m_answerView; }
    CLSWndSentenceList* answerList() const { return m_answerList; }
    CLSWndSentence* commentView() const { return m_commentView; }
    CLSWndSentenceList* otherList() const { return m_otherList; }
    CLSWndMNG* animation() const { return m_animation; }

    /// Esc and the close box: a skip in confirm mode, else just closing.
    void reject() override;
    /// Takes the mark into the decision and stops the automatic click.
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void onInitDialogOfDlgAnswer(const CLSAnswerOutcome& outcome);
    void createButtons();
    void setComment();
    QSize setAnswer(const CLSAnswerOutcome& outcome);
    void setDefaultAnswer(bool right);
    /// The verdict (none in confirm mode) and the answers shown, for a screen reader.
    QString announcement(std::optional<bool> right) const;
    void createOtherAnswers();
    QSize measureAnswer(int width) const;
    void startAutoClick();
    void autoClick();
    void judgeByButton(bool right);
    /// A review graded by its number key (confirm mode of a review run).
    void gradeByKey(ReviewGrade grade);
    void skip();
    void openOtherAnswers();

    CLSExam& m_exam;
    CLSAnswerDecision m_decision;
    CLSVorelDataQuestion* m_question = nullptr;
    bool m_confirm = false;
    bool m_wrong = false;
    CLSAnswerLayout m_layout;
    QFont m_answerFont;
    QFont m_rightFont;

    CLSWndMNG* m_animation = nullptr;
    CLSWndSentence* m_answerView = nullptr;
    CLSWndSentenceList* m_answerList = nullptr;
    CLSWndSentence* m_commentView = nullptr;
    CLSWndSentenceList* m_otherList = nullptr;
    QLabel* m_otherLabel = nullptr;
    QCheckBox* m_mark = nullptr;
    CLSFlatButton* m_right = nullptr;
    CLSFlatButton* m_wrongButton = nullptr;
    CLSFlatButton* m_skip = nullptr;
    CLSFlatButton* m_hard = nullptr;
    CLSFlatButton* m_easy = nullptr;
    CLSFlatButton* m_ok = nullptr;
    CLSFlatButton* m_other = nullptr;
    CLSFlatButton* m_help = nullptr;
    std::unique_ptr<OneShotTimer> m_ownTimer;
    OneShotTimer* m_autoClick = nullptr;
};
