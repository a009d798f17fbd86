#include "quiz/widgets/ExamLogCharts.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "text/widgets/QtText.h"

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Days of a long history without runs are left out rather than drawn as
// thousands of zeros.
constexpr qint64 kMaxFilledDays = 3700;

qint64 msecsOf(const QDate& date, int hour = 0, int minute = 0, int second = 0) {
    return QDateTime(date, QTime(hour, minute, second)).toMSecsSinceEpoch();
}

QChartView* makeView(const QString& title, QLineSeries* series, const QString& valueFormat,
                     QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 0.9);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    // The charts share a small dialog: little room goes to frames.
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    chart->addSeries(series);
    auto* x = new QDateTimeAxis(chart);
    x->setFormat("yyyy/MM/dd");
    x->setTickCount(5);
    auto* y = new QValueAxis(chart);
    y->setLabelFormat(valueFormat);
    y->setTickCount(5);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    series->setPointsVisible(true);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(150);
    return view;
}

// A time axis over the points, a day either side of a single point.
void fitAxes(QChart* chart, const QList<QPointF>& points, double yMax) {
    auto* x = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    if (!x || !y) return;
    if (points.isEmpty()) {
        QDateTime today = QDateTime::currentDateTime();
        x->setRange(today.addDays(-1), today);
        y->setRange(0, yMax);
        return;
    }
    qint64 first = static_cast<qint64>(points.front().x());
    qint64 last = static_cast<qint64>(points.back().x());
    const qint64 day = 24LL * 3600 * 1000;
    if (last - first < day) {
        first -= day / 2;
        last += day / 2;
    }
    x->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    y->setRange(0, yMax);
    if (yMax != 100) y->applyNiceNumbers();
}

}  // namespace

CLSExamLogCharts::CLSExamLogCharts(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_file = new QLabel(this);
    m_file->setWordWrap(true);
    layout->addWidget(m_file);
    m_rates = new QLineSeries(this);
    m_rates->setName(U("正解率"));
    m_counts = new QLineSeries(this);
    m_counts->setName(U("出題数"));
    m_rateView = makeView(U("正解率の推移 (%)"), m_rates, "%.0f", this);
    m_countView = makeView(U("日ごとの出題数"), m_counts, "%.0f", this);
    layout->addWidget(m_rateView, 1);
    layout->addWidget(m_countView, 1);
}

void CLSExamLogCharts::clear() {
    showStats(CLSExamLogStats(), QString());
}

void CLSExamLogCharts::showStats(const CLSExamLogStats& stats, const QString& fileName) {
    m_file->setText(fileName.isEmpty() ? QString() : U("ファイル：") + fileName);
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
