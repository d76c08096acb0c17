#include "app/MenuPictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <array>

namespace {

constexpr int kSize = 72;
constexpr int kTitleWidth = 64; // wider titles are squeezed to fit

const QColor kBlack(0, 0, 0);
const QColor kLime(0, 255, 0);
const QColor kGreen(0, 128, 0);

QFont Font(int pixelSize, bool bold, bool mono = false) {
    QFont font;
    if (mono)
        font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                          QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    else
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A raised tile: light face, white upper-left edges, dark lower-right edges.
void DrawTile(QPainter& p) {
    QLinearGradient face(0, 0, 0, kSize - 1);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(208, 220, 234));
    p.fillRect(0, 0, kSize, kSize, face);
    const int last = kSize - 1;
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, last - 1, 0);
    p.drawLine(0, 0, 0, last - 1);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(0, last, last, last);
    p.drawLine(last, 0, last, last);
    p.setPen(QColor(150, 160, 172));
    p.drawLine(1, last - 1, last - 1, last - 1);
    p.drawLine(last - 1, 1, last - 1, last - 1);
}

void DrawTitle(QPainter& p, const QString& title) {
    const QFont font = Font(11, true);
    const int width = QFontMetrics(font).horizontalAdvance(title);
    const qreal squeeze = width > kTitleWidth ? qreal(kTitleWidth) / width : 1.0;
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 255));
    p.translate(kSize / 2.0, 0);
    p.scale(squeeze, 1.0);
    p.drawText(QRectF(-width / 2.0 - 1, 2, width + 2, 14), Qt::AlignCenter, title);
    p.restore();
}

// A small text in lime with a green shadow, as the game windows write.
void ShadowText(QPainter& p, const QRect& box, const QString& text, Qt::Alignment align) {
    p.setPen(kGreen);
    p.drawText(box.translated(1, 1), align, text);
    p.setPen(kLime);
    p.drawText(box, align, text);
}

// A block with a light upper-left and a dark lower-right edge.
void Block(QPainter& p, int x, int y, int size, const QColor& color) {
    p.fillRect(x, y, size, size, color);
    p.fillRect(x, y, size, 1, color.lighter(170));
    p.fillRect(x, y, 1, size, color.lighter(170));
    p.fillRect(x, y + size - 1, size, 1, color.darker(200));
    p.fillRect(x + size - 1, y, 1, size, color.darker(200));
}

// The right-hand panels of a game window: lime lines standing for its texts.
void SidePanels(QPainter& p) {
    p.setPen(QColor(96, 96, 96));
    p.drawRect(41, 21, 20, 9);
    p.drawRect(41, 32, 20, 9);
    p.fillRect(43, 24, 10, 1, kLime);
    p.fillRect(43, 27, 15, 1, kLime);
    p.fillRect(43, 35, 8, 1, kLime);
    p.fillRect(43, 38, 12, 1, kLime);
}

void DrawShapesWindow(QPainter& p) {
    p.fillRect(7, 18, 58, 49, kBlack);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(9, 20, 29, 45);
    constexpr int cell = 4;
    auto at = [&](int col, int row, const QColor& color) {
        Block(p, 10 + col * cell, 21 + row * cell, cell, color);
    };
    // A falling T over a pile with one row nearly done.
    const QColor fuchsia(255, 0, 255);
    at(2, 2, fuchsia);
    at(3, 2, fuchsia);
    at(4, 2, fuchsia);
    at(3, 3, fuchsia);
    const std::array<const char*, 3> pile{"...YY..", "B.RRGGA", "BBRAGAA"};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 7; ++col) {
            QColor color;
            switch (pile[row][col]) {
            case 'Y':
                color = QColor(255, 255, 0);
                break;
            case 'B':
                color = QColor(0, 0, 255);
                break;
            case 'R':
                color = QColor(255, 0, 0);
                break;
            case 'G':
                color = QColor(0, 255, 0);
                break;
            case 'A':
                color = QColor(0, 255, 255);
                break;
            default:
                continue;
            }
            at(col, 8 + row, color);
        }
    }
    SidePanels(p);
    // The next-piece box with an L.
    p.setPen(QColor(96, 96, 96));
    p.drawRect(41, 47, 20, 17);
    const QColor aqua(0, 255, 255);
    Block(p, 46, 51, 4, aqua);
    Block(p, 46, 55, 4, aqua);
    Block(p, 50, 55, 4, aqua);
    Block(p, 54, 55, 4, aqua);
}

void DrawBlocksWindow(QPainter& p) {
    p.fillRect(7, 18, 58, 49, kBlack);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(9, 20, 31, 45);
    constexpr int cell = 5;
    auto at = [&](int col, int row, const QColor& color) {
        Block(p, 10 + col * cell, 21 + row * cell, cell, color);
    };
    const QColor red(255, 0, 0), yellow(255, 255, 0), blue(0, 0, 255), lime(0, 255, 0),
        fuchsia(255, 0, 255), aqua(0, 255, 255);
    // The falling column of three.
    at(2, 1, red);
    at(2, 2, yellow);
    at(2, 3, lime);
    // The heap, with three blues about to line up.
    const std::array<std::array<QColor, 6>, 3> heap{{
        {QColor(), QColor(), QColor(), aqua, QColor(), QColor()},
        {blue, QColor(), yellow, red, fuchsia, QColor()},
        {lime, blue, red, yellow, blue, aqua},
    }};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 6; ++col)
            if (heap[row][col].isValid()) at(col, 6 + row, heap[row][col]);
    SidePanels(p);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(41, 47, 20, 17);
    p.fillRect(44, 52, 14, 1, kLime);
    p.fillRect(44, 56, 11, 1, kLime);
    p.fillRect(44, 60, 14, 1, kLime);
}

void DrawScoreColumn(QPainter& p) {
    p.fillRect(8, 18, 56, 49, kBlack);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(Font(9, true, true));
    const std::array<const char*, 5> scores{"9500", "7200", "5150", "3800", "1200"};
    for (int row = 0; row < 5; ++row) {
        const QRect line(11, 19 + row * 9, 50, 9);
        ShadowText(p, line, QString::number(row + 1), Qt::AlignLeft | Qt::AlignVCenter);
        ShadowText(p, line.adjusted(0, 0, -3, 0), QString::fromLatin1(scores[row]),
                   Qt::AlignRight | Qt::AlignVCenter);
    }
}

void DrawOptionsDialog(QPainter& p) {
    const QColor face(192, 192, 192);
    // Window: title bar, grey body, black outline.
    p.fillRect(8, 18, 56, 49, face);
    p.fillRect(9, 19, 54, 6, QColor(0, 0, 128));
    p.fillRect(11, 21, 20, 2, QColor(255, 255, 255));
    p.setPen(kBlack);
    p.drawRect(8, 18, 55, 48);
    // Two tabs over a page.
    p.drawLine(11, 28, 22, 28);
    p.drawLine(11, 28, 11, 31);
    p.drawLine(22, 28, 22, 31);
    p.drawLine(23, 29, 32, 29);
    p.drawLine(32, 29, 32, 31);
    p.drawRect(10, 31, 51, 26);
    // Three check boxes, two of them ticked.
    for (int i = 0; i < 3; ++i) {
        const int y = 32 + i * 9;
        p.fillRect(13, y, 6, 6, QColor(255, 255, 255));
        p.drawRect(13, y, 6, 6);
        p.fillRect(22, y + 3, 9, 1, kBlack);
        if (i < 2) {
            // A tick in the box's 5 x 5 inside.
            static constexpr std::array<std::array<int, 2>, 10> tick{
                {{4, 0}, {3, 1}, {4, 1}, {0, 2}, {2, 2}, {3, 2}, {0, 3}, {1, 3}, {2, 3}, {1, 4}}};
            for (const auto& [dx, dy] : tick)
                p.fillRect(14 + dx, y + 1 + dy, 1, 1, kBlack);
        }
    }
    // A radio group with the middle item chosen.
    p.drawRect(35, 33, 23, 21);
    for (int i = 0; i < 3; ++i) {
        const int y = 36 + i * 6;
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(38, y, 4, 4);
        if (i == 1) p.fillRect(40, y + 2, 1, 1, kBlack);
        p.fillRect(45, y + 2, 10, 1, kBlack);
    }
    p.setBrush(Qt::NoBrush);
    // The two buttons.
    for (const int x : {28, 46}) {
        p.fillRect(x, 59, 14, 6, face);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(x, 59, x + 13, 59);
        p.drawLine(x, 59, x, 64);
        p.setPen(kBlack);
        p.drawLine(x, 64, x + 13, 64);
        p.drawLine(x + 13, 59, x + 13, 64);
    }
}

void DrawDocument(QPainter& p) {
    // A page with its upper right corner folded over.
    const QPolygon page(
        {QPoint(16, 19), QPoint(46, 19), QPoint(55, 28), QPoint(55, 66), QPoint(16, 66)});
    p.setBrush(QColor(255, 255, 255));
    p.setPen(kBlack);
    p.drawPolygon(page);
    p.setBrush(QColor(208, 208, 208));
    p.drawPolygon(QPolygon({QPoint(46, 19), QPoint(46, 28), QPoint(55, 28)}));
    p.setBrush(Qt::NoBrush);
    for (int y = 24; y <= 62; y += 4)
        p.fillRect(19, y, y < 30 ? 24 : 33, 1, QColor(176, 176, 176));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont font = Font(34, true);
    p.setFont(font);
    p.setPen(kBlack);
    p.drawText(QRect(16, 20, 40, 46), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawDoor(QPainter& p) {
    // The floor, the frame and the door in it.
    p.fillRect(10, 65, 52, 2, kBlack);
    p.fillRect(20, 18, 32, 47, kBlack);
    const QColor red(204, 0, 0);
    const QColor dark(128, 0, 0);
    p.fillRect(23, 21, 26, 44, red);
    p.setPen(dark);
    p.drawRect(26, 24, 19, 15);
    p.drawRect(26, 44, 19, 17);
    p.setPen(QColor(255, 96, 96));
    p.drawLine(23, 21, 48, 21);
    p.drawLine(23, 21, 23, 64);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(96, 64, 0));
    p.setBrush(QColor(255, 204, 0));
    p.drawEllipse(QPointF(44.5, 42.5), 2.5, 2.5);
}

} // namespace

QImage DrawMenuBackground() {
    constexpr int width = 410;
    constexpr int height = 280;
    constexpr std::array<int, 3> top{48, 223, 255};
    constexpr std::array<int, 3> bottom{47, 175, 255};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        std::array<int, 3> c{};
        for (size_t i = 0; i < 3; ++i) {
            const int span = height - 1;
            c[i] = (top[i] * (span - y) + bottom[i] * y + span / 2) / span;
        }
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<uchar>(c[0]);
            line[3 * x + 1] = static_cast<uchar>(c[1]);
            line[3 * x + 2] = static_cast<uchar>(c[2]);
        }
    }
    return image;
}

// Each is drawn in bold 11-pixel letters at the top of a 72-pixel picture, squeezed
// where it is wider than 64 pixels.
QString MenuPictureTitle(TMenuPicture picture) {
    switch (picture) {
    case TMenuPicture::Shapes:
        //: The main menu's button that starts Shapes: the program's and the game's name in one word
        return QStringLiteral(QT_TRANSLATE_NOOP("TfrmMain", "QuorvelShapes"));
    case TMenuPicture::Blocks:
        //: The main menu's button that starts Blocks: the program's and the game's name in one word
        return QStringLiteral(QT_TRANSLATE_NOOP("TfrmMain", "QuorvelBlocks"));
    case TMenuPicture::HighScore:
        //: The main menu's button that shows a game's table of the ten best scores
        return QStringLiteral(QT_TRANSLATE_NOOP("TfrmMain", "High Score"));
    case TMenuPicture::Options:
        return QStringLiteral(QT_TRANSLATE_NOOP("TfrmMain", "Options"));
    case TMenuPicture::Instructions:
        return QStringLiteral(QT_TRANSLATE_NOOP("TfrmMain", "Instructions"));
    case TMenuPicture::Exit:
        break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP("TfrmMain", "Exit"));
}

QImage DrawMenuPicture(TMenuPicture picture) {
    return DrawMenuPicture(picture, MenuPictureTitle(picture));
}

QImage DrawMenuPicture(TMenuPicture picture, const QString& title) {
    QImage image(kSize, kSize, QImage::Format_RGB888);
    QPainter p(&image);
    DrawTile(p);
    DrawTitle(p, title);
    switch (picture) {
    case TMenuPicture::Shapes:
        DrawShapesWindow(p);
        break;
    case TMenuPicture::Blocks:
        DrawBlocksWindow(p);
        break;
    case TMenuPicture::HighScore:
        DrawScoreColumn(p);
        break;
    case TMenuPicture::Options:
        DrawOptionsDialog(p);
        break;
    case TMenuPicture::Instructions:
        DrawDocument(p);
        break;
    case TMenuPicture::Exit:
        DrawDoor(p);
        break;
    }
    return image;
}
