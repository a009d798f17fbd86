#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "settings/SoundPlayer.h"
#include "text/Error.h"

namespace {

// A document of n questions q1..qn with answers a1..an; question i's group
// is i % 3 and every fourth question is marked.
std::string questions(int n) {
    std::string text = "VORELDATA V3.0\r\n";
    for (int i = 1; i <= n; ++i) {
        text += "q" + std::to_string(i) + ",,a" + std::to_string(i) + ",,," +
                (i % 4 == 0 ? "=" : "<") + std::to_string(i % 3) + "0\r\n";
    }
    return text;
}

struct ExamFixture : DocFixture {
    CLSRandom random{12345};
    CLSExam exam{doc, settings, random, clock};

    explicit ExamFixture(int n = 5) {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        EXPECT_TRUE(load(questions(n)));
        exam.resetRange();
    }
    // Runs the mode to its end, judging with judge(question index).
    std::vector<int> runAll(CLSExamMode mode, const std::function<Verdict(int)>& judge = {}) {
        std::vector<int> asked;
        EXPECT_TRUE(exam.examStart(mode, [] { return true; }));
        while (exam.examNext()) {
            int q = exam.currentQuestion();
            asked.push_back(q);
            exam.decide(judge ? judge(q) : Verdict::kRight);
            if (asked.size() > 100000) break;
        }
        return asked;
    }
};

}  // namespace

TEST(Exam, InOrderHonoursRangeGroupsAndMarks) {
    ExamFixture f(12);
    f.exam.setRangeFirst(1);
    f.exam.setRangeLast(10);
    f.exam.setGroups({});
    f.exam.setGroupEnabled(1, true);  // questions 1, 4, 7, 10 (numbers), indexes 0, 3, 6, 9
    EXPECT_EQ(f.runAll(CLSExamMode::inOrder()), (std::vector<int>{3, 6, 9}));
    f.exam.setMarkFilter(CLSExam::kMarkedOnly);  // number 4 only (index 3)
    EXPECT_EQ(f.runAll(CLSExamMode::inOrder()), (std::vector<int>{3}));
    f.exam.setMarkFilter(CLSExam::kMarkedExcluded);
    EXPECT_EQ(f.runAll(CLSExamMode::inOrder()), (std::vector<int>{6, 9}));
    f.exam.setGroups({});
    EXPECT_TRUE(f.runAll(CLSExamMode::inOrder()).empty()) << "a filtered-out range asks nothing";
}

TEST(Exam, RandomAllAsksEachOnceAndCountedMayRepeat) {
    ExamFixture f(5);
    std::vector<int> asked = f.runAll(CLSExamMode::randomAll());
    ASSERT_EQ(asked.size(), 5u);
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(f.exam.rightCount(), 5);

    f.settings.setInitialExamCount(40);
    asked = f.runAll(CLSExamMode::counted());
    ASSERT_EQ(asked.size(), 40u);
    bool repeated = false;
    for (size_t i = 1; i < asked.size(); ++i)
        repeated |= asked[i] == asked[i - 1];
    EXPECT_TRUE(repeated) << "without NoAlready a question may come twice in a row";

    f.settings.setFlag(CLSVorelSettings::kNoAlready, true);
    f.settings.setInitialExamCount(5);
    asked = f.runAll(CLSExamMode::counted());
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4}));

    bool cancelled = f.exam.examStart(CLSExamMode::counted(), [] { return false; });
    EXPECT_FALSE(cancelled);
}

TEST(Exam, CompleteRunRepeatsWrongAnswersUntilAllAreRight) {
    ExamFixture f(4);
    std::map<int, int> wrongOnce;
    std::vector<int> asked = f.runAll(CLSExamMode::complete(), [&](int q) {
        return wrongOnce[q]++ == 0 ? Verdict::kWrong : Verdict::kRight;
    });
    EXPECT_EQ(asked.size(), 8u) << "each question wrong once, then right";
    EXPECT_EQ(f.exam.rightCount(), 4);
    EXPECT_EQ(f.exam.wrongCount(), 4);

    // Turning a right judgement into a wrong one needs one more right answer.
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::complete()));
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.exam.remainingCount(), 4);
    f.exam.decide(Verdict::kRight);
    EXPECT_EQ(f.exam.remainingCount(), 3);
    f.exam.changeJudgement(false);
    EXPECT_EQ(f.exam.remainingCount(), 4);
    EXPECT_EQ(f.exam.rightCount(), 0);
    EXPECT_EQ(f.exam.wrongCount(), 1);
    EXPECT_EQ(f.doc.currentQuestion().history().back().result, 0);
    int more = 0;
    while (f.exam.examNext()) {
        f.exam.decide(Verdict::kRight);
        ++more;
    }
    EXPECT_EQ(more, 4);
}

TEST(Exam, ReaskTakesTheWrongOnesInOrderOrShuffled) {
    ExamFixture f(4);
    std::vector<Verdict> verdicts = {Verdict::kRight, Verdict::kWrong, Verdict::kSkipped,
                                     Verdict::kWrong};
    f.runAll(CLSExamMode::inOrder(), [&](int q) { return verdicts[q]; });
    EXPECT_EQ(f.exam.rateText(), "33.33%");
    EXPECT_EQ(U8(f.exam.resultMark(2)), "－");
    EXPECT_THROW(f.exam.resultMark(4), CLSError);
    EXPECT_EQ(f.runAll(CLSExam::reaskWrongMode(false)), (std::vector<int>{1, 3}));
    f.runAll(CLSExamMode::inOrder(), [&](int q) { return Verdict::kWrong; });
    std::vector<int> shuffled = f.runAll(CLSExam::reaskWrongMode(true));
    std::sort(shuffled.begin(), shuffled.end());
    EXPECT_EQ(shuffled, (std::vector<int>{0, 1, 2, 3}));

    ASSERT_TRUE(
        f.exam.restartFromList(CLSExamMode::reask(CLSExamMode::kRetrySelected, false), {3, 1}));
    EXPECT_EQ(f.exam.mode().value(), 0x47);
    std::vector<int> listed;
    while (f.exam.examNext()) {
        listed.push_back(f.exam.currentQuestion());
        f.exam.decide(Verdict::kRight);
    }
    EXPECT_EQ(listed, (std::vector<int>{3, 1}));
}

TEST(Exam, WeakPointsPreferWrongAnswersAndStopWithoutHistory) {
    ExamFixture f(20);
    // Question 7 was answered wrong last time; all others right.
    for (int q = 0; q < 20; ++q) {
        f.doc.setCurrentQuestion(q);
        f.doc.addHistory(q == 7 ? 0 : 1);
    }
    f.settings.setInitialExamCount(10);
    // Answering it wrong again keeps it the weakest.
    std::vector<int> asked = f.runAll(CLSExamMode::weakPoints(), [](int q) {
        return q == 7 ? Verdict::kWrong : Verdict::kRight;
    });
    EXPECT_EQ(std::count(asked.begin(), asked.end(), 7), static_cast<long>(asked.size()))
        << "with strength 8 the wrong question is found first every time";

    ExamFixture empty(20);
    empty.settings.setHistorySize(0);
    empty.settings.setInitialExamCount(3);
    EXPECT_EQ(empty.runAll(CLSExamMode::weakPoints()).size(), 3u)
        << "no history: the miss bound ends each pick";
}

TEST(Exam, LargeRangesReachEveryQuestion) {
    ExamFixture f(40000);
    f.settings.setFlag(CLSVorelSettings::kNoAlready, true);
    std::vector<int> asked = f.runAll(CLSExamMode::randomAll());
    EXPECT_EQ(asked.size(), 40000u) << "a single draw covers only 32768 values";
    EXPECT_GT(*std::max_element(asked.begin(), asked.end()), 32768);
}

TEST(Exam, ChoicesHoldTheRightAnswersOnceAndNoDuplicates) {
    DocFixture d;
    ASSERT_TRUE(d.load(
        "VORELDATA V3.0\r\n#T,400000\r\nq1,,same,,,<00\r\nq2,,same,,,<00\r\nq3,,other,,,<00\r\n"
        "q4,,,,,<00\r\nq5,,x\\ny,,,<10\r\n#U,000000\r\nq6,,far,,,<00\r\n"));
    CLSRandom random(7);
    CLSExam exam(d.doc, d.settings, random, d.clock);
    exam.resetRange();
    d.settings.setAnswerMode(AnswerMode::kNormal);
    d.settings.setChoiceFrom(1);  // this title's section
    ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(exam.examNext());
    ASSERT_TRUE(exam.hasChoices());
    EXPECT_EQ(exam.choiceCount(), 4) << "normal mode offers the title's count";
    std::vector<std::string> offered;
    for (const CLSChoiceSlot& s : exam.choiceSlots())
        offered.push_back(U8(s.sentence.toText()));
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<std::string>{"other", "same", "x\r\ny"}))
        << "the duplicate and the empty answer are dropped, the other section is not used";

    d.settings.setAnswerMode(AnswerMode::kWritten);
    ASSERT_TRUE(exam.examNext());
    EXPECT_FALSE(exam.hasChoices()) << "written mode asks with inputs";
    EXPECT_EQ(exam.choiceCount(), 0);
    d.settings.setAnswerMode(AnswerMode::kChoice);
    d.settings.setDefaultChoicesCount(2);
    d.settings.setChoiceFrom(2);  // same group: q1-q4 and q6 (group 0)
    ASSERT_TRUE(exam.examNext());
    EXPECT_EQ(exam.shownChoiceCount(), 2);
    EXPECT_EQ(exam.choiceCount(), 2) << "choice mode offers DefaultChoicesCount";
}

TEST(Exam, LabelsAndTexts) {
    ExamFixture f(3);
    f.doc.setGroupName(1, Sj("英語"));
    f.doc.setCurrentQuestion(0);
    f.doc.addHistory(1);
    f.doc.addHistory(0);
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(U8(f.exam.groupLabel()), "グループ\n英語");
    EXPECT_EQ(U8(f.exam.historyLabel()), "５４３２１\n－－－○×");
    auto name = [](CLSExamMode mode) { return U8(ExamModeName(mode)); };
    EXPECT_EQ(name(CLSExamMode::inOrder()), "すべて");
    EXPECT_EQ(name(CLSExamMode::randomAll()), "ランダム(すべて)");
    EXPECT_EQ(name(CLSExamMode::complete()), "ランダム(完全)");
    EXPECT_EQ(name(CLSExamMode::weakPoints().withNoRepeat()),
              "ランダム(弱点問題)(一度出題した問題は出題しない)");
    EXPECT_EQ(name(CLSExamMode::counted()), "ランダム");
    EXPECT_EQ(name(CLSExam::reaskWrongMode(true)), "間違えた問題を再出題(ランダム)");
    EXPECT_EQ(name(CLSExamMode::reask(CLSExamMode::kRetryAll, false)), "すべての問題を再出題");
    EXPECT_EQ(name(CLSExamMode::fromValue(3)), "不明");
    // The exam history keeps these values: they must not change.
    EXPECT_EQ(CLSExamMode::randomAll().value(), 50);
    EXPECT_EQ(CLSExamMode::complete().value(), 52);
    EXPECT_EQ(CLSExamMode::counted().value(), 16);
    EXPECT_EQ(CLSExamMode::weakPoints().value(), 19);
    EXPECT_EQ(CLSExam::reaskWrongMode(true).value(), 85);
    EXPECT_EQ(U8(AnswerModeName(AnswerMode::kConfirm)), "確認");
    EXPECT_EQ(U8(RateText(0, 0)), "－");
    EXPECT_EQ(U8(RateText(1, 0)), "100.00%");
    EXPECT_EQ(U8(RateText(2, 1)), "66.67%");
    EXPECT_EQ(U8(RateText(1, 7)), "12.50%");
}

TEST(Exam, CheckRangeResetsAnEmptyRange) {
    ExamFixture f(3);
    f.exam.setRangeFirst(0);
    f.exam.setRangeLast(99);
    EXPECT_FALSE(f.exam.checkRange());
    EXPECT_EQ(f.exam.rangeLast(), 2) << "clamped to the last question";
    f.exam.setGroups({});
    EXPECT_TRUE(f.exam.checkRange()) << "the learner is told";
    EXPECT_TRUE(f.exam.groupEnabled(5));
    EXPECT_EQ(f.exam.questionsInRange(-5, 100), 3);
}

// One path for every front end: judging records the verdict, the history and
// the sound; a flip after the next question was shown corrects the judged
// question's own history.
TEST(Exam, AnsweringRecordsHistoryAndSoundsInOnePlace) {
    ExamFixture f(3);
    struct Recorder : SoundPlayer {
        void play(const CLSTString& name) override { played.push_back(U8(name)); }
        void stop() override {}
        std::vector<std::string> played;
    } sounds;
    f.exam.setSoundPlayer(&sounds);
    f.settings.setSoundName(CLSVorelSettings::kSoundWrong, CLSTString("buzz.wav"));
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(f.exam.examNext());
    auto typed = [](const char* text) {
        CLSSentence s;
        s.addText(text);
        return std::vector<CLSSentence>{s};
    };
    CLSAnswerOutcome outcome = f.exam.answer(typed("a1"));
    EXPECT_EQ(outcome.verdict, Verdict::kRight);
    EXPECT_TRUE(outcome.judged);
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_EQ(f.exam.answer(typed("nope")).verdict, Verdict::kWrong);
    ASSERT_TRUE(f.exam.examNext());  // q3 is on screen while q2 is flipped
    f.exam.changeJudgement(true);
    EXPECT_EQ(f.exam.rightCount(), 2);
    EXPECT_EQ(f.exam.wrongCount(), 0);
    EXPECT_EQ(f.doc.getQuestion(1)->question().history().back().result, 1);
    EXPECT_TRUE(f.doc.getQuestion(2)->question().history().empty());
    f.exam.decide(Verdict::kSkipped);
    EXPECT_TRUE(f.doc.getQuestion(2)->question().history().empty()) << "a skip leaves no entry";
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"EXAM.WAV", "RIGHT.WAV", "EXAM.WAV",
                                                       "buzz.wav", "EXAM.WAV"}));
    f.settings.setFlag(CLSVorelSettings::kSound, false);
    f.exam.playSound(CLSVorelSettings::kSoundResult);
    f.exam.playSound(7);
    EXPECT_EQ(sounds.played.size(), 5u) << "sounds off, or no such slot";
}

TEST(Exam, TheLearnersDecisionIsAppliedToTheQuestionAnswered) {
    ExamFixture f(3);
    f.settings.setAnswerMode(AnswerMode::kConfirm);
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(f.exam.examNext());
    EXPECT_FALSE(f.exam.answer({}).judged) << "confirm mode waits for the learner";
    EXPECT_EQ(f.exam.cursor(), 0);
    f.exam.apply({Verdict::kWrong, {}, true});
    EXPECT_EQ(f.exam.wrongCount(), 1);
    const CLSVorelDataQuestion& first = f.doc.getQuestion(0)->question();
    EXPECT_EQ(first.mark(), 1);
    ASSERT_EQ(first.history().size(), 1u);

    // A judgement turned over and a mark taken off, with nothing else decided.
    f.exam.apply({{}, true, false});
    EXPECT_EQ(f.exam.rightCount(), 1);
    EXPECT_EQ(f.exam.wrongCount(), 0);
    EXPECT_EQ(first.history().back().result, 1);
    EXPECT_EQ(first.mark(), 0);
    EXPECT_EQ(f.exam.cursor(), 1) << "a decision made once moves the run on once";

    // No mark in the decision (the dialog never opened) leaves the mark alone.
    ASSERT_TRUE(f.exam.examNext());
    f.doc.setMark(f.doc.getQuestion(1)->question(), 1);
    f.exam.answer({});
    f.exam.apply({Verdict::kSkipped, {}, {}});
    EXPECT_EQ(f.doc.getQuestion(1)->question().mark(), 1);
    EXPECT_TRUE(f.doc.getQuestion(1)->question().history().empty());
}

// A data file may say any input height; a huge one would overflow the
// panel's pixel arithmetic and hide the inputs.
TEST(Exam, TheInputHeightOfADataFileKeepsToTheAllowedRange) {
    DocFixture d;
    d.settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
    d.settings.setUseData(d.settings.useData() | 1);
    ASSERT_TRUE(
        d.load("VORELDATA V3.0\r\n$InputFieldHeight=999999999\r\nq1,,a1,,,<00\r\n"
               "$InputFieldHeight=0\r\nq2,,a2,,,<00\r\n"));
    CLSRandom random{1};
    CLSExam exam{d.doc, d.settings, random, d.clock};
    exam.resetRange();
    ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(exam.examNext());
    EXPECT_EQ(exam.inputFieldHeight(), 100);
    exam.decide(Verdict::kRight);
    ASSERT_TRUE(exam.examNext());
    EXPECT_EQ(exam.inputFieldHeight(), 1);
}
