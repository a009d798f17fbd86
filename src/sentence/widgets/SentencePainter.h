#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <map>
#include <vector>

#include "sentence/Sentence.h"
#include "sentence/SentenceLayout.h"
#include "text/Colour.h"

// Opening the media of a sentence's objects and drawing a laid-out
// sentence; shared by the sentence windows and printing.

/// The native path of an object's file: relative names are taken from
/// folder, and a name written with backslashes is also tried with "/".
/// Empty when no such file exists.
QString ResolveMediaPath(const CLSTString& folder, const CLSTString& name);

/// What the objects of a sentence open as, by item index.
struct CLSSentenceMediaFiles {
    std::map<int, QImage> pictures;  // pictures, drawn over the background colour
    std::map<int, QString> videos;   // files to play as videos (native paths)
};

/// Opens every object of a sentence: a file that reads as a picture becomes
/// one; a file that is neither a readable picture nor a picture format is a
/// video. Missing files and pictures that cannot be read open as nothing.
CLSSentenceMediaFiles OpenSentenceMedia(const CLSSentence& sentence, const CLSTString& folder,
                                        Colour background);

/// Draws the text lines and pictures of a layout with its top-left corner at
/// origin, with the painter's font and pen. Videos are windows of their own
/// and are not drawn here.
void PaintSentence(QPainter& painter, QPoint origin, const CLSSentence& sentence,
                   const CLSSentenceLayout& layout, const std::map<int, QImage>& pictures);
