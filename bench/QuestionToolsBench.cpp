// The editor's tools on a data file of 100,000 questions (with a title every
// 50 questions, a comment and a setting line every 1,000): find from the
// first line to a match on the last, conditional select over every
// question, sort by two keys and swap append, each with applying its change.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <numeric>
#include <string>

#include "data/VorelDataFile.h"
#include "editor/QuestionTools.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Prompter.h"

namespace {

constexpr int kQuestions = 100000;

class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons, const CLSTString&, int) override {
        return PromptAnswer::No;
    }
};

char g_path[64];

void removeFile() {
    std::remove(g_path);
}

// Questions in no order, so that sorting has work to do; only the last one
// holds "needle".
const char* largeFile() {
    if (!g_path[0]) {
        std::snprintf(g_path, sizeof g_path, "/tmp/vorel-bench-tools-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = "VORELDATA V3.0\r\n";
        std::string jp = Utf8ToCp932Literal("日本語の問題文");
        static const char* words[] = {"Apple", "river", "North", "gamma", "light", "stone"};
        uint32_t seed = 7;
        for (int i = 0; i < kQuestions; ++i) {
            seed = seed * 1103515245u + 12345u;
            uint32_t r = seed >> 8;
            if (i % 50 == 0) text += "#Section " + std::to_string(i / 50) + ",000001'note\r\n";
            if (i % 1000 == 0) text += "'comment " + std::to_string(i) + "\r\n$TimeLimit=30\r\n";
            std::string word = words[r % 6];
            text += word + jp + std::to_string(r % 977) + ",hint|more,answer" +
                    std::to_string(r % 101) + "|alt(s),,comment " + words[(r >> 4) % 6] + ",<" +
                    std::to_string(r % 10) + "0,12601011200,02601021200";
            if (i == kQuestions - 1) text += "\r\nneedle,,x,,,<00";
            text += "\r\n";
        }
        std::FILE* f = std::fopen(g_path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFile);
    }
    return g_path;
}

struct Loaded {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc{settings, prompter};
    std::vector<int> all;
    Loaded() {
        doc.loadFile(CLSTString(largeFile()));
        all.resize(doc.getItemCount());
        std::iota(all.begin(), all.end(), 0);
    }
};

Loaded& loaded() {
    static std::unique_ptr<Loaded> file = std::make_unique<Loaded>();
    return *file;
}

void BM_FindFirstToLastLine(benchmark::State& state) {
    Loaded& f = loaded();
    CLSTString needle("needle");
    int found = -1;
    for (auto _ : state) {
        found = FindLine(f.doc, 0, true, needle, SearchTarget::kAll);
        benchmark::DoNotOptimize(found);
    }
    if (found != f.doc.getItemCount() - 1) state.SkipWithError("the last line was not found");
    state.counters["lines"] = f.doc.getItemCount();
}
BENCHMARK(BM_FindFirstToLastLine)->Unit(benchmark::kMillisecond);

void BM_SelectByTextOverAllQuestions(benchmark::State& state) {
    Loaded& f = loaded();
    CLSSelectCondition condition;
    condition.by = SelectBy::kText;
    condition.text = CLSTString("river");
    size_t selected = 0;
    for (auto _ : state) {
        auto lines = RangeLines(f.doc, RangeKind::kQuestions, 1, f.doc.getQuestionCount());
        std::vector<int> rows = SelectLines(f.doc, *lines, condition, SelectAction::kNew, {});
        selected = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_SelectByTextOverAllQuestions)->Unit(benchmark::kMillisecond);

void BM_SelectByGroupAddingToASelection(benchmark::State& state) {
    Loaded& f = loaded();
    CLSSelectCondition condition;
    condition.group = 4;
    std::vector<int> before(f.all.begin(), f.all.begin() + f.all.size() / 2);
    for (auto _ : state) {
        auto lines = RangeLines(f.doc, RangeKind::kQuestions, 1, f.doc.getQuestionCount());
        std::vector<int> rows = SelectLines(f.doc, *lines, condition, SelectAction::kAdd, before);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SelectByGroupAddingToASelection)->Unit(benchmark::kMillisecond);

// Each round sorts the file as loaded: the change is undone outside the timing.
void BM_SortByTwoKeysAndApply(benchmark::State& state) {
    Loaded& f = loaded();
    for (auto _ : state) {
        std::vector<int> questions = SelectedQuestions(f.doc, f.all);
        CLSLineChange change =
            SortChange(f.doc, questions, {SortBy::kQuestion, false}, {SortBy::kAnswer, true});
        change.apply(f.doc);
        state.PauseTiming();
        if (change.isEmpty()) state.SkipWithError("nothing to sort");
        change.revert(f.doc);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortByTwoKeysAndApply)->Unit(benchmark::kMillisecond);

// Each round swaps every question as loaded; taking the change back and
// letting go of the lines it took (the undo stack's business) stay outside
// the timing.
void swapAllAndApply(benchmark::State& state, const CLSSwapOptions& options) {
    Loaded& f = loaded();
    for (auto _ : state) {
        std::vector<int> questions = SelectedQuestions(f.doc, f.all);
        CLSLineChange change = SwapChange(f.doc, questions, options);
        change.apply(f.doc);
        state.PauseTiming();
        change.revert(f.doc);
        { CLSLineChange gone = std::move(change); }
        state.ResumeTiming();
    }
}

void BM_SwapAppendAllAndApply(benchmark::State& state) {
    CLSSwapOptions options;
    options.copyHints = true;
    swapAllAndApply(state, options);
}
BENCHMARK(BM_SwapAppendAllAndApply)->Unit(benchmark::kMillisecond);

void BM_SwapOverwriteAllAndApply(benchmark::State& state) {
    CLSSwapOptions options;
    options.append = false;
    swapAllAndApply(state, options);
}
BENCHMARK(BM_SwapOverwriteAllAndApply)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
