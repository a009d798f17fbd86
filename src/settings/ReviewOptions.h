#pragma once

#include <string>

#include "srs/ReviewState.h"

class CLSFileWriteString;
class CLSIniFile;

/// The learner's review settings, kept in a section of their own,
/// [Review], which older versions skip. The section is written only when a
/// value differs from its default, so that a learner who never reviews
/// keeps the settings file as it always was.
struct CLSReviewOptions {
    static constexpr double kMinRetention = 0.70;
    static constexpr double kMaxRetention = 0.99;

    double desiredRetention = 0.90;
    int newPerDay = 20;
    int reviewsPerDay = 200;
    int maximumInterval = 36500;  // days
    std::string learningSteps = "1m 10m";
    std::string relearningSteps = "10m";
    int dayStart = 4;           // hour of the learner's day start
    bool hardAfterHint = true;  // right after a hint is Hard
    int easyTime = 0;           // seconds; right within them is Easy (0: off)
    bool fourButtons = false;   // confirm mode grades with four buttons
    std::string parameters;     // the 21 fitted numbers; empty: the defaults

    bool operator==(const CLSReviewOptions&) const = default;

    /// Reads [Review]; values out of range or unreadable keep their defaults.
    void read(const CLSIniFile& ini);
    /// Writes [Review] (after an empty line) unless every value is the default.
    void write(CLSFileWriteString& file) const;

    /// What the scheduler works with, at the learner's time zone.
    CLSReviewSettings schedulerSettings(int utcOffsetMinutes) const;
};
