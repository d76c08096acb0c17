// Draws the main menu's background and its six button pictures, once with the English
// titles and once for each language with the titles of its translation file, and
// writes them as a C++ source file of their bytes, which the program is built with.
//
// Usage: MakeMenuPictures <output .cpp> [<translations/quorvel_<code>.ts> ...]

#include "app/MenuPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QXmlStreamReader>
#include <array>
#include <cstdio>

namespace {

// The finished translations of context TfrmMain in a Qt Linguist file, by source text.
QHash<QString, QString> MenuTranslations(const QString& fileName) {
    QHash<QString, QString> texts;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return texts;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            const QString text = xml.readElementText();
            if (context == u"TfrmMain" && !unfinished && !text.isEmpty()) texts[source] = text;
        }
    }
    if (xml.hasError())
        std::fprintf(stderr, "MakeMenuPictures: %s: %s\n", qPrintable(fileName),
                     qPrintable(xml.errorString()));
    return texts;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: MakeMenuPictures <output .cpp> [<.ts file> ...]\n");
        return 2;
    }
    QByteArray text = "// Made by MakeMenuPictures at build time; do not edit.\n"
                      "#include \"app/MenuPictures.h\"\n\n";
    // Rows of red, green and blue bytes, as an initialiser list.
    const auto bytesOf = [&text](const QImage& image) {
        text += "{";
        for (int y = 0; y < image.height(); ++y) {
            const uchar* line = image.constScanLine(y);
            for (int x = 0; x < image.width() * 3; ++x)
                text += QByteArray::number(line[x]) + ',';
            text += '\n';
        }
        text += "}";
    };
    const auto picturesOf = [&](const QHash<QString, QString>& titles) {
        text += "{\n";
        for (int kind = 0; kind < 6; ++kind) {
            const auto picture = static_cast<TMenuPicture>(kind);
            const QString title = MenuPictureTitle(picture);
            bytesOf(DrawMenuPicture(picture, titles.value(title, title)));
            text += ",\n";
        }
        text += "},\n";
    };
    text += "const unsigned char kMenuBackgroundData[kMenuBackgroundBytes] = ";
    bytesOf(DrawMenuBackground());
    text += ";\n\nconst unsigned char kMenuPictureData[][6][kMenuPictureBytes] = {\n";
    picturesOf({});
    QByteArray codes;
    for (int i = 2; i < argc; ++i) {
        const QString fileName = QString::fromLocal8Bit(argv[i]);
        // quorvel_pt_BR.ts: pt_BR
        const QString base = QFileInfo(fileName).completeBaseName();
        codes += '"' + base.mid(base.indexOf(u'_') + 1).toLatin1() + "\", ";
        picturesOf(MenuTranslations(fileName));
    }
    text += "};\n\nconst char* const kMenuLanguages[] = {" + codes + "nullptr};\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        std::fprintf(stderr, "MakeMenuPictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
