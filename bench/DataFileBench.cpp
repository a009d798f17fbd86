// Loading, saving and walking a data file of 100,000 questions (about 10 MB).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "data/VorelDataFile.h"
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

// Resident memory figures of this process, in kB.
long statusValue(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key)));
    }
    return 0;
}

std::string generate() {
    std::mt19937 rng(42);
    std::string out = "VORELDATA V3.0\r\n";
    auto word = [&](int n) {
        static const char* pieces[] = {"apple", "river", "north", "gamma", "light", "stone"};
        std::string w;
        for (int i = 0; i < n; ++i)
            w += pieces[rng() % 6];
        return w;
    };
    std::string jp = Utf8ToCp932Literal("日本語の問題文です");
    for (int i = 0; i < 100000; ++i) {
        if (i % 50 == 0) out += "#Section " + std::to_string(i / 50) + ",210001'comment\r\n";
        std::string line = jp + word(2) + " " + std::to_string(i);
        if (i % 20 == 0)
            line = "\\i\"pictures/p" + std::to_string(i % 7) + ".png|width=50%\"" + line;
        line += "," + word(1) + "|" + word(2);                     // hints
        line += "," + word(1) + "(s)|[a|the] " + word(1);          // answers with alternatives
        line += i % 3 == 0 ? "," + word(1) + "|" + word(1) : ",";  // choices
        line += "," + word(1);                                     // comment
        line += ",<" + std::to_string(i % 10) + "0";
        for (int h = 0; h < 3; ++h)
            line += ",1260" + std::to_string(1 + h) + "0112" + "30";
        out += line + "\r\n";
    }
    out += "$Group=a,b,c,d,e,f,g,h,i,j\r\n";
    return out;
}

char g_path[64];

void removeFiles() {
    std::remove(g_path);
    std::remove((std::string(g_path) + ".out").c_str());
}

std::string sampleFile() {
    if (!g_path[0]) {
        std::snprintf(g_path, sizeof g_path, "/tmp/vorel-bench-data-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = generate();
        std::FILE* f = std::fopen(g_path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFiles);
    }
    return g_path;
}

void BM_Load(benchmark::State& state) {
    const std::string path = sampleFile();
    CLSVorelSettings settings;
    SilentPrompter prompter;
    long before = statusValue("VmRSS:");
    long grown = 0;
    for (auto _ : state) {
        CLSVorelDataFile doc(settings, prompter);
        if (!doc.loadFile(CLSTString(path))) state.SkipWithError("load failed");
        grown = std::max(grown, statusValue("VmRSS:") - before);
        benchmark::DoNotOptimize(doc.getQuestionCount());
    }
    state.counters["document_MB"] = grown / 1024.0;
    state.counters["peak_RSS_MB"] = statusValue("VmHWM:") / 1024.0;
}

void BM_Save(benchmark::State& state) {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    doc.loadFile(CLSTString(sampleFile()));
    CLSTString out(sampleFile() + ".out");
    for (auto _ : state) {
        if (!doc.saveFile(out)) state.SkipWithError("save failed");
    }
}

void BM_SetCurrentQuestion(benchmark::State& state) {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    doc.loadFile(CLSTString(sampleFile()));
    std::mt19937 rng(1);
    for (auto _ : state) {
        int n = static_cast<int>(rng() % doc.getQuestionCount());
        doc.setCurrentQuestion(n);
        benchmark::DoNotOptimize(doc.getTimeLimit());
        benchmark::DoNotOptimize(doc.getQuestion(n));
    }
}

}  // namespace

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SetCurrentQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
