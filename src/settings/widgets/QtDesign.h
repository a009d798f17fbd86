#pragma once

#include <QFont>

#include "settings/VorelFont.h"
#include "text/widgets/Drawing.h"

struct CLSVorelSkinItem;

// The design's fonts and frames as Qt draws them.

/// A font of the program (point size, style, face) as a QFont at a scale in
/// percent. Face names written for the other platform ("ＭＳ Ｐゴシック", …)
/// reach installed Japanese fonts through the substitutions of
/// InstallFontSubstitutions.
QFont ToQFont(const CLSVorelFont& font, int ratePercent = 100);
/// A font of the program from a QFont (point size, style, face).
CLSVorelFont FromQFont(const QFont& font, const CLSVorelFont& keepColours);

/// The frame of a design item.
CLSBorderStyle BorderStyleOf(const CLSVorelSkinItem& item);
/// Draws a design item's frame the way the study screen frames its areas:
/// filled and framed around content, which it encloses by the border width
/// and the padding. The margin lies outside and is left to the caller.
void DrawItemFrame(QPainter& painter, const CLSVorelSkinItem& item, const QRect& content);
/// The space an item takes around its content on each side: border width,
/// padding and margin.
int ItemFrameExtent(const CLSVorelSkinItem& item);
