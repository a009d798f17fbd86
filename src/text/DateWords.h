#pragma once

#include <cstdint>
#include <string>

// Dates and times as the learner reads them, in the program's language
// ("2026年12月8日(火)", "9時30分"; "Tue 8 Dec 2026", "9:30"). Files keep
// their own fixed forms and do not use these.

/// The day of the week, 0 = Sunday: "日" … "土", "Sun" … "Sat".
std::string WeekdayName(int dayOfWeek);
/// The month, 1-12: "1月" … "12月", "Jan" … "Dec"; the number outside 1-12.
std::string MonthName(int month);
/// A day: "2026年12月8日(火)".
std::string DateText(int year, int month, int day, int dayOfWeek);
/// A day without its year: "12月8日(火)".
std::string DateTextWithoutYear(int month, int day, int dayOfWeek);
/// A time of day: "9時30分".
std::string TimeText(int hour, int minute);
/// A time of day to the second: "9時30分5秒".
std::string TimeText(int hour, int minute, int second);
/// A length of time, as intervalText() counts it (whole seconds, hours
/// and minutes only when there are any): "1時間2分3秒", "2分3秒", "3秒".
std::string DurationText(int64_t milliseconds);
