#include "text/widgets/DialogButtons.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "text/widgets/DialogHelp.h"

namespace {

// The given texts are Japanese, shown in the program's language; a
// dialog's own OK text is marked for the translation where it is given.
QString buttonText(const char* japanese) {
    return QCoreApplication::translate("DialogButtons", japanese);
}

[[maybe_unused]] const char* const kHelpTexts[] = {QT_TRANSLATE_NOOP("DialogButtons", "ヘルプ(&H)"),
                                                   QT_TRANSLATE_NOOP("DialogButtons", "ヘルプ")};

}  // namespace

DialogButtonSet MakeDialogButtons(QDialog& dialog, QWidget* parent,
                                  const DialogButtonsOptions& options) {
    DialogButtonSet made;
    made.ok = new QPushButton(buttonText(options.okText), parent);
    made.ok->setDefault(true);
    if (options.cancel) {
        made.cancel =
            new QPushButton(QCoreApplication::translate("DialogButtons", "キャンセル"), parent);
        QObject::connect(made.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    if (options.helpTopic != 0) {
        int topic = options.helpTopic;
        made.help = new QPushButton(buttonText(options.helpText), parent);
        QObject::connect(made.help, &QPushButton::clicked, &dialog,
                         [&dialog, topic] { ShowDialogHelp(&dialog, topic); });
        InstallHelpKey(&dialog, topic);
    }
    return made;
}

QDialogButtonBox* DialogButtons(QDialog& dialog, const DialogButtonsOptions& options) {
    auto* box = new QDialogButtonBox(&dialog);
    DialogButtonSet made = MakeDialogButtons(dialog, box, options);
    box->addButton(made.ok, QDialogButtonBox::AcceptRole);
    if (made.cancel) box->addButton(made.cancel, QDialogButtonBox::RejectRole);
    if (made.help) box->addButton(made.help, QDialogButtonBox::HelpRole);
    return box;
}

DialogButtonSet DialogButtonRow(QDialog& dialog, QBoxLayout* row,
                                const DialogButtonsOptions& options) {
    DialogButtonSet made = MakeDialogButtons(dialog, &dialog, options);
    if (made.help) made.help->setAutoDefault(false);
    row->addStretch();
    for (QPushButton* b : {made.ok, made.cancel, made.help})
        if (b) row->addWidget(b);
    return made;
}
