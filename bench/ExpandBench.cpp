// Expanding deeply nested answer fields: depth brackets, a letter, depth
// closers, of both kinds. The walk over the bracket tree is linear; the
// rewriting step by step (the former way, still taken by fields whose
// escapes need it) is quadratic, so it is measured only up to 10,000
// levels (100,000 took close to a minute).

#include <benchmark/benchmark.h>

#include <string>

#include "sentence/Sentence.h"

namespace {

CLSSentence nested(int depth, char open, char close) {
    return CLSSentence(CLSTString(std::string(depth, open) + "a" + std::string(depth, close)));
}

template <CLSSentenceArray (*Expand)(const CLSSentence&, CLSExpandFailure*)>
void expandNested(benchmark::State& state, char open, char close) {
    CLSSentence field = nested(static_cast<int>(state.range(0)), open, close);
    for (auto _ : state) {
        CLSSentenceArray answers = Expand(field, nullptr);
        benchmark::DoNotOptimize(answers);
    }
    state.SetComplexityN(state.range(0));
}

void ParensByWalk(benchmark::State& state) {
    expandNested<ExpandAlternatives>(state, '(', ')');
}
void BracketsByWalk(benchmark::State& state) {
    expandNested<ExpandAlternatives>(state, '[', ']');
}
void ParensByRewriting(benchmark::State& state) {
    expandNested<ExpandAlternativesStepwise>(state, '(', ')');
}
void BracketsByRewriting(benchmark::State& state) {
    expandNested<ExpandAlternativesStepwise>(state, '[', ']');
}

}  // namespace

BENCHMARK(ParensByWalk)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BracketsByWalk)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ParensByRewriting)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BracketsByRewriting)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
