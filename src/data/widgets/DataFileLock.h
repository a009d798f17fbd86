#pragma once

#include <QLockFile>
#include <memory>

#include "data/LockInfo.h"
#include "text/TString.h"

class Prompter;

/// The lock file beside an open data file (".NAME.vrf.lock"), so that a
/// second Vorel opening the same file can warn the learner. It holds the
/// process and the host, and goes when the file is closed; a lock left by a
/// process of this computer that is gone is taken over.
class CLSDataFileLock {
  public:
    enum class State {
        kLocked,       // this process holds the lock now
        kUnavailable,  // no lock can be made in the folder: none is kept
        kHeld,         // another Vorel holds it (holder() says who)
    };

    /// Tries to take the lock of a data file at once.
    explicit CLSDataFileLock(const CLSTString& path);
    CLSDataFileLock(const CLSDataFileLock&) = delete;
    CLSDataFileLock& operator=(const CLSDataFileLock&) = delete;

    State state() const { return m_state; }
    const CLSLockInfo& holder() const { return m_holder; }
    const CLSTString& path() const { return m_path; }

  private:
    CLSTString m_path;
    QLockFile m_lock;
    State m_state = State::kUnavailable;
    CLSLockInfo m_holder;
};

/// How the learner wants a file that another Vorel has open.
enum class CLSLockedOpen { kReadOnly, kAnyway, kCancelled };

/// Says who has the file open and asks whether to open it read-only or
/// anyway (Esc: not at all).
CLSLockedOpen AskAboutLock(Prompter& prompter, const CLSLockInfo& holder);
