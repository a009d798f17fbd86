#pragma once

#include <QWidget>
#include <vector>

#include "quiz/ReviewStats.h"

class CLSVorelDataFile;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

/// The history browser's "よく間違える問題" page: the questions of the file
/// open on the study screen missed most often in reviews and in past runs,
/// which the learner can choose and ask again.
class CLSMissedQuestionsPage : public QWidget {
    Q_OBJECT
  public:
    explicit CLSMissedQuestionsPage(QWidget* parent = nullptr);

    /// Lists stats.missed with the questions' texts from doc, the file they
    /// were counted for.
    void showMissed(const CLSReviewStats& stats, const CLSVorelDataFile& doc);
    /// The question indexes of the selected lines, in the list's order.
    std::vector<int> selectedQuestions() const;

    QLabel* note() const { return m_note; }
    QTableView* list() const { return m_list; }
    QPushButton* selectAllButton() const { return m_selectAll; }
    QPushButton* reaskButton() const { return m_reask; }

  signals:
    /// "選んだ問題を再出題": the selected questions, in the list's order.
    void reaskRequested(const std::vector<int>& questions);

  private:
    QLabel* m_note = nullptr;
    QTableView* m_list = nullptr;
    QStandardItemModel* m_missed = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_reask = nullptr;
};
