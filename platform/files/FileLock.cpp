#include "platform/files/FileLock.h"

#include "platform/files/AppPath.h"
#include "platform/files/IniText.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <cerrno>

namespace {

// QLockFile's own wait doubles its pause from 100 ms, which would keep a stale lock in
// the way for up to 1.5 s; a short fixed pause takes it over within kStaleMs.
constexpr int kPollMs = 20;

} // namespace

QString LockFileName(const QString& dataFile) {
    return ChangeFileExt(dataFile, QStringLiteral(".lock"));
}

bool MaySkipLock(const QString& dataFile) {
    return !QFileInfo::exists(LockFileName(dataFile));
}

TDataFileLock::TDataFileLock(const QString& dataFile) : FLock(LockFileName(dataFile)) {
    // A live holder keeps an flock on its lock file, which QLockFile needs before it
    // removes a stale one: a short stale time cannot take the lock from a live copy.
    FLock.setStaleLockTime(kStaleMs);
    const QDeadlineTimer deadline(kWaitMs);
    while (!FLock.tryLock(0)) {
        if (FLock.error() != QLockFile::LockFailedError) return;
        if (deadline.hasExpired()) throw WriteError(dataFile, EWOULDBLOCK);
        QThread::msleep(kPollMs);
    }
}
