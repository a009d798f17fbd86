#include "srs/LearningSteps.h"

#include <charconv>

#include "text/Language.h"

namespace {

constexpr int kMaxStepMinutes = 365 * 1440;

bool isSeparator(char c) {
    return c == ' ' || c == ',' || c == '\t';
}

// detail names the step as %1.
bool fail(std::string* error, std::string_view token, const char* detail) {
    if (error) *error = Fill(VT("学習ステップが正しくありません: %1"), {Fill(detail, {token})});
    return false;
}

// One step: a whole number and an optional unit letter.
bool readStep(std::string_view token, int& minutes, std::string* error) {
    long long value = 0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return fail(error, token, VT("「%1」は長すぎます (1年まで)"));
    if (result.ec != std::errc())
        return fail(error, token, VT("「%1」は 1m、10m、1h、1d のように書いてください"));
    std::string_view unit = token.substr(static_cast<size_t>(result.ptr - token.data()));
    long long scale = 1;
    if (unit == "h" || unit == "H") {
        scale = 60;
    } else if (unit == "d" || unit == "D") {
        scale = 1440;
    } else if (!unit.empty() && unit != "m" && unit != "M") {
        return fail(error, token, VT("「%1」は 1m、10m、1h、1d のように書いてください"));
    }
    if (value <= 0) return fail(error, token, VT("「%1」は0より長くしてください"));
    if (value > kMaxStepMinutes / scale)
        return fail(error, token, VT("「%1」は長すぎます (1年まで)"));
    minutes = static_cast<int>(value * scale);
    return true;
}

}  // namespace

std::optional<std::vector<int>> ParseSteps(std::string_view text, std::string* error) {
    std::vector<int> steps;
    size_t at = 0;
    while (at < text.size()) {
        if (isSeparator(text[at])) {
            ++at;
            continue;
        }
        size_t start = at;
        while (at < text.size() && !isSeparator(text[at]))
            ++at;
        int minutes = 0;
        if (!readStep(text.substr(start, at - start), minutes, error)) return std::nullopt;
        steps.push_back(minutes);
    }
    return steps;
}

std::string FormatSteps(const std::vector<int>& minutes) {
    std::string out;
    for (int m : minutes) {
        if (!out.empty()) out += ' ';
        if (m != 0 && m % 1440 == 0) {
            out += std::to_string(m / 1440) + "d";
        } else if (m != 0 && m % 60 == 0) {
            out += std::to_string(m / 60) + "h";
        } else {
            out += std::to_string(m) + "m";
        }
    }
    return out;
}
