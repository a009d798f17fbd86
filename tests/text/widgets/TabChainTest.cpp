// Tab's round through a window as the program orders it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>

#include "text/widgets/TabChain.h"
#include "widgets/TabOrder.h"

namespace {

QPushButton* buttonAt(QWidget* parent, const char* name, int x, int y) {
    auto* b = new QPushButton(name, parent);
    b->setGeometry(x, y, 60, 24);
    return b;
}

QStringList names(const std::vector<QWidget*>& chain) {
    QStringList list;
    for (QWidget* w : chain)
        list << w->property("text").toString();
    return list;
}

}  // namespace

// A window whose controls were made in another order than they stand: the
// round starts at the first control, not where the window happens to sit
// among them, and a control without focus does not break it.
TEST(TabChain, StartsAtTheFirstControlAndPassesOverThoseWithoutFocus) {
    QDialog dialog;
    dialog.resize(300, 200);
    QPushButton* ok = buttonAt(&dialog, "ok", 10, 150);
    QPushButton* help = buttonAt(&dialog, "help", 80, 150);
    auto* view = new QPushButton("view", &dialog);  // a view with parts of its own
    view->setGeometry(10, 10, 200, 100);
    new QScrollBar(view);
    auto* shown = new QCheckBox("shown", &dialog);
    shown->setGeometry(10, 120, 100, 20);
    QPushButton* painted = buttonAt(&dialog, "painted", 150, 120);
    painted->setFocusPolicy(Qt::NoFocus);
    dialog.show();
    ChainTab({view, shown, painted, ok, help});
    EXPECT_EQ(names(taborder::tabChain(&dialog)), QStringList({"view", "shown", "ok", "help"}));
}

// Rows from the top, each from the left; a taller control beside shorter
// ones is on their row.
TEST(TabChain, ReadingOrderGoesRowByRow) {
    QDialog dialog;
    dialog.resize(400, 200);
    QPushButton* c = buttonAt(&dialog, "c", 200, 60);
    QPushButton* b = buttonAt(&dialog, "b", 100, 12);
    QPushButton* tall = buttonAt(&dialog, "tall", 10, 0);
    tall->resize(60, 50);
    QPushButton* d = buttonAt(&dialog, "d", 10, 60);
    QPushButton* a = buttonAt(&dialog, "a", 200, 14);
    dialog.show();
    ChainTabInReadingOrder({c, b, tall, d, a});
    EXPECT_EQ(names(taborder::tabChain(&dialog)), QStringList({"tall", "b", "a", "d", "c"}));
    EXPECT_EQ(taborder::outOfOrder(&dialog), QStringList());
}
