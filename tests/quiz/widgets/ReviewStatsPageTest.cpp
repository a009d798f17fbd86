// The history browser's review page drawn from a file with stored
// schedules and a log in memory.

#include <gtest/gtest.h>

#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>

#include "DocFixture.h"
#include "data/ReviewLine.h"
#include "quiz/widgets/ReviewStatsPage.h"
#include "srs/ReviewDay.h"
#include "srs/SqliteReviewLog.h"
#include "text/widgets/QtText.h"
#include "widgets/DialogTestSupport.h"

namespace {

constexpr int64_t kHour = 3'600'000;
constexpr int64_t kDay = 24 * kHour;

QStringList dayLabels(QChartView* view) {
    auto* x = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
    return x ? x->categoriesLabels() : QStringList();
}

}  // namespace

TEST(ReviewStatsPage, ChartsTheSchedulesAndTheLog) {
    UseProgramFonts();
    DocFixture f;
    const int64_t now = f.clock.utc;
    // q1 new; q2 to q6 due in -2 (overdue), 0 (a learning step), 1, 7 and 40 days.
    const std::pair<ReviewPhase, int64_t> due[] = {{ReviewPhase::Review, now - 2 * kDay},
                                                   {ReviewPhase::Learning, now + 600'000},
                                                   {ReviewPhase::Review, now + kDay},
                                                   {ReviewPhase::Relearning, now + 7 * kDay},
                                                   {ReviewPhase::Review, now + 40 * kDay}};
    std::string text = "VORELDATA V3.0\r\n#T,010000\r\nq1,,a1,,,<00\r\n";
    for (int q = 2; q <= 6; ++q) {
        CLSReviewState s{due[q - 2].first,
                         4,
                         5,
                         now - 4 * kDay,
                         due[q - 2].second,
                         0,
                         static_cast<uint64_t>(10 + q)};
        std::string question = "q" + std::to_string(q);
        text += question + ",,a,,,<00\r\n" + ReviewLineText(s, question) + "\r\n";
    }
    ASSERT_TRUE(f.load(text));
    auto log = std::move(*CLSSqliteReviewLog::openInMemory());
    auto review = [&](uint64_t id, int64_t at, int grade, int64_t answerMs) {
        ASSERT_TRUE(
            log->append({id, f.doc.getPath().str(), at, 540, 4, grade, 2, 4, 5, answerMs}).ok());
    };
    review(15, now - 7 * kDay, 1, 30'000);  // last week
    review(15, now - kDay, 1, 30'000);      // this week, yesterday
    review(14, now - kDay, 3, 30'000);
    review(12, now - kHour, 4, 90'000);
    review(12, now - kHour, 1, 30'000);
    CLSReviewSettings settings = f.settings.review().schedulerSettings(540);
    settings.desiredRetention = 0.85;
    CLSReviewStats stats = ReviewStatsOf(f.doc, settings, now, log.get(), {});
    CLSReviewStatsPage page;
    page.resize(560, 400);
    page.showStats(stats, f.doc);

    QBarSet* perDay = page.dueBars();
    ASSERT_EQ(perDay->count(), 30);
    EXPECT_EQ(perDay->at(0), 2) << "the overdue one and today's learning step";
    EXPECT_EQ(perDay->at(7), 1);
    CLSCivilDate inAWeek = CivilDateOf(stats.today + 7);
    EXPECT_EQ(dayLabels(page.dueView()).mid(0, 2),
              (QStringList{U("今日"), U("%1/%2").arg(inAWeek.month).arg(inAWeek.day)}));

    QBarSet* phases = page.phaseBars();  // relearning, review, learning, new
    ASSERT_EQ(phases->count(), 4);
    EXPECT_EQ((QList<qreal>{phases->at(0), phases->at(1), phases->at(2), phases->at(3)}),
              (QList<qreal>{1, 3, 1, 1}));

    // Two weeks of reviews against the goal, a level line over the whole span.
    QLineSeries* retention = page.retentionSeries();
    ASSERT_EQ(retention->count(), 2);
    EXPECT_EQ(retention->at(0).y(), 0);
    EXPECT_EQ(retention->at(1).y(), 50);
    QLineSeries* goal = page.desiredSeries();
    ASSERT_EQ(goal->count(), 2);
    EXPECT_EQ(goal->at(0).y(), 85);
    EXPECT_EQ(goal->at(1).y(), 85);
    EXPECT_LT(goal->at(0).x(), retention->at(0).x());
    EXPECT_GT(goal->at(1).x(), retention->at(1).x());

    QBarSet* minutes = page.studyBars();
    ASSERT_EQ(minutes->count(), 30);
    EXPECT_EQ(minutes->at(29), 2.0) << "today last";
    EXPECT_EQ(minutes->at(28), 1.0);
    EXPECT_EQ(dayLabels(page.studyView()).last(), U("今日"));

    // Every chart says what it is, to the eye and to a screen reader.
    for (QChartView* view :
         {page.dueView(), page.phaseView(), page.retentionView(), page.studyView()}) {
        EXPECT_FALSE(view->accessibleName().isEmpty());
        EXPECT_EQ(view->accessibleName(), view->chart()->title());
    }
    EXPECT_TRUE(page.note()->isHidden()) << page.note()->text().toStdString();
    SaveShot(&page, "review-stats");
}
