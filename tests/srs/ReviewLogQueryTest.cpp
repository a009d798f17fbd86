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

std::unique_ptr<CLSSqliteReviewLog> MemoryLog() {
    auto log = CLSSqliteReviewLog::openInMemory();
    EXPECT_TRUE(log.ok()) << log.error();
    return std::move(*log);
}

// A review at a Tokyo local time.
CLSReviewRecord At(int y, int mo, int d, int h, int mi, int grade, int stateBefore, uint64_t id = 1,
                   const char* file = "a.vrf") {
    CLSReviewRecord r;
    r.questionId = id;
    r.dataFile = file;
    r.utcMs = LocalToUtcMillis(y, mo, d, h, mi, kTokyo);
    r.utcOffsetMinutes = kTokyo;
    r.grade = grade;
    r.stateBefore = stateBefore;
    r.answerMs = 1000;
    return r;
}

void Add(CLSReviewLog& log, const std::vector<CLSReviewRecord>& records) {
    for (const CLSReviewRecord& r : records)
        ASSERT_TRUE(log.append(r).ok());
}

int64_t Day(int y, int mo, int d) {
    return CivilDayNumber(y, mo, d);
}

}  // namespace

TEST(ReviewLogQuery, RetentionPerWeekCountsReviewsRememberedFromMonday) {
    auto log = MemoryLog();
    // 2026-12-07 is a Monday; the learner's day starts at 4 in Tokyo.
    Add(*log,
        {
            At(2026, 12, 7, 3, 59, 1, 2),   // still Sunday: the week before
            At(2026, 12, 7, 4, 0, 2, 2),    // Hard is remembered
            At(2026, 12, 10, 12, 0, 1, 2),  // Again is not
            At(2026, 12, 14, 3, 59, 4, 2),  // Sunday night, the same week
            At(2026, 12, 14, 4, 0, 3, 2),   // the next week
            At(2026, 12, 8, 9, 0, 1, 0),    // new, learning and relearning
            At(2026, 12, 8, 9, 1, 3, 1),    // questions are no test of memory
            At(2026, 12, 8, 9, 2, 3, 3), At(1969, 12, 28, 12, 0, 3, 2),  // a Sunday before 1970
        });
    std::vector<CLSRetentionWeek> expected = {
        {Day(1969, 12, 22), 1, 1},
        {Day(2026, 11, 30), 1, 0},
        {Day(2026, 12, 7), 3, 2},
        {Day(2026, 12, 14), 1, 1},
    };
    EXPECT_EQ(log->trueRetentionByWeek(kTokyo, 4).value(), expected);

    // At UTC with days from midnight, both Monday mornings in Tokyo are
    // still Sunday evenings.
    expected = {
        {Day(1969, 12, 22), 1, 1},
        {Day(2026, 11, 30), 2, 1},
        {Day(2026, 12, 7), 3, 2},
    };
    EXPECT_EQ(log->trueRetentionByWeek(0, 0).value(), expected);
    EXPECT_EQ(log->trueRetentionByWeek(kTokyo, 24).error(),
              "復習の記録を読めません: 一日の始まり 24 時は 0 から 23 時にしてください");
}

TEST(ReviewLogQuery, StudyTimePerLearnerDay) {
    auto log = MemoryLog();
    std::vector<CLSReviewRecord> records = {
        At(2026, 12, 8, 3, 59, 3, 0),  // the day of 12-07
        At(2026, 12, 8, 4, 0, 3, 1),   At(2026, 12, 8, 23, 0, 1, 2),
        At(2026, 12, 9, 3, 0, 3, 2),  // still the 8th
        At(2026, 12, 11, 12, 0, 3, 3),
    };
    int64_t ms = 1000;
    for (CLSReviewRecord& r : records)
        r.answerMs = ms *= 2;
    Add(*log, records);
    std::vector<CLSStudyDay> expected = {
        {Day(2026, 12, 7), 1, 2000},
        {Day(2026, 12, 8), 3, 4000 + 8000 + 16000},
        {Day(2026, 12, 11), 1, 32000},
    };
    EXPECT_EQ(log->studyTimeByDay(kTokyo, 4).value(), expected);
    EXPECT_EQ(log->studyTimeByDay(-13 * 60, 4).error(),
              "復習の記録を読めません: 時差 -780 分は -720 から 840 分にしてください");
}

TEST(ReviewLogQuery, MostMissedByAgainCountThenFileAndQuestion) {
    auto log = MemoryLog();
    Add(*log, {
                  At(2026, 12, 1, 9, 0, 1, 2, 1, "a.vrf"), At(2026, 12, 2, 9, 0, 1, 3, 1, "a.vrf"),
                  At(2026, 12, 3, 9, 0, 1, 2, 1, "a.vrf"), At(2026, 12, 1, 9, 0, 1, 2, 1, "b.vrf"),
                  At(2026, 12, 1, 9, 0, 1, 0, 2, "a.vrf"), At(2026, 12, 2, 9, 0, 1, 1, 2, "a.vrf"),
                  At(2026, 12, 3, 9, 0, 3, 2, 2, "a.vrf"), At(2026, 12, 1, 9, 0, 1, 2, 4, "a.vrf"),
                  At(2026, 12, 1, 9, 0, 2, 2, 3, "a.vrf"),  // Hard is no miss
              });
    std::vector<CLSMissedQuestion> expected = {
        {1, "a.vrf", 3}, {2, "a.vrf", 2}, {4, "a.vrf", 1}, {1, "b.vrf", 1}};
    EXPECT_EQ(log->mostMissed(10).value(), expected);
    expected.resize(2);
    EXPECT_EQ(log->mostMissed(2).value(), expected);
    EXPECT_TRUE(log->mostMissed(0).value().empty());
    EXPECT_TRUE(log->mostMissed(-1).value().empty());

    // A judgement changed to Again counts as a miss.
    int64_t row = log->append(At(2026, 12, 4, 9, 0, 3, 2, 3, "a.vrf")).value();
    ASSERT_TRUE(log->regrade(row, 1).ok());
    expected = {
        {1, "a.vrf", 3}, {2, "a.vrf", 2}, {3, "a.vrf", 1}, {4, "a.vrf", 1}, {1, "b.vrf", 1}};
    EXPECT_EQ(log->mostMissed(10).value(), expected);
}

TEST(ReviewLogQuery, NewQuestionsOfAFileOnOneDay) {
    auto log = MemoryLog();
    int64_t start = LocalToUtcMillis(2026, 12, 8, 4, 0, kTokyo);
    int64_t end = NextDayStart(start, kTokyo, 4);
    Add(*log, {
                  At(2026, 12, 8, 4, 0, 3, 0, 1),            // at the day's start
                  At(2026, 12, 8, 9, 0, 1, 0, 2),            // seen, learnt,
                  At(2026, 12, 8, 9, 5, 3, 1, 2),            // reset to new and
                  At(2026, 12, 8, 20, 0, 3, 0, 2),           // seen again: one question
                  At(2026, 12, 9, 3, 59, 3, 0, 3),           // the last minute of the day
                  At(2026, 12, 9, 4, 0, 3, 0, 4),            // the next day
                  At(2026, 12, 8, 3, 59, 3, 0, 5),           // the day before
                  At(2026, 12, 8, 10, 0, 3, 2, 6),           // not new
                  At(2026, 12, 8, 10, 0, 3, 0, 7, "b.vrf"),  // another file
              });
    EXPECT_EQ(log->newReviewedOnDay("a.vrf", start, end).value(), 3);
    EXPECT_EQ(log->newReviewedOnDay("b.vrf", start, end).value(), 1);
    EXPECT_EQ(log->newReviewedOnDay("c.vrf", start, end).value(), 0);
}
