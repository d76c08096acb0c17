#include "platform/ui/Application.h"

#include "platform/ui/Dialogs.h"

#include <QCoreApplication>
#include <QPixmapCache>

namespace {
QString gTitle = QStringLiteral("Quorvel");
}

namespace Application {

void SetTitle(const QString& title) {
    gTitle = title;
    QCoreApplication::setApplicationName(title);
}

QString Title() {
    return gTitle;
}

void HandleException(const std::exception& error) {
    ErrorDlg(QString::fromUtf8(error.what()), gTitle);
}

void LimitPixmapCache() {
    QPixmapCache::setCacheLimit(kPixmapCacheKB);
}

} // namespace Application
