#include "quiz/widgets/DlgExamLog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <atomic>
#include <functional>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "quiz/ExamLogStats.h"
#include "quiz/ReviewStats.h"
#include "quiz/widgets/DlgReaskMenu.h"
#include "quiz/widgets/ExamLogCharts.h"
#include "quiz/widgets/ExamLogRowModel.h"
#include "quiz/widgets/MissedQuestionsPage.h"
#include "quiz/widgets/ReviewStatsPage.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/Clock.h"
#include "text/Codec.h"
#include "text/DateWords.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/DesktopOpen.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/FocusMark.h"
#include "text/widgets/HeaderTitles.h"
#include "text/widgets/QtText.h"
#include "text/widgets/StatusPart.h"

namespace {

const char* const kSource = "DLGEXAMLOG";
constexpr int kFirstRole = Qt::UserRole;
constexpr int kCountRole = Qt::UserRole + 1;
constexpr int kStoredColumns = 8;
// Columns of logs with more fields than the history writes.
constexpr int kExtraColumnWidth = 80;

QString timeText(const CLSExamLogOne& r) {
    return ToQString(DateText(r.year, r.month, r.day, r.dayOfWeek) + " " +
                     TimeText(r.hour, r.minute, r.second));
}

}  // namespace

// The history read on another thread; the dialog looks at the percentage
// now and then and takes the records when the thread ends.
struct CLSDlgExamLog::Loading {
    std::atomic<bool> stop{false};
    std::atomic<int> percent{0};
    std::vector<CLSExamLogOne> records;
};

CLSDlgExamLog::CLSDlgExamLog(CLSStudyScreen& study, QWidget* parent)
    : QDialog(parent), m_study(study) {
    setWindowTitle(tr("出題履歴"));
    auto* layout = new QVBoxLayout(this);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(createTreeSide());
    split->addWidget(createRecordSide());
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);
    auto* buttons = new QHBoxLayout;
    createButtons(buttons);
    layout->addLayout(buttons);
    resize(840, 620);
    split->setSizes({240, 580});

    m_byDate = study.exam().settings().examLogSort();
    m_sortTabs->setCurrentIndex(m_byDate ? 0 : 1);
    connect(m_sortTabs, &QTabBar::currentChanged, this, [this](int tab) { sortExamLog(tab == 0); });
    startLoading();
}

CLSDlgExamLog::~CLSDlgExamLog() {
    if (m_thread) {
        m_loading->stop = true;
        m_thread->wait();
        delete m_thread;
    }
}

QWidget* CLSDlgExamLog::createTreeSide() {
    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    m_sortTabs = new QTabBar(side);
    m_sortTabs->addTab(tr("日付順"));
    m_sortTabs->addTab(tr("ファイル順"));
    m_sortTabs->setExpanding(false);
    m_sortTabs->setFocusPolicy(Qt::StrongFocus);
    column->addWidget(m_sortTabs);
    m_tree = new QTreeWidget(side);
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(tr("出題履歴"));
    m_tree->setUniformRowHeights(true);
    column->addWidget(m_tree, 1);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { nodeSelected(item); });

    auto* navigation = new QHBoxLayout;
    m_first = new QToolButton(side);
    m_first->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    m_first->setToolTip(tr("最初の履歴"));
    m_first->setAccessibleName(tr("最初の履歴"));
    m_first->setFocusPolicy(Qt::StrongFocus);
    m_number = new QSpinBox(side);
    m_number->setRange(1, 1);
    m_number->setAccessibleName(tr("履歴の番号"));
    m_last = new QToolButton(side);
    m_last->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    m_last->setToolTip(tr("最後の履歴"));
    m_last->setAccessibleName(tr("最後の履歴"));
    m_last->setFocusPolicy(Qt::StrongFocus);
    m_countText = new QLabel(side);
    navigation->addWidget(m_first);
    navigation->addWidget(m_number, 1);
    navigation->addWidget(m_last);
    navigation->addWidget(m_countText);
    column->addLayout(navigation);
    connect(m_first, &QToolButton::clicked, this, [this] { m_number->setValue(1); });
    connect(m_last, &QToolButton::clicked, this, [this] { m_number->setValue(m_nodeCount); });
    connect(m_number, &QSpinBox::valueChanged, this, &CLSDlgExamLog::showExamLogOne);
    // The number is typed over whole, as in every number field of the program.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && (now == m_number || now->parent() == m_number))
            QTimer::singleShot(0, m_number, [this] { m_number->selectAll(); });
    });

    m_editor = new QPushButton(tr("エディタで開く(&E)"), side);
    m_editor->setAutoDefault(false);
    column->addWidget(m_editor);
    connect(m_editor, &QPushButton::clicked, this, &CLSDlgExamLog::openInEditor);
    return side;
}

QWidget* CLSDlgExamLog::createRecordSide() {
    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    const QString names[6] = {tr("時刻："),       tr("ファイル名："), tr("出題方法："),
                              tr("解答モード："), tr("正解率："),     tr("所要時間：")};
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(names[i], side), i, 0);
        if (i == 1) continue;
        m_details[i] = new QLabel(side);
        m_details[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(m_details[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    // The file name is a link that opens the run's data file; a flat
    // button, so that the keyboard reaches it too.
    m_fileLink = new QToolButton(side);
    m_fileLink->setAutoRaise(true);
    m_fileLink->setFocusPolicy(Qt::StrongFocus);
    MarkFocusOf(m_fileLink);
    m_fileLink->setCursor(Qt::PointingHandCursor);
    m_fileLink->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    QFont linkFont = ProgramFont("ＭＳ Ｐゴシック", 9);
    linkFont.setUnderline(true);
    m_fileLink->setFont(linkFont);
    m_fileLink->setStyleSheet("QToolButton { color: #0000ff; text-align: left; border: none; }");
    m_fileLink->setEnabled(false);
    grid->addWidget(m_fileLink, 1, 1, Qt::AlignLeft);
    connect(m_fileLink, &QToolButton::clicked, this, [this] { openRecordFile(); });
    column->addLayout(grid);

    auto* reaskRow = new QHBoxLayout;
    m_reaskButton = new QPushButton(tr("再出題(&R)..."), side);
    m_reaskButton->setAutoDefault(false);
    m_reaskButton->setEnabled(false);
    reaskRow->addStretch();
    reaskRow->addWidget(m_reaskButton);
    column->addLayout(reaskRow);
    connect(m_reaskButton, &QPushButton::clicked, this, &CLSDlgExamLog::reask);

    m_pages = new QTabWidget(side);
    m_rows = new CLSExamLogRowModel(this);
    m_list = new QTableView(m_pages);
    m_list->setAccessibleName(tr("出題した問題"));
    m_list->setModel(m_rows);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_pages->addTab(m_list, tr("問題一覧(&L)"));
    m_charts = new CLSExamLogCharts(m_pages);
    m_pages->addTab(m_charts, tr("グラフ(&G)"));
    m_reviewPage = new CLSReviewStatsPage(m_pages);
    m_pages->addTab(m_reviewPage, tr("復習(&V)"));
    m_missedPage = new CLSMissedQuestionsPage(m_pages);
    m_pages->addTab(m_missedPage, tr("よく間違える問題(&M)"));
    connect(m_missedPage, &CLSMissedQuestionsPage::reaskRequested, this,
            &CLSDlgExamLog::reaskOpenFile);
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        updateCharts();
        updateReviewPage();
    });
    column->addWidget(m_pages, 1);
    return side;
}

void CLSDlgExamLog::createButtons(QBoxLayout* row) {
    QPushButton* ok = DialogButtonRow(*this, row, {.helpTopic = kHelpExamLog, .cancel = false}).ok;
    connect(ok, &QPushButton::clicked, this, &CLSDlgExamLog::accept);
}

void CLSDlgExamLog::status(const QString& text) {
    m_study.showStatus(StatusPart::kHelp, text);
}

// ---- reading -------------------------------------------------------------------------

void CLSDlgExamLog::startLoading() {
    auto* root = new QTreeWidgetItem(m_tree, {tr("出題履歴")});
    root->setData(0, kFirstRole, 0);
    root->setData(0, kCountRole, 0);
    m_countText->setText(tr("読み込み中..."));
    for (QWidget* w : std::initializer_list<QWidget*>{m_first, m_last, m_number, m_sortTabs})
        w->setEnabled(false);
    m_loading = std::make_shared<Loading>();
    CLSTString path = m_study.exam().examLogPath();
    std::shared_ptr<Loading> loading = m_loading;
    m_thread = QThread::create([loading, path] {
        loading->records = ReadExamLog(
            path, [&](int percent) { loading->percent = percent; }, &loading->stop);
    });
    connect(m_thread, &QThread::finished, this, &CLSDlgExamLog::loadingFinished);
    m_progress = new QTimer(this);
    m_progress->setInterval(100);
    connect(m_progress, &QTimer::timeout, this,
            [this] { status(tr("解析中... %1%").arg(m_loading->percent.load())); });
    status(tr("解析中... 0%"));
    m_progress->start();
    m_thread->start();
}

void CLSDlgExamLog::loadingFinished() {
    m_progress->stop();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_records = std::move(m_loading->records);
    m_loaded = true;
    for (QWidget* w : std::initializer_list<QWidget*>{m_first, m_last, m_number, m_sortTabs})
        w->setEnabled(true);
    // Before the first run there is no history file to open.
    m_editor->setEnabled(
        QFileInfo(QString::fromStdString(NativePath(m_study.exam().examLogPath()))).isFile());
    sortExamLog(m_byDate);
    // The wrong answers of past runs are in now.
    m_reviewStale = true;
    updateReviewPage();
    emit loaded();
}

// ---- the tree ------------------------------------------------------------------------

void CLSDlgExamLog::sortExamLog(bool byDate) {
    m_byDate = byDate;
    if (!m_loaded) return;
    status(tr("解析中..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SortExamLog(m_records, byDate);
    m_tree->blockSignals(true);
    m_tree->clear();
    m_tree->blockSignals(false);
    m_shown = -1;
    m_charted = -2;
    if (byDate) {
        setTreeViewByDate();
    } else {
        setTreeViewByFile();
    }
    QApplication::restoreOverrideCursor();
    status(QString());
}

void CLSDlgExamLog::setTreeViewByDate() {
    fillTree(ExamLogTreeByDate(m_records));
}

void CLSDlgExamLog::setTreeViewByFile() {
    fillTree(ExamLogTreeByFile(m_records));
}

void CLSDlgExamLog::fillTree(const CLSExamLogNode& root) {
    QTreeWidgetItem* selected = nullptr;
    std::function<void(const CLSExamLogNode&, QTreeWidgetItem*)> add =
        [&](const CLSExamLogNode& node, QTreeWidgetItem* parent) {
            auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
            item->setText(0, ToQString(node.label));
            item->setData(0, kFirstRole, node.first);
            item->setData(0, kCountRole, node.count);
            if (node.selected) selected = item;
            for (const CLSExamLogNode& child : node.children)
                add(child, item);
            item->setExpanded(node.expanded);
        };
    m_tree->blockSignals(true);
    add(root, nullptr);
    m_tree->blockSignals(false);
    QTreeWidgetItem* current = selected ? selected : m_tree->topLevelItem(0);
    m_tree->setCurrentItem(current);
    m_tree->scrollToItem(current);
    nodeSelected(current);
}

void CLSDlgExamLog::nodeSelected(QTreeWidgetItem* item) {
    if (!item) return;
    m_nodeFirst = item->data(0, kFirstRole).toInt();
    m_nodeCount = item->data(0, kCountRole).toInt();
    m_countText->setText(tr("(1～%1)").arg(m_nodeCount));
    m_number->blockSignals(true);
    m_number->setRange(1, std::max(1, m_nodeCount));
    m_number->setValue(1);
    m_number->blockSignals(false);
    showExamLogOne(1);
}

// ---- one record -----------------------------------------------------------------------

void CLSDlgExamLog::storeColumnWidths() {
    CLSVorelSettings& settings = m_study.exam().settings();
    QHeaderView* header = m_list->horizontalHeader();
    for (int c = 0; c < kStoredColumns && c < m_rows->columnCount(); ++c)
        settings.setExamListColumnWidth(c, header->sectionSize(c));
}

void CLSDlgExamLog::showExamLogOne(int n) {
    if (n < 1 || n > m_nodeCount) {
        // Nothing to show (an empty history): the fields stay empty.
        if (m_nodeCount == 0) {
            storeColumnWidths();
            m_rows->setRecord(nullptr);
            m_shown = -1;
            for (QLabel* label : m_details)
                if (label) label->clear();
            m_fileLink->setText(QString());
            m_fileLink->setEnabled(false);
            m_reaskButton->setEnabled(false);
            updateCharts();
        }
        return;
    }
    int index = m_nodeFirst + n - 1;
    if (index < 0 || index >= static_cast<int>(m_records.size())) return;
    const CLSExamLogOne& r = m_records[index];
    m_details[0]->setText(timeText(r));
    m_fileLink->setText(ToQString(r.fileName));
    m_fileLink->setToolTip(ToQString(r.fileName));
    m_fileLink->setEnabled(true);
    m_details[2]->setText(ToQString(ShownExamWord(r.method)));
    m_details[3]->setText(ToQString(ShownExamWord(r.answerMode)));
    m_details[4]->setText(ToQString(r.rate));
    m_details[5]->setText(ToQString(ShownExamDuration(r.total)));

    storeColumnWidths();
    m_rows->setRecord(&r);
    CLSVorelSettings& settings = m_study.exam().settings();
    QHeaderView* header = m_list->horizontalHeader();
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        header->resizeSection(
            c, c < kStoredColumns ? settings.examListColumnWidth(c) : kExtraColumnWidth);
    }
    FitHeaderTitles(header);
    m_shown = index;
    if (m_number->value() != n) {
        m_number->blockSignals(true);
        m_number->setValue(n);
        m_number->blockSignals(false);
    }
    m_reaskButton->setEnabled(m_rows->rowCount() > 0);
    updateCharts();
}

void CLSDlgExamLog::updateCharts() {
    // Drawn only when looked at, and only when the file changes.
    if (m_pages->currentWidget() != m_charts || m_charted == m_shown) return;
    m_charted = m_shown;
    if (m_shown < 0) {
        m_charts->clear();
        return;
    }
    const CLSExamLogOne& r = m_records[m_shown];
    CLSExamLogTime shown{r.year, r.month, r.day, r.hour, r.minute, r.second};
    m_charts->showStats(ExamLogStatsOfFile(m_records, r.fileName), ToQString(r.fileName), &shown);
}

void CLSDlgExamLog::updateReviewPage() {
    // Counted only when looked at, and again when the open file or the
    // history changed.
    QWidget* page = m_pages->currentWidget();
    if ((page != m_reviewPage && page != m_missedPage) || !m_reviewStale) return;
    m_reviewStale = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Clock& clock = m_study.clock();
    CLSVorelSettings& settings = m_study.exam().settings();
    CLSReviewSettings review = settings.review().schedulerSettings(clock.utcOffsetMinutes());
    // Looking at the figures writes no log of its own.
    CLSReviewLog* log = m_study.reviewLog(false);
    const CLSVorelDataFile& doc = m_study.exam().document();
    CLSReviewStats stats = ReviewStatsOf(doc, review, clock.utcMillis(), log, m_records);
    if (!log) stats.logProblem = m_study.reviewLogError();
    m_reviewPage->showStats(stats, doc);
    m_missedPage->showMissed(stats, doc);
    QApplication::restoreOverrideCursor();
}

// ---- actions --------------------------------------------------------------------------

bool CLSDlgExamLog::openRecordFile() {
    if (m_shown < 0) return false;
    CLSTString path = m_records[m_shown].fileName;
    CLSVorelDataFile& doc = m_study.exam().document();
    bool same = doc.getPath() == path;
    bool ok = same || doc.loadFile(path);
    if (!same) {
        m_reviewStale = true;
        updateReviewPage();
    }
    // Loading brings the main window forward; the history stays in front.
    activateWindow();
    raise();
    return ok;
}

void CLSDlgExamLog::openInEditor() {
    QString path = QString::fromStdString(NativePath(m_study.exam().examLogPath()));
    Prompter& prompter = m_study.exam().document().prompter();
    if (!QFileInfo(path).isFile()) {
        prompter.message(
            PromptIcon::Information,
            FromQStringWhole(tr("出題履歴はまだありません。学習を終えると記録されます。")));
        m_editor->setEnabled(false);
        return;
    }
    if (!OpenInTextEditor(path)) {
        prompter.message(PromptIcon::Error,
                         FromQStringWhole(tr("出題履歴のファイル %1 を開けるプログラムが"
                                             "見つかりません。")
                                              .arg(QDir::toNativeSeparators(path))));
    }
}

void CLSDlgExamLog::reask() {
    bool selected = m_list->selectionModel() && m_list->selectionModel()->hasSelection();
    CLSDlgReaskMenu menu(m_study.exam().settings(), selected, this);
    if (menu.exec() != QDialog::Accepted) return;
    Prompter& prompter = m_study.exam().document().prompter();
    CLSTString nothing = FromQStringWhole(tr("出題する問題はありません。"));
    if (m_rows->rowCount() == 0) {
        prompter.message(PromptIcon::Information, nothing);
        return;
    }
    if (!openRecordFile()) return;
    std::vector<int> questions;
    int available = m_study.exam().document().getQuestionCount();
    QString right = U("○");  // the mark as the history writes it
    std::vector<bool> selectedRows(static_cast<size_t>(m_rows->rowCount()), false);
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes())
        selectedRows[static_cast<size_t>(index.row())] = true;
    for (int row = 0; row < m_rows->rowCount(); ++row) {
        bool take = menu.kind() == CLSExamMode::kRetryAll ||
                    (menu.kind() == CLSExamMode::kRetryWrong && m_rows->markAt(row) != right) ||
                    (menu.kind() == CLSExamMode::kRetrySelected && selectedRows[row]);
        int q = m_rows->questionAt(row);
        // A file that has since lost questions cannot ask them.
        if (take && q >= 0 && q < available) questions.push_back(q);
    }
    if (questions.empty()) {
        prompter.message(PromptIcon::Information, nothing);
        return;
    }
    m_reask = CLSReaskRequest{menu.mode(), std::move(questions)};
    accept();
}

bool CLSDlgExamLog::reaskOpenFile(const std::vector<int>& questions) {
    int available = m_study.exam().document().getQuestionCount();
    std::vector<int> asked;
    for (int q : questions) {
        if (q >= 0 && q < available) asked.push_back(q);
    }
    if (asked.empty()) {
        m_study.exam().document().prompter().message(
            PromptIcon::Information, FromQStringWhole(tr("出題する問題はありません。")));
        return false;
    }
    m_reask =
        CLSReaskRequest{CLSExamMode::reask(CLSExamMode::kRetrySelected, false), std::move(asked)};
    accept();
    return true;
}

void CLSDlgExamLog::done(int result) {
    storeColumnWidths();
    m_study.exam().settings().setFlag(CLSVorelSettings::kExamLogSort,
                                      m_sortTabs->currentIndex() == 0);
    if (m_progress) m_progress->stop();
    if (!m_loaded) status(QString());
    QDialog::done(result);
}

void ShowExamLog(QWidget* parent, CLSStudyScreen& study, const std::function<void()>& toStudy) {
    CLSDlgExamLog dialog(study, parent);
    dialog.exec();
    if (const std::optional<CLSReaskRequest>& request = dialog.reaskRequest()) {
        if (toStudy) toStudy();
        study.startRunFromList(request->mode, request->questions);
    }
}
