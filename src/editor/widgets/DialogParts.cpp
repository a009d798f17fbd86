#include "editor/widgets/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

QDialogButtonBox* DialogButtons(QDialog& dialog, int helpTopic) {
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QString::fromUtf8("キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (helpTopic != 0) {
        QPushButton* help =
            buttons->addButton(QString::fromUtf8("ヘルプ(&H)"), QDialogButtonBox::HelpRole);
        QObject::connect(help, &QPushButton::clicked, &dialog,
                         [&dialog, helpTopic] { ShowDialogHelp(&dialog, helpTopic); });
        InstallHelpKey(&dialog, helpTopic);
    }
    return buttons;
}

bool ToCp932OrSay(QWidget* parent, const QString& text, CLSTString& out) {
    QString unmappable;
    if (FromQString(text, out, &unmappable)) return true;
    QtPrompter prompter(parent);
    prompter.message(
        PromptIcon::Warning,
        FromQStringLossy(QString::fromUtf8("Shift-JIS で表せない文字があります: ") + unmappable));
    return false;
}
