// The result dialog: figures, the sortable list, re-asking and the settings
// it keeps.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/ResultListModel.h"
#include "widgets/DialogTestSupport.h"

namespace {

// Twelve questions "問題1".."問題12".
std::string twelve() {
    std::string text = "VORELDATA V3.0\r\n";
    for (int i = 1; i <= 12; ++i)
        text += "問題" + std::to_string(i) + "の文,,a,,,<00\r\n";
    return text;
}

struct ResultFixture : DocFixture {
    CLSRandom random{5};
    CLSExam exam{doc, settings, random, clock};
    ResultFixture() {
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        EXPECT_TRUE(load(twelve()));
        exam.resetRange();
    }
    // An in-order run; wrong[i] marks a wrong answer, times[i] the seconds.
    void run(const std::vector<bool>& wrong, const std::vector<int>& seconds) {
        ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
        for (size_t i = 0; i < wrong.size(); ++i) {
            ASSERT_TRUE(exam.examNext());
            clock.now += seconds[i] * 1000;
            exam.decide(wrong[i] ? Verdict::kWrong : Verdict::kRight);
        }
    }
};

QStringList column(const QTableView* list, int c) {
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << list->model()->index(r, c).data().toString();
    return out;
}

void clickHeader(QTableView* list, int section) {
    QHeaderView* header = list->horizontalHeader();
    QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
              header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

TEST(ResultDialog, ShowsFiguresAndSortsColumns) {
    ResultFixture f;
    std::vector<bool> wrong(12, false);
    wrong[1] = wrong[10] = true;
    f.run(wrong, {5, 12, 9, 1, 7, 2, 70, 4, 6, 10, 11, 3});
    CLSDlgResult dialog(f.exam, f.clock.now, f.settings, true);
    QAbstractItemModelTester tester(dialog.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), U("結果"));
    EXPECT_EQ(dialog.figure(0)->text(), "12");
    EXPECT_EQ(dialog.figure(1)->text(), "12");
    EXPECT_EQ(dialog.figure(2)->text(), "10");
    EXPECT_EQ(dialog.figure(3)->text(), "83.33%");
    EXPECT_EQ(dialog.figure(4)->text(), U("2分20秒"));
    EXPECT_TRUE(dialog.figure(0)->font().bold());
    EXPECT_EQ(dialog.figure(0)->font().pointSize(), 16);
    QTableView* list = dialog.list();
    EXPECT_EQ(list->model()->headerData(3, Qt::Horizontal).toString(), U("所要時間"));
    EXPECT_EQ(column(list, 2)[1], U("×"));
    EXPECT_EQ(column(list, 4)[0], U("問題1の文"));
    SaveShot(&dialog, "result-window");

    // The first click ascends, the second on the same column descends.
    clickHeader(list, 3);
    EXPECT_EQ(column(list, 1).mid(0, 3), QStringList({"4", "6", "12"}));
    EXPECT_EQ(column(list, 3)[0], U("1秒"));
    EXPECT_EQ(column(list, 3)[11], U("1分10秒"));
    clickHeader(list, 3);
    EXPECT_EQ(column(list, 1).mid(0, 3), QStringList({"7", "2", "11"}));
    clickHeader(list, 1);
    EXPECT_EQ(column(list, 1).mid(7, 4), QStringList({"8", "9", "10", "11"}));
    clickHeader(list, 1);
    EXPECT_EQ(column(list, 1).first(), "12");
    EXPECT_EQ(column(list, 0).first(), "12");
    clickHeader(list, 0);
    EXPECT_EQ(column(list, 0).mid(8, 3), QStringList({"9", "10", "11"}));
}

TEST(ResultDialog, ReaskNeedsWrongAnswersAndTheBox) {
    ResultFixture f;
    f.run({false, false, false}, {1, 1, 1});
    f.settings.setFlag(CLSVorelSettings::kRetry, true);
    CLSDlgResult allRight(f.exam, f.clock.now, f.settings, false);
    EXPECT_FALSE(allRight.reaskBox()->isEnabled());
    EXPECT_TRUE(allRight.reaskBox()->isChecked()) << "the box still shows the setting";
    EXPECT_FALSE(allRight.randomBox()->isEnabled());
    EXPECT_FALSE(allRight.reaskButton()->isEnabled());

    f.run({false, true, true}, {1, 1, 1});
    f.settings.setFlag(CLSVorelSettings::kRetry, false);
    f.settings.setFlag(CLSVorelSettings::kRetryRandom, true);
    QWidget study;
    auto* pane = new CLSDlgResult(f.exam, f.clock.now, f.settings, false, &study);
    study.resize(600, 400);
    pane->resize(600, 400);
    study.show();
    EXPECT_FALSE(pane->isWindow());
    EXPECT_TRUE(pane->reaskBox()->isEnabled());
    EXPECT_FALSE(pane->reaskButton()->isEnabled());
    EXPECT_FALSE(pane->randomBox()->isEnabled());
    QSignalSpy reask(pane, &CLSDlgResult::reaskRequested);
    QTest::mouseClick(pane->reaskBox(), Qt::LeftButton);
    EXPECT_TRUE(f.settings.retry());
    ASSERT_TRUE(pane->reaskButton()->isEnabled());
    EXPECT_TRUE(pane->randomBox()->isEnabled());
    QTest::mouseClick(pane->reaskButton(), Qt::LeftButton);
    ASSERT_EQ(reask.count(), 1);
    EXPECT_TRUE(reask.front().front().toBool()) << "random from RetryRandom";
    QTest::mouseClick(pane->randomBox(), Qt::LeftButton);
    EXPECT_FALSE(f.settings.retryRandom());
    QTest::keyClick(pane->reaskButton(), Qt::Key_Return);
    ASSERT_EQ(reask.count(), 2);
    EXPECT_FALSE(reask.back().front().toBool());
    SaveShot(&study, "result-pane");

    // The copy outlives the exam's next run.
    f.run({false}, {1});
    EXPECT_EQ(pane->model()->rowCount(), 3);
    EXPECT_EQ(pane->figure(0)->text(), "3");
}

TEST(ResultDialog, ShowsQuestionsAndKeepsColumnWidths) {
    ResultFixture f;
    f.run({false, true, false}, {1, 2, 3});
    f.settings.setDetailsListColumnWidth(3, 111);
    CLSDlgResult dialog(f.exam, f.clock.now, f.settings, true);
    dialog.show();
    QTableView* list = dialog.list();
    QHeaderView* header = list->horizontalHeader();
    EXPECT_EQ(header->sectionSize(3), 111);
    // The question column fills the list up to its right edge.
    EXPECT_EQ(header->sectionViewportPosition(4) + header->sectionSize(4),
              list->viewport()->width());
    QSignalSpy show(&dialog, &CLSDlgResult::showQuestionRequested);
    QSignalSpy closed(&dialog, &CLSDlgResult::closed);

    EXPECT_FALSE(dialog.showButton()->isEnabled()) << "nothing selected yet";
    clickHeader(list, 1);
    clickHeader(list, 1);  // descending: question 3 first
    QRect second = list->visualRect(list->model()->index(1, 4));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_GE(show.count(), 1);
    EXPECT_EQ(show.back().front().toInt(), 1);
    ASSERT_TRUE(dialog.showButton()->isEnabled());
    QTest::mouseClick(dialog.showButton(), Qt::LeftButton);
    EXPECT_EQ(show.back().front().toInt(), 1);

    header->resizeSection(3, 130);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(f.settings.detailsListColumnWidth(3), 130);
}
