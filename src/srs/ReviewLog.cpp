// What any review log accepts: the checks run before a record is stored,
// so that a bad record is refused whole with a message.

#include "srs/ReviewLog.h"

#include <cmath>
#include <string>

namespace {

// Year 1 to year 9999: wide enough for any clock, narrow enough that the
// day arithmetic of the queries cannot overflow.
constexpr int64_t kEarliestMs = -62'135'596'800'000;
constexpr int64_t kLatestMs = 253'402'300'799'999;

}  // namespace

std::string ReviewGradeProblem(int grade) {
    if (grade >= 1 && grade <= 4) return "";
    return "評価 " + std::to_string(grade) + " は 1 から 4 のどれかにしてください";
}

std::string ReviewDayProblem(int utcOffsetMinutes, int dayStartHour) {
    if (dayStartHour < 0 || dayStartHour > 23)
        return "一日の始まり " + std::to_string(dayStartHour) + " 時は 0 から 23 時にしてください";
    if (utcOffsetMinutes < -12 * 60 || utcOffsetMinutes > 14 * 60)
        return "時差 " + std::to_string(utcOffsetMinutes) + " 分は -720 から 840 分にしてください";
    return "";
}

std::string ReviewRecordProblem(const CLSReviewRecord& record) {
    std::string problem = ReviewGradeProblem(record.grade);
    if (!problem.empty()) return problem;
    if (record.stateBefore < 0 || record.stateBefore > 3)
        return "復習前の状態 " + std::to_string(record.stateBefore) +
               " は 0 から 3 のどれかにしてください";
    problem = ReviewDayProblem(record.utcOffsetMinutes, record.dayStartHour);
    if (!problem.empty()) return problem;
    if (record.utcMs < kEarliestMs || record.utcMs > kLatestMs)
        return "復習の時刻が正しくありません";
    if (record.answerMs < 0) return "解答時間が負になっています";
    // NaN fails both comparisons.
    if (!(record.stabilityBefore >= 0 && std::isfinite(record.stabilityBefore)) ||
        !(record.difficultyBefore >= 0 && std::isfinite(record.difficultyBefore)))
        return "記憶の安定度か難易度が正しくありません";
    return "";
}
