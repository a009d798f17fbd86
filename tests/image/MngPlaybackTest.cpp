// Playing an animation's events tick by tick: frame delays, the repeat
// marked by the termination event and where the animation stops.

#include <gtest/gtest.h>

#include "image/MngPlayback.h"

namespace {

using E = CLSMngEvent;

E Image(int frame) {
    return {E::kImage, frame, 0};
}
E Delay(int ticks) {
    return {E::kFrameDelay, ticks, 0};
}
E Repeat(int delay, int passes) {
    return {E::kTerminate, delay, passes};
}

// The frame on screen after each tick, until the animation ends (at most
// limit ticks).
std::vector<int> Shown(const std::vector<CLSMngEvent>& events, int limit = 100) {
    CLSMngPlayback playback;
    playback.load(events);
    std::vector<int> shown;
    for (int i = 0; i < limit; ++i) {
        CLSMngStep step = playback.tick();
        shown.push_back(playback.currentFrame());
        if (step.finished) break;
    }
    return shown;
}

}  // namespace

TEST(MngPlayback, FramesWaitTheirDelayAndTheLastOneStays) {
    // Frame 0 for one tick (the default), then two ticks each.
    EXPECT_EQ(Shown({Image(0), Delay(2), Image(1), Image(2)}), (std::vector<int>{0, 1, 1, 2}));
    // Negative delays (next frame only) leave the default alone.
    EXPECT_EQ(Shown({Delay(3), Delay(-1), Image(0), Image(1)}), (std::vector<int>{0, 0, 0, 1}));

    CLSMngPlayback playback;
    playback.load({Image(4), Image(5)});
    EXPECT_EQ(playback.tick().frame, 4);
    CLSMngStep last = playback.tick();
    EXPECT_EQ(last.frame, 5);
    EXPECT_TRUE(last.finished);
    EXPECT_TRUE(playback.tick().finished);
    EXPECT_EQ(playback.currentFrame(), 5);
    // Starting again plays from the first frame.
    playback.restart();
    EXPECT_EQ(playback.tick().frame, 4);

    CLSMngPlayback empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty.tick().finished);
    EXPECT_EQ(empty.currentFrame(), -1);
}

TEST(MngPlayback, ALoopOfThreePassesPlaysThreeTimesAndEndsOnTheLastFrame) {
    std::vector<int> shown = Shown({Repeat(0, 3), Image(0), Image(1)});
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 0, 1, 0, 1}));

    // The loop delay holds the last frame before the next pass; a loop
    // start met again is not a new loop.
    EXPECT_EQ(Shown({Image(9), Repeat(3, 2), Image(0), Image(1)}),
              (std::vector<int>{9, 0, 1, 1, 1, 0, 1}));

    // One pass, or a negative count, plays once.
    EXPECT_EQ(Shown({Repeat(5, 1), Image(0), Image(1)}), (std::vector<int>{0, 1}));
    EXPECT_EQ(Shown({Repeat(5, -4), Image(0), Image(1)}), (std::vector<int>{0, 1}));

    // A loop holding no frames still runs out.
    EXPECT_EQ(Shown({Image(2), Repeat(0, 4)}).size(), 5u);
}
