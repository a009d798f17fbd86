// The review log: appending one judged answer to the file (each one a
// transaction that reaches the disk), and the statistics and the read for
// refitting over a year of daily study (100,000 reviews).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "srs/ReviewDay.h"
#include "srs/SqliteReviewLog.h"
#include "text/Paths.h"

namespace {

// A folder of its own, removed at the end.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern = TempFolder() + "/vorel-bench-XXXXXX";
        m_path = ::mkdtemp(pattern.data()) ? pattern : TempFolder();
    }
    ~BenchFolder() {
        std::error_code ec;
        if (m_path != TempFolder()) std::filesystem::remove_all(m_path, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string file(const char* name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

const char* const kDataFile = "/home/learner/単語帳/英単語 3000.vrf";
const int64_t kYearStart = LocalToUtcMillis(2026, 1, 1, 8, 0, 540);

CLSReviewRecord review(std::mt19937& rng, int64_t at) {
    CLSReviewRecord r;
    r.questionId = rng() % 5000;
    r.dataFile = kDataFile;
    r.utcMs = at;
    r.utcOffsetMinutes = 540;
    r.grade = rng() % 8 ? 3 : 1;
    r.stateBefore = static_cast<int>(rng() % 4);
    r.stabilityBefore = 12.5;
    r.difficultyBefore = 5.25;
    r.answerMs = 2000 + rng() % 8000;
    return r;
}

std::unique_ptr<CLSSqliteReviewLog> openLog(const std::string& path, benchmark::State& state) {
    auto log = CLSSqliteReviewLog::open(CLSTString(path));
    if (!log) {
        state.SkipWithError(log.error().c_str());
        return nullptr;
    }
    return std::move(*log);
}

void BM_AppendOneReviewToFile(benchmark::State& state) {
    BenchFolder folder;
    auto log = openLog(folder.file("REVIEWLOG.DB"), state);
    if (!log) return;
    std::mt19937 rng(1);
    int64_t at = LocalToUtcMillis(2026, 12, 8, 9, 30, 540);
    for (auto _ : state) {
        auto row = log->append(review(rng, at += 7000));
        if (!row) state.SkipWithError(row.error().c_str());
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_AppendOneReviewToFile)->Unit(benchmark::kMillisecond);

// A year of about 275 reviews a day, in memory: filling a file one
// transaction at a time would take minutes, and the queries' work is the same.
std::unique_ptr<CLSSqliteReviewLog> yearLog(benchmark::State& state) {
    auto made = CLSSqliteReviewLog::openInMemory();
    if (!made) {
        state.SkipWithError(made.error().c_str());
        return nullptr;
    }
    std::mt19937 rng(2);
    for (int i = 0; i < 100'000; ++i) {
        if (!(*made)->append(review(rng, kYearStart + int64_t{i} * 315'360))) {
            state.SkipWithError("cannot fill the log");
            return nullptr;
        }
    }
    return std::move(*made);
}

void BM_StatisticsOfAYear(benchmark::State& state) {
    auto log = yearLog(state);
    if (!log) return;
    for (auto _ : state) {
        auto weeks = log->trueRetentionByWeek(540, 4);
        auto days = log->studyTimeByDay(540, 4);
        auto missed = log->mostMissed(20);
        auto fresh = log->newReviewedOnDay(kDataFile, kYearStart + 100 * kMillisPerDay,
                                           kYearStart + 101 * kMillisPerDay);
        benchmark::DoNotOptimize(weeks);
        benchmark::DoNotOptimize(days);
        benchmark::DoNotOptimize(missed);
        benchmark::DoNotOptimize(fresh);
    }
}
BENCHMARK(BM_StatisticsOfAYear)->Unit(benchmark::kMillisecond);

void BM_ReadAllForFitting(benchmark::State& state) {
    auto log = yearLog(state);
    if (!log) return;
    for (auto _ : state) {
        auto all = log->reviews();
        benchmark::DoNotOptimize(all);
    }
}
BENCHMARK(BM_ReadAllForFitting)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
