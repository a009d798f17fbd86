#pragma once

#include <cstdint>
#include <vector>

#include "text/Clock.h"
#include "text/Geometry.h"
#include "text/TString.h"

class CLSExam;
struct CLSReviewDayCounts;
class CLSVorelDataFile;
class TextMetrics;

// What the information pane shows: usage tips typed out one character at a
// time while no run is going, the figures of a run while one is, and a
// clock. The widget only draws what these decide.

/// What the pane is showing.
enum class InfoPaneMode { kNoFile = 0, kFileOpen = 1, kRun = 2 };

/// The mode for a document: a run while one goes on; with a file, or with
/// questions of their own (an import, a new file being written), the open
/// document's tips; else the tips on opening a file.
InfoPaneMode InfoPaneModeOf(const CLSVorelDataFile& doc, bool running);

inline constexpr int kInfoPaneTipCount = 9;
/// A usage tip (CP932); "" outside 0-8.
const char* InfoPaneTip(int index);

/// The tip being typed. The pane beats every 100 ms: one more character
/// per beat, two beats' pause after a full-width comma or full stop, and
/// once the tip stands complete for 80 beats the next one starts (with a
/// file open tips 1-8 in turn, without one tip 0 again).
class CLSInfoPaneTips {
  public:
    static constexpr int kBeatMs = 100;
    static constexpr int kShownBeats = 80;

    /// Run mode, tip 0, nothing typed.
    CLSInfoPaneTips() = default;

    /// Entering kFileOpen starts tip 1 and entering kNoFile tip 0; staying
    /// in a mode changes nothing.
    void setMode(InfoPaneMode mode);
    InfoPaneMode mode() const { return m_mode; }
    /// One beat.
    void beat();
    /// The beats due by the clock since the last call (the first call only
    /// notes the time); a long gap counts as a few beats, not thousands.
    /// Returns the beats made.
    int advanceTo(int64_t ticks);

    int tipIndex() const { return m_tip; }
    int shownBytes() const { return m_shown; }
    /// The part of the tip typed so far.
    CLSTString shownText() const;
    bool complete() const;

  private:
    void start(int tip);

    InfoPaneMode m_mode = InfoPaneMode::kRun;
    int m_tip = 0;
    int m_shown = 0;
    int m_heldBeats = 0;
    int m_pause = 0;
    int64_t m_lastTicks = -1;
};

/// A labelled figure of a run: "出題方法" and its value.
struct CLSInfoPaneEntry {
    CLSTString label;
    CLSTString value;
};

/// The five figures of the run going on: the asking method, the answer
/// mode, the rate of right answers, the questions left and the time used
/// (or, with a time limit, left) for the question on screen.
std::vector<CLSInfoPaneEntry> InfoPaneRunEntries(const CLSExam& exam);

/// The day's reviews while no run goes on: the questions due today and the
/// new ones the day still allows.
std::vector<CLSInfoPaneEntry> InfoPaneReviewEntries(const CLSReviewDayCounts& counts);

/// The clock at the foot of the pane: two-digit hours and minutes, and
/// whether the colon shows (the second half of every second).
struct CLSInfoPaneClock {
    CLSTString hours;
    CLSTString minutes;
    bool colon = false;
};
CLSInfoPaneClock InfoPaneClock(const CLSLocalTime& time);

/// Where one labelled entry is drawn: the band behind the label, the label
/// (as "[label]") and the value below it.
struct CLSInfoPaneEntryPlace {
    CLSRect band;
    CLSRect label;
    CLSRect value;
};
/// Places the entries from the top of area in the pane's font; an entry
/// whose label does not fit any more is left out, with those after it, and
/// a value is cut at the foot of the area.
std::vector<CLSInfoPaneEntryPlace> PlaceInfoPaneEntries(
    const TextMetrics& metrics, const std::vector<CLSInfoPaneEntry>& entries, const CLSRect& area);
/// "[label]" as drawn.
CLSTString InfoPaneLabelText(const CLSTString& label);
/// Line spacing (percent) of the tips and the values.
inline constexpr int kInfoPaneSpacing = 40;
