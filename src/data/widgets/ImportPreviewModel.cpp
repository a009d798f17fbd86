#include "data/widgets/ImportPreviewModel.h"

#include "data/ImportExport.h"
#include "text/widgets/QtText.h"

QString CLSImportPreviewModel::roleLabel(int role) {
    // The names ImportRoleName gives, which a header line of the file may
    // hold too; only here are they translated.
    static const char* const kNames[] = {QT_TR_NOOP("問題"), QT_TR_NOOP("ヒント"),
                                         QT_TR_NOOP("答え"), QT_TR_NOOP("コメント"),
                                         QT_TR_NOOP("グループ")};
    Q_UNUSED(kNames);
    return tr(ImportRoleName(role));
}

CLSImportPreviewModel::CLSImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void CLSImportPreviewModel::setRecords(std::vector<CLSTStringArray> records, int columnCount) {
    beginResetModel();
    m_records = std::move(records);
    m_columns = columnCount;
    m_roles.resize(static_cast<size_t>(m_columns), kImportIgnore);
    endResetModel();
}

void CLSImportPreviewModel::setRoles(std::vector<int> roles) {
    roles.resize(static_cast<size_t>(m_columns), kImportIgnore);
    m_roles = std::move(roles);
    if (m_columns > 0) emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

void CLSImportPreviewModel::setRole(int column, int role) {
    if (column < 0 || column >= m_columns) return;
    m_roles[column] = role;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int CLSImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_records.size());
}

int CLSImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant CLSImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_columns) return {};
    const CLSTStringArray& record = m_records[index.row()];
    if (index.column() >= record.count()) return {};
    if (role == Qt::DisplayRole) {
        // A cell shows its lines on one row.
        QString text = ToQString(record[index.column()]);
        text.replace(QLatin1String("\r\n"), QString::fromUtf8(" ↵ "));
        return text;
    }
    if (role == Qt::ToolTipRole) return ToQString(record[index.column()]);
    return {};
}

QVariant CLSImportPreviewModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole) return section + 1;
        return {};
    }
    if (section < 0 || section >= m_columns) return {};
    if (role == Qt::DisplayRole) return roleLabel(m_roles[section]);
    if (role == Qt::ToolTipRole) {
        return tr("%1列目: クリックすると読み込む項目を選べます").arg(section + 1);
    }
    return {};
}
