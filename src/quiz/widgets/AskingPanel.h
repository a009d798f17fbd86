#pragma once

#include <QPushButton>
#include <QWidget>
#include <optional>
#include <vector>

#include "sentence/Sentence.h"

class CLSExam;
class Prompter;
class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelDataQuestion;
class CLSVorelSettings;
class CLSWndSentence;
class CLSWndHints;
class CLSWndSeparator;
class QCheckBox;
class QLabel;

/// A button of the asking panel drawn with its picture over the design's colours.
class CLSPanelButton : public QPushButton {
    Q_OBJECT
  public:
    CLSPanelButton(const QString& text, const QString& picture, QWidget* parent);
    void setColours(unsigned text, unsigned back);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap m_picture;
    unsigned m_text = 0;
    unsigned m_back = 0xFFFFFF;
};

/// The panel of a run: the title, the question, the answer inputs or the
/// choice buttons, the group and history labels, the mark box, the hints
/// window and the "ヒント", "答え" and "中止" buttons.
class CLSAskingPanel : public QWidget {
    Q_OBJECT

  public:
    CLSAskingPanel(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSExam& exam,
                   QWidget* parent = nullptr);

    /// Builds the panel for the exam's current question. With inputsHidden
    /// the inputs or choices wait for revealAnswers().
    void showQuestion(bool inputsHidden);
    /// Shows and enables the inputs or choices after the answer start delay.
    void revealAnswers();
    /// Empties the question window (the question show time ran out).
    void hideQuestion();
    /// The answers given: typed texts as plain runs, or the selected choices
    /// in button order. Nothing when a typed character has no CP932 form:
    /// the learner is told which, and the focus goes back to the answer.
    std::optional<std::vector<CLSSentence>> givenAnswers(Prompter& prompter);
    /// Puts the focus where the learner answers.
    void focusAnswer();
    /// Takes the settings again: colours, and for the question on screen its
    /// fonts, line spacing, input height (the inputs keep what was typed and
    /// whether they are shown), choice colours and the hints window.
    void applySettings();
    void setGroupVisible(bool on);
    /// Shows or hides the hints window.
    void flipHints();
    /// Question editing: on, or off storing the edited text in the question.
    void setEditing(bool on);
    bool isEditing() const;
    /// The mark box's state.
    bool marked() const;
    void clear();

    /// The answer inputs (line or multi-line edits) of the question on screen.
    const std::vector<QWidget*>& inputs() const { return m_inputs; }
    const std::vector<CLSWndSentence*>& choices() const { return m_choices; }
    CLSWndSentence* questionWindow() const { return m_question; }

  signals:
    void answerRequested();
    void stopRequested();
    void hintToggleRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void applyColours();
    void restyleQuestion();
    void styleChoice(CLSWndSentence* button, const CLSVorelDataItem* source);
    void createInputs(bool hidden);
    void createChoices(bool hidden);
    void announceQuestion(const CLSVorelDataQuestion& question);
    void deleteAnswers();
    void chainTabOrder();
    void relayout();
    int pad(int item) const;

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    CLSExam& m_exam;
    QLabel* m_title = nullptr;
    CLSWndSentence* m_question = nullptr;
    QLabel* m_group = nullptr;
    QLabel* m_history = nullptr;
    QCheckBox* m_mark = nullptr;
    CLSPanelButton* m_hintButton = nullptr;
    CLSPanelButton* m_answerButton = nullptr;
    CLSPanelButton* m_stopButton = nullptr;
    std::vector<QWidget*> m_inputs;
    std::vector<CLSWndSentence*> m_choices;
    CLSWndHints* m_hints = nullptr;
    CLSWndSeparator* m_separator = nullptr;
    int m_hintsWidth = 140;
    bool m_answersVisible = true;
    bool m_showing = false;         // a question is on the panel
    bool m_questionHidden = false;  // its show time ran out
    bool m_multiLine = false;
    std::vector<QRect> m_numberAreas;  // where "1.", "2.", … are drawn
    int m_bottomTop = 0;               // top of the labels and buttons under the answers
};
