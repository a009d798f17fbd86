#pragma once

#include <functional>

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "quiz/ExamLogReader.h"
#include "quiz/ExamMode.h"

class CLSExamLogCharts;
class CLSExamLogRowModel;
class CLSMissedQuestionsPage;
class CLSReviewStatsPage;
class CLSStudyScreen;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTabWidget;
class QTableView;
class QThread;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

/// A re-ask the learner chose in the history: the run's mode and its questions.
struct CLSReaskRequest {
    CLSExamMode mode;
    std::vector<int> questions;
};

/// "出題履歴": every past run in a tree by date or by data file, the details
/// and rows of one run, the charts of its file, opening the history in a
/// text editor or the run's data file, and re-asking a run's questions.
/// Its "復習" page shows the review figures of the file open on the study
/// screen, and "よく間違える問題" that file's questions missed most, which
/// can be asked again.
/// The history is read in the background, so a large one does not hold the
/// window up; loaded() tells when it is there.
class CLSDlgExamLog : public QDialog {
    Q_OBJECT
  public:
    explicit CLSDlgExamLog(CLSStudyScreen& study, QWidget* parent = nullptr);
    ~CLSDlgExamLog() override;

    bool isLoaded() const { return m_loaded; }
    const std::vector<CLSExamLogOne>& records() const { return m_records; }
    /// Sorts the records by date or by file and rebuilds the tree.
    void sortExamLog(bool byDate);
    /// Shows record n (1-based) of the selected node; nothing outside it.
    void showExamLogOne(int n);
    /// The record shown (index in records()), -1 when none.
    int shownRecord() const { return m_shown; }
    /// Set when the dialog closed for a re-ask; the caller starts the run.
    const std::optional<CLSReaskRequest>& reaskRequest() const { return m_reask; }

    QTabBar* sortTabs() const { return m_sortTabs; }
    QTreeWidget* tree() const { return m_tree; }
    QToolButton* firstButton() const { return m_first; }
    QToolButton* lastButton() const { return m_last; }
    QSpinBox* numberBox() const { return m_number; }
    QLabel* countLabel() const { return m_countText; }
    QPushButton* editorButton() const { return m_editor; }
    /// 時刻, 出題方法, 解答モード, 正解率, 所要時間 (0, 2-5); the file name
    /// (1) is the link fileLink().
    QLabel* detail(int which) const { return m_details[which]; }
    QToolButton* fileLink() const { return m_fileLink; }
    QPushButton* reaskButton() const { return m_reaskButton; }
    QTableView* list() const { return m_list; }
    CLSExamLogRowModel* rowModel() const { return m_rows; }
    QTabWidget* pages() const { return m_pages; }
    CLSExamLogCharts* charts() const { return m_charts; }
    CLSReviewStatsPage* reviewPage() const { return m_reviewPage; }
    CLSMissedQuestionsPage* missedPage() const { return m_missedPage; }

    /// Opens the shown run's data file on the study screen; false when it
    /// could not be loaded.
    bool openRecordFile();
    /// "エディタで開く(&E)".
    void openInEditor();
    /// "再出題(&R)...".
    void reask();
    /// Re-asks questions of the open file in the order given (the most
    /// missed); false when none of them is in the file.
    bool reaskOpenFile(const std::vector<int>& questions);

    void done(int result) override;

  signals:
    void loaded();

  private:
    QWidget* createTreeSide();
    QWidget* createRecordSide();
    void createButtons(class QBoxLayout* row);
    void startLoading();
    void loadingFinished();
    void setTreeViewByDate();
    void setTreeViewByFile();
    void fillTree(const CLSExamLogNode& root);
    void nodeSelected(QTreeWidgetItem* item);
    void storeColumnWidths();
    void updateCharts();
    void updateReviewPage();
    void status(const QString& text);

    struct Loading;
    CLSStudyScreen& m_study;
    std::vector<CLSExamLogOne> m_records;
    std::shared_ptr<Loading> m_loading;
    QThread* m_thread = nullptr;
    QTimer* m_progress = nullptr;
    bool m_loaded = false;
    bool m_byDate = true;
    int m_nodeFirst = 0;
    int m_nodeCount = 0;
    int m_shown = -1;
    int m_charted = -2;
    bool m_reviewStale = true;
    std::optional<CLSReaskRequest> m_reask;

    QTabBar* m_sortTabs = nullptr;
    QTreeWidget* m_tree = nullptr;
    QToolButton* m_first = nullptr;
    QToolButton* m_last = nullptr;
    QSpinBox* m_number = nullptr;
    QLabel* m_countText = nullptr;
    QPushButton* m_editor = nullptr;
    QLabel* m_details[6] = {};
    QToolButton* m_fileLink = nullptr;
    QPushButton* m_reaskButton = nullptr;
    QTableView* m_list = nullptr;
    CLSExamLogRowModel* m_rows = nullptr;
    QTabWidget* m_pages = nullptr;
    CLSExamLogCharts* m_charts = nullptr;
    CLSReviewStatsPage* m_reviewPage = nullptr;
    CLSMissedQuestionsPage* m_missedPage = nullptr;
};

/// The main window's "出題履歴を開く(&H)...": the history browser; a re-ask
/// chosen in it then runs on the study screen.
/// toStudy brings the study screen forward before a re-asked run starts.
void ShowExamLog(QWidget* parent, CLSStudyScreen& study, const std::function<void()>& toStudy = {});
