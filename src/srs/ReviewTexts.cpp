#include "srs/ReviewTexts.h"

#include <cmath>
#include <cstdio>

#include "srs/ReviewDay.h"
#include "srs/ReviewScheduler.h"

namespace {

const char* const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

const char* phaseName(ReviewPhase phase) {
    switch (phase) {
        case ReviewPhase::New:
            return "新しい問題";
        case ReviewPhase::Learning:
            return "学習中";
        case ReviewPhase::Review:
            return "復習中";
        case ReviewPhase::Relearning:
            return "再学習中";
    }
    return "";
}

}  // namespace

std::string NextReviewText(int64_t dueMs, int utcOffsetMinutes) {
    CLSLocalTime t = LocalTimeAt(dueMs, utcOffsetMinutes);
    return "次の復習は " + std::to_string(t.year) + "年" + std::to_string(t.month) + "月" +
           std::to_string(t.day) + "日(" + kWeekdays[t.dayOfWeek] + ") " + std::to_string(t.hour) +
           "時" + std::to_string(t.minute) + "分 です。";
}

std::string ReviewStateSummary(const CLSReviewState& state, int64_t nowMs,
                               const CLSReviewSettings& settings) {
    std::string text = phaseName(state.phase);
    if (state.phase == ReviewPhase::New) return text;
    CLSLocalTime due = LocalTimeAt(state.dueMs, settings.utcOffsetMinutes);
    char line[96];
    // The year only when it is not this one.
    CLSLocalTime now = LocalTimeAt(nowMs, settings.utcOffsetMinutes);
    std::string year = due.year == now.year ? "" : std::to_string(due.year) + "年";
    std::snprintf(line, sizeof line, "\n期日 %s%d月%d日(%s) %d:%02d", year.c_str(), due.month,
                  due.day, kWeekdays[due.dayOfWeek], due.hour, due.minute);
    text += line;
    // Stabilities under ten days keep a decimal; longer ones are whole days.
    double s = state.stability;
    std::snprintf(line, sizeof line, s < 10 ? "\n安定度 %.1f日" : "\n安定度 %.0f日", s);
    text += line;
    if (std::optional<double> r = RetrievabilityAt(state, nowMs, settings)) {
        std::snprintf(line, sizeof line, "\n想起率 %.0f%%", std::clamp(*r, 0.0, 1.0) * 100);
        text += line;
    }
    return text;
}
