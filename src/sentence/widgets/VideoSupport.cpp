#include "sentence/widgets/VideoSupport.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "text/Error.h"

namespace {

// What Qt's back end makes for a player with a picture and a sound output.
const char* const kNeededElements[] = {
    "uridecodebin", "input-selector", "queue",      "tee",          "identity",      "capsfilter",
    "fakesink",     "videoconvert",   "videoscale", "audioconvert", "audioresample", "volume",
};

// GStreamer is opened at run time: the program does not link it, and a
// machine without it simply has no video.
std::string probe() {
    const char* backend = std::getenv("QT_MEDIA_BACKEND");
    if (backend && std::strcmp(backend, "ffmpeg") == 0) return {};
    void* lib = dlopen("libgstreamer-1.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return "GStreamer is not installed";
    using InitCheck = int (*)(int*, char***, void**);
    using FactoryFind = void* (*)(const char*);
    using Unref = void (*)(void*);
    auto initCheck = reinterpret_cast<InitCheck>(dlsym(lib, "gst_init_check"));
    auto find = reinterpret_cast<FactoryFind>(dlsym(lib, "gst_element_factory_find"));
    auto unref = reinterpret_cast<Unref>(dlsym(lib, "gst_object_unref"));
    if (!initCheck || !find || !unref) return "GStreamer lacks its entry points";
    // The error object is left alone: it only matters that we do not go on.
    void* error = nullptr;
    if (!initCheck(nullptr, nullptr, &error)) return "GStreamer cannot be initialised";
    std::string missing;
    for (const char* name : kNeededElements) {
        void* factory = find(name);
        if (factory) {
            unref(factory);
        } else {
            missing += missing.empty() ? "" : " ";
            missing += name;
        }
    }
    // The library stays loaded: Qt's back end uses the same one.
    if (!missing.empty()) return "GStreamer elements missing: " + missing;
    return {};
}

}  // namespace

bool VideoPlaybackAvailable() {
    static const bool available = [] {
        std::string why = probe();
        if (why.empty()) return true;
        traceLine(("videos are not played: " + why).c_str());
        return false;
    }();
    return available;
}
