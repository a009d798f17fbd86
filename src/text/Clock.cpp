#include "text/Clock.h"

#include <chrono>
#include <cstdint>
#include <ctime>

namespace {

class RealClock : public Clock {
  public:
    int64_t ticks() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    CLSLocalTime localTime() const override {
        using namespace std::chrono;
        auto now = system_clock::now();
        std::time_t t = system_clock::to_time_t(now);
        std::tm tm{};
        localtime_r(&t, &tm);
        CLSLocalTime lt;
        lt.year = tm.tm_year + 1900;
        lt.month = tm.tm_mon + 1;
        lt.day = tm.tm_mday;
        lt.dayOfWeek = tm.tm_wday;
        lt.hour = tm.tm_hour;
        lt.minute = tm.tm_min;
        lt.second = tm.tm_sec;
        lt.millisecond =
            static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        return lt;
    }

    int64_t utcMillis() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    }

    int utcOffsetMinutes() const override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return static_cast<int>(tm.tm_gmtoff / 60);
    }
};

}  // namespace

Clock& SystemClock() {
    static RealClock clock;
    return clock;
}

int DayOfWeek(int year, int month, int day) {
    // Zeller-style count over March-based years.
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    // In 64 bits, so that any year and day a file can hold stay defined.
    int64_t y = month < 3 ? int64_t{year} - 1 : year;
    int64_t w = (y + y / 4 - y / 100 + y / 400 + offsets[month - 1] + day) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}
