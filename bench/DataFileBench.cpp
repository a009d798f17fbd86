// Loading, saving and walking a data file of 100,000 questions (about 10 MB),
// in Shift-JIS and in UTF-8, and a UTF-8 file of half a million (about 100 MB).

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

// The file's text in UTF-8: Japanese questions, or (accented) French with
// IPA answers, combining marks included.
std::string generate(int questions, bool french) {
    std::mt19937 rng(42);
    std::string out = "VORELDATA V3.0\r\n";
    auto word = [&](int n) {
        static const char* pieces[] = {"apple", "river", "north", "gamma", "light", "stone"};
        static const char* accented[] = {"été", "forêt", "naïve", "cœur", "abstʀaksjɔ̃", "ɛ̃fɑ̃"};
        std::string w;
        for (int i = 0; i < n; ++i)
            w += french ? accented[rng() % 6] : pieces[rng() % 6];
        return w;
    };
    const std::string text = french ? "Traduisez « le mot »" : "日本語の問題文です";
    for (int i = 0; i < questions; ++i) {
        if (i % 50 == 0) out += "#Section " + std::to_string(i / 50) + ",210001'comment\r\n";
        std::string line = text + word(2) + " " + std::to_string(i);
        if (i % 20 == 0)
            line = "\\i\"pictures/p" + std::to_string(i % 7) + ".png|width=50%\"" + line;
        line += "," + word(1) + "|" + word(2);                     // hints
        line += "," + word(1) + "(s)|[a|the] " + word(1);          // answers with alternatives
        line += i % 3 == 0 ? "," + word(1) + "|" + word(1) : ",";  // choices
        line += "," + word(french ? 4 : 1);                        // comment
        line += ",<" + std::to_string(i % 10) + "0";
        for (int h = 0; h < 3; ++h)
            line += ",1260" + std::to_string(1 + h) + "0112" + "30";
        out += line + "\r\n";
    }
    out += "$Group=a,b,c,d,e,f,g,h,i,j\r\n";
    return out;
}

// The benchmark files, made once each: the 100,000 questions in Shift-JIS
// and in UTF-8, and half a million French ones (about 100 MB) in UTF-8.
enum FileKind { kShiftJis, kUtf8, kLargeFrench, kFileKinds };

std::string g_paths[kFileKinds];

void removeFiles() {
    for (const std::string& path : g_paths) {
        if (path.empty()) continue;
        std::remove(path.c_str());
        std::remove((path + ".out").c_str());
    }
}

std::string sampleFile(FileKind kind = kShiftJis) {
    std::string& path = g_paths[kind];
    if (path.empty()) {
        path = "/tmp/vorel-bench-data-" + std::to_string(::getpid()) + "-" + std::to_string(kind) +
               ".vrf";
        std::string text = kind == kShiftJis ? Utf8ToCp932Literal(generate(100000, false))
                           : kind == kUtf8   ? "\xEF\xBB\xBF" + generate(100000, false)
                                             : "\xEF\xBB\xBF" + generate(500000, true);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        static bool registered = false;
        if (!registered) std::atexit(removeFiles);
        registered = true;
    }
    return path;
}

void BM_Load(benchmark::State& state) {
    const std::string path = sampleFile(static_cast<FileKind>(state.range(0)));
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
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    state.counters["file_MB"] = static_cast<double>(file.tellg()) / (1024.0 * 1024.0);
    state.counters["document_MB"] = grown / 1024.0;
    state.counters["peak_RSS_MB"] = statusValue("VmHWM:") / 1024.0;
}

void BM_Save(benchmark::State& state) {
    const std::string path = sampleFile(static_cast<FileKind>(state.range(0)));
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    doc.loadFile(CLSTString(path));
    CLSTString out(path + ".out");
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

// Argument: 0 Shift-JIS, 1 the same questions in UTF-8, 2 half a million in UTF-8.
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(5)->Arg(kShiftJis)->Arg(kUtf8);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(5)->Arg(kShiftJis)->Arg(kUtf8);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(2)->Arg(kLargeFrench);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(2)->Arg(kLargeFrench);
BENCHMARK(BM_SetCurrentQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
