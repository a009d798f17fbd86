#include "quiz/widgets/ChartStyle.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "text/widgets/FocusMark.h"

QChartView* MakeSmallChartView(const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 0.9);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(title);
    MarkFocusOf(view);
    return view;
}

void SetWholeNumberTicks(QValueAxis* axis, double most) {
    const int top = std::max(1, static_cast<int>(std::ceil(most)));
    auto marksOf = [top](int step) { return (top + step - 1) / step; };
    int step = 1;
    for (int base = 1; marksOf(step) > 4; base *= 10) {
        for (int m : {1, 2, 5}) {
            step = m * base;
            if (marksOf(step) <= 4) break;
        }
    }
    axis->setRange(0, marksOf(step) * step);
    axis->setTickCount(marksOf(step) + 1);
}
