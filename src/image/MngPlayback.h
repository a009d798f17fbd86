#pragma once

#include <cstdint>
#include <vector>

#include "image/Mng.h"

/// What one tick of an animation shows.
struct CLSMngStep {
    int frame = -1;         // frame to show now; -1 = keep the one shown
    bool finished = false;  // the animation has ended (its last frame stays)
};

/// Plays the event list of an animation tick by tick: image events show a
/// frame and wait the frame delay, frame-delay events change that delay,
/// and the first termination event marks where the animation repeats, how
/// long it waits first and how many passes it makes in all. The window
/// calls tick() once per 1 / ticksPerSecond seconds.
class CLSMngPlayback {
  public:
    /// Takes the events of an animation and goes back to its start.
    void load(const CLSMngAnimation& animation);
    void load(std::vector<CLSMngEvent> events);
    bool isEmpty() const { return m_events.empty(); }

    /// Back to the first event; nothing shown yet.
    void restart();
    /// The first call after restart shows the first frame; each later call
    /// first counts the frame's wait down by one tick. Never fails.
    CLSMngStep tick();
    bool isFinished() const { return m_finished; }
    /// The frame shown last, -1 before the first.
    int currentFrame() const { return m_frame; }
    /// Passes still to play (0 without a repeat).
    int64_t passesLeft() const { return m_passes; }

  private:
    std::vector<CLSMngEvent> m_events;
    size_t m_next = 0;
    int64_t m_wait = 0;
    int64_t m_frameDelay = 1;
    bool m_loopSeen = false;
    size_t m_loopStart = 0;
    int64_t m_loopDelay = 0;
    int64_t m_passes = 0;
    bool m_started = false;
    bool m_finished = false;
    int m_frame = -1;
};
