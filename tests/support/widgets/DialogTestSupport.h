#pragma once

#include <stdlib.h>

#include <QDir>
#include <QString>
#include <QWidget>

#include "text/widgets/QtText.h"

/// Saves a picture of the widget when VOREL_SHOTS names a folder, so that
/// the dialogs can be looked at after a run.
inline void SaveShot(QWidget* widget, const char* name) {
    const char* dir = getenv("VOREL_SHOTS");
    if (!dir || !*dir) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    widget->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

/// Japanese face names reach installed fonts once per test program.
inline void UseProgramFonts() {
    static bool done = false;
    if (!done) InstallFontSubstitutions();
    done = true;
}
