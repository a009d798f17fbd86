// The information pane beats ten times a second: one beat (the run's
// figures placed and drawn off-screen) during an in-order run over 100,000
// questions, where the questions left are counted over the range; and the
// study screen taking changed settings with a question on screen.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/InfoPaneText.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/StudyScreen.h"
#include "quiz/widgets/WndInfoPane.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/widgets/QtText.h"

namespace {

char g_path[64];

void removeFile() {
    std::remove(g_path);
}

const char* largeFile() {
    if (!g_path[0]) {
        std::snprintf(g_path, sizeof g_path, "/tmp/vorel-bench-pane-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = "VORELDATA V3.0\r\n";
        std::string jp = Utf8ToCp932Literal("日本語の問題文");
        for (int i = 0; i < 100000; ++i)
            text += jp + std::to_string(i) + ",,answer" + std::to_string(i) + ",,,<00\r\n";
        std::FILE* f = std::fopen(g_path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFile);
    }
    return g_path;
}

struct Running {
    CLSVorelSettings settings;
    std::unique_ptr<CLSMainWindow> window;

    Running() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, 1);
        window->resize(800, 600);
        window->show();
        window->openFile(CLSTString(largeFile()));
        window->dispatch(StudyCommand::kRunAll);
        QApplication::processEvents();
    }
    ~Running() {
        window->studyScreen()->examFinish(false);
        window->document().newFile();
    }
};

void BM_PaneRunFigures(benchmark::State& state) {
    Running r;
    for (auto _ : state)
        benchmark::DoNotOptimize(InfoPaneRunEntries(r.window->studyScreen()->exam()));
}

void BM_PaneBeatDuringARun(benchmark::State& state) {
    Running r;
    CLSWndInfoPane* pane = r.window->studyScreen()->infoPane();
    for (auto _ : state) {
        pane->tick();
        pane->repaint();
    }
}

void BM_StudyScreenTakesNewSettings(benchmark::State& state) {
    Running r;
    for (auto _ : state) {
        r.settings.setInputFieldHeight(r.settings.inputFieldHeight() == 1 ? 3 : 1);
        r.window->studyScreen()->applySettings();
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VOREL_HOME", "/tmp", 0);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitVorelApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_PaneRunFigures", BM_PaneRunFigures)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_PaneBeatDuringARun", BM_PaneBeatDuringARun)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_StudyScreenTakesNewSettings", BM_StudyScreenTakesNewSettings)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(50);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
