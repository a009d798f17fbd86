#pragma once

#include <QDialog>

#include "quiz/RangeCount.h"

class CLSExam;
class CLSNumberSpinBox;
class QBoxLayout;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

/// "出題範囲指定": the exam's range (by question or title numbers), the
/// groups and the mark filter, with the number of questions they ask. OK
/// stores them in the exam; an empty range is refused with a message
/// (through the document's prompter) and the dialog stays open.
class CLSDlgRange : public QDialog {
    Q_OBJECT
  public:
    CLSDlgRange(CLSExam& exam, QWidget* parent = nullptr);

    /// The request as the controls hold it.
    CLSRangeRequest request() const;
    /// Counts again and shows the count; returns the result.
    CLSRangeCount recount();

    // The controls, for keyboard focus and tests.
    CLSNumberSpinBox* startBox() const { return m_start; }
    CLSNumberSpinBox* endBox() const { return m_end; }
    QRadioButton* questionNumbersButton() const { return m_byQuestion; }
    QRadioButton* titleNumbersButton() const { return m_byTitle; }
    QListWidget* groupList() const { return m_groups; }
    QRadioButton* markButton(int filter) const { return m_marks[filter]; }
    QLabel* countLabel() const { return m_count; }
    QPushButton* allButton() const { return m_all; }
    QPushButton* okButton() const { return m_ok; }

    void accept() override;

  private:
    void createNumberRows(QGridLayout* grid);
    QWidget* createFilters();
    void createButtons(QBoxLayout* row);
    void switchNumbers(bool titleNumbers);
    void selectAll();
    void showItemText(QLabel* label, const CLSTString& text);

    CLSExam& m_exam;
    CLSNumberSpinBox* m_start = nullptr;
    CLSNumberSpinBox* m_end = nullptr;
    QLabel* m_startLimit = nullptr;
    QLabel* m_endLimit = nullptr;
    QLabel* m_startText = nullptr;
    QLabel* m_endText = nullptr;
    QRadioButton* m_byQuestion = nullptr;
    QRadioButton* m_byTitle = nullptr;
    QListWidget* m_groups = nullptr;
    QRadioButton* m_marks[3] = {};
    QLabel* m_count = nullptr;
    QPushButton* m_all = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_filling = false;
};
