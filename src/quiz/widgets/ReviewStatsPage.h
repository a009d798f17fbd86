#pragma once

#include <QWidget>

#include "quiz/ReviewStats.h"

class CLSVorelDataFile;
class QBarSet;
class QChartView;
class QLabel;
class QLineSeries;

/// The history browser's "復習" page for the data file open on the study
/// screen: the questions falling due on the coming days, the questions in
/// each phase, the share of reviews remembered per week against the desired
/// retention, and the time spent per day.
class CLSReviewStatsPage : public QWidget {
    Q_OBJECT
  public:
    explicit CLSReviewStatsPage(QWidget* parent = nullptr);

    /// Draws the figures of doc, the file they were counted for.
    void showStats(const CLSReviewStats& stats, const CLSVorelDataFile& doc);

    QLabel* note() const { return m_note; }
    QChartView* dueView() const { return m_dueView; }
    QChartView* phaseView() const { return m_phaseView; }
    QChartView* retentionView() const { return m_retentionView; }
    QChartView* studyView() const { return m_studyView; }
    QBarSet* dueBars() const { return m_due; }
    /// The phases from the bottom bar up: relearning, review, learning, new.
    QBarSet* phaseBars() const { return m_phases; }
    QLineSeries* retentionSeries() const { return m_retention; }
    QLineSeries* desiredSeries() const { return m_desired; }
    QBarSet* studyBars() const { return m_study; }

  private:
    void showDue(const CLSReviewStats& stats);
    void showPhases(const CLSReviewPhaseCounts& phases);
    void showRetention(const CLSReviewStats& stats);
    void showStudy(const CLSReviewStats& stats);
    void showNote(const CLSReviewStats& stats, const CLSVorelDataFile& doc);

    QLabel* m_note = nullptr;
    QChartView* m_dueView = nullptr;
    QChartView* m_phaseView = nullptr;
    QChartView* m_retentionView = nullptr;
    QChartView* m_studyView = nullptr;
    QBarSet* m_due = nullptr;
    QBarSet* m_phases = nullptr;
    QLineSeries* m_retention = nullptr;
    QLineSeries* m_desired = nullptr;
    QBarSet* m_study = nullptr;
};
