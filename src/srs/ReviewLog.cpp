// What any review log accepts: the checks run before a record is stored,
// so that a bad record is refused whole with a message.

#include "srs/ReviewLog.h"

#include <cmath>
#include <string>

#include "text/Language.h"

namespace {

// Year 1 to year 9999: wide enough for any clock, narrow enough that the
// day arithmetic of the queries cannot overflow.
constexpr int64_t kEarliestMs = -62'135'596'800'000;
constexpr int64_t kLatestMs = 253'402'300'799'999;

}  // namespace

std::string ReviewGradeProblem(int grade) {
    if (grade >= 1 && grade <= 4) return "";
    return Fill(VT("評価 %1 は 1 から 4 のどれかにしてください"), {std::to_string(grade)});
}

std::string ReviewDayProblem(int utcOffsetMinutes, int dayStartHour) {
    if (dayStartHour < 0 || dayStartHour > 23)
        return Fill(VT("一日の始まり %1 時は 0 から 23 時にしてください"),
                    {std::to_string(dayStartHour)});
    if (utcOffsetMinutes < -12 * 60 || utcOffsetMinutes > 14 * 60)
        return Fill(VT("時差 %1 分は -720 から 840 分にしてください"),
                    {std::to_string(utcOffsetMinutes)});
    return "";
}

std::string ReviewRecordProblem(const CLSReviewRecord& record) {
    std::string problem = ReviewGradeProblem(record.grade);
    if (!problem.empty()) return problem;
    if (record.stateBefore < 0 || record.stateBefore > 3)
        return Fill(VT("復習前の状態 %1 は 0 から 3 のどれかにしてください"),
                    {std::to_string(record.stateBefore)});
    problem = ReviewDayProblem(record.utcOffsetMinutes, record.dayStartHour);
    if (!problem.empty()) return problem;
    if (record.utcMs < kEarliestMs || record.utcMs > kLatestMs)
        return VT("復習の時刻が正しくありません");
    if (record.answerMs < 0) return VT("解答時間が負になっています");
    // NaN fails both comparisons.
    if (!(record.stabilityBefore >= 0 && std::isfinite(record.stabilityBefore)) ||
        !(record.difficultyBefore >= 0 && std::isfinite(record.difficultyBefore)))
        return VT("記憶の安定度か難易度が正しくありません");
    return "";
}
