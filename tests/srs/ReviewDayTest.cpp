// The learner's days: calendar arithmetic, the day-start hour and offsets
// from UTC.

#include <gtest/gtest.h>

#include "srs/ReviewDay.h"

namespace {

int64_t Utc(int y, int mo, int d, int h, int mi) {
    return LocalToUtcMillis(y, mo, d, h, mi, 0);
}

}  // namespace

TEST(ReviewDay, CalendarDaysAndLocalTimes) {
    EXPECT_EQ(CivilDayNumber(1970, 1, 1), 0);
    EXPECT_EQ(CivilDayNumber(1969, 12, 31), -1);
    EXPECT_EQ(CivilDayNumber(2022, 11, 29), 19325);
    EXPECT_EQ(CivilDayNumber(1600, 1, 1), -135140);
    // Every day of four centuries reads back and follows the one before.
    for (int64_t day = CivilDayNumber(1800, 1, 1); day < CivilDayNumber(2200, 1, 1); ++day) {
        CLSCivilDate date = CivilDateOf(day);
        ASSERT_EQ(CivilDayNumber(date.year, date.month, date.day), day);
    }
    EXPECT_EQ(CivilDayNumber(1900, 3, 1) - CivilDayNumber(1900, 2, 28), 1);
    EXPECT_EQ(CivilDayNumber(2000, 3, 1) - CivilDayNumber(2000, 2, 28), 2);
    EXPECT_EQ(CivilDayNumber(2025, 1, 1) - CivilDayNumber(2024, 12, 31), 1);

    EXPECT_EQ(Utc(2022, 11, 29, 12, 30), 1669725000000);
    EXPECT_EQ(LocalToUtcMillis(2025, 1, 1, 9, 0, 540), Utc(2025, 1, 1, 0, 0));
    EXPECT_EQ(LocalToUtcMillis(2024, 12, 31, 19, 0, -300), Utc(2025, 1, 1, 0, 0));
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
        {2024, 3, 1, 0, 0, 0, 0, CivilDayNumber(2024, 3, 1)},
        {1969, 12, 31, 12, 0, 0, 4, -1},
    };
    for (const Case& c : cases) {
        int64_t at = LocalToUtcMillis(c.y, c.m, c.d, c.h, c.mi, c.offset);
        EXPECT_EQ(ReviewDayNumber(at, c.offset, c.dayStart), c.day)
            << c.y << "-" << c.m << "-" << c.d << " " << c.h << ":" << c.mi << " at " << c.offset;
        int64_t end = NextDayStart(at, c.offset, c.dayStart);
        EXPECT_EQ(end, LocalToUtcMillis(1970, 1, 1, c.dayStart, 0, c.offset) +
                           (c.day + 1) * kMillisPerDay);
    }
}

TEST(ReviewDay, ElapsedDaysCountDayStartsPassed) {
    struct Case {
        int64_t from, to;
        int days;
    } cases[] = {
        {Utc(2025, 1, 1, 4, 0), Utc(2025, 1, 2, 3, 59), 0},
        {Utc(2025, 1, 1, 23, 0), Utc(2025, 1, 2, 5, 0), 1},  // six hours, one day start
        {Utc(2025, 1, 1, 5, 0), Utc(2025, 1, 2, 3, 0), 0},   // 22 hours, none
        {Utc(2023, 12, 31, 12, 0), Utc(2024, 3, 1, 12, 0), 61},
        {Utc(2025, 1, 2, 12, 0), Utc(2025, 1, 1, 12, 0), 0},  // clock set back
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElapsedDays(c.from, c.to, 0, 4), c.days);
    // 20:00 -> 05:00 UTC passes 04:00 UTC, but is 05:00 -> 14:00 of one day in Tokyo.
    int64_t a = Utc(2025, 1, 1, 20, 0), b = Utc(2025, 1, 2, 5, 0);
    EXPECT_EQ(ElapsedDays(a, b, 0, 4), 1);
    EXPECT_EQ(ElapsedDays(a, b, 540, 4), 0);
}
