#pragma once

#include <QDialog>

#include "quiz/ExamSummary.h"

class CLSExam;
class CLSResultListModel;
class CLSVorelSettings;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

/// The result of a finished run: its figures, one sortable row per asked
/// question, and re-asking the wrong ones. It keeps its own copy of the
/// run, so the exam may start the next run while it is shown. It is either
/// a pane inside the study screen or (separateWindow) a top-level window
/// "結果". The column widths go to DetailsListColumnWidth as they change,
/// the two check boxes to Retry and RetryRandom.
class CLSDlgResult : public QDialog {
    Q_OBJECT
  public:
    CLSDlgResult(CLSExamSummary summary, CLSVorelSettings& settings, bool separateWindow,
                 QWidget* parent = nullptr);
    /// The exam's last run as of nowTick (the clock's current tick).
    CLSDlgResult(const CLSExam& exam, int64_t nowTick, CLSVorelSettings& settings,
                 bool separateWindow, QWidget* parent = nullptr);

    const CLSExamSummary& summary() const { return m_summary; }
    bool isSeparateWindow() const { return m_separate; }
    /// Off when the document is about to change: nothing could be re-asked.
    void setReaskAllowed(bool allowed);

    CLSResultListModel* model() const { return m_model; }
    QTableView* list() const { return m_list; }
    QLabel* figure(int row) const { return m_values[row]; }
    QCheckBox* reaskBox() const { return m_reask; }
    QCheckBox* randomBox() const { return m_random; }
    QPushButton* reaskButton() const { return m_reaskButton; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* showButton() const { return m_show; }

    /// Puts the focus on "再出題" when it can be used, else on "閉じる".
    void focusDefault();
    /// Stores the column widths, hides and reports closed().
    void done(int result) override;

  signals:
    /// "再出題(&A)" with re-asking ticked: the study screen starts the
    /// re-ask run (mode 85 when random, else 69) and removes this dialog.
    void reaskRequested(bool random);
    /// A row was double-clicked or "表示(&I)..." pressed.
    void showQuestionRequested(int questionIndex);
    /// The dialog was closed; the study screen shows its own controls again.
    void closed();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createFigures();
    void createChecks();
    void createList();
    void createButtons();
    void updateEnabling();
    void sortBy(int column);
    void reask();
    void showSelected();
    void storeColumnWidths();
    void relayout();

    CLSExamSummary m_summary;
    CLSVorelSettings& m_settings;
    bool m_separate;
    bool m_reaskAllowed = true;
    QLabel* m_labels[5] = {};
    QLabel* m_values[5] = {};
    QCheckBox* m_reask = nullptr;
    QCheckBox* m_random = nullptr;
    QTableView* m_list = nullptr;
    CLSResultListModel* m_model = nullptr;
    QPushButton* m_reaskButton = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_show = nullptr;
    QPushButton* m_help = nullptr;
    bool m_ascending[kResultColumnCount] = {};
    int m_figureSize = 21;
};
