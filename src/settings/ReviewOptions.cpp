#include "settings/ReviewOptions.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "settings/IniFile.h"
#include "srs/LearningSteps.h"
#include "text/Common.h"
#include "text/FileWriteString.h"

namespace {

constexpr const char* kSection = "Review";

void readInt(const CLSIniSection& section, const char* key, int low, int high, int& value) {
    int read = 0;
    if (section.readInteger(key, read) && read >= low && read <= high) value = read;
}

void readFlag(const CLSIniSection& section, const char* key, bool& value) {
    bool read = false;
    if (section.readFlag(key, true, read)) value = read;
}

bool readText(const CLSIniSection& section, const char* key, std::string& value) {
    CLSTString text;
    if (!section.readText(key, text)) return false;
    value = text.str();
    return true;
}

std::string retentionText(double retention) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", retention);
    return text;
}

}  // namespace

void CLSReviewOptions::read(const CLSIniFile& ini) {
    const CLSIniSection* section = ini.section(kSection);
    if (!section) return;
    std::string text;
    if (readText(*section, "DesiredRetention", text)) {
        double value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && value >= kMinRetention &&
            value <= kMaxRetention) {
            desiredRetention = value;
        }
    }
    readInt(*section, "NewPerDay", 0, 9999, newPerDay);
    readInt(*section, "ReviewsPerDay", 0, 99999, reviewsPerDay);
    readInt(*section, "MaximumInterval", 1, 36500, maximumInterval);
    if (readText(*section, "LearningSteps", text) && ParseSteps(text)) learningSteps = text;
    if (readText(*section, "RelearningSteps", text) && ParseSteps(text)) relearningSteps = text;
    readInt(*section, "DayStart", 0, 23, dayStart);
    readFlag(*section, "HardAfterHint", hardAfterHint);
    readInt(*section, "EasyTime", 0, 3600, easyTime);
    readFlag(*section, "FourButtons", fourButtons);
    if (readText(*section, "Parameters", text) &&
        (text.empty() || CLSFsrsParameters::Parse(text, nullptr))) {
        parameters = text;
    }
}

void CLSReviewOptions::write(CLSFileWriteString& file) const {
    if (*this == CLSReviewOptions()) return;
    file.writeNewLine();
    writeSection(file, kSection);
    writeKeyText(file, "DesiredRetention", CLSTString(retentionText(desiredRetention)));
    writeKey(file, "NewPerDay", newPerDay);
    writeKey(file, "ReviewsPerDay", reviewsPerDay);
    writeKey(file, "MaximumInterval", maximumInterval);
    writeKeyText(file, "LearningSteps", CLSTString(learningSteps));
    writeKeyText(file, "RelearningSteps", CLSTString(relearningSteps));
    writeKey(file, "DayStart", dayStart);
    writeKeyFlag(file, "HardAfterHint", hardAfterHint);
    writeKey(file, "EasyTime", easyTime);
    writeKeyFlag(file, "FourButtons", fourButtons);
    writeKeyText(file, "Parameters", CLSTString(parameters));
}

CLSReviewSettings CLSReviewOptions::schedulerSettings(int utcOffsetMinutes) const {
    CLSReviewSettings s;
    s.desiredRetention = desiredRetention;
    s.maximumInterval = maximumInterval;
    if (auto steps = ParseSteps(learningSteps)) s.learningStepsMinutes = *steps;
    if (auto steps = ParseSteps(relearningSteps)) s.relearningStepsMinutes = *steps;
    s.dayStartHour = dayStart;
    s.utcOffsetMinutes = utcOffsetMinutes;
    if (!parameters.empty()) {
        if (auto fitted = CLSFsrsParameters::Parse(parameters, nullptr)) s.parameters = *fitted;
    }
    return s;
}
