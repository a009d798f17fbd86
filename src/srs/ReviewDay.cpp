#include "srs/ReviewDay.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t kMillisPerHour = 3'600'000;

// Division rounding towards minus infinity, for moments before 1970.
int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

int64_t CivilDayNumber(int year, int month, int day) {
    // Counted in 400-year eras of 146097 days over years that start in
    // March, so that the leap day is the last day of its year.
    int64_t y = int64_t{year} - (month <= 2 ? 1 : 0);
    int64_t era = floorDiv(y, 400);
    int64_t yearOfEra = y - era * 400;
    int64_t m = month > 2 ? month - 3 : month + 9;
    int64_t dayOfYear = (153 * m + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CLSCivilDate CivilDateOf(int64_t dayNumber) {
    int64_t z = dayNumber + 719468;
    int64_t era = floorDiv(z, 146097);
    int64_t dayOfEra = z - era * 146097;
    int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t mp = (5 * dayOfYear + 2) / 153;
    CLSCivilDate date;
    date.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

int64_t LocalToUtcMillis(int year, int month, int day, int hour, int minute, int utcOffsetMinutes) {
    int64_t minutes =
        CivilDayNumber(year, month, day) * 1440 + int64_t{hour} * 60 + minute - utcOffsetMinutes;
    return minutes * kMillisPerMinute;
}

CLSLocalTime LocalTimeAt(int64_t utcMs, int utcOffsetMinutes) {
    int64_t local = utcMs + int64_t{utcOffsetMinutes} * kMillisPerMinute;
    int64_t day = floorDiv(local, kMillisPerDay);
    int64_t inDay = local - day * kMillisPerDay;
    CLSCivilDate date = CivilDateOf(day);
    CLSLocalTime t;
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.dayOfWeek = static_cast<int>(((day + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
    t.hour = static_cast<int>(inDay / kMillisPerHour);
    t.minute = static_cast<int>(inDay / kMillisPerMinute % 60);
    t.second = static_cast<int>(inDay / 1000 % 60);
    t.millisecond = static_cast<int>(inDay % 1000);
    return t;
}

int64_t ReviewDayNumber(int64_t utcMs, int utcOffsetMinutes, int dayStartHour) {
    int64_t local = utcMs + int64_t{utcOffsetMinutes} * kMillisPerMinute -
                    int64_t{dayStartHour} * kMillisPerHour;
    return floorDiv(local, kMillisPerDay);
}

int64_t NextDayStart(int64_t utcMs, int utcOffsetMinutes, int dayStartHour) {
    int64_t day = ReviewDayNumber(utcMs, utcOffsetMinutes, dayStartHour);
    return (day + 1) * kMillisPerDay + int64_t{dayStartHour} * kMillisPerHour -
           int64_t{utcOffsetMinutes} * kMillisPerMinute;
}

int ElapsedDays(int64_t fromMs, int64_t toMs, int utcOffsetMinutes, int dayStartHour) {
    int64_t days = ReviewDayNumber(toMs, utcOffsetMinutes, dayStartHour) -
                   ReviewDayNumber(fromMs, utcOffsetMinutes, dayStartHour);
    return static_cast<int>(std::clamp<int64_t>(days, 0, std::numeric_limits<int>::max()));
}
