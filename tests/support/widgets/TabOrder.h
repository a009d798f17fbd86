#pragma once

// Whether Tab walks a window's fields in the order a reader sees them.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "widgets/QtPrinting.h"

namespace taborder {

// A widget Tab stops at, and not a part of another one (a spin box's or an
// editable combo box's line edit).
inline bool stopsTab(QWidget* w, QWidget* root) {
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) return false;
    if (w->focusProxy()) return false;
    for (QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
        if (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p)) return false;
    }
    return w != root && root->isAncestorOf(w);
}

inline QString nameOf(QWidget* w) {
    QString text = w->property("text").toString();
    if (text.isEmpty()) text = w->property("title").toString();
    return QString::fromLatin1(w->metaObject()->className()) + " '" + text + "'";
}

/// The widgets Tab stops at, from the first one after root, once round.
inline std::vector<QWidget*> tabChain(QWidget* root) {
    std::vector<QWidget*> chain;
    QWidget* w = root->nextInFocusChain();
    for (int guard = 0; w != root && guard < 10000; ++guard, w = w->nextInFocusChain()) {
        if (stopsTab(w, root)) chain.push_back(w);
    }
    return chain;
}

/// The steps of Tab that go against reading order. Each stop should come
/// after the one before it: further down, or to the right on the same row;
/// moving up is only right, into a column beside (a dialog's buttons).
/// tolerance covers widgets of one row that differ in height.
inline QStringList outOfOrder(QWidget* root, int tolerance = 8) {
    QStringList steps;
    std::vector<QWidget*> chain = tabChain(root);
    for (size_t i = 1; i < chain.size(); ++i) {
        QRect a(chain[i - 1]->mapTo(root, QPoint(0, 0)), chain[i - 1]->size());
        QRect b(chain[i]->mapTo(root, QPoint(0, 0)), chain[i]->size());
        bool sameRow = std::abs(b.top() - a.top()) <= tolerance ||
                       (b.top() < a.bottom() && a.top() < b.bottom() &&
                        std::abs(b.center().y() - a.center().y()) <= tolerance);
        bool ok = sameRow ? b.left() >= a.left() - tolerance
                          : b.top() > a.top() || b.left() >= a.right() - tolerance;
        if (!ok) {
            steps << QString("%1 at (%2,%3) to %4 at (%5,%6)")
                         .arg(nameOf(chain[i - 1]))
                         .arg(a.x())
                         .arg(a.y())
                         .arg(nameOf(chain[i]))
                         .arg(b.x())
                         .arg(b.y());
        }
    }
    return steps;
}

/// The stops of Tab that look the same focused and not: a learner on the
/// keyboard would not see where the focus is. Needs the window active;
/// the focus returns where it was.
inline QStringList unmarkedFocus(QWidget* root) {
    QStringList unmarked;
    QWidget* was = QApplication::focusWidget();
    // As after a Tab: the style marks the focus only once the keyboard has moved it.
    root->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    for (QWidget* w : tabChain(root)) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        if (!w->hasFocus()) continue;  // a window not active: nothing to compare
        QImage focused = w->grab().toImage();
        w->clearFocus();
        QApplication::processEvents();
        // A dialog's default button looks focused whenever no other button
        // is: its mark is there either way.
        auto* button = qobject_cast<QPushButton*>(w);
        if (button && button->isDefault()) continue;
        if (focused == w->grab().toImage()) unmarked << nameOf(w);
    }
    if (was) was->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    return unmarked;
}

inline void expectTabFollowsScreen(QWidget* root, const char* what, int tolerance = 8) {
    EXPECT_GE(tabChain(root).size(), 1u) << what;
    EXPECT_EQ(outOfOrder(root, tolerance), QStringList()) << what;
}

}  // namespace taborder
