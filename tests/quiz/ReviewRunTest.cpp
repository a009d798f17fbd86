// How a review run grades: hints make a right answer Hard, a quick one may
// be Easy, a changed judgement regrades the schedule and the log's row.

#include <gtest/gtest.h>

#include <memory>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/ReviewRun.h"
#include "srs/FsrsModel.h"
#include "srs/SqliteReviewLog.h"

namespace {

struct ReviewFixture : DocFixture {
    CLSRandom random{7};
    CLSExam exam{doc, settings, random, clock};
    std::unique_ptr<CLSSqliteReviewLog> log;

    ReviewFixture() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.review().learningSteps = "";  // straight to review
        EXPECT_TRUE(load("VORELDATA V3.0\r\n#T,010000\r\nq1,h,a1,,,<00\r\nq2,,a2,,,<00\r\n"));
        exam.resetRange();
        auto opened = CLSSqliteReviewLog::openInMemory();
        EXPECT_TRUE(opened.ok());
        log = std::move(*opened);
        exam.setReviewLog(log.get());
        EXPECT_TRUE(exam.examStart(CLSExamMode::review()));
    }
    double stabilityOf(int q) { return doc.getQuestion(q)->question().review()->stability; }
    std::vector<CLSReviewRecord> rows() { return *log->reviews(); }
};

double initial(int grade) {
    return InitialStability(grade, CLSFsrsParameters::Defaults());
}

}  // namespace

TEST(ReviewRun, AHintMakesARightAnswerHardAndAChangeRegradesTheSameRow) {
    ReviewFixture f;
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.exam.currentQuestion(), 0);
    f.exam.hintShown();
    f.exam.answer({CLSSentence(CLSTString("a1"))});
    EXPECT_DOUBLE_EQ(f.stabilityOf(0), initial(2)) << "right after a hint is Hard";

    // The next question is on screen when the first judgement is turned.
    ASSERT_TRUE(f.exam.examNext());
    f.exam.changeJudgement(false);
    EXPECT_DOUBLE_EQ(f.stabilityOf(0), initial(1)) << "turned to wrong: Again";
    f.exam.answer({CLSSentence(CLSTString("a2"))});
    EXPECT_DOUBLE_EQ(f.stabilityOf(1), initial(3)) << "no hint for this one: Good";

    std::vector<CLSReviewRecord> rows = f.rows();
    ASSERT_EQ(rows.size(), 2u) << "one row per review, corrected in place";
    EXPECT_EQ(rows[0].grade, 1);
    EXPECT_EQ(rows[0].stateBefore, 0);
    EXPECT_EQ(rows[1].grade, 3);
    EXPECT_NE(rows[0].questionId, 0u);
    EXPECT_EQ(rows[0].questionId, f.doc.getQuestion(0)->question().review()->id);
}

TEST(ReviewRun, QuickAnswersAreEasyOnlyWhenAskedForAndSkipsLeaveNoTrace) {
    ReviewFixture f;
    f.settings.review().easyTime = 10;
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::review()));
    ASSERT_TRUE(f.exam.examNext());
    f.exam.answer({CLSSentence(CLSTString("a1"))});  // the fake clock does not move
    EXPECT_DOUBLE_EQ(f.stabilityOf(0), initial(4));

    ASSERT_TRUE(f.exam.examNext());
    f.exam.stopClock();
    f.exam.decide(Verdict::kSkipped);
    EXPECT_EQ(f.doc.getQuestion(1)->question().review(), nullptr);
    EXPECT_EQ(f.rows().size(), 1u);
    EXPECT_FALSE(f.exam.examNext()) << "a skipped question leaves the run";
}

TEST(ReviewRun, TheDayCountsTellWhatIsDueAndHowManyNewOnesAreLeft) {
    DocFixture f;
    f.settings.review().newPerDay = 1;
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\r\n#T,010000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n"
               "q3,,a3,,,<00,12611011930\r\n"));
    auto opened = CLSSqliteReviewLog::openInMemory();
    ASSERT_TRUE(opened.ok());
    CLSSqliteReviewLog& log = **opened;
    const std::string file = f.doc.getPath().str();

    CLSReviewDayCounts counts = ReviewDayCountsOf(f.doc, f.settings.review(), f.clock, &log, file);
    EXPECT_EQ(counts.due, 1) << "seeded from its history a month ago, so overdue";
    EXPECT_EQ(counts.newLeft, 1) << "two new questions, one allowed a day";
    // 9:30 in Japan on 2026-12-08: the day ends at 4:00 the next morning.
    EXPECT_EQ(counts.untilMs, f.clock.utcMillis() + (18 * 60 + 30) * 60000LL);
    EXPECT_EQ(ReviewDayCountsOf(f.doc, f.settings.review(), f.clock, nullptr, file), counts)
        << "without a log nothing counts as started";

    // A new question of this file started today uses the day's allowance up;
    // one of another file does not.
    CLSReviewRecord started;
    started.questionId = 5;
    started.dataFile = "/elsewhere.vrf";
    started.utcMs = f.clock.utcMillis();
    started.utcOffsetMinutes = 540;
    started.grade = 3;
    ASSERT_TRUE(log.append(started).ok());
    EXPECT_EQ(ReviewDayCountsOf(f.doc, f.settings.review(), f.clock, &log, file).newLeft, 1);
    started.dataFile = file;
    ASSERT_TRUE(log.append(started).ok());
    EXPECT_EQ(ReviewDayCountsOf(f.doc, f.settings.review(), f.clock, &log, file).newLeft, 0);
}
