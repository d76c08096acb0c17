// Draws the main menu's background and its six button pictures and writes them as a
// C++ source file of their bytes, which the program is built with.
//
// Usage: MakeMenuPictures <output .cpp>

#include "app/MenuPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeMenuPictures <output .cpp>\n");
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
    text += "const unsigned char kMenuBackgroundData[kMenuBackgroundBytes] = ";
    bytesOf(DrawMenuBackground());
    text += ";\n\nconst unsigned char kMenuPictureData[6][kMenuPictureBytes] = {\n";
    for (int kind = 0; kind < 6; ++kind) {
        bytesOf(DrawMenuPicture(static_cast<TMenuPicture>(kind)));
        text += ",\n";
    }
    text += "};\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        std::fprintf(stderr, "MakeMenuPictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
