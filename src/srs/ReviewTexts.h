#pragma once

#include <cstdint>
#include <string>

#include "srs/ReviewState.h"

// What the learner reads about the schedule, in the program's words.

/// "次の復習は 2026年12月8日(火) 9時30分 です。", the time local at the offset.
std::string NextReviewText(int64_t dueMs, int utcOffsetMinutes);

/// A question's schedule at nowMs, a line each: its phase, and unless it
/// is new, when it falls due, its stability and its retrievability now —
/// "復習中\n期日 12月10日(木) 9:30\n安定度 12.3日\n想起率 87%".
std::string ReviewStateSummary(const CLSReviewState& state, int64_t nowMs,
                               const CLSReviewSettings& settings);
