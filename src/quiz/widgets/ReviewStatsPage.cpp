#include "quiz/widgets/ReviewStatsPage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "data/VorelDataFile.h"
#include "quiz/widgets/ChartStyle.h"
#include "srs/ReviewDay.h"
#include "text/widgets/FocusMark.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TabChain.h"

namespace {

constexpr int kChartHeight = 175;

void setAxisTitle(QAbstractAxis* axis, const QString& title) {
    axis->setTitleText(title);
    QFont font = axis->titleFont();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    font.setBold(false);
    axis->setTitleFont(font);
}

// A chart of one bar per day, the days from left to right; its day axis is
// labelled by labelDays().
QChartView* makeDayBars(const QString& title, const QString& valueTitle, QBarSet* bars,
                        QWidget* parent) {
    QChartView* view = MakeSmallChartView(title, parent);
    QChart* chart = view->chart();
    auto* series = new QBarSeries(chart);
    series->setBarWidth(0.8);
    series->append(bars);
    chart->addSeries(series);
    auto* x = new QCategoryAxis(chart);
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    setAxisTitle(x, QCoreApplication::translate("CLSReviewStatsPage", "日付"));
    auto* y = new QValueAxis(chart);
    y->setLabelFormat("%.0f");
    setAxisTitle(y, valueTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    // Today's name under the last bar needs room past the plot.
    chart->setMargins(QMargins(2, 2, 14, 2));
    view->setMinimumHeight(kChartHeight);
    return view;
}

QString dayText(int64_t day, int64_t today) {
    if (day == today) return QCoreApplication::translate("CLSReviewStatsPage", "今日");
    CLSCivilDate date = CivilDateOf(day);
    return U("%1/%2").arg(date.month).arg(date.day);
}

// Bars 0 to days - 1 stand for the days from firstDay; every seventh day
// is named, today among them.
void labelDays(QChart* chart, int64_t firstDay, int days, int64_t today) {
    auto* x = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    if (!x) return;
    for (const QString& label : x->categoriesLabels())
        x->remove(label);
    x->setStartValue(-0.5);
    x->setRange(-0.5, days - 0.5);
    int first = static_cast<int>(((today - firstDay) % 7 + 7) % 7);
    for (int i = first; i < days; i += 7)
        x->append(dayText(firstDay + i, today), i);
}

// The bars' values, and a count axis over them; headroom above 1 leaves
// room for the numbers past the bars' ends.
void fillBars(QChart* chart, QBarSet* bars, const std::vector<double>& values,
              Qt::Orientation counts = Qt::Vertical, double headroom = 1.0) {
    bars->remove(0, bars->count());
    bars->append(QList<qreal>(values.begin(), values.end()));
    double most = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    if (auto* axis = qobject_cast<QValueAxis*>(chart->axes(counts).value(0)))
        SetWholeNumberTicks(axis, most * headroom);
}

qint64 msecsOfDay(int64_t day) {
    QDate date = QDate(1970, 1, 1).addDays(day);
    return QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch();
}

}  // namespace

CLSReviewStatsPage::CLSReviewStatsPage(QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // A small dialog may not have the room for the four charts.
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(tr("復習の統計"));
    MarkFocusOf(scroll);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);

    m_note = new QLabel(content);
    m_note->setWordWrap(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->hide();
    column->addWidget(m_note);

    m_due = new QBarSet(tr("問題数"), this);
    m_dueView = makeDayBars(tr("今後30日の復習予定"), tr("問題数"), m_due, content);

    m_phases = new QBarSet(tr("問題数"), this);
    m_phaseView = MakeSmallChartView(tr("状態ごとの問題数"), content);
    {
        // Lying bars, so that the phases' names have room beside them.
        QChart* chart = m_phaseView->chart();
        auto* series = new QHorizontalBarSeries(chart);
        series->append(m_phases);
        chart->addSeries(series);
        auto* names = new QBarCategoryAxis(chart);
        // From the top: new to relearning.
        names->append({tr("再学習"), tr("復習"), tr("学習中"), tr("新規")});
        auto* counts = new QValueAxis(chart);
        counts->setLabelFormat("%.0f");
        setAxisTitle(counts, tr("問題数"));
        chart->addAxis(names, Qt::AlignLeft);
        chart->addAxis(counts, Qt::AlignBottom);
        series->attachAxis(names);
        series->attachAxis(counts);
        // The counts beside the bars: the axis says little of 100,000. The
        // theme writes bar labels in white, for inside the bars.
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        series->setLabelsVisible(true);
        m_phases->setLabelColor(counts->labelsColor());
        m_phaseView->setMinimumHeight(kChartHeight);
    }

    m_retentionView = MakeSmallChartView(tr("週ごとの正解率"), content);  // titled when shown
    {
        QChart* chart = m_retentionView->chart();
        m_retention = new QLineSeries(chart);
        m_retention->setName(tr("正解率"));
        m_retention->setPointsVisible(true);
        m_desired = new QLineSeries(chart);
        m_desired->setName(tr("目標の正解率"));
        QPen pen(QColor(220, 40, 40));
        pen.setStyle(Qt::DashLine);
        pen.setWidth(2);
        m_desired->setPen(pen);
        chart->addSeries(m_desired);
        chart->addSeries(m_retention);
        auto* x = new QDateTimeAxis(chart);
        setAxisTitle(x, tr("週"));
        auto* y = new QValueAxis(chart);
        y->setLabelFormat("%.0f");
        setAxisTitle(y, tr("正解率 (%)"));
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (QLineSeries* s : {m_desired, m_retention}) {
            s->attachAxis(x);
            s->attachAxis(y);
        }
        m_retentionView->setMinimumHeight(kChartHeight);
    }
    m_study = new QBarSet(tr("分"), this);
    m_studyView = makeDayBars(tr("日ごとの学習時間（過去30日）"), tr("分"), m_study, content);
    // The days ahead over the days past, the same 30 days wide.
    auto* grid = new QGridLayout;
    grid->addWidget(m_dueView, 0, 0);
    grid->addWidget(m_phaseView, 0, 1);
    grid->addWidget(m_studyView, 1, 0);
    grid->addWidget(m_retentionView, 1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);
    column->addStretch();
    scroll->setWidget(content);
    ChainTab({m_dueView, m_phaseView, m_studyView, m_retentionView});
}

void CLSReviewStatsPage::showStats(const CLSReviewStats& stats, const CLSVorelDataFile& doc) {
    showNote(stats, doc);
    showDue(stats);
    showPhases(stats.forecast.phases);
    showRetention(stats);
    showStudy(stats);
}

void CLSReviewStatsPage::showNote(const CLSReviewStats& stats, const CLSVorelDataFile& doc) {
    QStringList lines;
    const CLSReviewPhaseCounts& p = stats.forecast.phases;
    if (doc.getQuestionCount() <= 0) {
        lines << tr("問題がありません。データファイルを開くと、その復習の予定が表示されます。");
    } else if (p.learning + p.review + p.relearning == 0) {
        lines << tr("このファイルにはまだ復習した問題がありません。");
    }
    if (!stats.logProblem.empty()) {
        lines << ToQString(stats.logProblem) + tr("（正解率と学習時間は表示できません）");
    } else if (stats.logEmpty) {
        lines << tr("復習の記録はまだありません。");
    }
    m_note->setText(lines.join('\n'));
    m_note->setVisible(!lines.isEmpty());
}

void CLSReviewStatsPage::showDue(const CLSReviewStats& stats) {
    const std::vector<int64_t>& perDay = stats.forecast.perDay;
    std::vector<double> values(perDay.begin(), perDay.end());
    fillBars(m_dueView->chart(), m_due, values);
    labelDays(m_dueView->chart(), stats.today, static_cast<int>(values.size()), stats.today);
}

void CLSReviewStatsPage::showPhases(const CLSReviewPhaseCounts& phases) {
    std::vector<double> values{
        static_cast<double>(phases.relearning), static_cast<double>(phases.review),
        static_cast<double>(phases.learning), static_cast<double>(phases.fresh)};
    fillBars(m_phaseView->chart(), m_phases, values, Qt::Horizontal, 1.25);
}

void CLSReviewStatsPage::showRetention(const CLSReviewStats& stats) {
    QList<QPointF> points;
    double lowest = stats.desiredRetention * 100;
    for (const CLSRetentionWeek& w : stats.retention) {
        if (w.reviews <= 0) continue;
        double percent = 100.0 * static_cast<double>(w.right) / static_cast<double>(w.reviews);
        points.append(QPointF(msecsOfDay(w.weekStartDay), percent));
        lowest = std::min(lowest, percent);
    }
    m_retention->replace(points);
    m_retention->setPointsVisible(points.size() <= 60);

    // Weeks from Monday; without any, the last four weeks.
    int64_t firstDay = stats.today - 28;
    int64_t lastDay = stats.today;
    if (!stats.retention.empty()) {
        firstDay = stats.retention.front().weekStartDay;
        lastDay = stats.retention.back().weekStartDay;
    }
    firstDay -= 3;
    lastDay += 3;
    qint64 from = msecsOfDay(firstDay);
    qint64 to = msecsOfDay(lastDay);
    double goal = stats.desiredRetention * 100;
    m_desired->replace(QList<QPointF>{QPointF(from, goal), QPointF(to, goal)});

    QChart* chart = m_retentionView->chart();
    // The legend would take the little room there is; the title names the
    // dashed line.
    QString title = tr("週ごとの正解率（目標%1%）").arg(QString::number(goal, 'f', 0));
    chart->setTitle(title);
    m_retentionView->setAccessibleName(title);
    if (auto* x = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0))) {
        const int64_t span = lastDay - firstDay;
        x->setFormat(span <= 400 ? "MM/dd" : "yyyy/MM");
        x->setTickCount(static_cast<int>(std::clamp<int64_t>(span / 7 + 1, 2, 3)));
        x->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
    }
    if (auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0))) {
        // From a round twenty below the lowest week, so that the weeks near
        // the goal stand apart; three marks fit the small chart.
        double low = std::clamp(std::floor((lowest - 5) / 20) * 20, 0.0, 80.0);
        y->setRange(low, 100);
        y->setTickCount(3);
    }
}

void CLSReviewStatsPage::showStudy(const CLSReviewStats& stats) {
    const int days = static_cast<int>(stats.studyMinutes.size());
    fillBars(m_studyView->chart(), m_study, stats.studyMinutes);
    labelDays(m_studyView->chart(), stats.today - days + 1, days, stats.today);
}
