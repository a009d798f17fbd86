#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// What a file held when it was read or written: its size, modification
/// time and a hash of its bytes, and which file it was. Two fingerprints of
/// one file mean the same content when size and hash agree; a new time
/// alone (a touch) is no change.
struct CLSFileFingerprint {
    bool valid = false;
    int64_t size = 0;
    int64_t mtimeNs = 0;
    uint64_t hash = 0;
    uint64_t device = 0;
    uint64_t inode = 0;
};

/// The hash of a byte stream, fed in pieces (however it is cut, the value
/// is the same): eight bytes at a time with a 64-bit multiply-rotate mix,
/// fast enough to run while a file is read and never meant to resist an
/// adversary.
class CLSByteHash {
  public:
    void add(const char* data, size_t n);
    uint64_t value() const;
    int64_t count() const { return m_count; }

  private:
    void mix(uint64_t word);

    uint64_t m_state = 0x27D4EB2F165667C5ull;
    int64_t m_count = 0;
    unsigned char m_pending[8] = {};
    size_t m_pendingLength = 0;
};

/// How a file on disk compares with a fingerprint taken earlier.
enum class CLSDiskState { kSame, kChanged, kMissing };

/// Reads the whole file and takes its fingerprint; false when it is not a
/// regular file that can be read.
bool FingerprintOfFile(const std::string& nativePath, CLSFileFingerprint& fingerprint);
/// Size, modification time and identity of the file (the hash is left
/// alone); false when there is no such file.
bool StatIntoFingerprint(const std::string& nativePath, CLSFileFingerprint& fingerprint);
/// kMissing when the file is gone (or no longer a regular file), kChanged
/// when its size or its bytes differ, else kSame. Only a file of the same
/// size is read.
CLSDiskState CompareWithDisk(const std::string& nativePath, const CLSFileFingerprint& fingerprint);
