#include "editor/widgets/LineListModel.h"

#include "data/VorelDataFile.h"
#include "editor/LineRows.h"
#include "text/widgets/QtText.h"

CLSLineListModel::CLSLineListModel(const CLSVorelDataFile& doc, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_rows(doc.getItemCount()) {}

int CLSLineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CLSLineListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant CLSLineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows) return QVariant();
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
    CLSLineRow row = LineRow(m_doc, index.row());
    switch (index.column()) {
        case 0:
            return ToQString(row.number);
        case 1:
            return ToQString(row.kind);
        default:
            return ToQString(row.data);
    }
}

QVariant CLSLineListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    static const char* const titles[] = {QT_TR_NOOP("行"), QT_TR_NOOP("種類"),
                                         QT_TR_NOOP("データ")};
    return section >= 0 && section < 3 ? tr(titles[section]) : QVariant();
}

void CLSLineListModel::reset() {
    beginResetModel();
    m_rows = m_doc.getItemCount();
    endResetModel();
}

void CLSLineListModel::linesMoved(const std::vector<int>& removed, const std::vector<int>& added) {
    // Runs of neighbouring rows go out and come in together; many scattered
    // runs are cheaper as one reset.
    auto runs = [](const std::vector<int>& rows) {
        std::vector<std::pair<int, int>> out;
        for (int r : rows) {
            if (!out.empty() && out.back().second + 1 == r) {
                out.back().second = r;
            } else {
                out.emplace_back(r, r);
            }
        }
        return out;
    };
    std::vector<std::pair<int, int>> out = runs(removed);
    std::vector<std::pair<int, int>> in = runs(added);
    if (out.size() + in.size() > 64) {
        reset();
        return;
    }
    // Removing from the back keeps the earlier runs' indexes right.
    for (auto it = out.rbegin(); it != out.rend(); ++it) {
        beginRemoveRows(QModelIndex(), it->first, it->second);
        m_rows -= it->second - it->first + 1;
        endRemoveRows();
    }
    for (const auto& [first, last] : in) {
        beginInsertRows(QModelIndex(), first, last);
        m_rows += last - first + 1;
        endInsertRows();
    }
    int first = m_rows;
    if (!removed.empty()) first = std::min(first, removed.front());
    if (!added.empty()) first = std::min(first, added.front());
    rowsChangedFrom(first);
}

void CLSLineListModel::rowsChangedFrom(int row) {
    if (m_rows == 0 || row >= m_rows) return;
    emit dataChanged(index(std::max(0, row), 0), index(m_rows - 1, 2));
}

void CLSLineListModel::rowsChanged(int first, int last) {
    first = std::max(0, first);
    last = std::min(m_rows - 1, last);
    if (first > last) return;
    emit dataChanged(index(first, 0), index(last, 2));
}
