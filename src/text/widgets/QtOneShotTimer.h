#pragma once

#include <QTimer>

#include "text/OneShotTimer.h"

/// The real one-shot timer, on the event loop of the thread that owns it.
class CLSQtOneShotTimer : public OneShotTimer {
  public:
    CLSQtOneShotTimer();
    void start(int ms, std::function<void()> action) override;
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

  private:
    QTimer m_timer;
    std::function<void()> m_action;
};
