#include "quiz/widgets/MissedQuestionsPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "data/VorelDataFile.h"
#include "text/widgets/HeaderTitles.h"
#include "text/widgets/QtText.h"

namespace {

constexpr int kQuestionRole = Qt::UserRole;
constexpr int kTextColumn = 4;

QStandardItem* countItem(int64_t value) {
    auto* item = new QStandardItem(QString::number(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

CLSMissedQuestionsPage::CLSMissedQuestionsPage(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    column->addWidget(m_note);

    m_missed = new QStandardItemModel(0, kTextColumn + 1, this);
    const QString headers[] = {tr("番号"), tr("計"), tr("復習"), tr("出題"), tr("問題")};
    const QString tips[] = {tr("問題番号"), tr("間違えた回数の合計"),
                            tr("復習で「もう一度」にした回数"),
                            tr("出題で間違えた回数（出題履歴から）"), tr("問題文")};
    for (int c = 0; c <= kTextColumn; ++c) {
        auto* item = new QStandardItem(headers[c]);
        item->setToolTip(tips[c]);
        m_missed->setHorizontalHeaderItem(c, item);
    }
    m_list = new QTableView(this);
    m_list->setAccessibleName(tr("よく間違える問題"));
    m_list->setModel(m_missed);
    m_list->setAccessibleName(tr("よく間違える問題"));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    QHeaderView* header = m_list->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    const int digits = m_list->fontMetrics().horizontalAdvance(U("00000")) + 12;
    for (int c = 0; c < kTextColumn; ++c)
        header->resizeSection(c, digits);
    FitHeaderTitles(header);
    column->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    m_selectAll = new QPushButton(tr("すべて選択(&A)"), this);
    m_selectAll->setAutoDefault(false);
    m_reask = new QPushButton(tr("選んだ問題を再出題(&Q)"), this);
    m_reask->setAutoDefault(false);
    m_reask->setEnabled(false);
    buttons->addStretch();
    buttons->addWidget(m_selectAll);
    buttons->addWidget(m_reask);
    column->addLayout(buttons);
    connect(m_selectAll, &QPushButton::clicked, this, [this] {
        m_list->setFocus();
        m_list->selectAll();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_reask->setEnabled(m_list->selectionModel()->hasSelection()); });
    connect(m_reask, &QPushButton::clicked, this, [this] {
        std::vector<int> questions = selectedQuestions();
        if (!questions.empty()) emit reaskRequested(questions);
    });
}

void CLSMissedQuestionsPage::showMissed(const CLSReviewStats& stats, const CLSVorelDataFile& doc) {
    m_missed->removeRows(0, m_missed->rowCount());
    for (const CLSMissedEntry& m : stats.missed) {
        CLSVorelDataItem* line = doc.getQuestion(m.question);
        if (!line) continue;
        QString text = ToQString(line->question().getQuestion().toText());
        text.replace('\n', QString::fromUtf8(" ↵ "));
        text.remove('\r');
        QList<QStandardItem*> row{countItem(m.question + 1), countItem(m.total()),
                                  countItem(m.forgotten), countItem(m.wrong),
                                  new QStandardItem(text)};
        row[0]->setData(m.question, kQuestionRole);
        row[kTextColumn]->setToolTip(text);
        m_missed->appendRow(row);
    }
    if (m_missed->rowCount() > 0) {
        m_note->setText(
            tr("このファイルで、復習で「もう一度」にした回数と出題で間違えた回数の"
               "多い問題です。選んで再出題できます。"));
    } else if (doc.getQuestionCount() > 0) {
        m_note->setText(tr("このファイルで間違えた問題はまだありません。"));
    } else {
        m_note->setText(tr("問題がありません。"));
    }
    m_reask->setEnabled(false);
    m_selectAll->setEnabled(m_missed->rowCount() > 0);
}

std::vector<int> CLSMissedQuestionsPage::selectedQuestions() const {
    std::vector<int> questions;
    QItemSelectionModel* selection = m_list->selectionModel();
    for (int row = 0; row < m_missed->rowCount(); ++row) {
        if (selection->isRowSelected(row))
            questions.push_back(m_missed->item(row, 0)->data(kQuestionRole).toInt());
    }
    return questions;
}
