#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "srs/FsrsModel.h"
#include "srs/ReviewLog.h"

// Fitting the model's weights to one learner's review log: the weights that
// best predict which reviews the learner remembered.

/// Below this many reviews in the log the fit is not offered.
constexpr int kMinFitReviews = 400;
/// Optimiser steps a fit takes at most unless told otherwise.
constexpr int kFitSteps = 200;

/// How far a fit has come: step of steps, and the training loss reached.
struct CLSFitProgress {
    int step = 0;
    int steps = 0;
    double loss = 0;
};

struct CLSFitResult {
    CLSFsrsParameters parameters;  // the fitted weights, or the start when not improved
    double lossBefore = 0;         // mean log loss of the start on the reviews fitted to
    double lossAfter = 0;          // the same for the fitted weights (also when rejected)
    int64_t reviews = 0;           // reviews that entered the loss
    bool improved = false;         // the fitted weights predict the reviews better
    bool cancelled = false;
    std::string problem;  // why nothing was fitted, in the program's words; "" otherwise
};

/// The mean log loss (binary cross-entropy) of the model's predicted recall
/// against what the learner answered (remembered = Hard or better), over the
/// reviews a day or more after the question's review before. Records a log
/// would refuse are left out; 0 when no review counts.
double ReviewLogLoss(std::span<const CLSReviewRecord> reviews, const CLSFsrsParameters& p);

/// Fits the 21 weights to the reviews (any order; questions are told apart
/// by data file and id), starting from `start`: minimises ReviewLogLoss with
/// every weight kept positive and the decay (w20) within 0.1-0.8. A result
/// that does not lower the loss is rejected (improved = false, the start
/// returned). progress is called before the first step and after each one,
/// and cancels the fit by returning false (cancelled = true, the start
/// returned). Fewer than kMinFitReviews usable records, none a day apart or
/// a start that is not a valid set leave `problem` set and fit nothing.
/// Uses no shared state: safe to run on a worker thread.
CLSFitResult FitParameters(std::span<const CLSReviewRecord> reviews, const CLSFsrsParameters& start,
                           const std::function<bool(const CLSFitProgress&)>& progress = {},
                           int steps = kFitSteps);
