#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <sys/time.h>

// Dates a file back to 2001, so that a rewrite, even within the same second, shows
// in its modification time.
inline bool AgeFile(const QString& path) {
    const timeval times[2] = {{978307200, 0}, {978307200, 0}};
    return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}

inline qint64 ModifiedSecs(const QString& path) {
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}
