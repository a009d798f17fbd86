// The system clock's UTC time and time-zone offset.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "text/Clock.h"

TEST(SystemClock, UtcAndOffsetMatchTheLocalTime) {
    const char* saved = std::getenv("TZ");
    std::string old = saved ? saved : "";
    // Zones without daylight saving time, so that the date does not matter.
    struct Case {
        const char* zone;
        int offset;
    } cases[] = {{"UTC0", 0}, {"JST-9", 540}, {"EST5", -300}, {"NPT-5:45", 345}};
    for (const Case& c : cases) {
        ::setenv("TZ", c.zone, 1);
        ::tzset();
        const Clock& clock = SystemClock();
        EXPECT_EQ(clock.utcOffsetMinutes(), c.offset) << c.zone;
        int64_t before = clock.utcMillis();
        CLSLocalTime local = clock.localTime();
        int64_t after = clock.utcMillis();
        std::tm tm{};
        tm.tm_year = local.year - 1900;
        tm.tm_mon = local.month - 1;
        tm.tm_mday = local.day;
        tm.tm_hour = local.hour;
        tm.tm_min = local.minute;
        tm.tm_sec = local.second;
        int64_t seconds = ::timegm(&tm) - int64_t{c.offset} * 60;
        EXPECT_GE(seconds, before / 1000) << c.zone;
        EXPECT_LE(seconds, after / 1000) << c.zone;
    }
    if (saved)
        ::setenv("TZ", old.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}
