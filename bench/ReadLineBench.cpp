// Throughput of the line and record readers over a generated 20 MB file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "text/FileFingerprint.h"
#include "text/FileReadLine.h"

namespace {

const std::string& sampleFile() {
    static const std::string path = [] {
        std::string p = "/tmp/vorel-bench-readline-" + std::to_string(::getpid()) + ".csv";
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::mt19937 rng(7);
        std::string line;
        size_t written = 0;
        const char* words[] = {"\x93\xfa\x96\x7b\x8c\xea", "answer",
                               "\"quoted, text\"",         "12345",
                               "\x83\x5c\x83\x74\x83\x67", "a longer piece of plain text"};
        while (written < 20u * 1024 * 1024) {
            line.clear();
            int fields = 3 + rng() % 6;
            for (int i = 0; i < fields; ++i) {
                if (i) line += ',';
                line += words[rng() % 6];
            }
            line += "\r\n";
            std::fwrite(line.data(), 1, line.size(), f);
            written += line.size();
        }
        std::fclose(f);
        std::atexit([] { std::remove(sampleFile().c_str()); });
        return p;
    }();
    return path;
}

void BM_ReadLine(benchmark::State& state) {
    const std::string& path = sampleFile();
    int64_t bytes = 0;
    for (auto _ : state) {
        CLSFileReadLine file;
        file.openNative(path);
        bytes += file.getRemaining();
        CLSTString line;
        int count = 0;
        while (file.readLine(line))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(bytes);
}

void BM_ReadFields(benchmark::State& state) {
    const std::string& path = sampleFile();
    int64_t bytes = 0;
    for (auto _ : state) {
        CLSFileReadLine file;
        file.openNative(path);
        bytes += file.getRemaining();
        CLSTStringArray fields;
        int count = 0;
        while (file.readFields(fields, ','))
            count += fields.count();
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(bytes);
}

}  // namespace

// The fingerprint's hash alone, over 20 MB in the reader's chunk size.
void BM_ByteHash(benchmark::State& state) {
    std::string bytes(20u * 1024 * 1024, '\0');
    std::mt19937 rng(3);
    for (char& c : bytes)
        c = static_cast<char>(rng());
    for (auto _ : state) {
        CLSByteHash hash;
        for (size_t at = 0; at < bytes.size(); at += 65536)
            hash.add(bytes.data() + at, std::min<size_t>(65536, bytes.size() - at));
        benchmark::DoNotOptimize(hash.value());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

BENCHMARK(BM_ReadLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ByteHash)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFields)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
