#include "app/StartUp.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "app/Resources.h"
#include "text/widgets/QtText.h"

static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

void InitVorelApplication() {
    // The pictures live in a static library: their registration must be pulled in.
    initPictures();
    InitVorelResources();
    // Qt's own texts (file dialogs, standard buttons) in Japanese, like ours.
    static QTranslator* translator = nullptr;
    if (!translator && QCoreApplication::instance()) {
        translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

bool CommandLineFile(const QStringList& arguments, CLSTString& path) {
    if (arguments.size() < 2) return false;
    QString raw = arguments.at(1).trimmed();
    // A launcher may hand over the whole command line as one quoted argument.
    if (raw.startsWith('"')) {
        int close = raw.indexOf('"', 1);
        raw = close > 0 ? raw.mid(1, close - 1) : raw.mid(1);
    }
    if (raw.isEmpty()) return false;
    QString unmappable;
    if (!FromQString(raw, path, &unmappable)) {
        QMessageBox::critical(
            nullptr, QString::fromLatin1("Vorel for Windows"),
            QString::fromUtf8("ファイル名に使えない文字があります: ") + unmappable);
        return false;
    }
    return true;
}
