#include "quiz/widgets/DlgResult.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableView>

#include "quiz/Announcements.h"
#include "quiz/DialogLayout.h"
#include "quiz/Exam.h"
#include "quiz/widgets/ResultListModel.h"
#include "settings/VorelSettings.h"
#include "text/Common.h"
#include "text/DateWords.h"
#include "text/Error.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/HeaderTitles.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TabChain.h"

namespace {

constexpr int kFigurePoints = 16;

}  // namespace

CLSDlgResult::CLSDlgResult(const CLSExam& exam, int64_t nowTick, CLSVorelSettings& settings,
                           bool separateWindow, QWidget* parent)
    : CLSDlgResult(SummarizeExam(exam, nowTick), settings, separateWindow, parent) {}

CLSDlgResult::CLSDlgResult(CLSExamSummary summary, CLSVorelSettings& settings, bool separateWindow,
                           QWidget* parent)
    : QDialog(parent),
      m_summary(std::move(summary)),
      m_settings(settings),
      m_separate(separateWindow) {
    CLSTraceScope trace("CLSDlgResult::create");
    if (m_separate) {
        setWindowFlags(Qt::Window);
        setWindowTitle(tr("結果"));
    } else {
        // A pane: a plain child of the study screen, not a window of its own.
        // A screen reader names it as the window would be titled.
        setWindowFlags(Qt::Widget);
        setAccessibleName(tr("結果"));
    }
    createFigures();
    createChecks();
    createList();
    createButtons();
    updateEnabling();
    InstallHelpKey(this, kHelpResultDialog);
    setMinimumSize(360, 300);
    if (m_separate) resize(640, 480);
    relayout();
}

void CLSDlgResult::createFigures() {
    QFont figures = ProgramFont("ＭＳ Ｐゴシック", kFigurePoints, true);
    m_figureSize = kFigurePoints * logicalDpiY() / 72;
    const char* names[5] = {QT_TRANSLATE_NOOP("CLSDlgResult", "出題数："),
                            QT_TRANSLATE_NOOP("CLSDlgResult", "解答数："),
                            QT_TRANSLATE_NOOP("CLSDlgResult", "正解数："),
                            QT_TRANSLATE_NOOP("CLSDlgResult", "正解率："),
                            QT_TRANSLATE_NOOP("CLSDlgResult", "所要時間：")};
    QString values[5] = {QString::number(m_summary.asked), QString::number(m_summary.answered()),
                         QString::number(m_summary.right), ToQString(m_summary.rateText()),
                         ToQString(DurationText(m_summary.elapsed))};
    for (int i = 0; i < 5; ++i) {
        m_labels[i] = new QLabel(tr(names[i]), this);
        m_values[i] = new QLabel(values[i], this);
        m_labels[i]->setFont(figures);
        m_values[i]->setFont(figures);
        m_values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void CLSDlgResult::createChecks() {
    m_reask = new QCheckBox(tr("間違えた問題を再出題する(&T)"), this);
    m_random = new QCheckBox(tr("ランダムに出題(&R)"), this);
    m_reask->setChecked(m_settings.retry());
    m_random->setChecked(m_settings.retryRandom());
    connect(m_reask, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.setFlag(CLSVorelSettings::kRetry, on);
        updateEnabling();
    });
    connect(m_random, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.setFlag(CLSVorelSettings::kRetryRandom, on); });
}

void CLSDlgResult::createList() {
    m_model = new CLSResultListModel(m_summary.rows, this);
    m_list = new QTableView(this);
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    QHeaderView* header = m_list->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    // The last column fills the list up to its right edge.
    header->setStretchLastSection(true);
    for (int c = 0; c < kResultColumnCount; ++c) {
        int width = m_settings.detailsListColumnWidth(c);
        if (width > 0) header->resizeSection(c, width);
    }
    FitHeaderTitles(header);
    connect(header, &QHeaderView::sectionClicked, this, &CLSDlgResult::sortBy);
    connect(header, &QHeaderView::sectionResized, this, [this] { storeColumnWidths(); });
    connect(m_list, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        int q = m_model->questionAt(index.row());
        if (q >= 0) emit showQuestionRequested(q);
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CLSDlgResult::updateEnabling);
}

void CLSDlgResult::createButtons() {
    m_reaskButton = new QPushButton(tr("再出題(&A)"), this);
    m_close = new QPushButton(tr("閉じる(&X)"), this);
    m_show = new QPushButton(tr("表示(&I)..."), this);
    m_help = new QPushButton(tr("ヘルプ(&H)"), this);
    m_reaskButton->setDefault(true);
    // Whichever button takes the focus when the run ends tells a screen
    // reader how it went.
    QString announced = QString::fromStdString(RunEndAnnouncement(m_summary));
    m_reaskButton->setAccessibleDescription(announced);
    m_close->setAccessibleDescription(announced);
    m_list->setAccessibleName(tr("結果の一覧"));
    // The buttons stand beside the summary, above the list.
    ChainTab({m_reask, m_random, m_reaskButton, m_close, m_show, m_help, m_list});
    connect(m_reaskButton, &QPushButton::clicked, this, &CLSDlgResult::reask);
    connect(m_close, &QPushButton::clicked, this, &CLSDlgResult::reject);
    connect(m_show, &QPushButton::clicked, this, &CLSDlgResult::showSelected);
    connect(m_help, &QPushButton::clicked, this,
            [this] { ShowDialogHelp(this, kHelpResultDialog); });
}

void CLSDlgResult::focusDefault() {
    (m_reaskButton->isEnabled() ? m_reaskButton : m_close)->setFocus();
}

void CLSDlgResult::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    focusDefault();
}

void CLSDlgResult::setReaskAllowed(bool allowed) {
    m_reaskAllowed = allowed;
    updateEnabling();
}

void CLSDlgResult::updateEnabling() {
    m_reask->setEnabled(m_summary.hasWrong() && m_reaskAllowed);
    bool reasking = m_reask->isEnabled() && m_reask->isChecked();
    m_random->setEnabled(reasking);
    m_reaskButton->setEnabled(reasking);
    m_show->setEnabled(m_list->selectionModel()->hasSelection());
}

void CLSDlgResult::sortBy(int column) {
    if (column < 0 || column >= kResultColumnCount) return;
    // Each column keeps its own direction; the first click ascends.
    bool ascending = !m_ascending[column];
    m_ascending[column] = ascending;
    Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_model->sort(column, order);
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    m_list->horizontalHeader()->setSortIndicator(column, order);
}

void CLSDlgResult::reask() {
    if (m_reask->isEnabled() && m_reask->isChecked()) {
        storeColumnWidths();
        emit reaskRequested(m_random->isChecked());
        return;
    }
    accept();
}

void CLSDlgResult::showSelected() {
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    int q = m_model->questionAt(rows.front().row());
    if (q >= 0) emit showQuestionRequested(q);
}

void CLSDlgResult::storeColumnWidths() {
    QHeaderView* header = m_list->horizontalHeader();
    for (int c = 0; c < kResultColumnCount; ++c)
        m_settings.setDetailsListColumnWidth(c, header->sectionSize(c));
}

void CLSDlgResult::done(int result) {
    storeColumnWidths();
    QDialog::done(result);
    emit closed();
}

void CLSDlgResult::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    relayout();
}

void CLSDlgResult::relayout() {
    int buttonWidth = 0;
    int buttonHeight = 0;
    for (QPushButton* b : {m_reaskButton, m_close, m_show, m_help}) {
        buttonWidth = std::max(buttonWidth, b->sizeHint().width());
        buttonHeight = std::max(buttonHeight, b->sizeHint().height());
    }
    buttonWidth = std::max(buttonWidth, 96);
    int checkWidth = std::max(m_reask->sizeHint().width(), m_random->sizeHint().width());
    int checkHeight = m_reask->sizeHint().height();
    CLSResultLayout l = ResultDialogLayout(width(), height(), m_figureSize, buttonWidth,
                                           buttonHeight, checkWidth, checkHeight);
    for (int i = 0; i < 5; ++i) {
        m_labels[i]->setGeometry(ToQRect(l.labels[i]));
        m_values[i]->setGeometry(ToQRect(l.values[i]));
    }
    m_reask->setGeometry(ToQRect(l.reask));
    m_random->setGeometry(ToQRect(l.random));
    m_list->setGeometry(ToQRect(l.list));
    QPushButton* buttons[4] = {m_reaskButton, m_close, m_show, m_help};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(ToQRect(l.buttons[i]));
}
