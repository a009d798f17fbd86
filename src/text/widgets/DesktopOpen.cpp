#include "text/widgets/DesktopOpen.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

UrlOpener& opener() {
    static UrlOpener o;
    return o;
}

ProgramStarter& starter() {
    static ProgramStarter s;
    return s;
}

}  // namespace

bool OpenWithDesktop(const QUrl& url) {
    if (opener()) return opener()(url);
    return QDesktopServices::openUrl(url);
}

bool StartDetachedProgram(const QString& program, const QStringList& arguments) {
    if (starter()) return starter()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void SetUrlOpener(UrlOpener o) {
    opener() = std::move(o);
}

void SetProgramStarter(ProgramStarter s) {
    starter() = std::move(s);
}

bool OpenInTextEditor(const QString& path) {
    if (OpenWithDesktop(QUrl::fromLocalFile(path))) return true;
    // No default program for text: the editors desktops ship, in turn.
    static const char* const editors[] = {"gnome-text-editor", "gedit", "kate",    "kwrite",
                                          "mousepad",          "xed",   "pluma",   "featherpad",
                                          "leafpad",           "geany", "xdg-open"};
    for (const char* editor : editors) {
        QString program = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!program.isEmpty() && StartDetachedProgram(program, {path})) return true;
    }
    return false;
}
