// The review log's statistics on small hand-made logs: learner's days and
// weeks at the day-start hour and the offset from UTC, forgotten questions
// and new questions per day.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "srs/ReviewDay.h"
#include "srs/SqliteReviewLog.h"

namespace {

constexpr int kTokyo = 540;

// A review at a Tokyo local time, answered in answerMs.
struct At {
    int y, mo, d, h, mi, grade, stateBefore;
    uint64_t id = 1;
    const char* file = "a.vrf";
    int64_t answerMs = 1000;
};

std::unique_ptr<CLSSqliteReviewLog> LogOf(const std::vector<At>& reviews) {
    auto log = std::move(CLSSqliteReviewLog::openInMemory().value());
    for (const At& a : reviews) {
        CLSReviewRecord r;
        r.questionId = a.id;
        r.dataFile = a.file;
        r.utcMs = LocalToUtcMillis(a.y, a.mo, a.d, a.h, a.mi, kTokyo);
        r.utcOffsetMinutes = kTokyo;
        r.grade = a.grade;
        r.stateBefore = a.stateBefore;
        r.answerMs = a.answerMs;
        EXPECT_TRUE(log->append(r).ok());
    }
    return log;
}

int64_t Day(int y, int mo, int d) {
    return CivilDayNumber(y, mo, d);
}

}  // namespace

TEST(ReviewLogQuery, WeeksAndDaysStartAtTheDayStartHour) {
    // 2026-12-07 is a Monday; the learner's day starts at 4 in Tokyo.
    auto log = LogOf({
        {2026, 12, 7, 3, 59, 1, 2, 1, "a.vrf", 1},  // still Sunday: the week before
        {2026, 12, 7, 4, 0, 2, 2, 1, "a.vrf", 2},   // Hard is remembered
        {2026, 12, 10, 12, 0, 1, 2, 1, "a.vrf", 4},
        {2026, 12, 14, 3, 59, 4, 2, 1, "a.vrf", 8},  // Sunday night: the same week
        {2026, 12, 14, 4, 0, 3, 2, 1, "a.vrf", 16},
        {2026, 12, 10, 9, 0, 1, 0, 1, "a.vrf", 32},  // new, learning and relearning
        {2026, 12, 10, 9, 1, 3, 1, 1, "a.vrf", 64},  // questions are no test of memory
        {2026, 12, 10, 9, 2, 3, 3, 1, "a.vrf", 128},
        {1969, 12, 28, 12, 0, 3, 2, 1, "a.vrf", 256},  // a Sunday before 1970
    });
    std::vector<CLSRetentionWeek> weeks = {
        {Day(1969, 12, 22), 1, 1},
        {Day(2026, 11, 30), 1, 0},
        {Day(2026, 12, 7), 3, 2},
        {Day(2026, 12, 14), 1, 1},
    };
    EXPECT_EQ(log->trueRetentionByWeek(kTokyo, 4).value(), weeks);
    std::vector<CLSStudyDay> days = {
        {Day(1969, 12, 28), 1, 256}, {Day(2026, 12, 6), 1, 1},  {Day(2026, 12, 7), 1, 2},
        {Day(2026, 12, 10), 4, 228}, {Day(2026, 12, 13), 1, 8}, {Day(2026, 12, 14), 1, 16},
    };
    EXPECT_EQ(log->studyTimeByDay(kTokyo, 4).value(), days);

    // At UTC with days from midnight, both Monday mornings in Tokyo are
    // still Sunday evenings.
    weeks = {{Day(1969, 12, 22), 1, 1}, {Day(2026, 11, 30), 2, 1}, {Day(2026, 12, 7), 3, 2}};
    EXPECT_EQ(log->trueRetentionByWeek(0, 0).value(), weeks);
    EXPECT_EQ(log->trueRetentionByWeek(kTokyo, 24).error(),
              "復習の記録を読めません: 一日の始まり 24 時は 0 から 23 時にしてください");
    EXPECT_EQ(log->studyTimeByDay(-780, 4).error(),
              "復習の記録を読めません: 時差 -780 分は -720 から 840 分にしてください");
}

TEST(ReviewLogQuery, MostMissedQuestions) {
    auto log = LogOf({
        {2026, 12, 1, 9, 0, 1, 2, 1, "a.vrf"},
        {2026, 12, 2, 9, 0, 1, 3, 1, "a.vrf"},
        {2026, 12, 3, 9, 0, 1, 2, 1, "a.vrf"},
        {2026, 12, 1, 9, 0, 1, 2, 1, "b.vrf"},
        {2026, 12, 1, 9, 0, 1, 0, 2, "a.vrf"},
        {2026, 12, 2, 9, 0, 1, 1, 2, "a.vrf"},
        {2026, 12, 3, 9, 0, 3, 2, 2, "a.vrf"},
        {2026, 12, 1, 9, 0, 1, 2, 4, "a.vrf"},
        {2026, 12, 1, 9, 0, 2, 2, 3, "a.vrf"},  // Hard is no miss
    });
    std::vector<CLSMissedQuestion> missed = {
        {1, "a.vrf", 3}, {2, "a.vrf", 2}, {4, "a.vrf", 1}, {1, "b.vrf", 1}};
    EXPECT_EQ(log->mostMissed(10).value(), missed);
    EXPECT_EQ(log->mostMissed(2).value(), std::vector(missed.begin(), missed.begin() + 2));
    EXPECT_TRUE(log->mostMissed(0).value().empty());

    // A judgement changed to Again counts as a miss.
    ASSERT_TRUE(log->regrade(9, 1).ok());
    missed.insert(missed.begin() + 2, {3, "a.vrf", 1});
    EXPECT_EQ(log->mostMissed(10).value(), missed);
}

TEST(ReviewLogQuery, NewQuestionsOfAFileOnOneDay) {
    auto log = LogOf({
        {2026, 12, 8, 4, 0, 3, 0, 1},   // at the day's start
        {2026, 12, 8, 9, 0, 1, 0, 2},   // seen, learnt,
        {2026, 12, 8, 9, 5, 3, 1, 2},   // reset to new and
        {2026, 12, 8, 20, 0, 3, 0, 2},  // seen again: one question
        {2026, 12, 9, 3, 59, 3, 0, 3},  // the last minute of the day
        {2026, 12, 9, 4, 0, 3, 0, 4},   // the next day
        {2026, 12, 8, 3, 59, 3, 0, 5},  // the day before
        {2026, 12, 8, 10, 0, 3, 2, 6},  // not new
        {2026, 12, 8, 10, 0, 3, 0, 7, "b.vrf"},
    });
    int64_t start = LocalToUtcMillis(2026, 12, 8, 4, 0, kTokyo);
    int64_t end = NextDayStart(start, kTokyo, 4);
    EXPECT_EQ(log->newReviewedOnDay("a.vrf", start, end).value(), 3);
    EXPECT_EQ(log->newReviewedOnDay("b.vrf", start, end).value(), 1);
    EXPECT_EQ(log->newReviewedOnDay("c.vrf", start, end).value(), 0);
}
