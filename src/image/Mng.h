#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/Bitmap.h"

/// One entry of an animation's event list.
struct CLSMngEvent {
    enum Kind : int {
        kImage = 0,       // value1: index into CLSMngAnimation::images (the frame number)
        kTerminate = 1,   // value1: delay, value2: iteration maximum (from TERM)
        kFrameDelay = 2,  // value1: ticks; negative = next frame only, positive = new default
    };
    int kind = kImage;
    int64_t value1 = 0;
    int64_t value2 = 0;

    bool operator==(const CLSMngEvent&) const = default;
};

/// What an MNG file holds for the animation window: the frame size, the
/// clock and the ordered events with the decoded pictures they show.
struct CLSMngAnimation {
    uint32_t frameWidth = 0;
    uint32_t frameHeight = 0;
    uint32_t ticksPerSecond = 0;
    std::vector<CLSMngEvent> events;
    std::vector<CLSBitmap> images;
};

/// True when the bytes start with the 8-byte MNG signature.
bool IsMngSignature(const uint8_t* data, size_t size);

/// Reads an MNG file held in memory, decoding its images against background.
/// False (and animation emptied) when the file is rejected, its pictures
/// together exceed the image size limit, or memory runs out.
bool LoadMngFromMemory(const uint8_t* data, size_t size, Colour background,
                       CLSMngAnimation& animation);
