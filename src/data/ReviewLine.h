#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "srs/ReviewState.h"

// A question's review schedule travels with it in the data file, as a
// comment line right after the question line:
//
//   '@review 1,2,12.5,4.75,2026-12-08T00:30:00Z,2026-12-20T00:30:00Z,0,1f2e3d4c5b6a7980,89abcdef
//
// version, phase (0 new, 1 learning, 2 review, 3 relearning), stability,
// difficulty, last review and due (UTC), learning step, the question's
// identity in the review log, and a hash of the question's text. Programs
// that know nothing of reviews keep it as a comment; if one of them moves
// the questions, the hash shows that the schedule no longer belongs to the
// question before it, and the schedule is dropped.

/// The comment text (after the apostrophe) that starts a schedule line.
inline constexpr std::string_view kReviewLineMarker = "@review ";

/// The hash of a question's text (its markup, UTF-8) that ties a schedule to it.
uint32_t ReviewQuestionHash(std::string_view questionMarkup);

/// The whole line, apostrophe included, for a question of that markup.
std::string ReviewLineText(const CLSReviewState& state, std::string_view questionMarkup);

/// What a comment says about the question before it.
enum class ReviewLineKind {
    kNotOurs,   // any other comment, or one of ours in a form not understood
    kOther,     // a well-formed schedule of another question
    kSchedule,  // this question's schedule
};

/// Reads a comment line's text (after the apostrophe). *state is set for
/// kSchedule only.
ReviewLineKind ParseReviewLine(std::string_view commentText, std::string_view questionMarkup,
                               CLSReviewState* state);

/// A fresh identity for the review log (never 0).
uint64_t NewReviewId();
