// Turning the range dialog's numbers into question indexes, and the count
// dialog's limit.

#include <gtest/gtest.h>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/RangeCount.h"

namespace {

// Titles and their questions (numbers 1-based):
//   question 1 before any title,
//   title 1 "T1": questions 2, 3 (group 1, the second marked),
//   title 2 "T2": no questions,
//   title 3 "T3": questions 4, 5 (group 2).
const char* kSections =
    "VORELDATA V3.0\r\n"
    "q1,,a1,,,<00\r\n"
    "#T1,000000\r\n"
    "q2,,a2,,,<10\r\n"
    "q3,,a3,,,=10\r\n"
    "#T2,000000\r\n"
    "#T3,000000\r\n"
    "q4,,a4,,,<20\r\n"
    "q5,,a5,,,<20\r\n";

struct RangeFixture : DocFixture {
    RangeFixture(const char* text = kSections) { EXPECT_TRUE(load(text)); }
    CLSRangeCount count(int s, int e, bool titles = false) {
        CLSRangeRequest r;
        r.start = s;
        r.end = e;
        r.titleNumbers = titles;
        return GetQuestionCountOnRangeDialog(doc, r);
    }
};

}  // namespace

TEST(RangeCount, QuestionNumbersAreCheckedAndConverted) {
    RangeFixture f;
    CLSRangeCount all = f.count(1, 5);
    EXPECT_EQ(all.first, 0);
    EXPECT_EQ(all.last, 4);
    EXPECT_EQ(all.count, 5);
    EXPECT_EQ(U8(all.startText), "q1");
    EXPECT_EQ(U8(all.endText), "q5");

    EXPECT_EQ(f.count(0, 3).count, 0) << "numbers start at 1";
    EXPECT_EQ(f.count(3, 2).count, 0) << "end before start";
    EXPECT_EQ(f.count(1, 6).count, 0) << "beyond the last question";
    EXPECT_EQ(f.count(-4, -1).count, 0);
    CLSRangeCount one = f.count(4, 4);
    EXPECT_EQ(one.count, 1);
    EXPECT_EQ(one.first, 3);
}

TEST(RangeCount, TitleNumbersTakeWholeSections) {
    RangeFixture f;
    CLSRangeCount first = f.count(1, 1, true);
    EXPECT_EQ(first.first, 1) << "the question before the first title is not in its section";
    EXPECT_EQ(first.last, 2);
    EXPECT_EQ(first.count, 2);
    EXPECT_EQ(U8(first.startText), "T1");

    CLSRangeCount empty = f.count(2, 2, true);
    EXPECT_EQ(empty.count, 0) << "a title without questions asks nothing";
    EXPECT_EQ(U8(empty.startText), "T2");

    CLSRangeCount toEnd = f.count(2, 3, true);
    EXPECT_EQ(toEnd.first, 3);
    EXPECT_EQ(toEnd.last, 4);
    EXPECT_EQ(toEnd.count, 2);
    EXPECT_EQ(f.count(1, 3, true).count, 4);
    EXPECT_EQ(f.count(1, 4, true).count, 0) << "only three titles";
}

TEST(RangeCount, AnEmptyLastSectionNeverCountsAnEarlierQuestion) {
    // Title 2 closes the file: its range must not fall back to question 2.
    RangeFixture f(
        "VORELDATA V3.0\r\n#T1,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n#T2,000000\r\n");
    EXPECT_EQ(f.count(2, 2, true).count, 0);
    EXPECT_EQ(f.count(1, 2, true).count, 2);
}

TEST(RangeCount, GroupsAndMarksFilterTheRange) {
    RangeFixture f;
    CLSRangeRequest r;
    r.start = 1;
    r.end = 5;
    r.groups.fill(false);
    r.groups[1] = true;
    EXPECT_EQ(GetQuestionCountOnRangeDialog(f.doc, r).count, 2);
    r.markFilter = CLSExam::kMarkedOnly;
    EXPECT_EQ(GetQuestionCountOnRangeDialog(f.doc, r).count, 1);
    r.markFilter = CLSExam::kMarkedExcluded;
    EXPECT_EQ(GetQuestionCountOnRangeDialog(f.doc, r).count, 1);
    r.groups.fill(false);
    r.markFilter = CLSExam::kMarksIgnored;
    EXPECT_EQ(GetQuestionCountOnRangeDialog(f.doc, r).count, 0);

    // The dialog's count is what the exam will ask once the range is stored.
    CLSRandom random(1);
    CLSExam exam(f.doc, f.settings, random, f.clock);
    r.groups.fill(true);
    r.groups[0] = false;
    r.start = 1;
    r.end = 3;
    r.titleNumbers = true;
    CLSRangeCount c = GetQuestionCountOnRangeDialog(f.doc, r);
    exam.setRangeFirst(c.first);
    exam.setRangeLast(c.last);
    exam.setGroups(r.groups);
    EXPECT_EQ(exam.questionsInRange(exam.rangeFirst(), exam.rangeLast()), c.count);
}

TEST(RangeCount, CountLimitFollowsNoRepeat) {
    RangeFixture f;
    CLSRandom random(1);
    CLSExam exam(f.doc, f.settings, random, f.clock);
    exam.resetRange();
    exam.setRangeFirst(1);
    exam.setRangeLast(4);
    EXPECT_EQ(exam.countLimit(true), 4);
    EXPECT_EQ(exam.countLimit(false), 32767);
    EXPECT_FALSE(IsValidExamCount(5, 4));
    EXPECT_TRUE(IsValidExamCount(4, 4));
    EXPECT_FALSE(IsValidExamCount(0, 32767));
    EXPECT_EQ(U8(RangeLimitText(4)), "(1～4)");
    EXPECT_EQ(U8(QuestionCountText(12)), "12問");
}
