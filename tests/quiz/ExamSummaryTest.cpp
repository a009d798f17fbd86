// The result dialog's copy of a finished run and the sorting of its list.

#include <gtest/gtest.h>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/ExamSummary.h"

namespace {

// Twelve questions; question 3's text has an escaped line break.
std::string twelve() {
    std::string text = "VORELDATA V3.0\r\n";
    for (int i = 1; i <= 12; ++i) {
        std::string q = i == 3 ? "一行目\\n二行目" : "問" + std::to_string(i);
        text += q + ",,a,,,<00\r\n";
    }
    return text;
}

struct SummaryFixture : DocFixture {
    CLSRandom random{3};
    CLSExam exam{doc, settings, random, clock};
    SummaryFixture() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        EXPECT_TRUE(load(twelve()));
        exam.resetRange();
    }
    // Asks questions in order, spending times[i] ms on each, judged by verdicts.
    void run(const std::vector<Verdict>& verdicts, const std::vector<int>& times) {
        ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
        for (size_t i = 0; i < verdicts.size(); ++i) {
            ASSERT_TRUE(exam.examNext());
            clock.now += times[i];
            exam.decide(verdicts[i]);
        }
    }
};

std::vector<int> numbers(const std::vector<CLSResultRow>& rows) {
    std::vector<int> out;
    for (const auto& r : rows)
        out.push_back(r.question + 1);
    return out;
}

}  // namespace

TEST(ExamSummary, CopiesTheJudgedRecords) {
    SummaryFixture f;
    f.run({Verdict::kRight, Verdict::kWrong, Verdict::kSkipped, Verdict::kRight},
          {500, 83000, 2000, 1000});
    ASSERT_TRUE(f.exam.examNext());  // asked but never judged: not in the result
    CLSExamSummary s = SummarizeExam(f.exam, f.clock.now + 400);
    EXPECT_EQ(s.asked, 4);
    EXPECT_EQ(s.right, 2);
    EXPECT_EQ(s.wrong, 1);
    EXPECT_EQ(s.answered(), 3);
    EXPECT_EQ(U8(s.rateText()), "66.67%");
    EXPECT_EQ(s.elapsed, 500 + 83000 + 2000 + 1000 + 400);
    ASSERT_EQ(s.rows.size(), 4u);
    EXPECT_EQ(s.rows[1].order, 2);
    EXPECT_EQ(s.rows[1].question, 1);
    EXPECT_EQ(U8(s.rows[1].mark), "×");
    EXPECT_EQ(U8(s.rows[1].timeText), "1分23秒");
    EXPECT_EQ(U8(s.rows[2].mark), "－");
    EXPECT_EQ(U8(s.rows[2].text), "一行目 二行目");
    EXPECT_EQ(U8(s.rows[3].text), "問4");

    // The next run reuses the exam's records; the copy stays.
    f.run({Verdict::kRight}, {10});
    EXPECT_EQ(U8(s.rows[1].mark), "×");
    EXPECT_EQ(SummarizeExam(f.exam, f.clock.now).asked, 1);

    CLSExamSummary none = SummarizeExam(CLSExam(f.doc, f.settings, f.random, f.clock), 0);
    EXPECT_EQ(none.asked, 0);
    EXPECT_EQ(U8(none.rateText()), "－");
}

TEST(ExamSummary, SortsNumbersAsNumbersAndFlipsDirection) {
    SummaryFixture f;
    std::vector<Verdict> verdicts(12, Verdict::kRight);
    verdicts[9] = Verdict::kWrong;
    f.run(verdicts, {5, 3, 9, 1, 7, 2, 8, 4, 6, 10, 11, 12});
    std::vector<CLSResultRow> rows = SummarizeExam(f.exam, f.clock.now).rows;

    SortResultRows(rows, kResultNumber, false);
    EXPECT_EQ(numbers(rows), (std::vector<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    SortResultRows(rows, kResultNumber, true);
    EXPECT_EQ(numbers(rows)[8], 9) << "9 before 10, not after 1";
    EXPECT_EQ(numbers(rows)[9], 10);

    SortResultRows(rows, kResultTime, true);
    EXPECT_EQ(numbers(rows), (std::vector<int>{4, 6, 2, 8, 1, 9, 5, 7, 3, 10, 11, 12}));
    SortResultRows(rows, kResultTime, false);
    EXPECT_EQ(numbers(rows), (std::vector<int>{12, 11, 10, 3, 7, 5, 9, 1, 8, 2, 6, 4}));

    // Equal marks keep the order they had; "×" sorts before "○" in CP932.
    SortResultRows(rows, kResultOrder, true);
    SortResultRows(rows, kResultMark, true);
    EXPECT_EQ(numbers(rows).front(), 10);
    EXPECT_EQ(numbers(rows)[1], 1);
    EXPECT_EQ(numbers(rows).back(), 12);
    SortResultRows(rows, kResultText, true);
    EXPECT_EQ(U8(rows.front().text), "一行目 二行目");
    SortResultRows(rows, 7, true);  // unknown column: unchanged
    EXPECT_EQ(U8(rows.front().text), "一行目 二行目");
}
