#include "quiz/widgets/ExamLogCharts.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "quiz/widgets/ChartStyle.h"
#include "text/widgets/QtText.h"

namespace {

// Days of a long history without runs are left out rather than drawn as
// thousands of zeros.
constexpr qint64 kMaxFilledDays = 3700;

qint64 msecsOf(const QDate& date, int hour = 0, int minute = 0, int second = 0) {
    return QDateTime(date, QTime(hour, minute, second)).toMSecsSinceEpoch();
}

QChartView* makeView(const QString& title, QLineSeries* series, const QString& valueFormat,
                     QWidget* parent) {
    QChartView* view = MakeSmallChartView(title, parent);
    QChart* chart = view->chart();
    chart->addSeries(series);
    auto* x = new QDateTimeAxis(chart);
    auto* y = new QValueAxis(chart);
    y->setLabelFormat(valueFormat);
    y->setTickCount(5);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    series->setPointsVisible(true);
    view->setMinimumHeight(150);
    return view;
}

// A time axis over the points. Its labels name the time of day while the
// runs lie within less than three days, else the day or the month; there are never
// more marks than distinct labels, so no label repeats.
void fitTimeAxis(QDateTimeAxis* x, const QList<QPointF>& points) {
    const qint64 hour = 3600LL * 1000;
    const qint64 day = 24 * hour;
    qint64 first = 0;
    qint64 last = 0;
    if (points.isEmpty()) {
        last = QDateTime::currentDateTime().toMSecsSinceEpoch();
        first = last - day;
    } else {
        first = static_cast<qint64>(points.front().x());
        last = static_cast<qint64>(points.back().x());
    }
    if (last - first < hour) {
        qint64 middle = first + (last - first) / 2;
        first = middle - hour / 2;
        last = middle + hour / 2;
    }
    qint64 span = last - first;
    int marks = 5;
    if (span < 3 * day) {
        x->setFormat("MM/dd hh:mm");
    } else if (span <= 400 * day) {
        x->setFormat("MM/dd");
        marks = static_cast<int>(std::min<qint64>(5, span / day + 1));
    } else {
        x->setFormat("yyyy/MM");
        marks = static_cast<int>(std::min<qint64>(5, span / (31 * day) + 1));
    }
    x->setTickCount(std::max(2, marks));
    x->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
}

void fitAxes(QChart* chart, const QList<QPointF>& points, double yMax) {
    auto* x = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    if (!x || !y) return;
    fitTimeAxis(x, points);
    if (yMax == 100) {
        y->setRange(0, 100);
        y->setTickCount(5);
    } else {
        SetWholeNumberTicks(y, yMax);
    }
}

}  // namespace

CLSExamLogCharts::CLSExamLogCharts(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_file = new QLabel(this);
    m_file->setWordWrap(true);
    layout->addWidget(m_file);
    m_rates = new QLineSeries(this);
    m_rates->setName(tr("正解率"));
    m_counts = new QLineSeries(this);
    m_counts->setName(tr("出題数"));
    m_rateView = makeView(tr("正解率の推移 (%)"), m_rates, "%.0f", this);
    // The run shown in the list, marked on its line.
    m_shownRun = new QScatterSeries(this);
    m_shownRun->setName(tr("表示中の出題"));
    m_shownRun->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    m_shownRun->setMarkerSize(11);
    m_shownRun->setColor(QColor(220, 40, 40));
    QChart* rateChart = m_rateView->chart();
    rateChart->addSeries(m_shownRun);
    for (QAbstractAxis* axis : rateChart->axes())
        m_shownRun->attachAxis(axis);
    m_countView = makeView(tr("日ごとの出題数"), m_counts, "%.0f", this);
    layout->addWidget(m_rateView, 1);
    layout->addWidget(m_countView, 1);
}

void CLSExamLogCharts::clear() {
    showStats(CLSExamLogStats(), QString());
}

void CLSExamLogCharts::showStats(const CLSExamLogStats& stats, const QString& fileName,
                                 const CLSExamLogTime* shownRun) {
    m_file->setText(fileName.isEmpty() ? QString() : tr("ファイル：") + fileName);
    QList<QPointF> rates;
    rates.reserve(static_cast<qsizetype>(stats.rates.size()));
    for (const CLSExamRatePoint& p : stats.rates) {
        QDate date(p.time.year, p.time.month, p.time.day);
        if (!date.isValid()) continue;
        rates.append(QPointF(msecsOf(date, p.time.hour, p.time.minute, p.time.second), p.percent));
    }
    std::sort(rates.begin(), rates.end(),
              [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    m_rates->replace(rates);
    // Many runs make a line of dots too dense to read.
    m_rates->setPointsVisible(rates.size() <= 200);
    fitAxes(m_rateView->chart(), rates, 100);
    QList<QPointF> shown;
    for (const CLSExamRatePoint& p : stats.rates) {
        QDate date(p.time.year, p.time.month, p.time.day);
        if (shownRun && p.time == *shownRun && date.isValid()) {
            shown.append(
                QPointF(msecsOf(date, p.time.hour, p.time.minute, p.time.second), p.percent));
            break;
        }
    }
    m_shownRun->replace(shown);

    QList<QPointF> counts;
    double most = 1;
    QDate previous;
    for (const CLSExamDayCount& d : stats.days) {
        QDate date(d.year, d.month, d.day);
        if (!date.isValid()) continue;
        if (previous.isValid() && previous < date && previous.daysTo(date) <= kMaxFilledDays) {
            for (QDate gap = previous.addDays(1); gap < date; gap = gap.addDays(1))
                counts.append(QPointF(msecsOf(gap), 0));
        }
        counts.append(QPointF(msecsOf(date), d.questions));
        most = std::max(most, static_cast<double>(d.questions));
        previous = date;
    }
    std::sort(counts.begin(), counts.end(),
              [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    m_counts->replace(counts);
    m_counts->setPointsVisible(counts.size() <= 200);
    fitAxes(m_countView->chart(), counts, most);
}
