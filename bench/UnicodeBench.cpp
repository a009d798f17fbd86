// The Unicode layer over 1 MB texts: plain ASCII (the fast paths), a mix of
// scripts already in NFC, and the same mix typed with combining marks.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "text/Unicode.h"

namespace {

std::string Repeat(const char* const* words, int count) {
    std::mt19937 rng(11);
    std::string text;
    while (text.size() < 1024 * 1024) {
        text += words[rng() % count];
        text += ' ';
    }
    return text;
}

const std::string& AsciiText() {
    static const char* const words[] = {"answer", "Question", "the", "42", "quiz,", "Paris."};
    static const std::string text = Repeat(words, 6);
    return text;
}

const std::string& MixedText() {
    static const char* const words[] = {"日本語の", "テキスト", "absurdité", "Straße",
                                        "Ἀθῆναι",   "Москва",   "한국어",    "ɔ̃",
                                        "question", "👍🏽", "がぎぐ",    "ÇA"};
    static const std::string text = Repeat(words, 12);
    return text;
}

const std::string& DecomposedText() {
    static const char* const words[] = {"absurdite\u0301", "cafe\u0301", "\u304B\u3099",
                                        "C\u0327a",        "ira",        "\u1100\u1161"};
    static const std::string text = Repeat(words, 6);
    return text;
}

template <std::string (*F)(std::string_view)>
void Run(benchmark::State& state, const std::string& text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(F(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_NfcAscii(benchmark::State& state) {
    Run<NormalizeNfc>(state, AsciiText());
}
void BM_NfcMixed(benchmark::State& state) {
    Run<NormalizeNfc>(state, MixedText());
}
void BM_NfcDecomposed(benchmark::State& state) {
    Run<NormalizeNfc>(state, DecomposedText());
}
void BM_FoldCaseAscii(benchmark::State& state) {
    Run<FoldCaseFull>(state, AsciiText());
}
void BM_FoldCaseMixed(benchmark::State& state) {
    Run<FoldCaseFull>(state, MixedText());
}
void BM_StripMarksMixed(benchmark::State& state) {
    Run<StripLatinGreekMarks>(state, MixedText());
}

void BM_GraphemeCountMixed(benchmark::State& state) {
    const std::string& text = MixedText();
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphemeCount(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

// Stepping back over the whole text, cluster by cluster, as a cursor does.
void BM_PreviousGraphemeMixed(benchmark::State& state) {
    const std::string& text = MixedText();
    for (auto _ : state) {
        int steps = 0;
        for (int pos = static_cast<int>(text.size()); pos > 0;
             pos = PreviousGraphemeBoundary(text, pos)) {
            ++steps;
        }
        benchmark::DoNotOptimize(steps);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_TextColumnsMixed(benchmark::State& state) {
    const std::string& text = MixedText();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextColumns(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

}  // namespace

BENCHMARK(BM_NfcAscii);
BENCHMARK(BM_NfcMixed);
BENCHMARK(BM_NfcDecomposed);
BENCHMARK(BM_FoldCaseAscii);
BENCHMARK(BM_FoldCaseMixed);
BENCHMARK(BM_StripMarksMixed);
BENCHMARK(BM_GraphemeCountMixed);
BENCHMARK(BM_PreviousGraphemeMixed);
BENCHMARK(BM_TextColumnsMixed);

BENCHMARK_MAIN();
