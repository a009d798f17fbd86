// The learner's days: calendar arithmetic, the day-start hour and offsets
// from UTC.

#include <gtest/gtest.h>

#include "srs/ReviewDay.h"

namespace {

constexpr int64_t kHour = 3'600'000;

int64_t Utc(int y, int mo, int d, int h, int mi) {
    return LocalToUtcMillis(y, mo, d, h, mi, 0);
}

}  // namespace

TEST(ReviewDay, CivilDayNumbersAcrossCenturiesAndLeapDays) {
    struct Case {
        int y, m, d;
        int64_t days;
    } cases[] = {
        {1970, 1, 1, 0},       {1969, 12, 31, -1},  {1972, 2, 29, 789},    {1972, 3, 1, 790},
        {2000, 2, 29, 11016},  {2000, 3, 1, 11017}, {1900, 3, 1, -25508},  {2022, 11, 29, 19325},
        {2024, 12, 31, 20088}, {2025, 1, 1, 20089}, {1600, 1, 1, -135140}, {9999, 12, 31, 2932896},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CivilDayNumber(c.y, c.m, c.d), c.days) << c.y << "-" << c.m << "-" << c.d;
        CLSCivilDate back = CivilDateOf(c.days);
        EXPECT_EQ(back.year, c.y);
        EXPECT_EQ(back.month, c.m);
        EXPECT_EQ(back.day, c.d);
    }
    // Every day of four centuries reads back (1900 is no leap year, 2000 is).
    for (int64_t day = CivilDayNumber(1800, 1, 1); day < CivilDayNumber(2200, 1, 1); ++day) {
        CLSCivilDate date = CivilDateOf(day);
        ASSERT_EQ(CivilDayNumber(date.year, date.month, date.day), day);
    }
    EXPECT_EQ(CivilDayNumber(1900, 3, 1) - CivilDayNumber(1900, 2, 28), 1);
    EXPECT_EQ(CivilDayNumber(2100, 3, 1) - CivilDayNumber(2100, 2, 28), 1);
    EXPECT_EQ(CivilDayNumber(2000, 3, 1) - CivilDayNumber(2000, 2, 28), 2);
}

TEST(ReviewDay, LocalTimesAtOffsets) {
    EXPECT_EQ(Utc(2022, 11, 29, 12, 30), 1669725000000);
    // 09:00 in Tokyo is midnight UTC; 19:00 in New York (winter) is midnight UTC.
    EXPECT_EQ(LocalToUtcMillis(2025, 1, 1, 9, 0, 540), Utc(2025, 1, 1, 0, 0));
    EXPECT_EQ(LocalToUtcMillis(2024, 12, 31, 19, 0, -300), Utc(2025, 1, 1, 0, 0));
    EXPECT_EQ(LocalToUtcMillis(2025, 3, 1, 0, 0, 330), Utc(2025, 2, 28, 18, 30));
}

TEST(ReviewDay, DaysStartAtTheDayStartHour) {
    struct Case {
        int y, m, d, h, mi;  // local
        int offset, dayStart;
        int64_t day;  // the learner's day, as a calendar day number
    } cases[] = {
        {2025, 1, 2, 3, 59, 0, 4, CivilDayNumber(2025, 1, 1)},
        {2025, 1, 2, 4, 0, 0, 4, CivilDayNumber(2025, 1, 2)},
        {2025, 1, 2, 3, 59, 540, 4, CivilDayNumber(2025, 1, 1)},
        {2025, 1, 2, 4, 0, 540, 4, CivilDayNumber(2025, 1, 2)},
        {2025, 1, 2, 3, 59, -300, 4, CivilDayNumber(2025, 1, 1)},
        {2025, 1, 2, 4, 0, -300, 4, CivilDayNumber(2025, 1, 2)},
        {2025, 1, 1, 3, 0, 0, 4, CivilDayNumber(2024, 12, 31)},   // year end
        {2024, 3, 1, 2, 0, 540, 4, CivilDayNumber(2024, 2, 29)},  // leap day
        {2024, 2, 29, 23, 59, 0, 0, CivilDayNumber(2024, 2, 29)},
        {2024, 3, 1, 0, 0, 0, 0, CivilDayNumber(2024, 3, 1)},
        {1969, 12, 31, 12, 0, 0, 4, -1},
    };
    for (const Case& c : cases) {
        int64_t at = LocalToUtcMillis(c.y, c.m, c.d, c.h, c.mi, c.offset);
        EXPECT_EQ(ReviewDayNumber(at, c.offset, c.dayStart), c.day)
            << c.y << "-" << c.m << "-" << c.d << " " << c.h << ":" << c.mi << " at " << c.offset;
        int64_t end = NextDayStart(at, c.offset, c.dayStart);
        EXPECT_EQ(ReviewDayNumber(end, c.offset, c.dayStart), c.day + 1);
        EXPECT_EQ(ReviewDayNumber(end - 1, c.offset, c.dayStart), c.day);
        EXPECT_GT(end, at);
        EXPECT_LE(end - at, 24 * kHour);
    }
    EXPECT_EQ(NextDayStart(LocalToUtcMillis(2025, 1, 2, 3, 59, 540), 540, 4),
              LocalToUtcMillis(2025, 1, 2, 4, 0, 540));
    EXPECT_EQ(NextDayStart(LocalToUtcMillis(2025, 1, 2, 4, 0, 540), 540, 4),
              LocalToUtcMillis(2025, 1, 3, 4, 0, 540));
}

TEST(ReviewDay, ElapsedDaysCountDayStartsPassed) {
    struct Case {
        int64_t from, to;
        int days;
    } cases[] = {
        {Utc(2025, 1, 1, 4, 0), Utc(2025, 1, 2, 3, 59), 0},
        {Utc(2025, 1, 1, 23, 0), Utc(2025, 1, 2, 5, 0), 1},  // six hours, one day start
        {Utc(2025, 1, 1, 5, 0), Utc(2025, 1, 2, 3, 0), 0},   // 22 hours, none
        {Utc(2025, 1, 1, 3, 0), Utc(2025, 1, 1, 4, 0), 1},
        {Utc(2024, 12, 31, 12, 0), Utc(2025, 3, 1, 12, 0), 60},
        {Utc(2023, 12, 31, 12, 0), Utc(2024, 3, 1, 12, 0), 61},  // through a leap day
        {Utc(2025, 1, 2, 12, 0), Utc(2025, 1, 1, 12, 0), 0},     // clock set back
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElapsedDays(c.from, c.to, 0, 4), c.days);
    // The same two moments are a day apart at UTC (20:00 -> 05:00, with 04:00
    // between) but not in Tokyo (05:00 -> 14:00 local on one day).
    int64_t a = Utc(2025, 1, 1, 20, 0), b = Utc(2025, 1, 2, 5, 0);
    EXPECT_EQ(ElapsedDays(a, b, 0, 4), 1);
    EXPECT_EQ(ElapsedDays(a, b, 540, 4), 0);
}
