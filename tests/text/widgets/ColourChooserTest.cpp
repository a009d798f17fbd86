#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include "text/widgets/ColourChooser.h"
#include "widgets/WhenModal.h"

TEST(ColourChooser, ConfirmSetsTheColourCancelKeepsItAndCustomColoursStay) {
    Colour colour = makeColour(1, 2, 3);
    whenModal<QColorDialog>([](QColorDialog* d) {
        EXPECT_EQ(d->currentColor(), QColor(1, 2, 3)) << "starts at the colour";
        d->setCurrentColor(QColor(10, 20, 30));
        QColorDialog::setCustomColor(4, QColor(5, 6, 7));
        d->accept();
    });
    EXPECT_TRUE(ChooseColour(nullptr, colour));
    EXPECT_EQ(colour, makeColour(10, 20, 30));

    whenModal<QColorDialog>([](QColorDialog* d) {
        EXPECT_EQ(QColorDialog::customColor(4), QColor(5, 6, 7)) << "kept for the run";
        d->setCurrentColor(QColor(200, 0, 0));
        d->reject();
    });
    EXPECT_FALSE(ChooseColour(nullptr, colour));
    EXPECT_EQ(colour, makeColour(10, 20, 30));
}
