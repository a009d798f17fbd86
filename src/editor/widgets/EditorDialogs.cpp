#include "editor/widgets/EditorDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/Language.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

std::optional<std::array<CLSTString, 10>> EditGroupNames(QWidget* parent,
                                                         const std::array<CLSTString, 10>& names) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("CLSEditorDialogs", "グループ名編集"));
    auto* form = new QFormLayout;
    std::array<QLineEdit*, 10> fields{};
    static const char* const digits[] = {"０", "１", "２", "３", "４",
                                         "５", "６", "７", "８", "９"};
    for (int g = 0; g < 10; ++g) {
        fields[g] = new QLineEdit(ToQString(names[g]), &dialog);
        auto* label =
            new QLabel(QCoreApplication::translate("CLSEditorDialogs", "グループ%1")
                           .arg(SpeaksNativeLanguage() ? U(digits[g]) : QString::number(g)),
                       &dialog);
        label->setBuddy(fields[g]);
        form->addRow(label, fields[g]);
    }
    auto* column = new QVBoxLayout(&dialog);
    column->addLayout(form);
    QDialogButtonBox* buttons = DialogButtons(dialog, kHelpGroupNames);
    column->addWidget(buttons);
    std::array<CLSTString, 10> result;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        for (int g = 0; g < 10; ++g)
            result[g] = FromQStringWhole(fields[g]->text());
        dialog.accept();
    });
    fields[0]->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return result;
}

std::optional<CLSTString> EditMessage(QWidget* parent, const CLSTString& message) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("CLSEditorDialogs", "メッセージ編集"));
    auto* field = new QPlainTextEdit(&dialog);
    field->setAccessibleName(dialog.windowTitle());
    field->setTabChangesFocus(true);
    // The message keeps CR LF for its line breaks; the field works with LF.
    QString text = ToQString(message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    field->setPlainText(text);
    auto* label =
        new QLabel(QCoreApplication::translate("CLSEditorDialogs", "メッセージ(&M)"), &dialog);
    label->setBuddy(field);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(label);
    column->addWidget(field, 1);
    QDialogButtonBox* buttons = DialogButtons(dialog, kHelpMessage);
    column->addWidget(buttons);
    dialog.resize(420, 260);
    CLSTString result;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        QString typed = field->toPlainText();
        typed.replace(QChar('\n'), QStringLiteral("\r\n"));
        result = FromQStringWhole(typed);
        dialog.accept();
    });
    field->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return result;
}
