#pragma once

#include <vector>

#include "data/VorelDataQuestion.h"
#include "srs/ReviewState.h"

/// The schedule a question's right/wrong history (oldest first) gives, for
/// questions answered before the review schedule existed: each dated entry
/// is a review (right = Good, wrong = Again) replayed through the memory
/// model alone, with no learning steps and no random spread. The entries'
/// times are local at settings.utcOffsetMinutes. The question is then in
/// review, last reviewed at its last dated entry and due the retention's
/// interval later. Entries without a valid date are skipped; a history with
/// none stays new.
CLSReviewState SeedFromHistory(const std::vector<CLSHistoryEntry>& history,
                               const CLSReviewSettings& settings);
