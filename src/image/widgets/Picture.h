#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <vector>

#include "image/Bitmap.h"
#include "image/Mng.h"
#include "text/TString.h"

// Pictures as the windows use them: decoded once into an opaque RGB32 image
// whose transparent parts already show the background colour. A picture
// that cannot be read is a null QImage; the caller simply does not show it.

/// The bitmap as an RGB32 image; null for a null bitmap or when memory runs out.
QImage ImageFromBitmap(const CLSBitmap& bitmap);

/// Any still-image format Qt reads, drawn upright over background; null
/// when the file cannot be read.
QImage LoadPlatformPicture(const QString& nativePath, Colour background);

/// A picture file named in a question (CP932 path): PNG and MNG (its first
/// image) always through the program's decoder, other formats through
/// LoadPlatformPicture. A path written with backslashes is also tried with
/// "/". Null when the picture cannot be shown.
QImage LoadPictureFromFile(const CLSTString& path, Colour background);
/// As LoadPictureFromFile with a native (UTF-8) path.
QImage LoadPictureFromNativeFile(const QString& nativePath, Colour background);

/// PNG bytes through the program's decoder; null when rejected.
QImage LoadPngImage(const QByteArray& bytes, Colour background);
/// A PNG kept in the program's resources (a ":/..." path); null when missing or rejected.
QImage LoadPngFromResource(const QString& resourcePath, Colour background);
/// The resource picture for a screen of the given pixel ratio: above 1 its
/// drawing at twice the size ("name@2x.png", marked with ratio 2) when there
/// is one, so that it stays sharp; else the picture itself. Null when
/// missing or rejected.
QImage LoadPngFromResourceForRatio(const QString& resourcePath, qreal ratio, Colour background);
/// The same for a picture kept with its transparency (Qt's own reader).
QPixmap LoadPixmapForRatio(const QString& resourcePath, qreal ratio);
/// An MNG kept in the program's resources; false (animation emptied) when
/// missing or rejected.
bool LoadMngFromResource(const QString& resourcePath, Colour background,
                         CLSMngAnimation& animation);

/// The pictures of an animation, indexed by frame number (an image
/// event's value1).
std::vector<QImage> ImagesOfAnimation(const CLSMngAnimation& animation);
