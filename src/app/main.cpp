// Vorel: start-up, the main window and the end of the run.

#include <QApplication>
#include <QMessageBox>

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Clock.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorel");
    InstallFontSubstitutions();
    InitVorelApplication();

    CLSVorelSettings settings;
    int status = 0;
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
        if (CommandLineFile(QApplication::arguments(), file)) {
            window.openFile(file);
        } else if (settings.loadLastFile() && settings.recentFileCount() > 0) {
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
