#include "data/ReviewLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>

#include "srs/ReviewDay.h"

namespace {

constexpr int kLineVersion = 1;

// "2026-12-08T00:30:00Z": UTC to the second.
void appendTime(std::string& out, int64_t utcMs) {
    // Times before 1970 or past 9999 are not written by the program; they
    // are clamped rather than printed as a date the reader refuses.
    const int64_t latest = (CivilDayNumber(10000, 1, 1) * kMillisPerDay) - 1000;
    CLSLocalTime t = LocalTimeAt(std::clamp<int64_t>(utcMs, 0, latest), 0);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    out += text;
}

bool readNumber(std::string_view text, int64_t* value) {
    if (text.empty()) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return error == std::errc() && end == text.data() + text.size();
}

bool readTime(std::string_view text, int64_t* utcMs) {
    // YYYY-MM-DDThh:mm:ssZ
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z') {
        return false;
    }
    int64_t y, mo, d, h, mi, s;
    if (!readNumber(text.substr(0, 4), &y) || !readNumber(text.substr(5, 2), &mo) ||
        !readNumber(text.substr(8, 2), &d) || !readNumber(text.substr(11, 2), &h) ||
        !readNumber(text.substr(14, 2), &mi) || !readNumber(text.substr(17, 2), &s)) {
        return false;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
    int64_t days = CivilDayNumber(static_cast<int>(y), static_cast<int>(mo), static_cast<int>(d));
    *utcMs = ((days * 24 + h) * 60 + mi) * 60000 + s * 1000;
    return true;
}

bool readDouble(std::string_view text, double* value) {
    if (text.empty()) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(*value);
}

bool readHex(std::string_view text, size_t digits, uint64_t* value) {
    if (text.size() != digits) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

void appendDouble(std::string& out, double value) {
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, error == std::errc() ? end : text);
}

void appendHex(std::string& out, uint64_t value, int digits) {
    char text[17];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    out += text;
}

}  // namespace

uint32_t ReviewQuestionHash(std::string_view questionMarkup) {
    // FNV-1a: short, stable across builds and machines.
    uint32_t hash = 2166136261u;
    for (unsigned char c : questionMarkup) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

std::string ReviewLineText(const CLSReviewState& state, std::string_view questionMarkup) {
    std::string out = "'";
    out += kReviewLineMarker;
    out += std::to_string(kLineVersion) + ',' + std::to_string(static_cast<int>(state.phase)) + ',';
    appendDouble(out, state.stability);
    out += ',';
    appendDouble(out, state.difficulty);
    out += ',';
    appendTime(out, state.lastReviewMs);
    out += ',';
    appendTime(out, state.dueMs);
    out += ',' + std::to_string(state.step) + ',';
    appendHex(out, state.id, 16);
    out += ',';
    appendHex(out, ReviewQuestionHash(questionMarkup), 8);
    return out;
}

ReviewLineKind ParseReviewLine(std::string_view text, std::string_view questionMarkup,
                               CLSReviewState* state) {
    if (text.substr(0, kReviewLineMarker.size()) != kReviewLineMarker) {
        return ReviewLineKind::kNotOurs;
    }
    text.remove_prefix(kReviewLineMarker.size());
    std::string_view fields[9];
    size_t count = 0;
    while (count < 9) {
        size_t comma = text.find(',');
        fields[count++] = text.substr(0, comma);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (count != 9 || fields[8].size() != text.size()) return ReviewLineKind::kNotOurs;
    int64_t version = 0, phase = 0, step = 0;
    CLSReviewState read;
    uint64_t hash = 0;
    if (!readNumber(fields[0], &version) || version != kLineVersion ||
        !readNumber(fields[1], &phase) || phase < 0 || phase > 3 ||
        !readDouble(fields[2], &read.stability) || !readDouble(fields[3], &read.difficulty) ||
        !readTime(fields[4], &read.lastReviewMs) || !readTime(fields[5], &read.dueMs) ||
        !readNumber(fields[6], &step) || step < 0 || step > 1000 ||
        !readHex(fields[7], 16, &read.id) || !readHex(fields[8], 8, &hash)) {
        return ReviewLineKind::kNotOurs;
    }
    read.phase = static_cast<ReviewPhase>(phase);
    read.step = static_cast<int>(step);
    if (hash != ReviewQuestionHash(questionMarkup)) return ReviewLineKind::kOther;
    *state = read;
    return ReviewLineKind::kSchedule;
}

uint64_t NewReviewId() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    uint64_t id = 0;
    while (id == 0)
        id = random();
    return id;
}
