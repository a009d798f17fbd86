#pragma once

#include <QString>
#include <QWidget>

#include "quiz/ExamLogStats.h"

class QChartView;
class QLineSeries;
class QScatterSeries;
class QLabel;

/// The charts of the exam history for one data file: the rate of each run
/// over time, and the questions asked per day.
class CLSExamLogCharts : public QWidget {
    Q_OBJECT
  public:
    explicit CLSExamLogCharts(QWidget* parent = nullptr);

    /// Draws the figures of a file (its name as the history keeps it), with
    /// a marker on the run that started at shownRun when given.
    void showStats(const CLSExamLogStats& stats, const QString& fileName,
                   const CLSExamLogTime* shownRun = nullptr);
    /// Empties both charts.
    void clear();

    QLineSeries* rateSeries() const { return m_rates; }
    QLineSeries* countSeries() const { return m_counts; }
    QScatterSeries* shownRunSeries() const { return m_shownRun; }
    QChartView* rateView() const { return m_rateView; }
    QChartView* countView() const { return m_countView; }
    QLabel* fileLabel() const { return m_file; }

  private:
    QLabel* m_file = nullptr;
    QChartView* m_rateView = nullptr;
    QChartView* m_countView = nullptr;
    QLineSeries* m_rates = nullptr;
    QLineSeries* m_counts = nullptr;
    QScatterSeries* m_shownRun = nullptr;
};
