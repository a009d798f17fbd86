// Printing with real fonts: the page table of a data file of 100,000
// questions, one preview page drawn at 100 %, and the PDF of the example
// file and of a 50-page file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/VorelDataFile.h"
#include "print/Print.h"
#include "print/widgets/DlgPreview.h"
#include "print/widgets/PainterTarget.h"
#include "print/widgets/PdfExport.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

namespace {

class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons, const CLSTString&, int) override {
        return PromptAnswer::No;
    }
};

std::string g_large;
std::string g_fifty;

void removeFiles() {
    if (!g_large.empty()) std::remove(g_large.c_str());
    if (!g_fifty.empty()) std::remove(g_fifty.c_str());
}

std::string writeFile(const char* name, int questions) {
    std::string path =
        "/tmp/vorel-bench-" + std::string(name) + "-" + std::to_string(::getpid()) + ".vrf";
    std::string text = "VORELDATA V3.0\r\n";
    std::string jp = Utf8ToCp932Literal("日本語の問題文です。少し長めの文で折り返しも起きる");
    for (int i = 0; i < questions; ++i) {
        if (i % 50 == 0) text += "#Section " + std::to_string(i / 50) + ",000001\r\n";
        text += jp + std::to_string(i) + ",hint,answer" + std::to_string(i) + "|alt,,c,<" +
                std::to_string(i % 10) + "0\r\n";
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    std::atexit(removeFiles);
    return path;
}

struct Loaded {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc{settings, prompter};
    explicit Loaded(const std::string& path) { ok = doc.loadFile(CLSTString(path)); }
    bool ok = false;
};

std::string exampleFile() {
    return std::string(VOREL_SOURCE_DIR) + "/examples/sample.vrf";
}

void BM_PageTable100kRealFonts(benchmark::State& state) {
    if (g_large.empty()) g_large = writeFile("print-large", 100000);
    Loaded file(g_large);
    if (!file.ok) return state.SkipWithError("cannot load");
    int pages = 0;
    for (auto _ : state) {
        CLSPrint print(file.settings, file.doc);
        CLSPainterTarget target(1200, 1200, file.doc.getFolder());
        pages = print.getPageCount(target, CommandLinePageSetup());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PageTable100kRealFonts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PreviewPageAt100(benchmark::State& state) {
    Loaded file(exampleFile());
    if (!file.ok) return state.SkipWithError("cannot load");
    CLSPrint print(file.settings, file.doc);
    CLSPainterTarget target(1200, 1200, file.doc.getFolder());
    CLSPageSetup setup = CommandLinePageSetup();
    print.getPageCount(target, setup);
    for (auto _ : state) {
        QImage page = RenderPreviewPage(print, target, setup, 0, 100, QSize(96, 96));
        benchmark::DoNotOptimize(page.bits());
    }
}
BENCHMARK(BM_PreviewPageAt100)->Unit(benchmark::kMillisecond);

void BM_PdfOfTheExample(benchmark::State& state) {
    for (auto _ : state) {
        Loaded file(exampleFile());
        CLSPrint print(file.settings, file.doc);
        QByteArray pdf;
        int pages = PrintToPdf(print, CommandLinePageSetup(), pdf);
        state.counters["pages"] = pages;
        state.counters["bytes"] = pdf.size();
    }
}
BENCHMARK(BM_PdfOfTheExample)->Unit(benchmark::kMillisecond);

void BM_PdfOf50Pages(benchmark::State& state) {
    // About 20 questions a page on A4.
    if (g_fifty.empty()) g_fifty = writeFile("print-fifty", 1000);
    for (auto _ : state) {
        Loaded file(g_fifty);
        CLSPrint print(file.settings, file.doc);
        QByteArray pdf;
        int pages = PrintToPdf(print, CommandLinePageSetup(), pdf);
        state.counters["pages"] = pages;
        state.counters["bytes"] = pdf.size();
    }
}
BENCHMARK(BM_PdfOf50Pages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
