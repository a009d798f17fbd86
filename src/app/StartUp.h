#pragma once

#include <QIcon>
#include <QString>

#include "text/TString.h"

/// The name desktops know the program by: its desktop entry, icon and
/// AppStream id.
inline constexpr const char* kVorelDesktopId = "org.vorel.Vorel";

/// Process-wide preparation of the widgets (resources, the window icon, the
/// desktop id, Qt's own texts in Japanese).
void InitVorelApplication();

/// The program's icon in every size it is drawn at; the desktop theme's
/// icon of the same name wins when the program is installed.
QIcon VorelAppIcon();

/// The data file named on the command line (already without quotes) as the
/// program's path; false when there is none, or when its name has no CP932
/// form, which is then reported.
bool CommandLineFile(const QString& file, CLSTString& path);
