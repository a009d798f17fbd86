#include "text/DateWords.h"

#include <cstdio>

#include "text/Language.h"

namespace {

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

std::string WeekdayName(int dayOfWeek) {
    // One text for the seven, so that each day's name is told apart from
    // the same character in other texts (日 is also a day of the month).
    std::string names = VT("日,月,火,水,木,金,土");
    int wanted = ((dayOfWeek % 7) + 7) % 7;
    size_t start = 0;
    for (int i = 0; i < wanted; ++i) {
        size_t comma = names.find(',', start);
        if (comma == std::string::npos) return names.substr(start);
        start = comma + 1;
    }
    return names.substr(start, names.find(',', start) - start);
}

std::string MonthName(int month) {
    static const char* const kMonths[] = {VN("1月"), VN("2月"),  VN("3月"),  VN("4月"),
                                          VN("5月"), VN("6月"),  VN("7月"),  VN("8月"),
                                          VN("9月"), VN("10月"), VN("11月"), VN("12月")};
    if (month < 1 || month > 12) return std::to_string(month);
    return VT(kMonths[month - 1]);
}

std::string DateText(int year, int month, int day, int dayOfWeek) {
    // %2 is the month's name ("12月", "Dec").
    return Fill(VT("%1年%2%3日(%4)"), {std::to_string(year), MonthName(month), std::to_string(day),
                                       WeekdayName(dayOfWeek)});
}

std::string DateTextWithoutYear(int month, int day, int dayOfWeek) {
    return Fill(VT("%1%2日(%3)"), {MonthName(month), std::to_string(day), WeekdayName(dayOfWeek)});
}

std::string TimeText(int hour, int minute) {
    // %3 is the minute in two digits, for languages that write "9:05".
    return Fill(VT("%1時%2分"), {std::to_string(hour), std::to_string(minute), twoDigits(minute)});
}

std::string TimeText(int hour, int minute, int second) {
    // %4 and %5 are the minute and the second in two digits.
    return Fill(VT("%1時%2分%3秒"), {std::to_string(hour), std::to_string(minute),
                                     std::to_string(second), twoDigits(minute), twoDigits(second)});
}

std::string DurationText(int64_t milliseconds) {
    int64_t seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
    std::string h = std::to_string(seconds / 3600);
    std::string m = std::to_string(seconds / 60 % 60);
    std::string s = std::to_string(seconds % 60);
    if (seconds >= 3600) return Fill(VT("%1時間%2分%3秒"), {h, m, s});
    if (seconds >= 60) return Fill(VT("%1分%2秒"), {m, s});
    return Fill(VT("%1秒"), {s});
}
