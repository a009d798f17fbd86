#pragma once

#include <QAbstractTableModel>

#include "quiz/ExamLogReader.h"

/// The rows of one past run, one column per field of its header row
/// (順番, 問題番号, 正誤, 所要時間, 問題, 答え, グループ, コメント).
class CLSExamLogRowModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CLSExamLogRowModel(QObject* parent = nullptr);

    /// The run to show (nullptr: none); it must outlive its showing.
    void setRecord(const CLSExamLogOne* record);
    /// The question index (問題番号 − 1) of a line; -1 when it has none.
    int questionAt(int row) const;
    /// The 正誤 text of a line.
    QString markAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    /// A field of a line (row 0 is the first after the header); false outside.
    bool field(int row, int column, std::string_view& text) const;

    const CLSExamLogOne* m_record = nullptr;
};
