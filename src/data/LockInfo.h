#pragma once

#include <cstdint>
#include <string>

#include "text/TString.h"

/// Who holds the lock file beside a data file: what the widgets' lock
/// writes (the process id, the program's file name and the host, one a
/// line, then the machine's and the boot's ids) and when it was made.
struct CLSLockInfo {
    int64_t pid = 0;
    std::string app;
    std::string host;
    std::string machineId;
    std::string bootId;
    int64_t madeSeconds = 0;  // the lock file's modification time (seconds since 1970)
};

/// ".NAME.vrf.lock" beside the native path of a data file.
std::string LockFilePathOf(const std::string& nativeDataPath);
/// Reads a lock file; false when there is none or it holds no process id.
bool ReadLockFile(const std::string& nativeLockPath, CLSLockInfo& info);
/// The name of this computer, as the lock writes it.
std::string ThisHostName();
/// Whether the lock was made on another computer (a synchronised folder
/// carried it here).
bool IsLockOfOtherHost(const CLSLockInfo& info);
/// Whether the lock still stands: made elsewhere, or by a process of this
/// computer that still runs (and is still the program that made it). A
/// lock of this process does not count.
bool IsLockHeldByOther(const CLSLockInfo& info);

/// "このファイルは他の Vorel で開かれています（HOST、START）。", with the
/// lock's age after the start when it comes from another computer.
CLSTString LockMessage(const CLSLockInfo& info, int64_t nowSeconds);
/// "N分前", "H時間M分前" or "D日H時間前".
CLSTString LockAgeText(int64_t seconds);
