#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "text/TString.h"

/// The first records of an import file, one column per field; each
/// column's header is its role ("問題", "ヒント", "答え", "コメント", or
/// empty when it is not imported).
class CLSImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CLSImportPreviewModel(QObject* parent = nullptr);

    /// A role's name (ImportRoleName) as the learner reads it.
    static QString roleLabel(int role);

    /// New records; roles keep their columns and new columns get none.
    void setRecords(std::vector<CLSTStringArray> records, int columnCount);
    void setRoles(std::vector<int> roles);
    void setRole(int column, int role);
    /// One role per column (kImportIgnore for columns without one).
    const std::vector<int>& roles() const { return m_roles; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<CLSTStringArray> m_records;
    std::vector<int> m_roles;
    int m_columns = 0;
};
