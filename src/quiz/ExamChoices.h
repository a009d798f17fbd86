#pragma once

#include <vector>

#include "sentence/Sentence.h"

class CLSRandom;
class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelSettings;

/// One choice offered for the current question.
struct CLSChoiceSlot {
    CLSSentence sentence;
    /// The question line the choice was taken from (its answer font applies).
    const CLSVorelDataItem* source = nullptr;
};

/// The choices for the document's current question: its first rightCount
/// answers, then up to wanted in all drawn at random from the question's own
/// choices (when the data file's settings are used and it has some) or from
/// the first answers of other questions (of its title section and group, as
/// ChoiceFrom says), without empty or repeated ones, all shuffled. Empty
/// when wanted is 0 or less.
std::vector<CLSChoiceSlot> BuildChoices(const CLSVorelDataFile& doc,
                                        const CLSVorelSettings& settings, CLSRandom& random,
                                        int wanted, int rightCount);
