// Figures over the exam history for its charts.

#include "quiz/ExamLogStats.h"

#include <algorithm>
#include <tuple>

namespace {

auto dateKey(const CLSExamLogOne& r) {
    return std::make_tuple(r.year, r.month, r.day, r.hour, r.minute, r.second);
}

}  // namespace

bool ParseRateText(const CLSTString& text, double& percent) {
    const char* p = text.text();
    int len = text.length();
    int i = 0;
    double whole = 0;
    int digits = 0;
    while (i < len && p[i] >= '0' && p[i] <= '9') {
        whole = whole * 10 + (p[i++] - '0');
        ++digits;
    }
    if (digits == 0) return false;
    double fraction = 0;
    double scale = 1;
    if (i < len && p[i] == '.') {
        ++i;
        while (i < len && p[i] >= '0' && p[i] <= '9') {
            scale /= 10;
            fraction += (p[i++] - '0') * scale;
        }
    }
    if (i >= len || p[i] != '%') return false;
    percent = whole + fraction;
    return percent <= 100.0;
}

int AskedQuestionCount(const CLSExamLogOne& record) {
    int count = 0;
    for (size_t i = 1; i < record.rows.size(); ++i) {
        const CLSExamLogRow& row = record.rows[i];
        if (row.count() > 1 || (row.count() == 1 && !row.view(0).empty())) ++count;
    }
    return count;
}

CLSExamLogStats ExamLogStatsOfFile(const std::vector<CLSExamLogOne>& records,
                                   const CLSTString& fileName) {
    std::vector<const CLSExamLogOne*> runs;
    for (const CLSExamLogOne& r : records) {
        if (r.fileName.compareNoCase(fileName.text()) == 0) runs.push_back(&r);
    }
    std::stable_sort(runs.begin(), runs.end(), [](const CLSExamLogOne* a, const CLSExamLogOne* b) {
        return dateKey(*a) < dateKey(*b);
    });
    CLSExamLogStats stats;
    for (const CLSExamLogOne* r : runs) {
        double percent = 0;
        if (ParseRateText(r->rate, percent)) {
            CLSExamLogTime time{r->year, r->month, r->day, r->hour, r->minute, r->second};
            stats.rates.push_back({time, percent});
        }
        int asked = AskedQuestionCount(*r);
        if (!stats.days.empty()) {
            CLSExamDayCount& last = stats.days.back();
            if (last.year == r->year && last.month == r->month && last.day == r->day) {
                last.questions += asked;
                continue;
            }
        }
        stats.days.push_back({r->year, r->month, r->day, asked});
    }
    return stats;
}
