#include "platform/sound/Sound.h"

#include "platform/sound/SoundThread.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// A memory image larger than this is taken for a stray pointer, not a sound.
constexpr quint32 kMaxWaveImage = 64u * 1024u * 1024u;

// Reads a RIFF wave as far as playing needs it, or gives nothing when the channel
// could not play it. Samples cut short by the end of the file are played as far as
// they go.
std::optional<TWave> ReadWave(QIODevice& device) {
    const QByteArray head = device.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<pa_sample_spec> format;
    for (;;) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() != 8) return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "data") {
            if (!format) return std::nullopt;
            TWave wave{*format, device.read(std::min<qint64>(size, kMaxWaveImage))};
            wave.Samples.chop(wave.Samples.size() % qsizetype(TWave::FrameSize(*format)));
            return wave;
        }
        const qint64 next = device.pos() + size + (size & 1);
        if (id == "fmt ") {
            const QByteArray fmt = device.read(std::min<quint32>(size, 40));
            if (fmt.size() < 16) return std::nullopt;
            const char* p = fmt.constData();
            quint16 tag = qFromLittleEndian<quint16>(p);
            const quint16 bits = qFromLittleEndian<quint16>(p + 14);
            if (tag == 0xFFFE && fmt.size() >= 26) tag = qFromLittleEndian<quint16>(p + 24);
            pa_sample_spec spec{PA_SAMPLE_INVALID, qFromLittleEndian<quint32>(p + 4),
                                std::uint8_t(std::min<quint16>(qFromLittleEndian<quint16>(p + 2),
                                                               PA_CHANNELS_MAX + 1))};
            if (tag == 1 && bits == 8) spec.format = PA_SAMPLE_U8;
            if (tag == 1 && bits == 16) spec.format = PA_SAMPLE_S16LE;
            if (tag == 1 && bits == 24) spec.format = PA_SAMPLE_S24LE;
            if (tag == 1 && bits == 32) spec.format = PA_SAMPLE_S32LE;
            if (tag == 3 && bits == 32) spec.format = PA_SAMPLE_FLOAT32LE;
            format.reset();
            if (TWave::Playable(spec)) format = spec;
        }
        if (!device.seek(next)) return std::nullopt;
    }
}

std::optional<TWave> WaveFrom(Sound::TSource source, const QString& name, const void* data,
                              QString& where) {
    if (source == Sound::TSource::Memory) {
        if (!data) return std::nullopt;
        const auto* bytes = static_cast<const char*>(data);
        if (qstrncmp(bytes, "RIFF", 4) != 0) return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(bytes + 4);
        if (size > kMaxWaveImage) return std::nullopt;
        QByteArray image = QByteArray::fromRawData(bytes, qsizetype(size) + 8);
        QBuffer buffer(&image);
        buffer.open(QIODevice::ReadOnly);
        where = QStringLiteral("memory:");
        return ReadWave(buffer);
    }
    if (name.isEmpty()) return std::nullopt;
    QString path;
    if (source == Sound::TSource::Resource) {
        QString resource = name.startsWith(u':') ? name.mid(1) : name;
        if (!resource.startsWith(u'/')) resource.prepend(u'/');
        path = u':' + resource;
        where = QStringLiteral("qrc:") + resource;
    } else {
        path = QFileInfo(name).absoluteFilePath();
        where = path;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return ReadWave(file);
}

// The GUI thread's side of the channel: which sound it asked for last. The thread
// that plays it lives until the end of the program.
struct TChannel {
    std::unique_ptr<TSoundThread> Thread;
    std::uint64_t Asked = 0; // sounds asked for so far
    std::uint64_t Id = 0;    // the one playing, if any
    QString Source;

    TSoundThread& Player() {
        if (!Thread) Thread = std::make_unique<TSoundThread>();
        return *Thread;
    }
};

TChannel gChannel;

} // namespace

namespace Sound {

bool Play(TSource source, const QString& name, const void* data, bool loop, bool wait) {
    Stop();
    QString where;
    std::optional<TWave> wave = WaveFrom(source, name, data, where);
    if (!wave) return false;
    const auto length = std::chrono::ceil<std::chrono::milliseconds>(wave->Length());
    const std::uint64_t id = gChannel.Id = ++gChannel.Asked;
    gChannel.Source = where;
    gChannel.Player().Play(id, std::move(*wave), loop && !wait);
    // Past this, a sound still not heard has been given up by the channel too.
    if (wait && !gChannel.Thread->WaitEnded(id, length + std::chrono::seconds(2))) Stop();
    return true;
}

void Stop() {
    if (!gChannel.Id) return;
    gChannel.Id = 0;
    gChannel.Source.clear();
    gChannel.Player().Stop();
}

void Prepare() {
    gChannel.Player();
}

int PlayingCount() {
    return gChannel.Id && gChannel.Thread->EndedId() < gChannel.Id ? 1 : 0;
}

QString PlayingSource() {
    return PlayingCount() ? gChannel.Source : QString();
}

} // namespace Sound
