#pragma once

#include <optional>
#include <vector>

#include "srs/FsrsModel.h"
#include "srs/ReviewLog.h"

class Prompter;
class QWidget;

/// "自分の復習に合わせる": fits the model to the learner's reviews in the
/// background while a progress dialog shows how far it got and offers to
/// cancel. Then it tells the loss before and after and asks before the
/// new parameters are used; a fit that did not lower the loss is only
/// told. Returns the parameters the learner took, nothing otherwise.
std::optional<CLSFsrsParameters> FitParametersInBackground(QWidget* owner, Prompter& prompter,
                                                           std::vector<CLSReviewRecord> reviews,
                                                           const CLSFsrsParameters& start);
