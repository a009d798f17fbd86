// Views whose style shows nothing for the focus get the program's mark, and
// the dialog tests' check sees one without it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "text/widgets/FocusMark.h"
#include "widgets/TabOrder.h"

TEST(FocusMark, MarksAViewThatShowsNoFocusOfItsOwn) {
    QDialog dialog;
    auto* column = new QVBoxLayout(&dialog);
    auto* plain = new QTextBrowser;
    auto* marked = new QTextBrowser;
    marked->setText("text");
    MarkFocusOf(marked);
    column->addWidget(plain);
    column->addWidget(marked);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(taborder::unmarkedFocus(&dialog), QStringList({"QTextBrowser ''"}));

    // The mark follows the view's size and goes with the focus.
    marked->setFocus(Qt::TabFocusReason);
    dialog.resize(dialog.width() + 40, dialog.height() + 40);
    QApplication::processEvents();
    QImage focused = marked->grab().toImage();
    QColor highlight = marked->palette().color(QPalette::Highlight);
    EXPECT_EQ(focused.pixelColor(0, focused.height() / 2), highlight);
    EXPECT_EQ(focused.pixelColor(focused.width() - 1, focused.height() / 2), highlight);
    plain->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_NE(marked->grab().toImage().pixelColor(0, focused.height() / 2), highlight);
}
