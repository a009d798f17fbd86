#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

#include "text/Colour.h"
#include "text/TString.h"

/// How a box is framed: border type 0-8, colours, line width and padding.
struct CLSBorderStyle {
    int type = 0;
    Colour border = 0;
    Colour fill = 0xFFFFFF;
    int width = 1;
    int padding = 0;
};

/// Fills a box grown by the style's padding and frames it with one of the
/// nine border types; an empty box draws nothing.
void drawBorderBox(QPainter& painter, const CLSBorderStyle& style, QRect rect);

enum FlatButtonFlag { kFlatPressed = 1, kFlatDisabled = 4, kFlatFocus = 0x10 };
/// A flat button: light and dark edges (swapped when pressed) and the text
/// centred on one line.
void drawFlatButton(QPainter& painter, QRect rect, const QString& text, Colour textColour,
                    Colour backColour, int edgeWidth, int flags);

enum WrappedTextFlag { kWrapNoClip = 0x100, kWrapCalculate = 0x400 };
/// Draws text wrapped into rect with the painter's font; returns the height
/// used. With kWrapCalculate nothing is drawn and rect becomes the extent.
int drawWrappedText(QPainter& painter, const CLSTString& text, QRect& rect, int flags, int spacing);
