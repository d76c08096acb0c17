// Writes a pseudo-language for the tests: every text of a Qt Linguist file, its source
// turned into look-alike accented letters and made about 40 % longer, so that a text
// shown in English, having bypassed the translation, stands out, and so does one with
// too little room. Arguments (%1), line breaks and the accelerator mark stay as they
// are.
//
// Usage: MakePseudoLanguage <any translations/quorvel_<code>.ts> <output .ts>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>
#include <cstdio>

namespace {

QString Accented(const QString& line) {
    static const QHash<QChar, QChar> look{
        {u'a', u'å'}, {u'b', u'ƀ'}, {u'c', u'ç'}, {u'd', u'ð'}, {u'e', u'é'}, {u'f', u'ƒ'},
        {u'g', u'ĝ'}, {u'h', u'ĥ'}, {u'i', u'î'}, {u'j', u'ĵ'}, {u'k', u'ķ'}, {u'l', u'ļ'},
        {u'n', u'ñ'}, {u'o', u'ö'}, {u'p', u'þ'}, {u'r', u'ŕ'}, {u's', u'š'}, {u't', u'ţ'},
        {u'u', u'û'}, {u'w', u'ŵ'}, {u'y', u'ý'}, {u'z', u'ž'}, {u'A', u'Å'}, {u'C', u'Ç'},
        {u'E', u'É'}, {u'G', u'Ĝ'}, {u'I', u'Î'}, {u'L', u'Ļ'}, {u'N', u'Ñ'}, {u'O', u'Ö'},
        {u'R', u'Ŕ'}, {u'S', u'Š'}, {u'T', u'Ţ'}, {u'U', u'Û'}, {u'Y', u'Ý'}, {u'Z', u'Ž'},
        {u'B', u'Ɓ'}, {u'D', u'Ð'}, {u'H', u'Ĥ'}, {u'K', u'Ķ'}, {u'P', u'Þ'}, {u'W', u'Ŵ'},
        {u'X', u'Ẍ'}, {u'x', u'ẍ'}};
    QString out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        // %1 .. %9 stay.
        if (c == u'%' && i + 1 < line.size() && line[i + 1].isDigit()) {
            out += c;
            out += line[++i];
            continue;
        }
        out += look.value(c, c);
    }
    return out;
}

// Each line accented, then longer by about 40 % of itself, from its own letters.
QString Pseudo(const QString& source) {
    QStringList lines = source.split(u'\n');
    for (QString& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        const QString accented = Accented(line);
        const auto extra = static_cast<qsizetype>(std::lround(0.4 * accented.size()));
        QString pad = accented;
        pad.remove(u'&');
        pad.remove(QChar(u'%'));
        while (pad.size() < extra)
            pad += pad;
        line = accented + u' ' + pad.left(std::max<qsizetype>(extra - 1, 1));
    }
    return lines.join(u'\n');
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: MakePseudoLanguage <.ts file> <output .ts>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "MakePseudoLanguage: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader xml(&in);
    QXmlStreamWriter ts(&out);
    ts.setAutoFormatting(true);
    ts.writeStartDocument();
    ts.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    ts.writeStartElement(QStringLiteral("TS"));
    ts.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    ts.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    bool inContext = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            if (inContext) ts.writeEndElement();
            ts.writeStartElement(QStringLiteral("context"));
            ts.writeTextElement(QStringLiteral("name"), xml.readElementText());
            inContext = true;
        } else if (xml.name() == u"source") {
            const QString source = xml.readElementText();
            ts.writeStartElement(QStringLiteral("message"));
            ts.writeTextElement(QStringLiteral("source"), source);
            ts.writeTextElement(QStringLiteral("translation"), Pseudo(source));
            ts.writeEndElement();
        }
    }
    if (inContext) ts.writeEndElement();
    ts.writeEndDocument();
    if (xml.hasError()) {
        std::fprintf(stderr, "MakePseudoLanguage: %s: %s\n", argv[1],
                     qPrintable(xml.errorString()));
        return 1;
    }
    return 0;
}
