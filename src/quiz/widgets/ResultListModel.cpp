#include "quiz/widgets/ResultListModel.h"

#include <algorithm>

#include "text/widgets/QtText.h"

namespace {

const char* const kHeaders[kResultColumnCount] = {
    QT_TRANSLATE_NOOP("CLSResultListModel", "順番"),
    QT_TRANSLATE_NOOP("CLSResultListModel", "番号"),
    QT_TRANSLATE_NOOP("CLSResultListModel", "正誤"),
    QT_TRANSLATE_NOOP("CLSResultListModel", "所要時間"),
    QT_TRANSLATE_NOOP("CLSResultListModel", "問題")};

}  // namespace

CLSResultListModel::CLSResultListModel(std::vector<CLSResultRow> rows, QObject* parent)
    : QAbstractTableModel(parent) {
    // The texts are made once: a long run scrolls and sorts without
    // converting CP932 again.
    m_rows.reserve(rows.size());
    for (CLSResultRow& r : rows) {
        Row row;
        row.cells[kResultOrder] = QString::number(r.order);
        row.cells[kResultNumber] = QString::number(r.question + 1);
        row.cells[kResultMark] = ToQString(r.mark);
        row.cells[kResultTime] = ToQString(r.timeText);
        row.cells[kResultText] = ToQString(r.text);
        row.row = std::move(r);
        m_rows.push_back(std::move(row));
    }
}

int CLSResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CLSResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kResultColumnCount;
}

QVariant CLSResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kResultColumnCount)
        return {};
    const Row& row = m_rows[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (role == Qt::ToolTipRole && index.column() != kResultText) return {};
        return row.cells[index.column()];
    }
    if (role == Qt::TextAlignmentRole) {
        switch (index.column()) {
            case kResultOrder:
            case kResultNumber:
            case kResultTime:
                return int(Qt::AlignRight | Qt::AlignVCenter);
            case kResultMark:
                return int(Qt::AlignCenter);
            default:
                return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    return {};
}

QVariant CLSResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kResultColumnCount)
        return {};
    return tr(kHeaders[section]);
}

void CLSResultListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kResultColumnCount) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<const CLSResultRow*> view;
    view.reserve(m_rows.size());
    for (const Row& r : m_rows)
        view.push_back(&r.row);
    std::vector<int> sortedOrder = SortedResultOrder(view, column, order == Qt::AscendingOrder);

    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (size_t i = 0; i < sortedOrder.size(); ++i) {
        newRowOf[sortedOrder[i]] = static_cast<int>(i);
        sorted.push_back(std::move(m_rows[sortedOrder[i]]));
    }
    m_rows = std::move(sorted);
    QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after.push_back(this->index(newRowOf[index.row()], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int CLSResultListModel::questionAt(int row) const {
    if (row < 0 || row >= rowCount()) return -1;
    return m_rows[row].row.question;
}
