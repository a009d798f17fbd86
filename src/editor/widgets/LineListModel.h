#pragma once

#include <QAbstractTableModel>
#include <vector>

class CLSVorelDataFile;

/// The editor's line list as a model over the document: row i is document
/// line i, and its three texts ("行", "種類", "データ") are worked out when
/// the view asks for them, so a file of a hundred thousand lines costs the
/// list nothing. The editor tells it what changed.
class CLSLineListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CLSLineListModel(const CLSVorelDataFile& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /// The whole document anew (after a load or a new document).
    void reset();
    /// Lines went out (indexes before, ascending) and others came in
    /// (indexes after, ascending); the rows from the first of them on are
    /// drawn again, as their numbers and ordinals shift.
    void linesMoved(const std::vector<int>& removed, const std::vector<int>& added);
    /// The texts of the rows from row on changed (a line rewritten in place).
    void rowsChangedFrom(int row);
    /// Rows first to last show other lines (lines that changed places).
    void rowsChanged(int first, int last);

  private:
    const CLSVorelDataFile& m_doc;
    int m_rows = 0;
};
