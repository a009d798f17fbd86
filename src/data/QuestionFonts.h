#pragma once

#include "settings/VorelFont.h"

class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelSettings;

/// The fonts a question is shown with.
enum QuestionFontRole { kFontTitle, kFontQuestion, kFontHint, kFontAnswer, kFontComment };

/// The font of a role at a line: the design's font of the role, overridden
/// by the data file's nearest font line of that role when the settings use
/// the data file's design.
CLSVorelFont QuestionFont(const CLSVorelDataFile& doc, const CLSVorelSettings& settings,
                          QuestionFontRole role, const CLSVorelDataItem* line);
