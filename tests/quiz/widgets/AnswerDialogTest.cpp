// The answer dialog: what it shows of the judgement, and what it returns of
// the learner's decision (the override, skip and confirm buttons, the mark),
// the other answers and the automatic click. The exam records the decision,
// as the study screen has it do.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/DlgOtherAnswer.h"
#include "quiz/widgets/FlatButton.h"
#include "quiz/widgets/WndMNG.h"
#include "sentence/widgets/WndSentence.h"
#include "sentence/widgets/WndSentenceList.h"
#include "settings/SoundPlayer.h"
#include "widgets/DialogTestSupport.h"

namespace {

class SoundRecorder : public SoundPlayer {
  public:
    void play(const CLSTString& name) override { played.push_back(U8(name)); }
    void stop() override {}
    std::vector<std::string> played;
};

// 1: one answer and a comment; 2: three accepted answers, two to give;
// 3: a long answer and a long comment.
const char* kQuestions =
    "VORELDATA V3.0\r\n"
    "りんごは英語で？,,apple,,赤い果物です,<00\r\n"
    "光の三原色から二つ,,[red|green|blue],,,<01\r\n"
    "長い答え,,長い答え長い答え長い答え長い答え長い答え長い答え長い答え長い答え長い答え長い答え"
    "長い答え長い答え長い答え長い答え長い答え長い答え長い答え長い答え長い答え長い答え,,"
    "長いコメント長いコメント長いコメント長いコメント長いコメント長いコメント長いコメント"
    "長いコメント長いコメント長いコメント長いコメント長いコメント長いコメント長いコメント"
    "長いコメント長いコメント長いコメント長いコメント長いコメント長いコメント長いコメント,<00\r\n";

struct AnswerFixture : DocFixture {
    CLSRandom random{9};
    CLSExam exam{doc, settings, random, clock};
    SoundRecorder sounds;

    AnswerFixture() {
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, true);
        exam.setSoundPlayer(&sounds);
        settings.setAnswerMode(AnswerMode::kWritten);
        EXPECT_TRUE(load(kQuestions));
        exam.resetRange();
    }
    // Starts an in-order run at question index q (0-based).
    void askQuestion(int q) {
        exam.setRangeFirst(q);
        ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
        ASSERT_TRUE(exam.examNext());
        clock.now += 3000;
        sounds.played.clear();
    }
    const std::vector<CLSHistoryEntry>& history() { return doc.currentQuestion().history(); }
};

std::vector<CLSSentence> typed(std::initializer_list<const char*> texts) {
    std::vector<CLSSentence> out;
    for (const char* t : texts) {
        CLSSentence s;
        s.addText(Sj(t).view());
        out.push_back(s);
    }
    return out;
}

QString shownText(CLSWndSentence* view) {
    return ToQString(view->sentence().toText());
}

}  // namespace

TEST(AnswerDialog, RightAnswerIsRecordedAndCanBeOverridden) {
    AnswerFixture f;
    f.askQuestion(0);
    CLSDlgAnswer dialog(f.exam, f.exam.answer(typed({"apple"})));
    EXPECT_FALSE(dialog.judgedWrong());
    EXPECT_EQ(f.exam.rightCount(), 1);
    EXPECT_EQ(f.exam.records()[0].time, 3000) << "the answer clock stopped on opening";
    ASSERT_EQ(f.history().size(), 1u);
    EXPECT_EQ(f.history().back().result, 1);
    EXPECT_EQ(f.sounds.played, std::vector<std::string>{"RIGHT.WAV"});
    ASSERT_NE(dialog.answerView(), nullptr);
    EXPECT_EQ(shownText(dialog.answerView()), U("正解！"));
    EXPECT_EQ(dialog.answerView()->sentenceFont().pointSize(), 24);
    EXPECT_FALSE(dialog.rightButton()->isEnabled());
    EXPECT_TRUE(dialog.wrongButton()->isEnabled());
    EXPECT_FALSE(dialog.skipButton()->isEnabled());
    EXPECT_FALSE(dialog.otherButton()->isEnabled()) << "only one accepted answer";
    ASSERT_NE(dialog.commentView(), nullptr);
    EXPECT_EQ(shownText(dialog.commentView()), U("赤い果物です"));
    EXPECT_EQ(dialog.layout().animation.width(), 60);
    EXPECT_TRUE(dialog.animation()->isLoaded());
    dialog.show();
    EXPECT_FALSE(dialog.skipButton()->isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.okButton());
    SaveShot(&dialog, "answer-right");

    QTest::mouseClick(dialog.wrongButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(f.exam.rightCount(), 1) << "the dialog records nothing itself";
    EXPECT_EQ(dialog.decision().changedToRight, false);
    EXPECT_FALSE(dialog.decision().verdict);
    f.exam.apply(dialog.decision());
    EXPECT_EQ(f.history().size(), 1u) << "the newest entry is corrected, not added";
    EXPECT_EQ(f.history().back().result, 0);
    EXPECT_EQ(f.exam.rightCount(), 0);
    EXPECT_EQ(f.exam.wrongCount(), 1);
}

TEST(AnswerDialog, WrongAnswerShowsTheAnswersToGive) {
    AnswerFixture f;
    f.settings.setAnswerView(3);
    f.askQuestion(1);
    CLSDlgAnswer dialog(f.exam, f.exam.answer(typed({"red", "pink"})));
    EXPECT_TRUE(dialog.judgedWrong());
    EXPECT_EQ(f.exam.wrongCount(), 1);
    EXPECT_EQ(f.history().back().result, 0);
    EXPECT_EQ(f.sounds.played, std::vector<std::string>{"WRONG.WAV"});
    EXPECT_EQ(dialog.answerView(), nullptr);
    ASSERT_NE(dialog.answerList(), nullptr);
    EXPECT_EQ(dialog.answerList()->rowCount(), 2) << "the two answers to give";
    ASSERT_NE(dialog.otherList(), nullptr);
    EXPECT_EQ(dialog.otherList()->rowCount(), 3);
    EXPECT_FALSE(dialog.wrongButton()->isEnabled());
    EXPECT_TRUE(dialog.otherButton()->isEnabled());
    dialog.show();
    EXPECT_TRUE(dialog.otherLabel()->isVisible());
    SaveShot(&dialog, "answer-wrong");

    // The other answers open above it; Esc closes them.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* other = qobject_cast<CLSDlgOtherAnswer*>(QApplication::activeModalWidget());
        ASSERT_NE(other, nullptr);
        opened = true;
        EXPECT_EQ(other->windowTitle(), U("別解"));
        EXPECT_EQ(other->list()->rowCount(), 3);
        EXPECT_EQ(other->list()->geometry().left(), 2);
        EXPECT_EQ(other->list()->geometry().bottom() + 1, other->okButton()->geometry().top() - 6);
        SaveShot(other, "other-answers");
        QTest::keyClick(other, Qt::Key_Escape);
    });
    QTest::mouseClick(dialog.otherButton(), Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(dialog.isVisible());

    // The mark is taken as the dialog closes.
    QTest::mouseClick(dialog.markBox(), Qt::LeftButton);
    EXPECT_FALSE(dialog.decision().mark);
    QTest::mouseClick(dialog.rightButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.decision().mark, true);
    EXPECT_EQ(f.doc.currentQuestion().mark(), 0);
    f.exam.apply(dialog.decision());
    EXPECT_EQ(f.doc.currentQuestion().mark(), 1);
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_EQ(f.exam.rightCount(), 1);
    EXPECT_EQ(f.exam.wrongCount(), 0);
    EXPECT_EQ(f.history().back().result, 1);
}

TEST(AnswerDialog, ConfirmModeLetsTheLearnerJudge) {
    AnswerFixture f;
    f.settings.setAnswerMode(AnswerMode::kConfirm);
    struct Case {
        const char* name;
        std::function<void(CLSDlgAnswer&)> act;
        int right, wrong, history;
    };
    std::vector<Case> cases = {
        {"yes", [](CLSDlgAnswer& d) { QTest::mouseClick(d.rightButton(), Qt::LeftButton); }, 1, 0,
         1},
        {"no", [](CLSDlgAnswer& d) { QTest::keyClick(d.wrongButton(), Qt::Key_Space); }, 0, 1, 0},
        {"skip", [](CLSDlgAnswer& d) { QTest::mouseClick(d.skipButton(), Qt::LeftButton); }, 0, 0,
         -1},
        {"Esc", [](CLSDlgAnswer& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.askQuestion(0);
        size_t before = f.history().size();
        CLSDlgAnswer dialog(f.exam, f.exam.answer({}));
        EXPECT_EQ(f.exam.cursor(), 0) << "nothing is judged before the learner says so";
        EXPECT_EQ(f.exam.records()[f.exam.cursor()].time, 3000) << "the answer clock stopped";
        EXPECT_EQ(f.history().size(), before);
        EXPECT_TRUE(f.sounds.played.empty());
        EXPECT_FALSE(dialog.okButton()->isEnabled());
        EXPECT_TRUE(dialog.layout().animation.isEmpty());
        ASSERT_NE(dialog.answerView(), nullptr);
        EXPECT_EQ(shownText(dialog.answerView()), "apple");
        dialog.show();
        EXPECT_TRUE(dialog.skipButton()->isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.rightButton());
        if (std::string(c.name) == "yes") SaveShot(&dialog, "answer-confirm");
        c.act(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(f.exam.cursor(), 0);
        f.exam.apply(dialog.decision());
        EXPECT_EQ(f.exam.cursor(), 1);
        EXPECT_EQ(f.exam.rightCount(), c.right);
        EXPECT_EQ(f.exam.wrongCount(), c.wrong);
        if (c.history < 0) {
            EXPECT_EQ(f.history().size(), before) << "a skip leaves no history";
            EXPECT_EQ(U8(f.exam.resultMark(0)), "－");
        } else {
            ASSERT_EQ(f.history().size(), before + 1);
            EXPECT_EQ(f.history().back().result, c.history);
        }
    }
}

TEST(AnswerDialog, AutomaticClickClosesItUnlessBusyOrWrong) {
    AnswerFixture f;
    FakeOneShotTimer timer;
    f.settings.setAnsDlgAutoClickTime(30);
    f.askQuestion(0);
    {
        CLSDlgAnswer right(f.exam, f.exam.answer(typed({"apple"})), nullptr, &timer);
        EXPECT_TRUE(right.isAutoClickPending());
        EXPECT_EQ(timer.delay, 30);
        right.show();
        EXPECT_TRUE(timer.fire());
        EXPECT_FALSE(right.isVisible());
        EXPECT_EQ(right.result(), QDialog::Accepted);
    }

    f.settings.setFlag(CLSVorelSettings::kAnsDlgNoClickWrong, true);
    f.askQuestion(0);
    {
        CLSDlgAnswer wrong(f.exam, f.exam.answer(typed({"pear"})), nullptr, &timer);
        EXPECT_FALSE(wrong.isAutoClickPending()) << "a wrong answer waits for the learner";
    }

    // Confirm mode clicks the chosen button: a skip, no history.
    f.settings.setAnswerMode(AnswerMode::kConfirm);
    f.settings.setAnsDlgClickButtonType(2);
    f.askQuestion(0);
    size_t before = f.history().size();
    {
        CLSDlgAnswer confirm(f.exam, f.exam.answer({}), nullptr, &timer);
        confirm.show();
        EXPECT_TRUE(timer.fire());
        EXPECT_FALSE(confirm.isVisible());
        f.exam.apply(confirm.decision());
    }
    EXPECT_EQ(f.exam.cursor(), 1);
    EXPECT_EQ(U8(f.exam.resultMark(0)), "－");
    EXPECT_EQ(f.history().size(), before);

    // While a box is open above it, the click is dropped.
    f.settings.setAnswerMode(AnswerMode::kWritten);
    f.settings.setAnswerView(2);
    f.settings.setAnsDlgAutoClickTime(40);
    f.askQuestion(1);
    CLSDlgAnswer busy(f.exam, f.exam.answer(typed({"red", "green"})), nullptr, &timer);
    busy.show();
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget* other = QApplication::activeModalWidget();
        ASSERT_NE(other, nullptr);
        EXPECT_TRUE(timer.fire());
        stillOpen = busy.isVisible();
        QTest::keyClick(other, Qt::Key_Escape);
    });
    QTest::mouseClick(busy.otherButton(), Qt::LeftButton);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(busy.isVisible());
    busy.reject();
}

TEST(AnswerDialog, LongTextsShrinkToTheBaseHeight) {
    AnswerFixture f;
    f.settings.setBaseHeightWndAnswer(150);
    f.settings.setBaseWidthWndAnswer(300);
    f.askQuestion(2);
    CLSDlgAnswer dialog(f.exam, f.exam.answer(typed({"x"})));
    const CLSAnswerLayout& l = dialog.layout();
    EXPECT_EQ(l.width, std::max(300, l.ok.width() * 3 + 84));
    EXPECT_EQ(l.answerRowHeight, 60) << "not below the animation";
    EXPECT_EQ(l.comment.height(), 48);
    EXPECT_EQ(dialog.commentView()->height(), 48 - 2 * (1 + 4)) << "inside the comment's frame";
    EXPECT_GE(dialog.answerList() ? 0 : dialog.answerView()->height(), 48);
    dialog.show();
    SaveShot(&dialog, "answer-long");
    EXPECT_TRUE(dialog.commentView()->verticalBar()->isVisible()) << "the rest scrolls";
}
