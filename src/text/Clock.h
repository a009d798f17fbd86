#pragma once

#include <cstdint>

/// Local date and time as the screens and files show it.
struct CLSLocalTime {
    int year = 0;
    int month = 0;      // 1-12
    int day = 0;        // 1-31
    int dayOfWeek = 0;  // 0 = Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

/// The seam for time: millisecond ticks, local time and UTC (a fake in tests).
class Clock {
  public:
    virtual ~Clock() = default;
    /// Milliseconds from an arbitrary start, never going backwards.
    virtual int64_t ticks() const = 0;
    virtual CLSLocalTime localTime() const = 0;
    /// Milliseconds since 1970-01-01 00:00 UTC; may jump when the system
    /// time is set, so durations are measured with ticks().
    virtual int64_t utcMillis() const = 0;
    /// Minutes the local time zone is ahead of UTC now (+540 in Japan,
    /// -300 in New York in winter); it changes with daylight saving time.
    virtual int utcOffsetMinutes() const = 0;
};

/// The real clock.
Clock& SystemClock();

/// Day of the week (0 = Sunday) of a date of the Gregorian calendar.
int DayOfWeek(int year, int month, int day);
