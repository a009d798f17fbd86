// The system clock's UTC time and time-zone offset.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "text/Clock.h"

namespace {

// Sets TZ for one test and puts the old value back.
class TimeZoneGuard {
  public:
    explicit TimeZoneGuard(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
            m_had = true;
        }
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZoneGuard() {
        if (m_had)
            ::setenv("TZ", m_old.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    TimeZoneGuard(const TimeZoneGuard&) = delete;
    TimeZoneGuard& operator=(const TimeZoneGuard&) = delete;

  private:
    std::string m_old;
    bool m_had = false;
};

}  // namespace

TEST(SystemClock, OffsetFollowsTheTimeZone) {
    // Zones without daylight saving time, so that the date does not matter.
    struct Case {
        const char* zone;
        int offset;
    } cases[] = {{"UTC0", 0}, {"JST-9", 540}, {"EST5", -300}, {"IST-5:30", 330}, {"NPT-5:45", 345}};
    for (const Case& c : cases) {
        TimeZoneGuard zone(c.zone);
        EXPECT_EQ(SystemClock().utcOffsetMinutes(), c.offset) << c.zone;
    }
}

TEST(SystemClock, LocalTimeIsUtcPlusTheOffset) {
    for (const char* zone : {"UTC0", "JST-9", "EST5"}) {
        TimeZoneGuard guard(zone);
        const Clock& clock = SystemClock();
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
        int64_t seconds = ::timegm(&tm) - int64_t{clock.utcOffsetMinutes()} * 60;
        EXPECT_GE(seconds, before / 1000) << zone;
        EXPECT_LE(seconds, after / 1000) << zone;
        EXPECT_GT(before, int64_t{1'600'000'000'000}) << "milliseconds since 1970";
    }
}
