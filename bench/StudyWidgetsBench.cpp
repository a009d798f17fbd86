// The study screen with a data file of 100,000 questions: start-up to the
// idle panel, and an answer from pressing "答え" to the next question shown
// (the answer dialog closes itself after 1 ms).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/StudyScreen.h"
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
        std::snprintf(g_path, sizeof g_path, "/tmp/vorel-bench-study-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = "VORELDATA V3.0\r\n";
        std::string jp = Utf8ToCp932Literal("日本語の問題文");
        for (int i = 0; i < 100000; ++i) {
            if (i % 50 == 0) text += "#Section " + std::to_string(i / 50) + ",000001\r\n";
            text += jp + std::to_string(i) + ",hint|more,answer" + std::to_string(i) +
                    "|alt(s),,c,<" + std::to_string(i % 10) + "0,12601011200,02601021200\r\n";
        }
        std::FILE* f = std::fopen(g_path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFile);
    }
    return g_path;
}

std::unique_ptr<CLSVorelSettings> quietSettings() {
    auto settings = std::make_unique<CLSVorelSettings>();
    settings->setFlag(CLSVorelSettings::kSaveExamLog, false);
    settings->setFlag(CLSVorelSettings::kSound, false);
    return settings;
}

void BM_StartupToIdlePanel(benchmark::State& state) {
    const char* path = largeFile();
    for (auto _ : state) {
        auto settings = quietSettings();
        CLSMainWindow window(*settings, 1);
        window.resize(800, 600);
        window.show();
        window.openFile(CLSTString(path));
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.document().getQuestionCount());
        state.PauseTiming();
        window.document().newFile();  // not part of start-up
        state.ResumeTiming();
    }
}

void BM_AnswerToNextQuestion(benchmark::State& state) {
    auto settings = quietSettings();
    settings->setAnsDlgAutoClickTime(1);
    CLSMainWindow window(*settings, 1);
    window.resize(800, 600);
    window.show();
    window.openFile(CLSTString(largeFile()));
    window.dispatch(StudyCommand::kRunRandom);
    QApplication::processEvents();
    for (auto _ : state) {
        window.studyScreen()->checkAnswer();
        QApplication::processEvents();
    }
    window.studyScreen()->examFinish(false);
    window.document().newFile();
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VOREL_HOME", "/tmp", 0);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitVorelApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_StartupToIdlePanel", BM_StartupToIdlePanel)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("BM_AnswerToNextQuestion", BM_AnswerToNextQuestion)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
