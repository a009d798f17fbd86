#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

/// Makes a just-shown window the active one. Keys reach a box's mnemonics
/// only then, and the offscreen platform may activate it late (after the
/// test has typed); a window manager would activate it at once.
inline void activate(QWidget* window) {
    if (QApplication::activeWindow() == window) return;
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
}

/// Shows a window and makes it the active one: shortcuts and mnemonics
/// reach only the active window.
inline void showActive(QWidget* w) {
    w->show();
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
}

/// Alt+key on a widget; a mnemonic "clicks" its button with a short
/// animation, which is let run.
inline void pressAlt(QWidget* w, Qt::Key key) {
    QTest::keyClick(w, key, Qt::AltModifier);
    QTest::qWait(150);
}

/// Acts on the next modal window as soon as it shows (polled, so that a
/// test never waits on a box it does not expect to stay). A window already
/// open (over) is passed over, so that a box it opens is the one acted on.
/// The window is active when act runs.
inline void whenModal(std::function<void(QWidget*)> act, const QWidget* over = nullptr,
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
            if (!modal) return;
            activate(modal);
            act(modal);
        }
    });
    timer->start(20);
}

/// The same for the next modal window of a kind; one of another kind is
/// left alone. The window is active when act runs.
template <typename T>
void whenModal(std::function<void(T*)> act, int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act, timeoutMs] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        *waited += 20;
        if (modal || *waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (!modal) return;
            activate(modal);
            act(modal);
        }
    });
    timer->start(20);
}
