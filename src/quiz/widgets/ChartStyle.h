#pragma once

#include <QString>

class QChartView;
class QValueAxis;
class QWidget;

// What the history browser's charts share: small frames, a smaller title,
// and counts in whole numbers.

/// A chart with its title, no legend and little room for frames (the
/// charts share a small dialog), in a view named title for screen readers.
QChartView* MakeSmallChartView(const QString& title, QWidget* parent);

/// Whole-number ticks from 0 up to at least most, at most five marks, in
/// steps of 1, 2 or 5 times a power of ten: a count of 1 reads 0 and 1, not
/// 0, 0, 0, 1, 1.
void SetWholeNumberTicks(QValueAxis* axis, double most);
