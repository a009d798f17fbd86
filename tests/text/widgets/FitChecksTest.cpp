// The checks the dialog tests make of a window: that they do see a clipped
// text, parts laid over each other and a key two texts share, and pass a
// window that is right.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/Languages.h"

TEST(FitChecks, SeeClippedTextsOverlapsAndSharedKeys) {
    QDialog dialog;
    auto* column = new QVBoxLayout(&dialog);
    auto* label = new QLabel("A label that needs more room than it gets");
    auto* box = new QCheckBox("&Open the file when the program starts");
    auto* group = new QGroupBox("A group box with a long title");
    new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("&OK");
    auto* other = new QPushButton("Other &Options...");
    row->addWidget(ok);
    row->addWidget(other);
    for (QWidget* w :
         {static_cast<QWidget*>(label), static_cast<QWidget*>(box), static_cast<QWidget*>(group)})
        column->addWidget(w);
    column->addLayout(row);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(Clipped(&dialog), QStringList());
    EXPECT_EQ(Overlapping(&dialog), QStringList());
    EXPECT_EQ(MnemonicClashes(&dialog),
              QStringList({"&Open the file when the program starts and &OK",
                           "&Open the file when the program starts and Other &Options..."}));

    // Squeezed below what the layout asks for, every text is cut off.
    dialog.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    dialog.setMinimumSize(0, 0);
    dialog.resize(60, dialog.height());
    QApplication::processEvents();
    QStringList clipped = Clipped(&dialog);
    EXPECT_EQ(clipped.size(), 5) << clipped.join('\n').toStdString();
    ok->setGeometry(other->geometry().adjusted(-10, 0, -10, 0));
    EXPECT_EQ(Overlapping(&dialog),
              QStringList({"QPushButton '&OK' and QPushButton 'Other &Options...'"}));
}
