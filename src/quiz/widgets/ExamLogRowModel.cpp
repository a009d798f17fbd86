#include "quiz/widgets/ExamLogRowModel.h"

#include <string>

#include "quiz/ExamTexts.h"
#include "text/widgets/QtText.h"

namespace {

constexpr int kNumberColumn = 1;
constexpr int kMarkColumn = 2;
constexpr int kTimeColumn = 3;

// The columns as the history names them; they are shown in the program's
// language, any other name as it is.
[[maybe_unused]] const char* const kColumnNames[] = {
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "順番"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "問題番号"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "正誤"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "所要時間"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "問題"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "答え"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "グループ"),
    QT_TRANSLATE_NOOP("CLSExamLogRowModel", "コメント")};

}  // namespace

CLSExamLogRowModel::CLSExamLogRowModel(QObject* parent) : QAbstractTableModel(parent) {}

void CLSExamLogRowModel::setRecord(const CLSExamLogOne* record) {
    beginResetModel();
    m_record = record;
    endResetModel();
}

int CLSExamLogRowModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_record || m_record->rows.empty()) return 0;
    return static_cast<int>(m_record->rows.size()) - 1;
}

int CLSExamLogRowModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_record || m_record->rows.empty()) return 0;
    return m_record->rows.front().count();
}

bool CLSExamLogRowModel::field(int row, int column, std::string_view& text) const {
    if (row < 0 || row >= rowCount() || column < 0) return false;
    const CLSExamLogRow& fields = m_record->rows[row + 1];
    if (column >= fields.count()) return false;
    text = fields.view(column);
    return true;
}

int CLSExamLogRowModel::questionAt(int row) const {
    std::string_view number;
    if (!field(row, kNumberColumn, number) || number.empty() || number.size() > 9) return -1;
    int value = 0;
    for (char c : number) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value - 1;
}

QString CLSExamLogRowModel::markAt(int row) const {
    std::string_view mark;
    return field(row, kMarkColumn, mark) ? ToQString(mark) : QString();
}

QVariant CLSExamLogRowModel::data(const QModelIndex& index, int role) const {
    std::string_view text;
    if (!field(index.row(), index.column(), text)) return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == kTimeColumn)
            return ToQString(ShownExamDuration(CLSTString(std::string(text))));
        QString shown = ToQString(text);
        shown.replace('\n', QString::fromUtf8(" ↵ "));
        shown.remove('\r');
        return shown;
    }
    if (role == Qt::ToolTipRole && text.size() > 20) return ToQString(text);
    return {};
}

QVariant CLSExamLogRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (!m_record || m_record->rows.empty() || section >= m_record->rows.front().count()) return {};
    std::string name(m_record->rows.front().view(section));
    return tr(name.c_str());
}
