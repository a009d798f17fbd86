// The figures of the history browser's review page.

#include "quiz/ReviewStats.h"

#include <algorithm>
#include <cstddef>

#include "data/VorelDataFile.h"
#include "quiz/ExamMode.h"
#include "quiz/ExamTexts.h"
#include "quiz/ReviewRun.h"
#include "srs/ReviewDay.h"

namespace {

// The exam history's columns of a question's number and its mark.
constexpr int kNumberColumn = 1;
constexpr int kMarkColumn = 2;
constexpr std::string_view kWrongMark = "×";

// The log's questions forgotten at least once, most often first. Far more
// than any learner's files hold, so that the open file's questions are all
// among them.
constexpr int kLogMissedLimit = 100'000;

// 問題番号 of a history row, 1-based; 0 when it is none.
int questionNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

CLSDueForecast DueForecastOf(const std::vector<CLSReviewState>& states, int64_t nowMs,
                             int utcOffsetMinutes, int dayStartHour, int days) {
    CLSDueForecast forecast;
    forecast.perDay.assign(static_cast<size_t>(std::max(days, 0)), 0);
    // The learner's days have a fixed length at a fixed offset, so a due
    // moment's day is its distance from the start of today; moments far
    // off are not converted at all.
    const int64_t todayStart = NextDayStart(nowMs, utcOffsetMinutes, dayStartHour) - kMillisPerDay;
    const int64_t windowEnd = todayStart + int64_t{std::max(days, 0)} * kMillisPerDay;
    for (const CLSReviewState& s : states) {
        switch (s.phase) {
            case ReviewPhase::New:
                ++forecast.phases.fresh;
                continue;
            case ReviewPhase::Learning:
                ++forecast.phases.learning;
                break;
            case ReviewPhase::Review:
                ++forecast.phases.review;
                break;
            case ReviewPhase::Relearning:
                ++forecast.phases.relearning;
                break;
        }
        if (s.dueMs >= windowEnd) {
            ++forecast.later;
        } else if (s.dueMs < todayStart) {
            ++forecast.perDay[0];  // overdue: due today
        } else {
            ++forecast.perDay[static_cast<size_t>((s.dueMs - todayStart) / kMillisPerDay)];
        }
    }
    return forecast;
}

std::unordered_map<uint64_t, int> ReviewIdIndex(const std::vector<CLSReviewState>& states) {
    std::unordered_map<uint64_t, int> index;
    for (size_t q = 0; q < states.size(); ++q) {
        if (states[q].id != 0) index.emplace(states[q].id, static_cast<int>(q));
    }
    return index;
}

std::vector<int64_t> ExamWrongCounts(const std::vector<CLSExamLogOne>& records,
                                     const CLSTString& fileName, int questionCount,
                                     bool skipReviewRuns) {
    std::vector<int64_t> wrong(static_cast<size_t>(std::max(questionCount, 0)), 0);
    const CLSTString reviewRun = ExamModeName(CLSExamMode::review());
    for (const CLSExamLogOne& r : records) {
        if (r.fileName.compareNoCase(fileName.text()) != 0) continue;
        if (skipReviewRuns && r.method.view() == reviewRun.view()) continue;
        for (size_t i = 1; i < r.rows.size(); ++i) {
            const CLSExamLogRow& row = r.rows[i];
            if (row.view(kMarkColumn) != kWrongMark) continue;
            int number = questionNumber(row.view(kNumberColumn));
            if (number >= 1 && number <= questionCount) ++wrong[static_cast<size_t>(number - 1)];
        }
    }
    return wrong;
}

std::vector<CLSMissedEntry> MostMissedOf(const std::vector<CLSMissedQuestion>& logMissed,
                                         const std::string& dataFile,
                                         const std::unordered_map<uint64_t, int>& idIndex,
                                         const std::vector<int64_t>& examWrong, int limit) {
    const size_t count = examWrong.size();
    std::vector<int64_t> forgotten(count, 0);
    for (const CLSMissedQuestion& m : logMissed) {
        if (m.dataFile != dataFile) continue;
        auto found = idIndex.find(m.questionId);
        if (found == idIndex.end() || found->second < 0) continue;
        auto q = static_cast<size_t>(found->second);
        if (q < count) forgotten[q] += m.again;
    }
    std::vector<CLSMissedEntry> missed;
    for (size_t q = 0; q < count; ++q) {
        if (forgotten[q] + examWrong[q] > 0)
            missed.push_back({static_cast<int>(q), forgotten[q], examWrong[q]});
    }
    auto before = [](const CLSMissedEntry& a, const CLSMissedEntry& b) {
        return a.total() != b.total() ? a.total() > b.total() : a.question < b.question;
    };
    size_t keep = std::min(missed.size(), static_cast<size_t>(std::max(limit, 0)));
    std::partial_sort(missed.begin(), missed.begin() + static_cast<std::ptrdiff_t>(keep),
                      missed.end(), before);
    missed.resize(keep);
    return missed;
}

std::vector<double> StudyMinutesUpTo(const std::vector<CLSStudyDay>& studyDays, int64_t today,
                                     int days) {
    std::vector<double> minutes(static_cast<size_t>(std::max(days, 0)), 0.0);
    const int64_t first = today - static_cast<int64_t>(minutes.size()) + 1;
    for (const CLSStudyDay& d : studyDays) {
        if (d.day < first || d.day > today) continue;
        minutes[static_cast<size_t>(d.day - first)] +=
            static_cast<double>(d.answerMs) / static_cast<double>(kMillisPerMinute);
    }
    return minutes;
}

CLSReviewStats ReviewStatsOf(const CLSVorelDataFile& doc, const CLSReviewSettings& settings,
                             int64_t nowMs, const CLSReviewLog* log,
                             const std::vector<CLSExamLogOne>& history) {
    CLSReviewStats stats;
    const int offset = settings.utcOffsetMinutes;
    const int dayStart = settings.dayStartHour;
    stats.today = ReviewDayNumber(nowMs, offset, dayStart);
    stats.desiredRetention = settings.desiredRetention;

    const int count = std::max(doc.getQuestionCount(), 0);
    std::vector<CLSReviewState> states;
    states.reserve(static_cast<size_t>(count));
    for (int q = 0; q < count; ++q)
        states.push_back(ReviewStateOf(doc.getQuestion(q)->question(), settings));
    stats.forecast = DueForecastOf(states, nowMs, offset, dayStart, CLSReviewStats::kForecastDays);

    std::vector<CLSMissedQuestion> forgotten;
    if (log) {
        auto retention = log->trueRetentionByWeek(offset, dayStart);
        auto studyDays = log->studyTimeByDay(offset, dayStart);
        auto missed = log->mostMissed(kLogMissedLimit);
        if (retention && studyDays && missed) {
            stats.logRead = true;
            stats.logEmpty = studyDays->empty();
            stats.retention = std::move(*retention);
            stats.studyMinutes =
                StudyMinutesUpTo(*studyDays, stats.today, CLSReviewStats::kStudyDays);
            forgotten = std::move(*missed);
        } else {
            stats.logProblem = !retention   ? retention.error()
                               : !studyDays ? studyDays.error()
                                            : missed.error();
        }
    }
    if (stats.studyMinutes.empty()) stats.studyMinutes.assign(CLSReviewStats::kStudyDays, 0.0);

    // Review runs are in both records; the log's count of them wins.
    std::vector<int64_t> wrong = ExamWrongCounts(history, doc.getPath(), count, stats.logRead);
    stats.missed = MostMissedOf(forgotten, doc.getPath().str(), ReviewIdIndex(states), wrong,
                                CLSReviewStats::kMissedRows);
    return stats;
}
