#pragma once

#include <QDialog>

class Clock;
class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelDataQuestion;
class CLSVorelSettings;
class CLSWndHints;
class CLSWndSentence;
class CLSWndSentenceList;
class CLSWndSeparator;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

/// "問題カード": one question of the file at a time, by its number, with
/// its title, answers, comment, group, last results and mark; the learner
/// steps through the questions, finds text in them, opens the other
/// answers and corrects the question, answer and comment in place. It
/// belongs to the study screen, which opens and closes it.
class CLSDlgList : public QDialog {
    Q_OBJECT
  public:
    /// The clock tells the shown question's recall now.
    CLSDlgList(CLSVorelDataFile& doc, CLSVorelSettings& settings, const Clock& clock,
               QWidget* parent);
    ~CLSDlgList() override;

    /// Shows question n (0-based); nothing for a number outside the file.
    void showQuestion(int n);
    int shownQuestion() const { return m_shown; }
    /// Takes the design, fonts and line spacing of the settings again.
    void applySettings();
    /// Edit mode on or off (off writes the texts back).
    void setEditing(bool on);
    bool isEditing() const;
    /// Finds the shared find text from the question shown on.
    void find(bool forward);
    /// "復習をリセット": the question shown becomes new to the review.
    void resetReview();
    /// Width of the column of the number and the buttons.
    int columnWidth() const;

    QSpinBox* numberBox() const { return m_number; }
    QLabel* titleLabel() const { return m_title; }
    CLSWndSentence* questionWindow() const { return m_question; }
    CLSWndSentence* answerWindow() const { return m_answer; }
    CLSWndSentenceList* answerList() const { return m_answers; }
    CLSWndSentence* commentWindow() const { return m_comment; }
    QLabel* groupLabel() const { return m_group; }
    QLabel* historyLabel() const { return m_history; }
    /// The shown question's schedule, below the buttons.
    QLabel* reviewLabel() const { return m_review; }
    QCheckBox* markBox() const { return m_mark; }
    QPushButton* otherAnswersButton() const { return m_other; }
    QPushButton* editButton() const { return m_edit; }
    CLSWndHints* hints() const { return m_hints; }

  signals:
    /// "閉じる" or Esc: the study screen closes the card.
    void closeRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void display(int n);
    void showReviewState(const CLSVorelDataQuestion& question);
    void layOut();
    void chainTabOrder();
    void storeLayout();
    const CLSVorelDataItem* line() const;
    int frameExtent(int item) const;
    bool hintsShown() const;
    /// The answer's height for one line of its font, edit box included.
    int answerHeight() const;
    int questionHeight() const;
    int commentHeight() const;
    /// The width of the column and the bottom row, without the hints.
    int contentMinWidth() const;
    /// The smallest size at which no part overlaps or is cut.
    QSize neededSize() const;

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    const Clock& m_clock;
    int m_shown = -1;
    QSpinBox* m_number = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_other = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_help = nullptr;
    QLabel* m_title = nullptr;
    CLSWndSentence* m_question = nullptr;
    CLSWndSentence* m_answer = nullptr;
    CLSWndSentenceList* m_answers = nullptr;
    CLSWndSentence* m_comment = nullptr;
    CLSWndSeparator* m_answerTop = nullptr;
    CLSWndSeparator* m_commentTop = nullptr;
    QLabel* m_group = nullptr;
    QLabel* m_history = nullptr;
    QLabel* m_review = nullptr;
    QCheckBox* m_mark = nullptr;
    CLSWndHints* m_hints = nullptr;
};
