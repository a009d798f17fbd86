#pragma once

#include "text/Colour.h"

class QWidget;

/// The colour chooser of every colour button: starts at colour and sets it
/// when the learner confirms; false when cancelled. Its sixteen custom
/// colours are kept for the whole run, shared by every chooser.
bool ChooseColour(QWidget* parent, Colour& colour);
