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

namespace {

bool Shipped(const QString& code) {
    return QFileInfo::exists(QStringLiteral(":/i18n/quorvel_%1.qm").arg(code));
}

// The code of the first of the desktop's languages the program has texts for, each
// tried as it is and then without its region; empty where English comes first, as
// the program's own texts are English.
QString FoundCode() {
    for (QString language : QLocale().uiLanguages()) {
        // "pt-BR" as Qt gives it, "pt_BR" as the files are named.
        language.replace(u'-', u'_');
        const QString code = language.section(u'.', 0, 0).section(u'@', 0, 0);
        // Qt names an unknown language "C" after it: that one stops nothing.
        if (code == u"C" || code == u"POSIX") continue;
        if (Shipped(code)) return code;
        const QString base = code.section(u'_', 0, 0);
        if (base == u"en") return {};
        if (Shipped(base)) return base;
    }
    return {};
}

} // namespace

void Load() {
    const QString code = FoundCode();
    auto own = std::make_unique<QTranslator>();
    if (code.isEmpty() || !own->load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(code))) return;
    gCode = code;
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
