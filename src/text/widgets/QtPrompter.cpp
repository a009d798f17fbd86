#include "text/widgets/QtPrompter.h"

#include <QMessageBox>
#include <QPushButton>

#include "text/TString.h"
#include "text/widgets/QtText.h"

PromptAnswer QtPrompter::ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                             int defaultButton) {
    QMessageBox box(m_owner);
    box.setWindowTitle(QString::fromLatin1(kAppTitle));
    box.setText(ToQString(text));
    switch (icon) {
        case PromptIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case PromptIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case PromptIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case PromptIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    QList<QMessageBox::StandardButton> order;
    switch (buttons) {
        case PromptButtons::Ok:
            order = {QMessageBox::Ok};
            break;
        case PromptButtons::OkCancel:
            order = {QMessageBox::Ok, QMessageBox::Cancel};
            break;
        case PromptButtons::YesNo:
            order = {QMessageBox::Yes, QMessageBox::No};
            break;
        case PromptButtons::YesNoCancel:
            order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
            break;
    }
    QMessageBox::StandardButtons set;
    for (QMessageBox::StandardButton b : order)
        set |= b;
    box.setStandardButtons(set);
    const char* labels[] = {"OK", "キャンセル", "はい(&Y)", "いいえ(&N)"};
    for (QMessageBox::StandardButton b : order) {
        int label = b == QMessageBox::Ok       ? 0
                    : b == QMessageBox::Cancel ? 1
                    : b == QMessageBox::Yes    ? 2
                                               : 3;
        box.button(b)->setText(QString::fromUtf8(labels[label]));
    }
    if (defaultButton >= 0 && defaultButton < order.size())
        box.setDefaultButton(order[defaultButton]);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            // Closing the box answers as its last button does.
            return buttons == PromptButtons::YesNo ? PromptAnswer::No
                   : buttons == PromptButtons::Ok  ? PromptAnswer::Ok
                                                   : PromptAnswer::Cancel;
    }
}
