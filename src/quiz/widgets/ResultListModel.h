#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "quiz/ExamSummary.h"

/// The rows of a finished run for the result list: 順番, 番号, 正誤,
/// 所要時間, 問題. It owns a copy of the rows.
class CLSResultListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CLSResultListModel(std::vector<CLSResultRow> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    /// Sorts through the core's rule (numbers as numbers, texts as CP932).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    /// The question index of a row, -1 outside the rows.
    int questionAt(int row) const;

  private:
    struct Row {
        CLSResultRow row;
        QString cells[kResultColumnCount];
    };
    std::vector<Row> m_rows;
};
