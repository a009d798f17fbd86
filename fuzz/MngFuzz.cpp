// The MNG reader on arbitrary bytes: every accepted animation must be
// consistent (image events name existing pictures, in order).

#include <cstdint>
#include <cstdlib>

#include "image/Mng.h"
#include "image/Png.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetImageSizeLimit(uint64_t{16} << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CLSMngAnimation animation;
    if (!LoadMngFromMemory(data, size, 0x808080, animation)) {
        if (!animation.events.empty() || !animation.images.empty()) std::abort();
        return 0;
    }
    if (animation.ticksPerSecond == 0) std::abort();
    int64_t nextFrame = 0;
    for (const CLSMngEvent& e : animation.events) {
        if (e.kind == CLSMngEvent::kImage && e.value1 != nextFrame++) std::abort();
        if (e.kind < 0 || e.kind > 2) std::abort();
    }
    if (nextFrame != static_cast<int64_t>(animation.images.size())) std::abort();
    for (const CLSBitmap& b : animation.images)
        if (b.isNull() || b.sizeInBytes() != b.stride() * b.height()) std::abort();
    return 0;
}
