#include "platform/files/AppPath.h"

#include "platform/files/IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

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

QString DataFolder() {
    const QString folder = AppFolder();
    // Asks the system for the user's own rights, as the write itself will meet them;
    // a read-only mount answers no as well. A folder that is not there at all is no
    // shared install: its writes fail and say so.
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0 ||
        (errno != EACCES && errno != EPERM && errno != EROFS))
        return folder;
    return QDir::toNativeSeparators(
               QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Quorvel")) +
           QDir::separator();
}

QString DataFileName(const QString& ext) {
    const QString exe = ExeFileName();
    return DataFolder() + ChangeFileExt(exe.mid(exe.lastIndexOf(QDir::separator()) + 1), ext);
}

void MakeDataFolder() {
    const QString folder = DataFolder();
    if (folder == AppFolder()) return;
    // Each missing folder of the path in turn, so that the one that cannot be made is
    // the one named, with the system's reason.
    const QStringList parts = folder.split(QDir::separator(), Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += QDir::separator() + part;
        const QByteArray name = QFile::encodeName(path);
        if (::mkdir(name.constData(), 0777) == 0 || errno == EEXIST) continue;
        const int error = errno;
        throw EInOutError(QCoreApplication::translate("Files", "Unable to create the folder %1: %2")
                              .arg(path + QDir::separator(), qt_error_string(error)),
                          error);
    }
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    const qsizetype slash = path.lastIndexOf(QDir::separator());
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash) return path.left(dot) + ext;
    return path + ext;
}
