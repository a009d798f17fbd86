#include "sentence/VideoSchedule.h"

#include <algorithm>

void CLSVideoSchedule::add(const CLSSentenceItemObject& object) {
    Video v;
    v.playsLeft = object.loop > 0 ? object.loop : -1;
    v.interval = std::max<int64_t>(0, object.interval) * 1000;
    v.countdown = v.interval;
    v.autoplay = object.autoplay;
    m_videos.push_back(v);
}

std::vector<CLSVideoSchedule::Action> CLSVideoSchedule::poll(int elapsedMs,
                                                             const std::vector<bool>& stopped) {
    std::vector<Action> actions(m_videos.size(), kNothing);
    for (size_t i = 0; i < m_videos.size(); ++i) {
        Video& v = m_videos[i];
        // A video the learner started or that is still playing keeps its wait.
        if (!v.autoplay || v.disabled || i >= stopped.size() || !stopped[i]) continue;
        v.countdown -= std::max(0, elapsedMs);
        if (v.countdown > 0) continue;
        if (v.playsLeft != 0) {
            actions[i] = kPlay;
            if (v.playsLeft > 0) --v.playsLeft;
            v.countdown = v.interval;
        } else {
            actions[i] = kDisable;
            v.disabled = true;
        }
    }
    return actions;
}

int CLSVideoSchedule::playsLeft(int i) const {
    if (i < 0 || i >= count()) return -2;
    return m_videos[static_cast<size_t>(i)].playsLeft;
}
