#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "srs/FsrsModel.h"
#include "text/Language.h"

namespace {

bool fail(std::string* error, const std::string& detail) {
    if (error) *error = Fill(VT("復習のパラメーターが正しくありません: %1"), {detail});
    return false;
}

// The learner may type the list with a Japanese input method on: the
// ideographic comma and space and the full-width comma count as separators.
size_t separatorLength(std::string_view text, size_t at, bool* comma) {
    char c = text[at];
    if (c == ',') return *comma = true, 1;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return *comma = false, 1;
    std::string_view rest = text.substr(at);
    if (rest.starts_with("、") || rest.starts_with("，")) return *comma = true, 3;
    if (rest.starts_with("　")) return *comma = false, 3;
    return 0;
}

// Splits at separators; a comma with no number before it is an error.
bool splitNumbers(std::string_view text, std::vector<std::string_view>& out, std::string* error) {
    size_t at = 0;
    bool pending = false;  // a comma was seen with no number after it yet
    bool any = false;
    while (at < text.size()) {
        bool comma = false;
        if (size_t n = separatorLength(text, at, &comma)) {
            if (comma && (pending || !any)) return fail(error, VT("カンマの間に数がありません"));
            pending = pending || comma;
            at += n;
            continue;
        }
        size_t start = at;
        bool dummy = false;
        while (at < text.size() && separatorLength(text, at, &dummy) == 0)
            ++at;
        out.push_back(text.substr(start, at - start));
        pending = false;
        any = true;
    }
    if (pending) return fail(error, VT("カンマの後に数がありません"));
    return true;
}

}  // namespace

CLSFsrsParameters CLSFsrsParameters::Defaults() {
    return {{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
             1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542}};
}

std::string CLSFsrsParameters::Format() const {
    std::string out;
    for (size_t i = 0; i < w.size(); ++i) {
        if (i) out += ", ";
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, w[i]);
        out.append(buffer, result.ptr);
    }
    return out;
}

std::optional<CLSFsrsParameters> CLSFsrsParameters::Parse(std::string_view text,
                                                          std::string* error) {
    std::vector<std::string_view> tokens;
    if (!splitNumbers(text, tokens, error)) return std::nullopt;
    if (tokens.size() != 21 && tokens.size() != 19) {
        fail(error, Fill(VT("21個の数が必要です (%1個あります)"), {std::to_string(tokens.size())}));
        return std::nullopt;
    }
    CLSFsrsParameters p;
    for (size_t i = 0; i < tokens.size(); ++i) {
        std::string_view token = tokens[i];
        double value = 0;
        auto result = std::from_chars(token.data(), token.data() + token.size(), value);
        if (result.ec != std::errc() || result.ptr != token.data() + token.size() ||
            !std::isfinite(value)) {
            fail(error, Fill(VT("「%1」は数ではありません"), {token}));
            return std::nullopt;
        }
        if (value < 0) {
            fail(error, Fill(VT("w%1 が負の数です (%2)"), {std::to_string(i), token}));
            return std::nullopt;
        }
        p.w[i] = value + 0.0;  // no negative zero
    }
    if (tokens.size() == 19) {
        p.w[19] = 0;
        p.w[20] = 0.5;
    }
    if (tokens.size() == 21 && (p.w[20] < 0.1 || p.w[20] > 0.8)) {
        fail(error, Fill(VT("減衰 (w20) は 0.1～0.8 にしてください (%1)"), {tokens[20]}));
        return std::nullopt;
    }
    return p;
}
