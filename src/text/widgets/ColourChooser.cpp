#include "text/widgets/ColourChooser.h"

#include <QColorDialog>
#include <QCoreApplication>

#include "text/widgets/QtText.h"

bool ChooseColour(QWidget* parent, Colour& colour) {
    // QColorDialog keeps its custom colours for the process, which is the
    // lifetime the learner expects of them.
    QColorDialog dialog(ToQColor(colour), parent);
    dialog.setWindowTitle(QCoreApplication::translate("ColourChooser", "色の設定"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    colour = FromQColor(dialog.selectedColor());
    return true;
}
