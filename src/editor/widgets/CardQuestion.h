#pragma once

#include "editor/widgets/Card.h"
#include "sentence/Sentence.h"

class CLSWndSeparator;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

/// The question card, on two tabs. "問題・答え": the title the question
/// belongs to (with a button that jumps to it), the question, the answers as
/// a list with the selected one's text beside it and the whole field as
/// written ("表記", notation included), the number of answers to give, the
/// group and the comment. "ヒント・選択肢": hints and choices the same way
/// (choices with their "表記" too), the mark and the right/wrong history.
class CLSCardQuestion : public CLSCardPage {
    Q_OBJECT
  public:
    CLSCardQuestion(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);
    void showLine(const CLSVorelDataItem& line, bool sameLine) override;
    CLSVorelDataItem editedLine(const CLSVorelDataItem& line) const override;
    void focusFirstField() override;
    int helpTopic() const override;
    bool isEntryList(const QWidget* widget) const override;
    void emptyEntryOf(QWidget* list) override;
    void storeLayout() override;

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* titleButton() const { return m_titleButton; }
    QLineEdit* titleField() const { return m_title; }
    QPlainTextEdit* questionField() const { return m_question; }
    QLineEdit* answerNotation() const { return m_answerNotation.field; }
    QLabel* answerNotationProblem() const { return m_answerNotation.problem; }
    QListWidget* answerList() const { return m_answers; }
    QPlainTextEdit* answerField() const { return m_answer; }
    QComboBox* answerCountBox() const { return m_count; }
    QComboBox* groupBox() const { return m_group; }
    QPlainTextEdit* commentField() const { return m_comment; }
    QListWidget* hintList() const { return m_hints; }
    QPlainTextEdit* hintField() const { return m_hint; }
    QLineEdit* choiceNotation() const { return m_choiceNotation.field; }
    QLabel* choiceNotationProblem() const { return m_choiceNotation.problem; }
    QListWidget* choiceList() const { return m_choices; }
    QPlainTextEdit* choiceField() const { return m_choice; }
    QCheckBox* markBox() const { return m_mark; }
    QListWidget* historyList() const { return m_history; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // "表記": a list's field as the file writes it, and why it gives no
    // entries when it does not expand.
    struct Notation {
        QLabel* label = nullptr;
        QLineEdit* field = nullptr;
        QLabel* problem = nullptr;
        QString shown;
    };
    void createNotation(Notation& notation, QWidget* page, int field);
    void showNotation(Notation& notation, const CLSVorelDataQuestion& question, int field);
    void markProblem(Notation& notation, int field);
    /// Lays a notation out from top, its field at x, below its list.
    void layOutNotation(Notation& notation, int top, int x, int width);
    /// The height it takes, with the gap above it.
    int notationHeight() const;
    void createFirstPage();
    void createSecondPage();
    void layOutFirstPage();
    void layOutSecondPage();
    void fillList(QListWidget* list, QPlainTextEdit* field, const std::vector<CLSTString>& entries,
                  const CLSSentenceArray& sentences, bool sameLine);
    void showEntry(QListWidget* list, QPlainTextEdit* field, const CLSSentenceArray& sentences);

    QTabWidget* m_tabs = nullptr;
    QWidget* m_first = nullptr;
    QWidget* m_second = nullptr;
    QPushButton* m_titleButton = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_questionLabel = nullptr;
    QPlainTextEdit* m_question = nullptr;
    CLSWndSeparator* m_answerTop = nullptr;
    Notation m_answerNotation;
    QListWidget* m_answers = nullptr;
    QPlainTextEdit* m_answer = nullptr;
    CLSWndSeparator* m_historyTop = nullptr;
    QLabel* m_countLabel = nullptr;
    QComboBox* m_count = nullptr;
    QLabel* m_groupLabel = nullptr;
    QComboBox* m_group = nullptr;
    QLabel* m_commentLabel = nullptr;
    QPlainTextEdit* m_comment = nullptr;
    QListWidget* m_hints = nullptr;
    QPlainTextEdit* m_hint = nullptr;
    CLSWndSeparator* m_hintHeight = nullptr;
    Notation m_choiceNotation;
    QListWidget* m_choices = nullptr;
    QPlainTextEdit* m_choice = nullptr;
    QCheckBox* m_mark = nullptr;
    QLabel* m_historyLabel = nullptr;
    QListWidget* m_history = nullptr;
    // The question shown, for the fields beside the lists.
    CLSSentenceArray m_shownAnswers;
    CLSSentenceArray m_shownHints;
    CLSSentenceArray m_shownChoices;
};
