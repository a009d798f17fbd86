#pragma once

#include <functional>
#include <optional>

#include "srs/ReviewState.h"

/// The state after a review at nowMs. Learning and relearning move through
/// the steps of the settings; a question leaving them, or in review, gets
/// the interval of the desired retention in whole days, spread at random
/// when settings.fuzz is on and uniform01 (a draw in [0, 1]) is given.
CLSReviewState ApplyReview(const CLSReviewState& before, ReviewGrade grade, int64_t nowMs,
                           const CLSReviewSettings& settings,
                           const std::function<double()>& uniform01 = {});

/// The interval after random spread: intervals under 2.5 days are kept;
/// longer ones move by up to 1 day + 15 % of the part between 2.5 and 7
/// days + 10 % of the part between 7 and 20 + 5 % of the rest, within
/// 1..maximumInterval. u = 0 gives the shortest, u = 1 the longest.
int FuzzedInterval(int days, double u, int maximumInterval);

/// The probability that the question is still remembered at nowMs, counted
/// in whole days since its last review; nothing for a new question, which
/// has no memory yet.
std::optional<double> RetrievabilityAt(const CLSReviewState& state, int64_t nowMs,
                                       const CLSReviewSettings& settings);
