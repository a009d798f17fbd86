#include "data/widgets/DataFileLock.h"

#include <QCoreApplication>
#include <QDateTime>

#include "text/Codec.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

CLSDataFileLock::CLSDataFileLock(const CLSTString& path)
    : m_path(path), m_lock(QString::fromStdString(LockFilePathOf(NativePath(path)))) {
    // The file stays open for hours: only a lock whose process is gone (or
    // that a restart left) is stale, never one that is merely old.
    m_lock.setStaleLockTime(0);
    if (m_lock.tryLock(0)) {
        m_state = State::kLocked;
        return;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // A folder we may not write to (or a name too long for a lock):
        // the file opens without one, and nobody needs to hear about it.
        m_state = State::kUnavailable;
        return;
    }
    m_state = State::kHeld;
    if (!ReadLockFile(LockFilePathOf(NativePath(path)), m_holder)) m_holder = CLSLockInfo();
}

CLSLockedOpen AskAboutLock(Prompter& prompter, const CLSLockInfo& holder) {
    CLSTString text = LockMessage(holder, QDateTime::currentSecsSinceEpoch());
    int answer = prompter.askChoice(
        PromptIcon::Warning, text,
        {FromQStringWhole(QCoreApplication::translate("CLSDataFileLock", "読み取り専用で開く(&R)")),
         FromQStringWhole(QCoreApplication::translate("CLSDataFileLock", "そのまま開く(&O)"))},
        0);
    if (answer == 0) return CLSLockedOpen::kReadOnly;
    if (answer == 1) return CLSLockedOpen::kAnyway;
    return CLSLockedOpen::kCancelled;
}
