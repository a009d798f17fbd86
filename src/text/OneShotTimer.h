#pragma once

#include <functional>

/// The seam for an action that runs once after a delay (the answer
/// dialog's automatic click): the widgets run it on a QTimer, tests fire it
/// when they choose, so what it does never depends on the machine's speed.
class OneShotTimer {
  public:
    virtual ~OneShotTimer() = default;
    /// Runs action once after ms milliseconds; a pending one is replaced.
    virtual void start(int ms, std::function<void()> action) = 0;
    /// The pending action, if any, never runs.
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};
