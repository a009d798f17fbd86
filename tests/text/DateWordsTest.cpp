// Dates, times and lengths of time in the program's language.

#include <gtest/gtest.h>

#include "text/DateWords.h"
#include "text/Language.h"

namespace {

// English for one test, the program's own language again after it.
struct InEnglish {
    InEnglish() { SetProgramLanguage("en"); }
    ~InEnglish() { SetProgramLanguage(kNativeLanguage); }
};

}  // namespace

TEST(DateWords, JapaneseWritesTheFormsTheProgramAlwaysWrote) {
    ASSERT_TRUE(SpeaksNativeLanguage());
    EXPECT_EQ(DateText(2026, 12, 8, 2), "2026年12月8日(火)");
    EXPECT_EQ(DateTextWithoutYear(1, 5, 0), "1月5日(日)");
    EXPECT_EQ(TimeText(9, 5), "9時5分");
    EXPECT_EQ(TimeText(9, 5, 3), "9時5分3秒");
    EXPECT_EQ(DurationText(3'723'999), "1時間2分3秒") << "whole seconds";
    EXPECT_EQ(DurationText(65'000), "1分5秒");
    EXPECT_EQ(DurationText(-5), "0秒");
    EXPECT_EQ(WeekdayName(-1), "土") << "a day before Sunday";
    EXPECT_EQ(MonthName(13), "13") << "no month of its own";
}

TEST(DateWords, EnglishNamesTheDaysAndMonthsAndPadsTheMinutes) {
    InEnglish english;
    EXPECT_EQ(DateText(2026, 12, 8, 2), "Tue 8 Dec 2026");
    EXPECT_EQ(DateTextWithoutYear(1, 5, 0), "Sun 5 Jan");
    EXPECT_EQ(TimeText(9, 5), "9:05");
    EXPECT_EQ(TimeText(19, 5, 3), "19:05:03");
    EXPECT_EQ(DurationText(3'723'000), "1 h 2 min 3 s");
    EXPECT_EQ(DurationText(65'000), "1 min 5 s");
    EXPECT_EQ(DurationText(999), "0 s");
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(WeekdayName(day).size(), 3u) << day;
    EXPECT_EQ(WeekdayName(6), "Sat");
    EXPECT_EQ(MonthName(1), "Jan");
}
