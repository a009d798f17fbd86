#include "text/widgets/QtOneShotTimer.h"

CLSQtOneShotTimer::CLSQtOneShotTimer() {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_action) m_action();
    });
}

void CLSQtOneShotTimer::start(int ms, std::function<void()> action) {
    m_action = std::move(action);
    m_timer.start(ms);
}
