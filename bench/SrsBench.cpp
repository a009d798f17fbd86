// The review schedule over a file of 100,000 questions: seeding every
// question from a history of about ten entries, building a day's run and
// answering reviews. And fitting the weights to a log of 10,000 reviews.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <random>
#include <vector>

#include "srs/FsrsFit.h"
#include "srs/HistorySeed.h"
#include "srs/ReviewDay.h"
#include "srs/ReviewQueue.h"
#include "srs/ReviewScheduler.h"

namespace {

constexpr int kQuestions = 100'000;

// Histories of 8 to 12 entries, a few hours to a few weeks apart, mostly right.
const std::vector<std::vector<CLSHistoryEntry>>& histories() {
    static const auto all = [] {
        std::vector<std::vector<CLSHistoryEntry>> result(kQuestions);
        std::mt19937 rng(5);
        for (auto& history : result) {
            int64_t at = LocalToUtcMillis(2023, 1, 1, 8, 0, 0) + rng() % 400 * kMillisPerDay;
            int entries = 8 + static_cast<int>(rng() % 5);
            for (int i = 0; i < entries; ++i) {
                at += static_cast<int64_t>(rng() % (21 * 24)) * 3'600'000;
                CLSCivilDate date = CivilDateOf(at / kMillisPerDay);
                int minuteOfDay = static_cast<int>(at % kMillisPerDay / kMillisPerMinute);
                CLSHistoryEntry e;
                e.result = rng() % 5 ? 1 : 0;
                e.year = static_cast<int16_t>(date.year);
                e.month = static_cast<int8_t>(date.month);
                e.day = static_cast<int8_t>(date.day);
                e.hour = static_cast<int16_t>(minuteOfDay / 60);
                e.minute = static_cast<int16_t>(minuteOfDay % 60);
                history.push_back(e);
            }
        }
        return result;
    }();
    return all;
}

void BM_SeedAllFromHistory(benchmark::State& state) {
    const auto& all = histories();
    CLSReviewSettings settings;
    for (auto _ : state) {
        uint64_t sum = 0;
        for (const auto& history : all)
            sum += SeedFromHistory(history, settings).dueMs;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kQuestions);
}

// A file seeded from its history, some of it still new, looked at on a day
// when most of it is due.
const std::vector<CLSQueueQuestion>& seededFile() {
    static const auto questions = [] {
        std::vector<CLSQueueQuestion> result;
        CLSReviewSettings settings;
        const auto& all = histories();
        for (int i = 0; i < kQuestions; ++i) {
            CLSQueueQuestion q{i,
                               i % 10 == 0 ? CLSReviewState{} : SeedFromHistory(all[i], settings)};
            if (i % 97 == 0) {
                q.state.phase = ReviewPhase::Relearning;
                q.state.dueMs = q.state.lastReviewMs + 10 * kMillisPerMinute;
            }
            result.push_back(q);
        }
        return result;
    }();
    return questions;
}

const int64_t kToday = LocalToUtcMillis(2025, 3, 1, 9, 0, 0);

void BM_BuildReviewQueue(benchmark::State& state) {
    const auto& questions = seededFile();
    CLSReviewSettings settings;
    CLSQueueLimits limits;
    limits.reviewsPerDay = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CLSReviewQueue queue(questions, kToday, settings, limits);
        benchmark::DoNotOptimize(queue.left());
    }
    state.SetItemsProcessed(state.iterations() * kQuestions);
}
BENCHMARK(BM_BuildReviewQueue)->Arg(200)->Arg(kQuestions)->Unit(benchmark::kMillisecond);

void BM_InfoPaneCounts(benchmark::State& state) {
    std::vector<CLSReviewState> states;
    for (const auto& q : seededFile())
        states.push_back(q.state);
    CLSReviewSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DueTodayCount(states, kToday, settings));
        benchmark::DoNotOptimize(NewLeftCount(states, {}));
        benchmark::DoNotOptimize(NextDueAfter(states, kToday));
    }
}

// One question asked and answered Good, as a run of a thousand reviews goes.
void BM_AskAndAnswer(benchmark::State& state) {
    const auto& questions = seededFile();
    CLSReviewSettings settings;
    CLSQueueLimits limits;
    limits.reviewsPerDay = 1000;
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> uniform(0, 1);
    auto draw = [&] { return uniform(rng); };
    CLSReviewQueue queue(questions, kToday, settings, limits);
    int64_t now = kToday;
    for (auto _ : state) {
        std::optional<int> index = queue.next(now);
        if (!index) {
            state.PauseTiming();
            queue = CLSReviewQueue(questions, kToday, settings, limits);
            state.ResumeTiming();
            continue;
        }
        const CLSReviewState& before = questions[static_cast<size_t>(*index)].state;
        queue.answered(*index, ApplyReview(before, ReviewGrade::Good, now, settings, draw));
        now += 1000;
    }
}

// A learner whose first memories fade faster than the default weights say,
// each question answered when it falls due, until the log holds `reviews`.
std::vector<CLSReviewRecord> simulatedLog(size_t reviews) {
    CLSFsrsParameters truth = CLSFsrsParameters::Defaults();
    const double initial[] = {0.1, 0.4, 0.9, 3.5};
    std::copy(std::begin(initial), std::end(initial), truth.w.begin());
    truth.w[20] = 0.45;
    std::mt19937_64 rng(17);
    auto draw = [&rng] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    CLSReviewSettings settings;
    const int64_t first = LocalToUtcMillis(2025, 1, 6, 9, 0, 0);
    std::vector<CLSReviewRecord> log;
    for (uint64_t q = 0; log.size() < reviews; ++q) {
        CLSReviewState state;
        std::optional<CLSMemoryState> memory;
        int64_t now = first + static_cast<int64_t>(q / 20) * kMillisPerDay;
        for (int i = 0; i < 16 && log.size() < reviews; ++i) {
            int days = memory ? ElapsedDays(state.lastReviewMs, now, 0, 4) : 0;
            double recall = memory ? Retrievability(days, memory->stability, truth) : 0.7;
            int grade = draw() < recall ? (draw() < 0.8 ? 3 : 2) : 1;
            CLSReviewRecord r;
            r.questionId = q;
            r.dataFile = "bench.vrf";
            r.utcMs = now;
            r.grade = grade;
            r.stateBefore = static_cast<int>(state.phase);
            r.stabilityBefore = state.stability;
            r.difficultyBefore = state.difficulty;
            log.push_back(r);
            memory = NextMemoryState(memory, days, grade, truth);
            state = ApplyReview(state, static_cast<ReviewGrade>(grade), now, settings, draw);
            now = state.dueMs;
        }
    }
    return log;
}

void BM_FitParameters(benchmark::State& state) {
    std::vector<CLSReviewRecord> log = simulatedLog(static_cast<size_t>(state.range(0)));
    CLSFitResult fit;
    // fit is read after the loop, so nothing needs DoNotOptimize (which
    // g++ can get wrong for a double held in a register).
    for (auto _ : state)
        fit = FitParameters(log, CLSFsrsParameters::Defaults());
    state.counters["lossBefore"] = fit.lossBefore;
    state.counters["lossAfter"] = fit.lossAfter;
    state.counters["scored"] = static_cast<double>(fit.reviews);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FitParameters)->Arg(10'000)->Unit(benchmark::kMillisecond);

void BM_ReviewLogLoss(benchmark::State& state) {
    std::vector<CLSReviewRecord> log = simulatedLog(10'000);
    CLSFsrsParameters p = CLSFsrsParameters::Defaults();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReviewLogLoss(log, p));
    state.SetItemsProcessed(state.iterations() * 10'000);
}
BENCHMARK(BM_ReviewLogLoss)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK(BM_SeedAllFromHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InfoPaneCounts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AskAndAnswer);

BENCHMARK_MAIN();
