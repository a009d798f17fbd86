#include "image/MngPlayback.h"

#include <climits>

void CLSMngPlayback::load(const CLSMngAnimation& animation) {
    load(animation.events);
}

void CLSMngPlayback::load(std::vector<CLSMngEvent> events) {
    m_events = std::move(events);
    restart();
}

void CLSMngPlayback::restart() {
    m_next = 0;
    m_wait = 0;
    m_frameDelay = 1;
    m_loopSeen = false;
    m_loopStart = 0;
    m_loopDelay = 0;
    m_passes = 0;
    m_started = false;
    m_finished = false;
    m_frame = -1;
}

CLSMngStep CLSMngPlayback::tick() {
    CLSMngStep step;
    if (m_finished) {
        step.finished = true;
        return step;
    }
    if (m_started) --m_wait;
    m_started = true;
    // A wait below zero (a zero loop delay counted down) would otherwise
    // never reach zero again and stall the animation.
    while (m_wait <= 0 && m_next < m_events.size()) {
        const CLSMngEvent& e = m_events[m_next++];
        switch (e.kind) {
            case CLSMngEvent::kImage:
                if (e.value1 >= 0 && e.value1 <= INT_MAX) {
                    m_frame = static_cast<int>(e.value1);
                    step.frame = m_frame;
                }
                m_wait = m_frameDelay;
                break;
            case CLSMngEvent::kTerminate:
                if (!m_loopSeen) {
                    m_loopSeen = true;
                    m_loopStart = m_next;
                    m_loopDelay = e.value1;
                    m_passes = e.value2;
                }
                break;
            case CLSMngEvent::kFrameDelay:
                if (e.value1 > 0) m_frameDelay = e.value1;
                break;
            default:
                break;
        }
    }
    if (m_next >= m_events.size()) {
        if (m_passes < 2) {
            m_finished = true;
            step.finished = true;
            return step;
        }
        m_next = m_loopStart;
        // The last frame waits the loop's delay; without one it keeps its own.
        if (m_loopDelay > 0) m_wait = m_loopDelay;
        --m_passes;
    }
    return step;
}
