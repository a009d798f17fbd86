// The range and count dialogs and the idle panel, driven as the learner
// would drive them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/widgets/DlgCount.h"
#include "quiz/widgets/DlgRange.h"
#include "quiz/widgets/OpeningPanel.h"
#include "text/widgets/NumberSpinBox.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

namespace {

const char* kRefusal = "値が有効範囲を超えています。";

// Thirty questions: 1-10 under "名詞" (group 4 for question 7), none under
// "空の章", 11-30 under "動詞" (every third marked).
std::string thirtyQuestions() {
    std::string text = "VORELDATA V3.0\r\n#名詞,000000\r\n";
    for (int i = 1; i <= 30; ++i) {
        if (i == 11) text += "#空の章,000000\r\n#動詞,000000\r\n";
        text += "問題" + std::to_string(i) + ",,答え" + std::to_string(i) + ",,," +
                (i % 3 == 0 ? "=" : "<") + (i == 7 ? "4" : "0") + "0\r\n";
    }
    return text + "$Group=名詞の組,動詞の組\r\n$Message=範囲を選んでください。\r\n";
}

struct DialogFixture : DocFixture {
    CLSRandom random{7};
    CLSExam exam{doc, settings, random, clock};
    DialogFixture() {
        UseProgramFonts();
        EXPECT_TRUE(load(thirtyQuestions()));
        exam.resetRange();
    }
    int refusals() const {
        int n = 0;
        for (const auto& e : prompter.entries)
            n += e.utf8 == kRefusal && e.icon == PromptIcon::Error;
        return n;
    }
};

void typeNumber(CLSNumberSpinBox* box, int value) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(value));
}

}  // namespace

TEST(RangeDialog, ShowsTheExamsRangeAndCountsAsItChanges) {
    DialogFixture f;
    f.exam.setRangeFirst(4);
    f.exam.setRangeLast(9);
    f.exam.setGroupEnabled(4, false);
    f.exam.setMarkFilter(CLSExam::kMarkedExcluded);
    CLSDlgRange dialog(f.exam);
    EXPECT_EQ(dialog.windowTitle(), U("出題範囲指定"));
    EXPECT_TRUE(dialog.questionNumbersButton()->isChecked());
    EXPECT_EQ(dialog.startBox()->value(), 5);
    EXPECT_EQ(dialog.endBox()->value(), 10);
    EXPECT_EQ(dialog.groupList()->count(), 10);
    EXPECT_EQ(dialog.groupList()->item(0)->text(), U("名詞の組"));
    EXPECT_EQ(dialog.groupList()->item(5)->text(), U("5"));
    EXPECT_FALSE(dialog.groupList()->item(4)->isSelected());
    EXPECT_TRUE(dialog.markButton(CLSExam::kMarkedExcluded)->isChecked());
    // 5..10 without 6, 9 (marked) and 7 (group 4).
    EXPECT_EQ(dialog.countLabel()->text(), U("3問"));

    dialog.show();
    typeNumber(dialog.endBox(), 12);
    EXPECT_EQ(dialog.countLabel()->text(), U("4問"));
    QTest::mouseClick(dialog.markButton(CLSExam::kMarkedOnly), Qt::LeftButton);
    EXPECT_EQ(dialog.countLabel()->text(), U("3問"));
    SaveShot(&dialog, "range-dialog");
}

TEST(RangeDialog, RefusesEmptyRangesAndStaysOpen) {
    DialogFixture f;
    CLSDlgRange dialog(f.exam);
    dialog.show();

    // The empty title in the middle asks nothing.
    QTest::mouseClick(dialog.titleNumbersButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.endBox()->value(), 3);
    EXPECT_EQ(dialog.countLabel()->text(), U("30問"));
    typeNumber(dialog.startBox(), 2);
    typeNumber(dialog.endBox(), 2);
    EXPECT_EQ(dialog.countLabel()->text(), U("0問"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.refusals(), 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    // Numbers beyond the questions, and an end before the start.
    QTest::mouseClick(dialog.questionNumbersButton(), Qt::LeftButton);
    typeNumber(dialog.endBox(), 31);
    QTest::keyClick(dialog.endBox(), Qt::Key_Return);
    EXPECT_EQ(f.refusals(), 2);
    typeNumber(dialog.startBox(), 20);
    typeNumber(dialog.endBox(), 19);
    QTest::keyClick(dialog.endBox(), Qt::Key_Return);
    EXPECT_EQ(f.refusals(), 3);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(f.exam.rangeFirst(), 0) << "a refused range leaves the exam alone";
    EXPECT_EQ(f.exam.rangeLast(), 29);

    // A group that holds nothing of the range.
    typeNumber(dialog.startBox(), 7);
    typeNumber(dialog.endBox(), 7);
    dialog.groupList()->item(4)->setSelected(false);
    EXPECT_EQ(dialog.countLabel()->text(), U("0問"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.refusals(), 4);
}

TEST(RangeDialog, WholeRangeButtonAndOkStoreTheRange) {
    DialogFixture f;
    f.exam.setRangeFirst(2);
    f.exam.setRangeLast(3);
    f.exam.setGroups({});
    f.exam.setGroupEnabled(0, true);
    f.exam.setMarkFilter(CLSExam::kMarkedOnly);
    CLSDlgRange dialog(f.exam);
    showActive(&dialog);
    QTest::mouseClick(dialog.titleNumbersButton(), Qt::LeftButton);
    pressAlt(&dialog, Qt::Key_D);
    EXPECT_TRUE(dialog.questionNumbersButton()->isChecked());
    EXPECT_EQ(dialog.startBox()->value(), 1);
    EXPECT_EQ(dialog.endBox()->value(), 30);
    EXPECT_EQ(dialog.groupList()->selectedItems().size(), 10);
    EXPECT_TRUE(dialog.markButton(CLSExam::kMarksIgnored)->isChecked());
    EXPECT_EQ(dialog.countLabel()->text(), U("30問"));
    EXPECT_TRUE(dialog.okButton()->hasFocus());

    // Title 3 alone: questions 11-30.
    QTest::mouseClick(dialog.titleNumbersButton(), Qt::LeftButton);
    typeNumber(dialog.startBox(), 3);
    dialog.groupList()->item(9)->setSelected(false);
    QTest::mouseClick(dialog.markButton(CLSExam::kMarkedExcluded), Qt::LeftButton);
    QTest::keyClick(dialog.okButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(f.prompter.entries.empty());
    EXPECT_EQ(f.exam.rangeFirst(), 10);
    EXPECT_EQ(f.exam.rangeLast(), 29);
    EXPECT_FALSE(f.exam.groupEnabled(9));
    EXPECT_TRUE(f.exam.groupEnabled(4));
    EXPECT_EQ(f.exam.markFilter(), CLSExam::kMarkedExcluded);
}

TEST(CountDialog, LimitFollowsTheCheckBox) {
    DialogFixture f;
    f.exam.setRangeFirst(0);
    f.exam.setRangeLast(4);  // five questions in range
    f.settings.setInitialExamCount(6);
    f.settings.setWeakPointStrength(3);
    f.settings.setFlag(CLSVorelSettings::kNoAlready, true);

    CLSDlgCount ticked(f.exam, CLSExamMode::counted());
    showActive(&ticked);
    EXPECT_EQ(ticked.windowTitle(), U("回数指定"));
    EXPECT_TRUE(ticked.noRepeatBox()->isChecked());
    EXPECT_EQ(ticked.limitLabel()->text(), U("(1～5)"));
    EXPECT_EQ(ticked.countBox()->value(), 6) << "the stored count is shown as it is";
    EXPECT_FALSE(ticked.strengthGroup()->isEnabled()) << "only weak-point runs";
    QTest::keyClick(ticked.countBox(), Qt::Key_Return);
    EXPECT_EQ(f.refusals(), 1);
    EXPECT_TRUE(ticked.isVisible());
    EXPECT_EQ(f.settings.initialExamCount(), 6);

    // Unticked, six may be asked (questions then come more than once).
    pressAlt(&ticked, Qt::Key_A);
    EXPECT_FALSE(ticked.noRepeatBox()->isChecked());
    EXPECT_EQ(ticked.limitLabel()->text(), U("(1～32767)"));
    QTest::keyClick(ticked.countBox(), Qt::Key_Return);
    EXPECT_EQ(ticked.result(), QDialog::Accepted);
    EXPECT_EQ(f.refusals(), 1);
    EXPECT_FALSE(f.settings.noAlready());
    EXPECT_EQ(f.settings.initialExamCount(), 6);

    // The arrows stay within the limit; zero is refused.
    CLSDlgCount again(f.exam, CLSExamMode::counted());
    again.show();
    again.noRepeatBox()->setChecked(true);
    typeNumber(again.countBox(), 5);
    QTest::keyClick(again.countBox(), Qt::Key_Up);
    EXPECT_EQ(again.countBox()->value(), 5);
    typeNumber(again.countBox(), 0);
    QTest::keyClick(again.countBox(), Qt::Key_Return);
    EXPECT_EQ(f.refusals(), 2);
}

TEST(CountDialog, WeakPointRunSetsTheStrengthThroughExamStart) {
    DialogFixture f;
    f.settings.setInitialExamCount(4);
    f.settings.setWeakPointStrength(8);
    QWidget owner;
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CLSDlgCount*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawDialog = true;
        EXPECT_TRUE(dialog->strengthGroup()->isEnabled());
        EXPECT_EQ(dialog->strengthSlider()->value(), 8);
        SaveShot(dialog, "count-dialog");
        dialog->strengthSlider()->setFocus();
        QTest::keyClick(dialog->strengthSlider(), Qt::Key_Left);
        typeNumber(dialog->countBox(), 3);
        QTest::keyClick(dialog->countBox(), Qt::Key_Return);
    });
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::weakPoints(), [&] {
        return RunCountDialog(&owner, f.exam, CLSExamMode::weakPoints());
    }));
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(f.settings.weakPointStrength(), 7);
    EXPECT_EQ(f.exam.remainingCount(), 3);

    QTimer::singleShot(0, [] {
        if (auto* dialog = QApplication::activeModalWidget())
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(f.exam.examStart(CLSExamMode::counted(), [&] {
        return RunCountDialog(&owner, f.exam, CLSExamMode::counted());
    })) << "cancel stops the run before it starts";
    EXPECT_EQ(f.settings.weakPointStrength(), 7);
}

TEST(OpeningPanel, ShowsTheDocumentAndCentresItsRows) {
    Q_INIT_RESOURCE(pictures);
    DialogFixture f;
    CLSOpeningPanel panel(f.doc);
    panel.resize(640, 400);
    panel.show();
    EXPECT_EQ(panel.pathField()->toPlainText(), QString::fromStdString(f.dir.file("t.vrf")));
    EXPECT_EQ(panel.countField()->text(), "30");
    EXPECT_EQ(panel.messageField()->toPlainText(), U("範囲を選んでください。"));
    QRect path = panel.pathField()->geometry();
    QRect message = panel.messageField()->geometry();
    EXPECT_EQ(path.left(), message.left());
    EXPECT_EQ(path.width(), message.width());
    EXPECT_GT(message.top(), panel.countField()->geometry().bottom());
    EXPECT_FALSE(panel.picture()->pixmap().isNull()) << "the logo from the resources";
    EXPECT_EQ(panel.picture()->size(), QSize(100, 56));
    EXPECT_EQ(panel.picture()->geometry().top(), message.top() + 3 * (message.height() / 3) + 8);
    SaveShot(&panel, "opening-panel");

    f.doc.newFile();
    panel.refresh();
    EXPECT_EQ(panel.countField()->text(), "0");
    EXPECT_TRUE(panel.messageField()->toPlainText().isEmpty());
}
