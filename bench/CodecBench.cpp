// CP932 to UTF-8 and back over 8 MB of mixed Japanese and ASCII text, by
// the codec's tables and by iconv in one call (the floor a file load has).

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <string>

#include "text/Codec.h"

namespace {

const std::string& sampleUtf8() {
    static const std::string text = [] {
        const char* words[] = {"日本語の問題文です",
                               "answer",
                               "ソフトウェア,",
                               "12345",
                               "ｶﾀｶﾅ",
                               "a longer piece of plain text\r\n"};
        std::mt19937 rng(7);
        std::string t;
        while (t.size() < 8u * 1024 * 1024)
            t += words[rng() % 6];
        return t;
    }();
    return text;
}

const std::string& sampleCp932() {
    static const std::string text = Utf8ToCp932Literal(sampleUtf8());
    return text;
}

void BM_DecodeTables(benchmark::State& state) {
    const std::string& in = sampleCp932();
    for (auto _ : state)
        benchmark::DoNotOptimize(Cp932ToUtf8(in));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(in.size()));
}
BENCHMARK(BM_DecodeTables)->Unit(benchmark::kMillisecond);

// The same text a line at a time, as a file load converts it.
void BM_DecodeTablesByLine(benchmark::State& state) {
    const std::string& in = sampleCp932();
    for (auto _ : state) {
        size_t start = 0;
        while (start < in.size()) {
            size_t end = in.find('\n', start);
            end = end == std::string::npos ? in.size() : end + 1;
            benchmark::DoNotOptimize(Cp932ToUtf8(std::string_view(in).substr(start, end - start)));
            start = end;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(in.size()));
}
BENCHMARK(BM_DecodeTablesByLine)->Unit(benchmark::kMillisecond);

// iconv over the whole text in one call, the floor of a conversion.
void iconvOver(benchmark::State& state, const char* to, const char* from, const std::string& in,
               size_t room) {
    iconv_t cd = iconv_open(to, from);
    std::string out(room, '\0');
    for (auto _ : state) {
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char* dst = out.data();
        size_t free = out.size();
        iconv(cd, &src, &left, &dst, &free);
        benchmark::DoNotOptimize(out.data());
    }
    iconv_close(cd);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(in.size()));
}

void BM_DecodeIconv(benchmark::State& state) {
    iconvOver(state, "UTF-8", "CP932", sampleCp932(), sampleCp932().size() * 3);
}
BENCHMARK(BM_DecodeIconv)->Unit(benchmark::kMillisecond);

void BM_EncodeTables(benchmark::State& state) {
    const std::string& in = sampleUtf8();
    std::string out;
    for (auto _ : state) {
        Utf8ToCp932(in, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(in.size()));
}
BENCHMARK(BM_EncodeTables)->Unit(benchmark::kMillisecond);

void BM_EncodeIconv(benchmark::State& state) {
    iconvOver(state, "CP932", "UTF-8", sampleUtf8(), sampleUtf8().size());
}
BENCHMARK(BM_EncodeIconv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
