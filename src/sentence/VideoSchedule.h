#pragma once

#include <cstdint>
#include <vector>

#include "sentence/SentenceItem.h"

/// When the videos of a shown sentence start again: each waits its interval
/// while stopped, plays its number of times (endless for a loop of 0 or
/// less) and is then switched off. The window polls it every 100 ms.
class CLSVideoSchedule {
  public:
    enum Action { kNothing, kPlay, kDisable };

    /// Forgets every video.
    void clear() { m_videos.clear(); }
    /// Adds the next video of the sentence, in item order.
    void add(const CLSSentenceItemObject& object);
    int count() const { return static_cast<int>(m_videos.size()); }
    bool isEmpty() const { return m_videos.empty(); }

    /// One poll after elapsedMs: stopped[i] tells whether video i is stopped
    /// now (a missing entry counts as playing). Returns what to do with each.
    std::vector<Action> poll(int elapsedMs, const std::vector<bool>& stopped);

    /// Plays still to come for video i (-1 = endless); -2 outside the list.
    int playsLeft(int i) const;

  private:
    struct Video {
        int playsLeft = -1;
        int64_t countdown = 0;
        int64_t interval = 0;
        bool autoplay = true;
        bool disabled = false;
    };
    std::vector<Video> m_videos;
};
