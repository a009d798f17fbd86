#pragma once

#include <cstdint>

#include "text/Clock.h"

// Day arithmetic of the review schedule. Times are UTC milliseconds since
// 1970-01-01; the learner's day runs from the day-start hour (local time at a
// fixed offset from UTC) to the same hour of the next day.

constexpr int64_t kMillisPerMinute = 60'000;
constexpr int64_t kMillisPerDay = 86'400'000;

/// Days from 1970-01-01 to a date of the proleptic Gregorian calendar
/// (negative before 1970). Months and days outside their ranges are not
/// checked: the result is then meaningless but defined.
int64_t CivilDayNumber(int year, int month, int day);

/// The date of a day number; the inverse of CivilDayNumber.
struct CLSCivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
};
CLSCivilDate CivilDateOf(int64_t dayNumber);

/// The local date and time (weekday included) of a moment at
/// utcOffsetMinutes east of UTC.
CLSLocalTime LocalTimeAt(int64_t utcMs, int utcOffsetMinutes);

/// UTC milliseconds of a local date and time at utcOffsetMinutes east of UTC.
int64_t LocalToUtcMillis(int year, int month, int day, int hour, int minute, int utcOffsetMinutes);

/// The learner's day of a moment: 03:59 local belongs to the previous day
/// when the day starts at 4. Day 0 is the one starting on 1970-01-01.
int64_t ReviewDayNumber(int64_t utcMs, int utcOffsetMinutes, int dayStartHour);

/// UTC milliseconds of the start of the learner's next day (the end of today).
int64_t NextDayStart(int64_t utcMs, int utcOffsetMinutes, int dayStartHour);

/// Whole learner's days from one review to a later one; 0 on the same day and
/// when toMs lies before fromMs (a clock set back never gives negative days).
int ElapsedDays(int64_t fromMs, int64_t toMs, int utcOffsetMinutes, int dayStartHour);
