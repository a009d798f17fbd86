#pragma once

#include <QDialog>
#include <QFont>
#include <memory>
#include <vector>

#include "quiz/DialogLayout.h"
#include "sentence/Sentence.h"
#include "text/OneShotTimer.h"

class CLSExam;
class CLSFlatButton;
class CLSVorelDataQuestion;
class CLSWndMNG;
class CLSWndSentence;
class CLSWndSentenceList;
class QCheckBox;
class QLabel;

/// "答え": opened when the learner answers. On opening it stops the answer
/// clock, judges the answers given (unless the answer mode is confirm),
/// records the judgement and the question's history, plays the sound and
/// shows the right/wrong animation, the accepted answers, the comment and
/// (optionally) every other answer. The learner may then override the
/// judgement, judge it in confirm mode, skip, mark the question or look at
/// the other answers; an automatic click may close it.
class CLSDlgAnswer : public QDialog {
    Q_OBJECT
  public:
    /// Judges and records at once; given are the typed answers (one-run
    /// sentences) or the selected choices. Throws CLSError when the
    /// document has no current question. The automatic click runs on
    /// autoClickTimer when one is given (tests), else on a timer of its own.
    CLSDlgAnswer(CLSExam& exam, std::vector<CLSSentence> given, QWidget* parent = nullptr,
                 OneShotTimer* autoClickTimer = nullptr);
    ~CLSDlgAnswer() override;

    /// Runs the dialog modally over the study window; an error is shown
    /// through the document's prompter and the dialog is not opened.
    static void create(CLSExam& exam, const std::vector<CLSSentence>& given, QWidget* parent);

    bool isConfirmMode() const { return m_confirm; }
    /// The answer was judged wrong when the dialog opened.
    bool judgedWrong() const { return m_wrong; }
    const CLSAnswerLayout& layout() const { return m_layout; }
    bool isAutoClickPending() const { return m_autoClick->isActive(); }

    CLSFlatButton* rightButton() const { return m_right; }
    CLSFlatButton* wrongButton() const { return m_wrongButton; }
    CLSFlatButton* skipButton() const { return m_skip; }
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
    /// Stores the mark and stops the automatic click.
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void onInitDialogOfDlgAnswer();
    void createButtons();
    void setComment();
    QSize setAnswer();
    void setDefaultAnswer(bool right);
    void createOtherAnswers();
    QSize measureAnswer(int width) const;
    void startAutoClick();
    void autoClick();
    void judgeByButton(bool right);
    void skip();
    void openOtherAnswers();
    template <class F>
    void guarded(F&& action);

    CLSExam& m_exam;
    std::vector<CLSSentence> m_given;
    CLSVorelDataQuestion* m_question = nullptr;
    bool m_confirm = false;
    bool m_wrong = false;
    bool m_decided = false;
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
    CLSFlatButton* m_ok = nullptr;
    CLSFlatButton* m_other = nullptr;
    CLSFlatButton* m_help = nullptr;
    std::unique_ptr<OneShotTimer> m_ownTimer;
    OneShotTimer* m_autoClick = nullptr;
};
