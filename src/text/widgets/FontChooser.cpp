#include "text/widgets/FontChooser.h"

#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>

namespace {

// The dialog's lists (family, style, size) stand each under a label, whose
// buddy is the list or the field above it; lists and labels come in the
// same order.
void NameLists(QFontDialog& dialog) {
    QList<QListView*> lists;
    for (QListView* list : dialog.findChildren<QListView*>()) {
        if (list->window() == &dialog) lists << list;  // not a combo box's drop-down
    }
    QList<QLabel*> labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (qobject_cast<QLineEdit*>(buddy) || qobject_cast<QListView*>(buddy)) labels << label;
    }
    if (lists.size() != labels.size()) return;
    for (qsizetype i = 0; i < lists.size(); ++i) {
        QString name = labels[i]->text();
        name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        if (lists[i]->accessibleName().isEmpty()) lists[i]->setAccessibleName(name);
    }
}

}  // namespace

bool ChooseFont(QWidget* parent, const QString& title, QFont& font) {
    QFontDialog dialog(font, parent);
    dialog.setWindowTitle(title);
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    NameLists(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    font = dialog.selectedFont();
    return true;
}
