#include "cli/CliClock.h"

#include <cstdio>
#include <ctime>

#include "cli/Cli.h"
#include "srs/ReviewDay.h"

CLSStartedClock::CLSStartedClock(int64_t utcMs, int utcOffsetMinutes)
    : m_startUtc(utcMs), m_offset(utcOffsetMinutes), m_startTicks(SystemClock().ticks()) {}

int64_t CLSStartedClock::ticks() const {
    return SystemClock().ticks();
}

int64_t CLSStartedClock::utcMillis() const {
    return m_startUtc + (SystemClock().ticks() - m_startTicks);
}

CLSLocalTime CLSStartedClock::localTime() const {
    return LocalTimeAt(utcMillis(), m_offset);
}

std::optional<std::pair<int64_t, int>> CliLocalMoment(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    char tail = 0;
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' ||
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d%c", &y, &mo, &d, &h, &mi, &tail) != 5 ||
        y < 1970 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59) {
        CliFail("--now takes YYYY-MM-DDTHH:MM");
        return std::nullopt;
    }
    // The system's time zone says the offset at that local time.
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_isdst = -1;
    std::time_t t = std::mktime(&tm);
    int offset = t == static_cast<std::time_t>(-1) ? 0 : static_cast<int>(tm.tm_gmtoff / 60);
    return std::make_pair(LocalToUtcMillis(y, mo, d, h, mi, offset), offset);
}

bool CliStartClock(const CliArgs& args, std::optional<CLSStartedClock>& started) {
    if (!args.has("--now")) return true;
    auto moment = CliLocalMoment(args.value("--now"));
    if (!moment) return false;
    started.emplace(moment->first, moment->second);
    return true;
}

std::string CliLocalText(int64_t utcMs, int utcOffsetMinutes) {
    CLSLocalTime t = LocalTimeAt(utcMs, utcOffsetMinutes);
    char out[40];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return out;
}
