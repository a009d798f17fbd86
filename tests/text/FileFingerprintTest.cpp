#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "text/FileFingerprint.h"
#include "text/FileReadLine.h"
#include "text/SafeFile.h"

namespace {

void setTime(const std::string& path, time_t seconds) {
    struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

}  // namespace

TEST(FileFingerprint, TheBytesDecideNotTheTime) {
    TempDir dir;
    const std::string path = dir.file("a.vrf");
    WriteFileBytes(path, "VORELDATA V3.0\r\nq,,a,,,<00\r\n");
    setTime(path, 1700000000);

    // Reading line by line takes the same fingerprint as reading the whole.
    CLSFileReadLine reader;
    ASSERT_TRUE(reader.openNative(path));
    reader.startFingerprint();
    CLSTString line;
    while (reader.readLine(line)) {
    }
    CLSFileFingerprint read = reader.fingerprint();
    CLSFileFingerprint whole;
    ASSERT_TRUE(FingerprintOfFile(path, whole));
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.size, 28);
    EXPECT_EQ(read.hash, whole.hash);
    EXPECT_EQ(read.mtimeNs, 1700000000LL * 1000000000);
    EXPECT_EQ(CompareWithDisk(path, read), CLSDiskState::kSame);

    setTime(path, 1800000000);
    EXPECT_EQ(CompareWithDisk(path, read), CLSDiskState::kSame) << "a touch is no change";

    // Same size, other bytes, and the old time put back: still a change.
    WriteFileBytes(path, "VORELDATA V3.0\r\nq,,b,,,<00\r\n");
    setTime(path, 1700000000);
    EXPECT_EQ(CompareWithDisk(path, read), CLSDiskState::kChanged);
    WriteFileBytes(path, "VORELDATA V3.0\r\nq,,a,,,<00\r\nmore\r\n");
    EXPECT_EQ(CompareWithDisk(path, read), CLSDiskState::kChanged);
    ::unlink(path.c_str());
    EXPECT_EQ(CompareWithDisk(path, read), CLSDiskState::kMissing);
    ::mkdir(path.c_str(), 0755);
    EXPECT_EQ(CompareWithDisk(path, read), CLSDiskState::kMissing) << "a folder in its place";

    // What a safe save wrote is fingerprinted as it goes.
    CLSFileSafeWrite out;
    const std::string saved = dir.file("b.vrf");
    ASSERT_TRUE(out.openNative(saved));
    out.file().startFingerprint();
    out.file().write("VORELDATA V3.0");
    out.file().writeNewLine();
    out.commit();
    CLSFileFingerprint written = out.file().fingerprint();
    ASSERT_TRUE(FingerprintOfFile(saved, whole));
    EXPECT_EQ(written.size, 16);
    EXPECT_EQ(written.hash, whole.hash);
}

TEST(FileFingerprint, TheHashIsTheSameHoweverTheBytesArrive) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += static_cast<char>(i * 7 + i / 13);
    CLSByteHash whole;
    whole.add(bytes.data(), bytes.size());
    for (size_t step : {1u, 3u, 7u, 8u, 9u, 64u, 999u}) {
        CLSByteHash pieces;
        for (size_t at = 0; at < bytes.size(); at += step)
            pieces.add(bytes.data() + at, std::min(step, bytes.size() - at));
        EXPECT_EQ(pieces.value(), whole.value()) << step;
    }
    // Each byte, the length and trailing zero bytes count.
    std::string other = bytes;
    other[500] ^= 1;
    CLSByteHash changed, longer, empty, zero;
    changed.add(other.data(), other.size());
    longer.add(bytes.data(), bytes.size());
    longer.add("\0", 1);
    zero.add("\0", 1);
    EXPECT_NE(changed.value(), whole.value());
    EXPECT_NE(longer.value(), whole.value());
    EXPECT_NE(zero.value(), empty.value());
}
