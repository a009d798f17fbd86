#include "srs/HistorySeed.h"

#include <optional>

#include "srs/ReviewDay.h"

namespace {

// Files mark an entry without a date with zeros; a damaged file may hold
// anything, and an impossible time is no better than none.
bool hasDate(const CLSHistoryEntry& e) {
    return e.year > 0 && e.month >= 1 && e.month <= 12 && e.day >= 1 && e.day <= 31 &&
           e.hour >= 0 && e.hour <= 23 && e.minute >= 0 && e.minute <= 59;
}

}  // namespace

CLSReviewState SeedFromHistory(const std::vector<CLSHistoryEntry>& history,
                               const CLSReviewSettings& settings) {
    CLSReviewState state;
    std::optional<CLSMemoryState> memory;
    int64_t last = 0;
    for (const CLSHistoryEntry& e : history) {
        if (!hasDate(e)) continue;
        int64_t at =
            LocalToUtcMillis(e.year, e.month, e.day, e.hour, e.minute, settings.utcOffsetMinutes);
        int days =
            memory ? ElapsedDays(last, at, settings.utcOffsetMinutes, settings.dayStartHour) : 0;
        int grade = e.result == 1 ? static_cast<int>(ReviewGrade::Good)
                                  : static_cast<int>(ReviewGrade::Again);
        memory = NextMemoryState(memory, days, grade, settings.parameters);
        last = at;
    }
    if (!memory) return state;
    state.phase = ReviewPhase::Review;
    state.stability = memory->stability;
    state.difficulty = memory->difficulty;
    state.lastReviewMs = last;
    int interval = NextIntervalDays(memory->stability, settings.desiredRetention,
                                    settings.parameters, settings.maximumInterval);
    state.dueMs = last + interval * kMillisPerDay;
    return state;
}
