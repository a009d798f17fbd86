// What the English interface costs at start-up: loading the program's
// translation (and Qt's own) into a translator, and looking up the core's
// texts in the built-in catalogue.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/SettingsFolder.h"
#include "text/Language.h"
#include "text/widgets/QtText.h"

namespace {

QString translationFolder() {
    return ToQString(ProgramDataFolder()) + QStringLiteral("/translations");
}

void BM_LoadProgramTranslation(benchmark::State& state) {
    const QString folder = translationFolder();
    for (auto _ : state) {
        QTranslator translator;
        bool loaded = translator.load(QLocale(QStringLiteral("en")), QStringLiteral("vorel"),
                                      QStringLiteral("_"), folder);
        if (!loaded) state.SkipWithError("vorel_en.qm not found beside the program");
        benchmark::DoNotOptimize(loaded);
    }
}

void BM_LoadQtTranslation(benchmark::State& state) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (auto _ : state) {
        QTranslator translator;
        benchmark::DoNotOptimize(translator.load(
            QLocale(QStringLiteral("en")), QStringLiteral("qtbase"), QStringLiteral("_"), folder));
    }
}

// A core text looked up in English (the catalogue is searched, not loaded).
void BM_CoreTextInEnglish(benchmark::State& state) {
    SetProgramLanguage("en");
    for (auto _ : state)
        benchmark::DoNotOptimize(VT("出題方法"));
    SetProgramLanguage(kNativeLanguage);
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_LoadProgramTranslation", BM_LoadProgramTranslation)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_LoadQtTranslation", BM_LoadQtTranslation)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_CoreTextInEnglish", BM_CoreTextInEnglish);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
