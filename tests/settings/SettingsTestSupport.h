#pragma once

#include "settings/uHighScoreTable.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
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

// Runs UpdateTable as a game end does and gives the rows shown, "score,name".
inline QStringList ShownRows(const QString& game, int32_t score, const QString& player) {
    TfrmHigh form;
    form.GameName = game;
    form.Score = score;
    form.PlayerName = player;
    form.UpdateTable();
    QStringList shown;
    for (int row = 1; row <= 10; ++row)
        shown << form.ScoreLabel(row)->Caption() + u',' + form.NameLabel(row)->Caption();
    return shown;
}
