// Import and export of 100,000 questions through the core: what the
// preview reads, the whole import, and the export.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "data/ImportExport.h"
#include "data/ImportReader.h"
#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Prompter.h"

namespace {

char g_csv[64];
char g_out[64];
char g_huge[64];

void removeFiles() {
    std::remove(g_csv);
    std::remove(g_out);
    std::remove(g_huge);
}

class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons, const CLSTString&, int) override {
        return PromptAnswer::Yes;
    }
};

const char* largeCsv() {
    if (!g_csv[0]) {
        std::snprintf(g_csv, sizeof g_csv, "/tmp/vorel-bench-csv-%d.csv",
                      static_cast<int>(::getpid()));
        std::snprintf(g_out, sizeof g_out, "/tmp/vorel-bench-out-%d.csv",
                      static_cast<int>(::getpid()));
        // UTF-8, as spreadsheets write it today.
        std::string text = "問題,答え,ヒント,コメント\r\n";
        for (int i = 0; i < 100000; ++i) {
            text += "日本語の問題文" + std::to_string(i) + ",answer" + std::to_string(i) +
                    ",\"ヒント, その" + std::to_string(i) + "\",コメント\r\n";
        }
        std::FILE* f = std::fopen(g_csv, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFiles);
    }
    return g_csv;
}

void BM_PreviewRead(benchmark::State& state) {
    CLSTString path(largeCsv());
    for (auto _ : state) {
        CLSImportProposal proposal = InspectImportFile(path);
        CLSImportLimits limits;
        limits.maxRecords = 1000;
        limits.maxFieldBytes = 2000;
        limits.cutLongFields = true;
        CLSImportReader reader;
        reader.open(path, proposal.options, limits);
        CLSTStringArray fields;
        int n = 0;
        while (reader.next(fields))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}

void BM_ImportAll(benchmark::State& state) {
    CLSTString path(largeCsv());
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSImportProposal proposal = InspectImportFile(path);
    for (auto _ : state) {
        CLSVorelDataFile doc(settings, prompter);
        benchmark::DoNotOptimize(ImportQuestions(doc, path, proposal.options, {1, 3, 2, 4}));
        state.PauseTiming();
        doc.newFile();
        state.ResumeTiming();
    }
}

void BM_ExportAll(benchmark::State& state) {
    CLSTString path(largeCsv());
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    ImportQuestions(doc, path, InspectImportFile(path).options, {1, 3, 2, 4});
    auto encoding = state.range(0) ? CLSTextEncoding::kUtf8 : CLSTextEncoding::kCp932;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportQuestions(doc, CLSTString(g_out), true, encoding));
}

// A file of 100 MB that is one quoted field: the preview shows it cut, and
// is bounded by reading over the field once.
void BM_PreviewOfOneHugeField(benchmark::State& state) {
    if (!g_huge[0]) {
        std::snprintf(g_huge, sizeof g_huge, "/tmp/vorel-bench-huge-%d.csv",
                      static_cast<int>(::getpid()));
        std::string text = "q,\"" + std::string(100u * 1024 * 1024, 'x') + "\"\r\n";
        std::FILE* f = std::fopen(g_huge, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        largeCsv();  // registers the clean-up
    }
    CLSTString path(g_huge);
    for (auto _ : state) {
        CLSImportProposal proposal = InspectImportFile(path);
        CLSImportLimits limits;
        limits.maxRecords = 1000;
        limits.maxFieldBytes = 2000;
        limits.cutLongFields = true;
        CLSImportReader reader;
        reader.open(path, proposal.options, limits);
        CLSTStringArray fields;
        while (reader.next(fields))
            benchmark::DoNotOptimize(fields.count());
    }
}

}  // namespace

BENCHMARK(BM_PreviewRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewOfOneHugeField)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ImportAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportAll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
