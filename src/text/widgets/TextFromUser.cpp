#include "text/widgets/TextFromUser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "text/Codec.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

bool PathFromChosen(const QString& chosen, CLSTString& path, QString& refusal) {
    // Any name the file system holds is a path of the program's.
    QByteArray native = QFile::encodeName(chosen);
    refusal.clear();
    return PathFromNative(std::string(native.constData(), static_cast<size_t>(native.size())),
                          path);
}

bool PathFromChosen(const QString& chosen, CLSTString& path, Prompter& prompter) {
    QString refusal;
    if (PathFromChosen(chosen, path, refusal)) return true;
    prompter.message(PromptIcon::Error, FromQStringLossy(refusal));
    return false;
}

bool ChooseOpenPath(QWidget* parent, const QString& caption, const QString& folder,
                    const QString& filter, Prompter& prompter, CLSTString& path) {
    QString chosen = QFileDialog::getOpenFileName(parent, caption, folder, filter);
    return !chosen.isEmpty() && PathFromChosen(chosen, path, prompter);
}

bool ChooseSavePath(QWidget* parent, const QString& caption, const QString& folder,
                    const QString& filter, const char* defaultSuffix, Prompter& prompter,
                    CLSTString& path) {
    // The question below replaces the dialog's own, in the program's words.
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(defaultSuffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    QString chosen = dialog.selectedFiles().first();
    if (QFileInfo::exists(chosen) &&
        !prompter.askYesNo(PromptIcon::Warning,
                           FromQStringLossy(QCoreApplication::translate(
                               "TextFromUser", "ファイルは既に存在します。上書きしますか？")))) {
        return false;
    }
    return PathFromChosen(chosen, path, prompter);
}
