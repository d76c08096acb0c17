#include "platform/AppPath.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString gExeOverride;
}

QString ExeFileName() {
    if (!gExeOverride.isEmpty()) return gExeOverride;
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

void SetExeFileNameForTests(const QString& path) {
    gExeOverride = path;
}

QString FolderOf(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QDir::separator());
    QString folder = cut >= 0 ? path.left(cut + 1) : QString();
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder;
}

QString AppFolder() {
    return FolderOf(ExeFileName());
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    const qsizetype slash = path.lastIndexOf(QDir::separator());
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash) return path.left(dot) + ext;
    return path + ext;
}
