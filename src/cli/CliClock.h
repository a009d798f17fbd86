#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "text/Clock.h"

/// The clock of a command given --now: the time starts at that local
/// moment and runs on from there, so that a scripted review sees the day
/// it names and the answer times stay real.
class CLSStartedClock : public Clock {
  public:
    /// utcMs: the starting moment; offset: the local time zone's then.
    CLSStartedClock(int64_t utcMs, int utcOffsetMinutes);

    int64_t ticks() const override;
    CLSLocalTime localTime() const override;
    int64_t utcMillis() const override;
    int utcOffsetMinutes() const override { return m_offset; }

  private:
    int64_t m_startUtc;
    int m_offset;
    int64_t m_startTicks;
};

/// Reads YYYY-MM-DDTHH:MM as local time; the UTC moment and the time zone's
/// offset at it, or nothing (after the message) when it is not such a time.
std::optional<std::pair<int64_t, int>> CliLocalMoment(const std::string& text);

class CliArgs;
/// The clock --now asks for, in started (left empty without --now); false
/// after the message when its time is no such time.
bool CliStartClock(const CliArgs& args, std::optional<CLSStartedClock>& started);

/// "YYYY-MM-DDTHH:MM", local at the offset.
std::string CliLocalText(int64_t utcMs, int utcOffsetMinutes);
