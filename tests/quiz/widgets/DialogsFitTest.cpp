// Every dialog of the study screen at its default size, in Japanese and in
// English: no text clipped, and in English a key of its own for each text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "DocFixture.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/Exam.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/DlgCount.h"
#include "quiz/widgets/DlgExamLog.h"
#include "quiz/widgets/DlgList.h"
#include "quiz/widgets/DlgOtherAnswer.h"
#include "quiz/widgets/DlgRange.h"
#include "quiz/widgets/DlgReaskMenu.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/StudyScreen.h"
#include "srs/SqliteReviewLog.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/Languages.h"

namespace {

const char* kQuestions =
    "VORELDATA V3.0\r\n"
    "#英単語,000000\r\n"
    "りんごは英語で？,,apple,,赤い果物です,<00\r\n"
    "光の三原色から二つ,,[red|green|blue],,,<01\r\n"
    "山,高い,富士山,,,=10\r\n"
    "$Group=英語,地理,2,3,4,5,6,7,8,9\r\n";

struct Quiz : DocFixture {
    CLSRandom random{3};
    CLSExam exam{doc, settings, random, clock};
    Quiz() {
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        EXPECT_TRUE(load(kQuestions));
        exam.resetRange();
    }
    void ask(int q) {
        exam.setRangeFirst(q);
        ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
        ASSERT_TRUE(exam.examNext());
        clock.now += 3000;
    }
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

// One run of the file in the exam history.
std::string OneRun(const std::string& file) {
    return "Vorel for Windows Ver.3.13 出題履歴\r\n[   時刻   ] 2026年12月7日(月) 9時0分0秒\r\n"
           "[ファイル名] " +
           file +
           "\r\n[ 出題範囲 ] 1～3\r\n[ グループ ] 0\r\n[ 出題方法 ] すべて\r\n"
           "[解答モード] 通常\r\n[  正解率  ] 66.67%\r\n[ 所要時間 ] 1分0秒\r\n"
           "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n"
           "1,1,○,2秒,りんごは英語で？,apple,0,\r\n2,2,×,12秒,光の三原色から二つ,red,0,\r\n"
           "3,3,○,3秒,山,富士山,1,\r\n";
}

}  // namespace

TEST(QuizDialogs, RangeAndCountFitInBothLanguages) {
    InBothLanguages([] {
        Quiz f;
        CLSDlgRange range(f.exam);
        ShowAndCheck(range, "range");
        CLSDlgCount counted(f.exam, CLSExamMode::counted());
        ShowAndCheck(counted, "count");
    });
}

TEST(QuizDialogs, AnswerDialogsFitInBothLanguages) {
    InBothLanguages([] {
        Quiz f;
        f.settings.setAnswerMode(AnswerMode::kWritten);
        f.ask(0);
        {
            CLSDlgAnswer right(f.exam, f.exam.answer(typed({"apple"})));
            ShowAndCheck(right, "answer-right");
        }
        f.ask(1);
        {
            CLSDlgAnswer wrong(f.exam, f.exam.answer(typed({"red", "pink"})));
            ShowAndCheck(wrong, "answer-wrong");
        }
        f.settings.setAnswerMode(AnswerMode::kConfirm);
        f.ask(0);
        {
            CLSDlgAnswer confirm(f.exam, f.exam.answer({}));
            ShowAndCheck(confirm, "answer-confirm");
        }
        f.ask(1);
        CLSDlgOtherAnswer other(f.doc.currentQuestion(), QApplication::font(), f.settings,
                                CLSTString());
        ShowAndCheck(other, "other-answers");
    });
}

TEST(QuizDialogs, ReviewAnswerDialogsFitInBothLanguages) {
    InBothLanguages([] {
        for (bool four : {false, true}) {
            Quiz f;
            f.settings.setAnswerMode(AnswerMode::kConfirm);
            f.settings.review().learningSteps = "";
            f.settings.review().fourButtons = four;
            auto opened = CLSSqliteReviewLog::openInMemory();
            ASSERT_TRUE(opened.ok());
            std::unique_ptr<CLSSqliteReviewLog> log = std::move(*opened);
            f.exam.setReviewLog(log.get());
            ASSERT_TRUE(f.exam.examStart(CLSExamMode::review()));
            ASSERT_TRUE(f.exam.examNext());
            f.clock.now += 3000;
            CLSDlgAnswer review(f.exam, f.exam.answer({}));
            ShowAndCheck(review, four ? "answer-review-four" : "answer-review");
        }
    });
}

TEST(QuizDialogs, ResultAndReaskFitInBothLanguages) {
    InBothLanguages([] {
        Quiz f;
        ASSERT_TRUE(f.exam.examStart(CLSExamMode::inOrder()));
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(f.exam.examNext());
            f.clock.now += 4000;
            f.exam.decide(i == 1 ? Verdict::kWrong : Verdict::kRight);
        }
        CLSDlgResult result(f.exam, f.clock.now, f.settings, true);
        ShowAndCheck(result, "result");
        CLSDlgReaskMenu reask(f.settings, true);
        ShowAndCheck(reask, "reask-menu");
        CLSDlgReaskMenu reaskAll(f.settings, false);
        ShowAndCheck(reaskAll, "reask-menu-all");
    });
}

TEST(QuizDialogs, QuestionCardAndExamLogFitInBothLanguages) {
    InBothLanguages([] {
        EditorWindow w(kQuestions);
        ASSERT_TRUE(w.window->dispatch(StudyCommand::kCard));
        CLSDlgList* card = w.window->studyScreen()->card();
        ASSERT_NE(card, nullptr);
        ExpectFits(card, "question-card");
        card->setEditing(true);
        ExpectFits(card, "question-card-editing");
        card->setEditing(false);
        card->showQuestion(2);  // with its hints beside
        ExpectFits(card, "question-card-hints");
        card->setEditing(true);
        ExpectFits(card, "question-card-hints-editing");
        card->setEditing(false);
        ExpectFits(card, "question-card-hints");
        card->close();

        w.settings.setExamLogName(CLSTString(w.dir.file("EXAMLOG.TXT")));
        WriteFileBytes(w.dir.file("EXAMLOG.TXT"), Utf8ToCp932Literal(OneRun(w.dir.file("e.vrf"))));
        CLSDlgExamLog log(*w.window->studyScreen());
        log.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.records().size() == 1u; }, 10000));
        QTest::qWait(100);
        ExpectFits(&log, "exam-log");
        log.reject();
    });
}
