#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "text/Colour.h"
#include "text/Geometry.h"
#include "text/TString.h"

// The one place where the program's UTF-8 texts meet Qt's strings, and
// where the core's plain colours and rectangles become Qt's.

/// A program text, written in UTF-8 in the source, as a QString.
inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// A program text as a QString (bytes that are not UTF-8 show as U+FFFD).
QString ToQString(const CLSTString& text);
QString ToQString(std::string_view utf8);
/// A QString as a program text that a Shift-JIS file can hold. Characters
/// CP932 cannot hold become "?"; they are listed in unmappable (when given)
/// and the result is false.
bool FromQString(const QString& text, CLSTString& out, QString* unmappable = nullptr);
/// A QString as a program text, whole: UTF-8 in NFC.
CLSTString FromQStringWhole(const QString& text);
/// FromQString for texts known to be representable (menus, program texts).
CLSTString FromQStringLossy(const QString& text);

inline QColor ToQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour FromQColor(const QColor& c) {
    return makeColour(c.red(), c.green(), c.blue());
}
inline QRect ToQRect(const CLSRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
inline CLSRect FromQRect(const QRect& r) {
    return CLSRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

/// A font of the given face and point size (Shift-JIS faces of the program's texts).
QFont ProgramFont(const char* utf8Face, int pointSize, bool bold = false);
/// Maps the Japanese face names used in data and design files to installed fonts.
void InstallFontSubstitutions();
