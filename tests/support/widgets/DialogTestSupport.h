#pragma once

#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

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

inline QString Q8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// Acts on the next modal window as soon as it shows (polled, so that a
/// test never waits on a box it does not expect to stay). A window already
/// open (over) is passed over, so that a box it opens is the one acted on.
inline void WhenModal(std::function<void(QWidget*)> act, const QWidget* over = nullptr,
                      int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act, over, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == over) modal = nullptr;
        *waited += 20;
        if (modal || *waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (modal) act(modal);
        }
    });
    timer->start(20);
}
