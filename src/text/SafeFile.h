#pragma once

#include <string>

#include "text/FileWriteString.h"

/// Writes a file so that a failed or interrupted save never damages the old
/// one: the text goes to a temporary file in the same folder, which replaces
/// the target only after a complete, flushed write.
class CLSFileSafeWrite {
  public:
    CLSFileSafeWrite() = default;
    ~CLSFileSafeWrite();  // removes the temporary file unless committed
    CLSFileSafeWrite(const CLSFileSafeWrite&) = delete;
    CLSFileSafeWrite& operator=(const CLSFileSafeWrite&) = delete;

    /// Creates the temporary file NAME.vtmp-PID-XXXXXX beside the CP932
    /// target, first removing those of processes that are gone; false when
    /// that fails or when the target exists and is no regular file (a
    /// symbolic link counts as the file it leads to).
    bool open(const CLSTString& path);
    bool openNative(const std::string& nativeTarget);
    /// The file to write to (valid after a successful open).
    CLSFileWriteString& file() { return m_file; }
    /// Flushes, syncs and renames over the target. Throws CLSError code 6
    /// (source "READLINE") on failure; the target is then untouched.
    void commit();
    /// Drops the temporary file; the target is untouched.
    void abandon();

  private:
    CLSFileWriteString m_file;
    std::string m_target;
    std::string m_temp;
};
