#pragma once

#include <QLockFile>
#include <QString>

// The lock file of a data file: its name with ".lock" in place of its extension, in the
// same folder. The data files named after one executable (Quorvel.ini, Quorvel.cfg)
// so share one lock, and any write of either clears what a killed copy left behind.
QString LockFileName(const QString& dataFile);

// Whether a write that would leave the data file as it is may skip the lock: only
// while no lock file is there. One that a killed copy left so goes with the next
// write of either data file, whatever that write changes.
bool MaySkipLock(const QString& dataFile);

// Holds the lock of a data file from before the file is read to after it is written
// back, so that the read-modify-writes of two copies of the program never interleave:
// each one reads what the other wrote. Taken only for one such write, never while a
// window waits for the player. Released when destroyed.
//
// A lock that a killed copy left is taken over: at once when the process it names is
// gone, and after kStaleMs where the file names none (killed before it could write its
// name). A live copy holds the lock for the few milliseconds of its write; one that
// holds it for the whole of kWaitMs (stopped, or on a hung disk) makes the constructor
// throw EInOutError naming the data file with the system's EWOULDBLOCK, and the file
// stays as it was. Where no lock file can be made at all (a folder the user may not
// write) no other copy can write either: the write goes ahead unlocked and, if it has
// anything to write, reports the system's own error for the file itself.
class TDataFileLock {
public:
    static constexpr int kWaitMs = 5000;
    static constexpr int kStaleMs = 1000;

    explicit TDataFileLock(const QString& dataFile);
    TDataFileLock(const TDataFileLock&) = delete;
    TDataFileLock& operator=(const TDataFileLock&) = delete;

    // False where no lock file could be made and the write goes ahead without one.
    bool Held() const { return FLock.isLocked(); }

private:
    QLockFile FLock;
};
