#include "text/widgets/QtPrompter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "text/TString.h"
#include "text/widgets/QtText.h"

namespace {

void prepareBox(QMessageBox& box, PromptIcon icon, const CLSTString& text) {
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
}

}  // namespace

int QtPrompter::askChoice(PromptIcon icon, const CLSTString& text,
                          const std::vector<CLSTString>& answers, int defaultAnswer) {
    QMessageBox box(m_owner);
    prepareBox(box, icon, text);
    std::vector<QPushButton*> buttons;
    for (const CLSTString& answer : answers)
        buttons.push_back(box.addButton(ToQString(answer), QMessageBox::AcceptRole));
    // Esc and the close button answer "none of these" through a button
    // nobody sees: without an escape button the box could not be closed.
    QPushButton* none = box.addButton(QCoreApplication::translate("QtPrompter", "キャンセル"),
                                      QMessageBox::RejectRole);
    none->hide();
    box.setEscapeButton(none);
    if (defaultAnswer >= 0 && defaultAnswer < static_cast<int>(buttons.size()))
        box.setDefaultButton(buttons[defaultAnswer]);
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
    }
    return -1;
}

PromptAnswer QtPrompter::ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                             int defaultButton) {
    QMessageBox box(m_owner);
    prepareBox(box, icon, text);
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
    const char* labels[] = {
        QT_TRANSLATE_NOOP("QtPrompter", "OK"), QT_TRANSLATE_NOOP("QtPrompter", "キャンセル"),
        QT_TRANSLATE_NOOP("QtPrompter", "はい(&Y)"), QT_TRANSLATE_NOOP("QtPrompter", "いいえ(&N)")};
    for (QMessageBox::StandardButton b : order) {
        int label = b == QMessageBox::Ok       ? 0
                    : b == QMessageBox::Cancel ? 1
                    : b == QMessageBox::Yes    ? 2
                                               : 3;
        box.button(b)->setText(QCoreApplication::translate("QtPrompter", labels[label]));
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
