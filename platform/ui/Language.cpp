#include "platform/ui/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// Kept for the program's life: an installed translator must outlive its use.
std::unique_ptr<QTranslator> gOwn;
std::unique_ptr<QTranslator> gQt;
QString gCode;

} // namespace

namespace Language {

void Load() {
    auto own = std::make_unique<QTranslator>();
    // Tries each of the desktop's languages in turn, and each without its region.
    if (!own->load(QLocale(), QStringLiteral("quorvel"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")))
        return;
    // "...:/i18n/quorvel_pt_BR.qm": the code of the file that was found.
    const QString name = QFileInfo(own->filePath()).completeBaseName();
    gCode = name.mid(name.indexOf(u'_') + 1);
    gOwn = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    // Only this very file: load(name, folder) would fall back to other names.
    const QString qtFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_") + gCode + QStringLiteral(".qm");
    if (QFileInfo::exists(qtFile) && qt->load(qtFile)) gQt = std::move(qt);
}

void Install() {
    if (gOwn) QCoreApplication::installTranslator(gOwn.get());
    if (gQt) QCoreApplication::installTranslator(gQt.get());
}

QString Code() {
    return gCode;
}

QString Translate(const char* context, const char* text) {
    if (gOwn) {
        const QString translated = gOwn->translate(context, text);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(text);
}

QString LocalFileName(const QString& folder, const QString& base, const QString& extension) {
    if (!gCode.isEmpty()) {
        const QString local = base + u'_' + gCode + extension;
        if (QFileInfo::exists(folder + local)) return local;
    }
    return base + extension;
}

} // namespace Language
