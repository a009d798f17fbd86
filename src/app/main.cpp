// Vorel: start-up, the main window and the end of the run.

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "print/widgets/PdfExport.h"
#include "settings/ProgramLanguage.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Clock.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

namespace {

// Help, version and errors of the command line end the program before any
// window; their texts go to the terminal.
bool finishedByCommandLine(const CLSCommandLine& line, int& status) {
    if (line.action == CLSCommandLine::Action::Run) return false;
    if (line.action == CLSCommandLine::Action::PrintPdf) return false;
    std::FILE* out = line.action == CLSCommandLine::Action::Error ? stderr : stdout;
    std::fputs(line.text.toLocal8Bit().constData(), out);
    status = line.exitStatus();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("Vorel");
    QCoreApplication::setApplicationVersion(VOREL_VERSION_TEXT);
    StartProgramLanguage();
    int status = 0;
    // The command line is judged before the window system is needed, so
    // that --help, --version and a mistyped option are answered in a
    // terminal without a display.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    CLSCommandLine first = ParseCommandLine(raw);
    if (finishedByCommandLine(first, status)) return status;
    // Printing to a PDF needs no screen, so that scripts run it anywhere.
    if (first.action == CLSCommandLine::Action::PrintPdf &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    // Qt has taken its own options out; what is left names the file.
    CLSCommandLine line = ParseCommandLine(QApplication::arguments());
    if (finishedByCommandLine(line, status)) return status;
    InstallFontSubstitutions();
    if (line.action == CLSCommandLine::Action::PrintPdf)
        return PrintPdfCommand(line.pdfOutput, line.file);
    InitVorelApplication();

    CLSVorelSettings settings;
    try {
        CLSTraceScope trace("VorelInitialize");
        SetTraceFilePath(NativePath(TraceFilePath()));
        settings.setExamLogName(DefaultExamLogPath());
        settings.loadSettings(SettingsFilePath());
        settings.loadVagueFile(VagueFilePath());

        CLSMainWindow window(settings, static_cast<uint32_t>(SystemClock().ticks()));
        window.restorePlacement();
        window.show();
        CLSTString file;
        if (CommandLineFile(line.file, file)) {
            window.openFile(file);
        } else if (line.file.isEmpty() && settings.loadLastFile() &&
                   settings.recentFileCount() > 0) {
            window.openFile(settings.recentFile(0));
        }
        status = app.exec();
    } catch (const CLSError& e) {
        QtPrompter prompter;
        showError(e, prompter);
    }
    // The end of the run: the settings and the vague-match table are written.
    settings.saveSettings(SettingsFilePath());
    settings.saveVagueFile(VagueFilePath());
    return status;
}
