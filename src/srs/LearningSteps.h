#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Reads learning steps such as "1m 10m" or "1h 1d": whole numbers with m
/// (minutes), h (hours) or d (days), a bare number being minutes, separated
/// by spaces or commas. An empty text means no steps. Returns nothing and
/// sets *error (when given) for anything else, a step of 0 or one over a year.
std::optional<std::vector<int>> ParseSteps(std::string_view text, std::string* error = nullptr);

/// Steps in minutes as ParseSteps reads them, each in the largest unit that
/// divides it: {1, 10} -> "1m 10m", {60, 1440} -> "1h 1d".
std::string FormatSteps(const std::vector<int>& minutes);
