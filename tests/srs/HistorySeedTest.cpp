// Seeding the schedule from a question's right/wrong history.

#include <gtest/gtest.h>

#include <vector>

#include "srs/HistorySeed.h"
#include "srs/ReviewDay.h"

namespace {

CLSHistoryEntry Entry(int result, int y, int mo, int d, int h, int mi) {
    CLSHistoryEntry e;
    e.result = result;
    e.year = static_cast<int16_t>(y);
    e.month = static_cast<int8_t>(mo);
    e.day = static_cast<int8_t>(d);
    e.hour = static_cast<int16_t>(h);
    e.minute = static_cast<int16_t>(mi);
    return e;
}

// An entry as a file without a date reads it (ten zeros after 2000).
const CLSHistoryEntry kUndatedRead = Entry(1, 2000, 0, 0, 0, 0);
const CLSHistoryEntry kUndated = Entry(0, 0, 0, 0, 0, 0);

}  // namespace

TEST(HistorySeed, ReplaysDatedEntriesThroughTheModel) {
    CLSReviewSettings settings;
    settings.utcOffsetMinutes = 540;
    const auto& p = settings.parameters;
    std::vector<CLSHistoryEntry> history = {
        Entry(1, 2025, 1, 1, 23, 0),   // first: Good
        Entry(1, 2025, 1, 2, 3, 30),   // before 04:00: the same day
        Entry(0, 2025, 1, 2, 5, 0),    // after 04:00: a day later, wrong = Again
        Entry(1, 2025, 1, 9, 20, 15),  // a week later
    };
    std::optional<CLSMemoryState> m;
    m = NextMemoryState(m, 0, 3, p);
    m = NextMemoryState(m, 0, 3, p);
    m = NextMemoryState(m, 1, 1, p);
    m = NextMemoryState(m, 7, 3, p);

    CLSReviewState seeded = SeedFromHistory(history, settings);
    EXPECT_EQ(seeded.phase, ReviewPhase::Review);
    EXPECT_DOUBLE_EQ(seeded.stability, m->stability);
    EXPECT_DOUBLE_EQ(seeded.difficulty, m->difficulty);
    int64_t last = LocalToUtcMillis(2025, 1, 9, 20, 15, 540);
    EXPECT_EQ(seeded.lastReviewMs, last);
    EXPECT_EQ(seeded.dueMs, last + NextIntervalDays(m->stability, 0.9, p) * kMillisPerDay);
    EXPECT_EQ(seeded.step, 0);

    settings.desiredRetention = 0.8;
    settings.fuzz = true;  // never spread: seeding is repeatable
    CLSReviewState looser = SeedFromHistory(history, settings);
    EXPECT_EQ(looser.dueMs, last + NextIntervalDays(m->stability, 0.8, p) * kMillisPerDay);
    EXPECT_EQ(SeedFromHistory(history, settings), looser);
}

TEST(HistorySeed, EntriesWithoutDatesAreSkipped) {
    CLSReviewSettings settings;
    std::vector<CLSHistoryEntry> dated = {Entry(1, 2024, 2, 28, 12, 0),
                                          Entry(1, 2024, 3, 1, 12, 0)};
    std::vector<CLSHistoryEntry> mixed = {kUndatedRead,
                                          dated[0],
                                          kUndated,
                                          Entry(0, 2024, 13, 1, 12, 0),  // no such month
                                          Entry(0, 2024, 3, 1, 25, 0),   // no such hour
                                          dated[1],
                                          kUndatedRead};
    CLSReviewState expected = SeedFromHistory(dated, settings);
    EXPECT_EQ(SeedFromHistory(mixed, settings), expected);
    // Two days across the leap day.
    std::optional<CLSMemoryState> m = NextMemoryState(std::nullopt, 0, 3, settings.parameters);
    m = NextMemoryState(m, 2, 3, settings.parameters);
    EXPECT_DOUBLE_EQ(expected.stability, m->stability);

    EXPECT_EQ(SeedFromHistory({kUndatedRead, kUndated, kUndatedRead}, settings), CLSReviewState{})
        << "only undated entries: still new";
    EXPECT_EQ(SeedFromHistory({}, settings), CLSReviewState{});

    CLSReviewState lapse = SeedFromHistory({kUndated, Entry(0, 2025, 6, 1, 8, 0)}, settings);
    EXPECT_EQ(lapse.phase, ReviewPhase::Review) << "one wrong entry: a first Again";
    EXPECT_DOUBLE_EQ(lapse.stability, 0.212);
    EXPECT_EQ(lapse.dueMs - lapse.lastReviewMs, kMillisPerDay) << "at least a day";
}
