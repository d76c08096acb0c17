// Makes the program's icon: a PNG drawn for each size the desktop asks for, and the
// scalable SVG written from the same shapes. A T piece falls towards the gap it
// fills in a pile of blocks, in the colours and on the night sky of the game windows.
//
// Usage: MakeIcons <output folder> <file name without extension>
// writes <folder>/<N>x<N>/apps/<name>.png for each size and <folder>/scalable/apps/<name>.svg

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <vector>

namespace {

// Every length is whole pixels at its size, so no edge of a block is ever blurred.
struct Geometry {
    int size;
    int frame;  // width of the border around the sky
    int radius; // of the tile's outer corners
    int cell;   // side of one block
    int light;  // width of each block's light upper-left edges
    int dark;   // width of its dark lower-right edges
};

constexpr std::array<Geometry, 6> kSizes{{
    {16, 1, 1, 3, 0, 1}, // a light edge too would leave one pixel of a block's colour
    {32, 1, 4, 6, 1, 1},
    {48, 2, 6, 9, 1, 1},
    {64, 2, 8, 12, 2, 2},
    {128, 3, 16, 24, 3, 3},
    {256, 6, 32, 48, 6, 6},
}};

// The scalable picture is the largest one: its lengths are the finest.
constexpr Geometry kScalable = kSizes.back();

constexpr int kCells = 4;

// The well, top row first: a falling T whose stem fits the gap below it, so that its
// landing fills both rows of the pile.
constexpr std::array<const char*, kCells> kWell{
    ".FFF",
    "..F.",
    "R...",
    "RY.A",
};

QColor CellColor(char code) {
    switch (code) {
    case 'F':
        return QColor(255, 0, 255);
    case 'R':
        return QColor(255, 0, 0);
    case 'Y':
        return QColor(255, 255, 0);
    case 'A':
        return QColor(0, 255, 255);
    default:
        return QColor();
    }
}

// The sky and the frame of the background picture the game windows show.
const QColor kFrame(90, 110, 220);
const std::array<std::pair<double, QColor>, 3> kSky{{
    {0.0, QColor(8, 10, 38)},
    {0.6, QColor(26, 12, 58)},
    {1.0, QColor(48, 14, 52)},
}};

struct Box {
    int x, y, w, h;
    QColor color;
};

// The blocks as filled boxes in drawing order: each block's face, then its light
// upper-left edges, then its dark lower-right edges.
std::vector<Box> Blocks(const Geometry& g) {
    std::vector<Box> boxes;
    const int origin = (g.size - kCells * g.cell) / 2;
    for (int row = 0; row < kCells; ++row) {
        for (int col = 0; col < kCells; ++col) {
            const QColor color = CellColor(kWell[row][col]);
            if (!color.isValid()) continue;
            const int x = origin + col * g.cell;
            const int y = origin + row * g.cell;
            const int c = g.cell;
            boxes.push_back({x, y, c, c, color});
            if (g.light > 0) {
                boxes.push_back({x, y, c, g.light, color.lighter(170)});
                boxes.push_back({x, y, g.light, c, color.lighter(170)});
            }
            boxes.push_back({x, y + c - g.dark, c, g.dark, color.darker(200)});
            boxes.push_back({x + c - g.dark, y, g.dark, c, color.darker(200)});
        }
    }
    return boxes;
}

QLinearGradient SkyGradient(const Geometry& g) {
    QLinearGradient sky(0, g.frame, 0, g.size - g.frame);
    for (const auto& [at, color] : kSky)
        sky.setColorAt(at, color);
    return sky;
}

QImage DrawIcon(const Geometry& g) {
    QImage image(g.size, g.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int side = g.size - 2 * g.frame;
    if (g.radius > g.frame) {
        // Only the rounded corners are smoothed: every straight edge lies on whole pixels.
        p.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath outer;
        outer.addRoundedRect(QRectF(0, 0, g.size, g.size), g.radius, g.radius);
        p.fillPath(outer, kFrame);
        QPainterPath inner;
        inner.addRoundedRect(QRectF(g.frame, g.frame, side, side), g.radius - g.frame,
                             g.radius - g.frame);
        p.fillPath(inner, SkyGradient(g));
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        // Too small for a curve: the corner pixels are left out instead.
        p.fillRect(0, 0, g.size, g.size, kFrame);
        p.fillRect(g.frame, g.frame, side, side, SkyGradient(g));
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& corner :
             {QRect(0, 0, g.radius, g.radius), QRect(g.size - g.radius, 0, g.radius, g.radius),
              QRect(0, g.size - g.radius, g.radius, g.radius),
              QRect(g.size - g.radius, g.size - g.radius, g.radius, g.radius)})
            p.fillRect(corner, Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    for (const Box& box : Blocks(g))
        p.fillRect(box.x, box.y, box.w, box.h, box.color);
    p.end();
    return image;
}

QString Svg(const Geometry& g) {
    QString text;
    QTextStream out(&text);
    const int side = g.size - 2 * g.frame;
    const int innerRadius = g.radius - g.frame;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << g.size << "\" height=\""
        << g.size << "\" viewBox=\"0 0 " << g.size << ' ' << g.size << "\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"sky\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n";
    for (const auto& [at, color] : kSky)
        out << "      <stop offset=\"" << at << "\" stop-color=\"" << color.name() << "\"/>\n";
    out << "    </linearGradient>\n"
        << "  </defs>\n"
        << "  <rect width=\"" << g.size << "\" height=\"" << g.size << "\" rx=\"" << g.radius
        << "\" fill=\"" << kFrame.name() << "\"/>\n"
        << "  <rect x=\"" << g.frame << "\" y=\"" << g.frame << "\" width=\"" << side
        << "\" height=\"" << side << "\" rx=\"" << innerRadius << "\" fill=\"url(#sky)\"/>\n";
    for (const Box& box : Blocks(g))
        out << "  <rect x=\"" << box.x << "\" y=\"" << box.y << "\" width=\"" << box.w
            << "\" height=\"" << box.h << "\" fill=\"" << box.color.name() << "\"/>\n";
    out << "</svg>\n";
    return text;
}

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: MakeIcons <output folder> <file name without extension>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (const Geometry& g : kSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(g.size);
        ok = ok && QDir().mkpath(dir) && DrawIcon(g).save(dir + '/' + name + ".png", "PNG");
    }
    const QString dir = folder + "/scalable/apps";
    ok = ok && QDir().mkpath(dir) && WriteText(dir + '/' + name + ".svg", Svg(kScalable));
    if (!ok) {
        std::fprintf(stderr, "MakeIcons: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
