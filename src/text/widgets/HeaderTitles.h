#pragma once

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

/// Widens each column of a horizontal header that is narrower than its
/// title needs (the title and the style's margins, the sort mark where it
/// shows), so that a longer title of another language is not cut off;
/// columns wide enough keep their widths.
inline void FitHeaderTitles(QHeaderView* header) {
    if (!header->model()) return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c)) continue;
        QString title = header->model()->headerData(c, header->orientation()).toString();
        int need = metrics.horizontalAdvance(title) + 2 * margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == c) need += mark;
        if (header->sectionSize(c) < need) header->resizeSection(c, need);
    }
}
