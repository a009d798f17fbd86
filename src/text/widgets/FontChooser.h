#pragma once

class QFont;
class QString;
class QWidget;

/// The font chooser of the cards and the design page (Qt's own dialog, the
/// same on every desktop): starts at font and sets it when the learner
/// confirms; false when cancelled. Its lists are named after their fields'
/// labels, which Qt leaves to the fields alone.
bool ChooseFont(QWidget* parent, const QString& title, QFont& font);
