#include "text/widgets/TabChain.h"

#include <QRect>
#include <QWidget>
#include <algorithm>

namespace {

QRect PlaceInWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Whether b stands on the row that a starts.
bool SameRow(const QRect& a, const QRect& b) {
    int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap * 2 >= std::min(a.height(), b.height());
}

}  // namespace

void ChainTab(const std::vector<QWidget*>& controls) {
    auto first = std::find_if(controls.begin(), controls.end(), [](QWidget* w) { return w; });
    if (first == controls.end()) return;
    // Qt passes over widgets without focus when it decides whether an order
    // already holds, the window among them: the round would come out right
    // but start in its middle, where the window stands.
    QWidget* window = (*first)->window();
    const Qt::FocusPolicy policy = window->focusPolicy();
    if (policy == Qt::NoFocus) window->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (!w || w->focusPolicy() == Qt::NoFocus) continue;  // Qt would not chain it
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
    window->setFocusPolicy(policy);
}

void ChainTabInReadingOrder(std::vector<QWidget*> controls) {
    std::erase(controls, nullptr);
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
        return PlaceInWindow(a).top() < PlaceInWindow(b).top();
    });
    // Rows from the top: a control joins the row of the first one it shares
    // a line with, then each row reads from the left.
    std::vector<QWidget*> ordered;
    size_t start = 0;
    while (start < controls.size()) {
        const QRect first = PlaceInWindow(controls[start]);
        size_t end = start + 1;
        while (end < controls.size() && SameRow(first, PlaceInWindow(controls[end])))
            ++end;
        std::stable_sort(controls.begin() + start, controls.begin() + end,
                         [](QWidget* a, QWidget* b) {
                             return PlaceInWindow(a).left() < PlaceInWindow(b).left();
                         });
        ordered.insert(ordered.end(), controls.begin() + start, controls.begin() + end);
        start = end;
    }
    ChainTab(ordered);
}
