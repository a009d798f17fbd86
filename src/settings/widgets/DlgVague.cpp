#include "settings/widgets/DlgVague.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "settings/VagueTable.h"
#include "text/Prompter.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/FocusMark.h"
#include "text/widgets/QtText.h"

CLSDlgVague::CLSDlgVague(CLSVagueTable& table, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_table(table),
      m_prompter(prompter),
      m_list(CLSVagueList::fromTable(table)) {
    setWindowTitle(tr("あいまい設定"));
    m_view = new QTableWidget(0, 2, this);
    m_view->setAccessibleName(tr("同じとみなす文字列"));
    MarkFocusOf(m_view);  // shown empty until a pair is added
    m_view->setHorizontalHeaderLabels({tr("文字列１"), tr("文字列２")});
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(true);
    int column = std::max(75, m_view->fontMetrics().horizontalAdvance(tr("文字列１")) + 24);
    m_view->setColumnWidth(0, column);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setMinimumWidth(2 * column + 2 * m_view->frameWidth() + 24);

    m_text1 = new QLineEdit(this);
    m_text2 = new QLineEdit(this);
    auto* label1 = new QLabel(tr("文字列１(&1)"), this);
    label1->setBuddy(m_text1);
    auto* label2 = new QLabel(tr("文字列２(&2)"), this);
    label2->setBuddy(m_text2);
    auto* add = new QPushButton(tr("追加(&A)"), this);
    auto* remove = new QPushButton(tr("削除(&D)"), this);
    auto* reset = new QPushButton(tr("リセット(&R)"), this);

    auto* side = new QVBoxLayout;
    side->addWidget(label1);
    side->addWidget(m_text1);
    side->addWidget(label2);
    side->addWidget(m_text2);
    side->addWidget(add);
    side->addSpacing(12);
    side->addWidget(remove);
    side->addWidget(reset);
    side->addStretch(1);

    QDialogButtonBox* buttons = DialogButtons(
        *this,
        {.helpTopic = kHelpVagueDialog, .helpText = QT_TRANSLATE_NOOP("DialogButtons", "ヘルプ")});
    connect(buttons, &QDialogButtonBox::accepted, this, &CLSDlgVague::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(m_view, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    connect(add, &QPushButton::clicked, this, &CLSDlgVague::addPair);
    connect(remove, &QPushButton::clicked, this, &CLSDlgVague::deleteSelected);
    connect(reset, &QPushButton::clicked, this, &CLSDlgVague::resetList);
    // The add button answers Enter in the text boxes, not OK.
    add->setAutoDefault(true);
    add->setDefault(true);
    fill();
    resize(sizeHint().width(), std::max(sizeHint().height(), 320));
}

void CLSDlgVague::fill(int selectRow) {
    m_view->setRowCount(m_list.count());
    int row = 0;
    for (const CLSVagueList::Pair& pair : m_list.pairs()) {
        m_view->setItem(row, 0, new QTableWidgetItem(ToQString(pair.first)));
        m_view->setItem(row, 1, new QTableWidgetItem(ToQString(pair.second)));
        ++row;
    }
    if (selectRow >= 0 && selectRow < m_list.count()) {
        m_view->selectRow(selectRow);
        m_view->scrollToItem(m_view->item(selectRow, 0));
    }
}

void CLSDlgVague::addPair() {
    // Any script: what Shift-JIS cannot hold goes to the table's companion file.
    CLSTString first = FromQStringWhole(m_text1->text());
    CLSTString second = FromQStringWhole(m_text2->text());
    int row = m_list.add(first, second);
    if (row < 0) {
        m_prompter.message(PromptIcon::Warning, CLSTString(VagueEmptyPairMessage()));
        m_text1->setFocus();
        return;
    }
    fill(row);
    m_text1->clear();
    m_text2->clear();
    m_text1->setFocus();
}

void CLSDlgVague::deleteSelected() {
    std::vector<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty()) return;
    m_list.remove(rows);
    fill();
}

void CLSDlgVague::resetList() {
    m_list = CLSVagueList::builtIn();
    fill();
}

void CLSDlgVague::accept() {
    m_list.storeInto(m_table);
    QDialog::accept();
}
