#include "srs/ReviewTexts.h"

#include <cmath>
#include <cstdio>

#include "srs/ReviewDay.h"
#include "srs/ReviewScheduler.h"
#include "text/DateWords.h"
#include "text/Language.h"

namespace {

const char* phaseName(ReviewPhase phase) {
    switch (phase) {
        case ReviewPhase::New:
            return VT("新しい問題");
        case ReviewPhase::Learning:
            return VT("学習中");
        case ReviewPhase::Review:
            return VT("復習中");
        case ReviewPhase::Relearning:
            return VT("再学習中");
    }
    return "";
}

}  // namespace

std::string NextReviewText(int64_t dueMs, int utcOffsetMinutes) {
    CLSLocalTime t = LocalTimeAt(dueMs, utcOffsetMinutes);
    return Fill(VT("次の復習は %1 %2 です。"),
                {DateText(t.year, t.month, t.day, t.dayOfWeek), TimeText(t.hour, t.minute)});
}

std::string ReviewStateSummary(const CLSReviewState& state, int64_t nowMs,
                               const CLSReviewSettings& settings) {
    std::string text = phaseName(state.phase);
    if (state.phase == ReviewPhase::New) return text;
    CLSLocalTime due = LocalTimeAt(state.dueMs, settings.utcOffsetMinutes);
    // The year only when it is not this one.
    CLSLocalTime now = LocalTimeAt(nowMs, settings.utcOffsetMinutes);
    char minute[16];
    std::snprintf(minute, sizeof minute, "%02d", due.minute);
    std::string day = due.year == now.year ? DateTextWithoutYear(due.month, due.day, due.dayOfWeek)
                                           : DateText(due.year, due.month, due.day, due.dayOfWeek);
    text += '\n';
    text += Fill(VT("期日 %1 %2:%3"), {day, std::to_string(due.hour), minute});
    // Stabilities under ten days keep a decimal; longer ones are whole days.
    double s = state.stability;
    char number[32];
    std::snprintf(number, sizeof number, s < 10 ? "%.1f" : "%.0f", s);
    text += '\n';
    text += Fill(VT("安定度 %1日"), {number});
    if (std::optional<double> r = RetrievabilityAt(state, nowMs, settings)) {
        std::snprintf(number, sizeof number, "%.0f", std::clamp(*r, 0.0, 1.0) * 100);
        text += '\n';
        text += Fill(VT("想起率 %1%"), {number});
    }
    return text;
}
