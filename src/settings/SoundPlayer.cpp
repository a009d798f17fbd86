#include "settings/SoundPlayer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "settings/SettingsFolder.h"
#include "text/Paths.h"
#include "text/TString.h"

namespace {

uint32_t littleEndian(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

// Reads exactly n bytes unless the file ends first.
bool readAll(int fd, unsigned char* out, size_t n) {
    size_t got = 0;
    while (got < n) {
        ssize_t r = ::read(fd, out + got, n - got);
        if (r <= 0) return false;
        got += static_cast<size_t>(r);
    }
    return true;
}

}  // namespace

CLSTString FindSoundFile(const CLSTString& fileName) {
    if (fileName.isEmpty()) return CLSTString();
    CLSTString path = IsAbsolutePath(fileName) ? fileName : JoinPath(SettingsFolder(), fileName);
    if (FileExists(path)) return path;
    // Names stored by the other platform's version separate folders with "\".
    CLSTString slashed = path;
    slashed.replaceAll('\\', '/');
    return FileExists(slashed) ? slashed : CLSTString();
}

bool IsPlayableWaveFile(const CLSTString& path) {
    int fd = OpenRegularFile(NativePath(path), O_RDONLY);
    if (fd < 0) return false;
    bool playable = false;
    unsigned char head[12];
    if (readAll(fd, head, sizeof head) && std::memcmp(head, "RIFF", 4) == 0 &&
        std::memcmp(head + 8, "WAVE", 4) == 0) {
        // The format chunk tells the sample kind; other chunks are stepped over.
        unsigned char chunk[8];
        for (int guard = 0; guard < 64 && readAll(fd, chunk, sizeof chunk); ++guard) {
            uint32_t size = littleEndian(chunk + 4, 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0) {
                unsigned char format[2];
                if (size >= 16 && readAll(fd, format, sizeof format)) {
                    uint32_t tag = littleEndian(format, 2);
                    playable = tag == 1 || tag == 3 || tag == 0xFFFE;
                }
                break;
            }
            if (::lseek(fd, static_cast<off_t>(size + (size & 1)), SEEK_CUR) < 0) break;
        }
    }
    ::close(fd);
    return playable;
}
