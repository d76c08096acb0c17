// Makes the program's background picture and its wave sounds: a drawn picture and
// synthesised tones, so every file the program ships is its own.
//
// Usage: MakeAssets <output folder>

#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Tone {
    double start;     // seconds
    double length;    // seconds
    double frequency; // hertz
    double volume;    // 0..1
};

// Each tone is a sine with a few overtones, a quick attack and an exponential decay.
std::vector<int16_t> Synthesise(const std::vector<Tone>& tones, double total) {
    std::vector<double> mix(static_cast<size_t>(total * kRate), 0.0);
    for (const Tone& t : tones) {
        const size_t first = static_cast<size_t>(t.start * kRate);
        const size_t count = static_cast<size_t>(t.length * kRate);
        for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double s = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, s / 0.005);
            const double decay = std::exp(-4.0 * s / t.length);
            const double phase = 2 * std::numbers::pi * t.frequency * s;
            const double wave =
                std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase);
            mix[first + i] += t.volume * attack * decay * wave / 1.5;
        }
    }
    std::vector<int16_t> samples(mix.size());
    for (size_t i = 0; i < mix.size(); ++i)
        samples[i] = static_cast<int16_t>(std::clamp(mix[i], -1.0, 1.0) * 32000);
    return samples;
}

bool WriteWave(const QString& path, const std::vector<int16_t>& samples) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (int16_t s : samples)
        out << qint16(s);
    return out.status() == QDataStream::Ok && file.flush();
}

// A night sky over faint falling blocks: dark enough that lime text and the boards
// stand out on it.
QImage Background() {
    QImage image(590, 561, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 561);
    sky.setColorAt(0.0, QColor(8, 10, 38));
    sky.setColorAt(0.6, QColor(26, 12, 58));
    sky.setColorAt(1.0, QColor(48, 14, 52));
    p.fillRect(image.rect(), sky);

    // Stars from a fixed little generator, so the picture is the same every build.
    uint32_t seed = 20261208;
    auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
    };
    for (int i = 0; i < 260; ++i) {
        const int x = next(590);
        const int y = next(561);
        const int shade = 110 + next(146);
        p.setPen(QColor(shade, shade, std::min(255, shade + 30)));
        p.drawPoint(x, y);
    }

    // Faint outlines of blocks drifting down the right-hand side.
    p.setPen(Qt::NoPen);
    const QColor tints[] = {QColor(255, 60, 60, 40), QColor(60, 255, 90, 40),
                            QColor(80, 120, 255, 45), QColor(255, 230, 60, 40),
                            QColor(255, 80, 255, 40)};
    for (int i = 0; i < 26; ++i) {
        const int size = 14 + next(22);
        const int x = 405 + next(175);
        const int y = next(540);
        p.setBrush(tints[i % 5]);
        p.drawRoundedRect(QRectF(x, y, size, size), 3, 3);
    }

    // A soft glow behind the playing area on the left.
    QRadialGradient glow(QPointF(210, 280), 300);
    glow.setColorAt(0.0, QColor(70, 90, 200, 70));
    glow.setColorAt(1.0, QColor(70, 90, 200, 0));
    p.setBrush(glow);
    p.drawRect(image.rect());

    // A thin frame around the whole picture.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 110, 220), 2));
    p.drawRect(QRectF(1, 1, 588, 559));
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeAssets <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = Background().save(folder + "/bg.bmp", "BMP");

    // A short bright arpeggio for completed rows and removed blocks.
    ok = ok && WriteWave(folder + "/Line Done.wav", Synthesise({{0.00, 0.18, 659.25, 0.6},
                                                                {0.07, 0.18, 783.99, 0.6},
                                                                {0.14, 0.30, 1046.50, 0.7}},
                                                               0.45));
    // A slow falling phrase for the end of a game.
    ok = ok && WriteWave(folder + "/Game Over.wav", Synthesise({{0.00, 0.35, 392.00, 0.7},
                                                                {0.30, 0.35, 329.63, 0.7},
                                                                {0.60, 0.35, 261.63, 0.7},
                                                                {0.90, 0.90, 196.00, 0.8}},
                                                               1.8));
    // A soft, very short tick for the menu buttons.
    ok = ok && WriteWave(folder + "/Click.wav", Synthesise({{0.0, 0.04, 1800.0, 0.5}}, 0.06));
    if (!ok) {
        std::fprintf(stderr, "MakeAssets: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
