// The review pages' figures: due dates on the learner's days, and missed
// counts of the log and the exam history merged for the open file.

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

#include "DocFixture.h"
#include "data/ReviewLine.h"
#include "quiz/ReviewStats.h"
#include "srs/ReviewDay.h"
#include "srs/SqliteReviewLog.h"

namespace {

// The fake clock's moment: Tuesday 2026-12-08 09:30 in Tokyo.
constexpr int64_t kNow = 1'796'689'800'000;
constexpr int64_t kHour = 3'600'000;
// The learner's day started at 04:00 Tokyo time, 5 h 30 min before.
constexpr int64_t kTodayStart = kNow - 5 * kHour - kHour / 2;

CLSReviewState due(ReviewPhase phase, int64_t dueMs, uint64_t id = 0) {
    return {phase, 5, 5, kNow - 24 * kHour, dueMs, 0, id};
}

// A run of the exam history with its rows' number and mark fields.
CLSExamLogOne run(const char* file, const char* method, const std::vector<const char*>& rows) {
    CLSExamLogOne r;
    r.fileName = CLSTString(file);
    r.method = CLSTString(method);
    r.rows.emplace_back(CLSTString("順番,問題番号,正誤").tokenize(','));
    for (const char* row : rows)
        r.rows.emplace_back(CLSTString(row).tokenize(','));
    return r;
}

}  // namespace

TEST(ReviewStats, DueDatesLandOnTheLearnersDays) {
    std::vector<CLSReviewState> states{
        CLSReviewState(),                                                     // new
        due(ReviewPhase::Review, kNow - 3 * 24 * kHour),                      // overdue
        due(ReviewPhase::Learning, kNow + 10 * 60'000),                       // a step today
        due(ReviewPhase::Review, kTodayStart + 24 * kHour - 1),               // 03:59 tomorrow
        due(ReviewPhase::Review, kTodayStart + 24 * kHour),                   // 04:00 tomorrow
        due(ReviewPhase::Relearning, kTodayStart + 29 * 24 * kHour + kHour),  // the last day
        due(ReviewPhase::Review, kTodayStart + 30 * 24 * kHour),              // past the chart
        due(ReviewPhase::Review, std::numeric_limits<int64_t>::max()),
    };
    CLSDueForecast f = DueForecastOf(states, kNow, 540, 4, 30);
    ASSERT_EQ(f.perDay.size(), 30u);
    EXPECT_EQ(f.perDay[0], 3) << "overdue, a learning step and 03:59 count on today";
    EXPECT_EQ(f.perDay[1], 1);
    EXPECT_EQ(f.perDay[29], 1);
    EXPECT_EQ(std::accumulate(f.perDay.begin(), f.perDay.end(), int64_t{0}), 5)
        << "new questions have no due date";
    EXPECT_EQ(f.later, 2);
    EXPECT_EQ(f.phases, (CLSReviewPhaseCounts{1, 1, 5, 1}));

    // West of UTC with the day starting at midnight: New York's 2026-12-07
    // runs from 05:00 UTC that day to 05:00 UTC the next.
    int64_t nextMidnight = CivilDayNumber(2026, 12, 8) * 24 * kHour + 5 * kHour;
    states = {due(ReviewPhase::Review, nextMidnight - 1), due(ReviewPhase::Review, nextMidnight)};
    f = DueForecastOf(states, kNow, -300, 0, 2);
    EXPECT_EQ(f.perDay, (std::vector<int64_t>{1, 1}));
    EXPECT_EQ(f.later, 0);
}

TEST(ReviewStats, MissedCountsOfTheLogAndTheHistoryMergeForTheOpenFile) {
    std::vector<CLSReviewState> states(5);
    states[1] = due(ReviewPhase::Review, kNow, 0xA1);
    states[3] = due(ReviewPhase::Relearning, kNow, 0xA3);
    std::unordered_map<uint64_t, int> ids = ReviewIdIndex(states);
    EXPECT_EQ(ids, (std::unordered_map<uint64_t, int>{{0xA1, 1}, {0xA3, 3}}))
        << "questions never reviewed have no identity";

    std::vector<CLSMissedQuestion> log{
        {0xA3, "/d/a.vrf", 4},
        {0xA1, "/d/b.vrf", 9},  // the same identity in another file
        {0xFF, "/d/a.vrf", 7},  // a question the file no longer has
        {0xA1, "/d/a.vrf", 1},
    };
    std::vector<int64_t> wrong{2, 1, 0, 0, 3};
    std::vector<CLSMissedEntry> missed = MostMissedOf(log, "/d/a.vrf", ids, wrong, 10);
    EXPECT_EQ(missed, (std::vector<CLSMissedEntry>{{3, 4, 0}, {4, 0, 3}, {0, 0, 2}, {1, 1, 1}}))
        << "most missed first, ties by question; question 2 was never missed";
    EXPECT_EQ(MostMissedOf(log, "/d/a.vrf", ids, wrong, 2).size(), 2u);
    EXPECT_TRUE(MostMissedOf(log, "/d/a.vrf", ids, wrong, 0).empty());
}

TEST(ReviewStats, WrongAnswersOfTheHistoryCountPerQuestionOfTheFile) {
    std::vector<CLSExamLogOne> records{run("/d/A.vrf", "すべて", {"1,1,×", "2,2,○"}),
                                       run("/d/a.vrf", "ランダム", {"1,1,×", "2,3,－"}),
                                       run("/d/a.vrf", "復習", {"1,2,×"}),
                                       run("/d/b.vrf", "すべて", {"1,2,×"}),
                                       run("/d/a.vrf", "すべて", {"1,9,×", "2,x,×", "3,0,×", "4"})};
    // The name's case does not matter, as in the history's tree; skipped
    // answers, other files and numbers the file does not have count nothing.
    EXPECT_EQ(ExamWrongCounts(records, CLSTString("/d/a.vrf"), 3, true),
              (std::vector<int64_t>{2, 0, 0}))
        << "the review log counts the review run";
    EXPECT_EQ(ExamWrongCounts(records, CLSTString("/d/a.vrf"), 3, false),
              (std::vector<int64_t>{2, 1, 0}));
}

TEST(ReviewStats, AReviewRunCountsFromTheLogUnlessItCannotBeRead) {
    DocFixture f;
    CLSReviewState scheduled = due(ReviewPhase::Review, kNow, 78);
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n#T,010000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n" +
                       ReviewLineText(scheduled, "q2") + "\r\n"));
    auto log = std::move(*CLSSqliteReviewLog::openInMemory());
    // An Again of a review run is in the log and, as a wrong answer, in the
    // run's record of the history.
    for (const std::string& file : {f.doc.getPath().str(), std::string("/elsewhere.vrf")})
        ASSERT_TRUE(log->append({78, file, kNow - kHour, 540, 4, 1, 2, 5, 5, 1000}).ok());
    std::vector<CLSExamLogOne> history{run(f.doc.getPath().text(), "復習", {"1,2,×"})};
    CLSReviewSettings settings = f.settings.review().schedulerSettings(540);
    CLSReviewStats stats = ReviewStatsOf(f.doc, settings, kNow, log.get(), history);
    EXPECT_TRUE(stats.logRead);
    EXPECT_FALSE(stats.logEmpty);
    EXPECT_EQ(stats.missed, (std::vector<CLSMissedEntry>{{1, 1, 0}}))
        << "counted once, and the other file's Again is not this question's";

    // The log refuses a day starting at 24: its figures are left out, it
    // says why, and the history counts the run instead.
    settings.dayStartHour = 24;
    stats = ReviewStatsOf(f.doc, settings, kNow, log.get(), history);
    EXPECT_FALSE(stats.logRead);
    EXPECT_NE(stats.logProblem.find("24 時"), std::string::npos) << stats.logProblem;
    EXPECT_TRUE(stats.retention.empty());
    EXPECT_EQ(stats.missed, (std::vector<CLSMissedEntry>{{1, 0, 1}}));
    EXPECT_EQ(stats.forecast.phases.review, 1) << "the schedules are in the file";
}
