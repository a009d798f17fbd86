#pragma once

#include <cstdint>
#include <vector>

#include "srs/FsrsModel.h"

/// Where a question stands: never reviewed, in its first learning steps,
/// scheduled by days, or back in short steps after a lapse.
enum class ReviewPhase { New, Learning, Review, Relearning };

/// The learner's answer: forgotten, remembered with effort, remembered, easy.
enum class ReviewGrade { Again = 1, Hard, Good, Easy };

/// A question's schedule: its phase, its memory, when it was last reviewed,
/// when it falls due (UTC milliseconds) and its step while in (re)learning.
struct CLSReviewState {
    ReviewPhase phase = ReviewPhase::New;
    double stability = 0;
    double difficulty = 0;
    int64_t lastReviewMs = 0;
    int64_t dueMs = 0;
    int step = 0;
    uint64_t id = 0;  // the question's identity in the review log

    bool operator==(const CLSReviewState&) const = default;
};

/// How the learner wants to be scheduled.
struct CLSReviewSettings {
    double desiredRetention = 0.90;
    int maximumInterval = kMaxIntervalDays;  // days
    std::vector<int> learningStepsMinutes{1, 10};
    std::vector<int> relearningStepsMinutes{10};
    int dayStartHour = 4;
    int utcOffsetMinutes = 0;  // east of UTC: +540 in Japan
    bool fuzz = true;
    CLSFsrsParameters parameters = CLSFsrsParameters::Defaults();
};
