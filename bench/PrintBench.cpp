// The page table of a data file of 100,000 questions, measured with a
// fixed-width font: the layout arithmetic alone, without a font engine.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "data/VorelDataFile.h"
#include "print/Print.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Prompter.h"

namespace {

class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons, const CLSTString&, int) override {
        return PromptAnswer::No;
    }
};

class FixedMetrics : public TextMetrics {
  public:
    explicit FixedMetrics(int w) : m_w(w) {}
    int textWidth(const char*, int n) const override { return n * m_w; }
    int lineHeight() const override { return 2 * m_w; }

  private:
    int m_w;
};

// A 1200 dpi printer whose every byte is a 9 point character's half.
class MeasuringTarget : public CLSPrintTarget {
  public:
    int dpiX() const override { return 1200; }
    int dpiY() const override { return 1200; }
    const TextMetrics& metrics(const CLSVorelFont& font, int rate) override {
        auto& slot = m_metrics[font.size * 1000 + rate];
        if (!slot) slot = std::make_unique<FixedMetrics>(font.size * 1200 / 144 * rate / 100);
        return *slot;
    }
    CLSMediumInfo picture(const CLSSentenceItemObject&) override {
        return {CLSMediumInfo::kPicture, 80, 80, 0};
    }

  private:
    std::map<int, std::unique_ptr<FixedMetrics>> m_metrics;
};

char g_path[64];

void removeFile() {
    std::remove(g_path);
}

const char* largeFile() {
    if (!g_path[0]) {
        std::snprintf(g_path, sizeof g_path, "/tmp/vorel-bench-print-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = "VORELDATA V3.0\r\n";
        std::string jp = Utf8ToCp932Literal("日本語の問題文です。少し長めの文で折り返しも起きる");
        for (int i = 0; i < 100000; ++i) {
            if (i % 50 == 0) text += "#Section " + std::to_string(i / 50) + ",000001\r\n";
            text += jp + std::to_string(i) + ",hint,answer" + std::to_string(i) + "|alt,,c,<" +
                    std::to_string(i % 10) + "0\r\n";
        }
        std::FILE* f = std::fopen(g_path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFile);
    }
    return g_path;
}

void BM_PageTable100k(benchmark::State& state) {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    if (!doc.loadFile(CLSTString(largeFile()))) {
        state.SkipWithError("cannot load");
        return;
    }
    MeasuringTarget target;
    int pages = 0;
    for (auto _ : state) {
        CLSPrint print(settings, doc);
        pages = print.getPageCount(target, CLSPageSetup{});
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PageTable100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
