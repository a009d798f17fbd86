#include "app/StartUp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "app/Accessibility.h"
#include "settings/SettingsFolder.h"
#include "text/Language.h"
#include "text/widgets/QtText.h"
#include "text/widgets/Resources.h"
#include "text/widgets/TextFromUser.h"

static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace {

void installTranslator(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, "_", folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

QIcon VorelAppIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/vorel-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QString::fromLatin1(kVorelDesktopId), icon);
}

void InitVorelApplication() {
    // The pictures live in a static library: their registration must be pulled in.
    initPictures();
    InitVorelResources();
    static bool prepared = false;
    if (prepared || !QCoreApplication::instance()) return;
    prepared = true;
    InstallAccessibleInterfaces();
    // Qt's own texts (file dialogs, standard buttons) in the program's
    // language, like ours; then the program's own translation, where the
    // language is not its own.
    QLocale locale(QString::fromStdString(ProgramLanguage()));
    installTranslator(locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    CLSTString data = ProgramDataFolder();
    if (!data.isEmpty() && !SpeaksNativeLanguage())
        installTranslator(locale, "vorel", ToQString(data) + "/translations");
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Ties the windows to the desktop entry (task bars on Wayland find
        // the icon and name through it).
        QGuiApplication::setDesktopFileName(QString::fromLatin1(kVorelDesktopId));
        QApplication::setWindowIcon(VorelAppIcon());
    }
}

bool CommandLineFile(const QString& file, CLSTString& path) {
    if (file.isEmpty()) return false;
    // No window is up yet to own the message.
    QString refusal;
    if (!PathFromChosen(file, path, refusal)) {
        QMessageBox::critical(nullptr, QString::fromLatin1("Vorel for Windows"), refusal);
        return false;
    }
    return true;
}
