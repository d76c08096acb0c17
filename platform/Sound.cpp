#include "platform/Sound.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <optional>

namespace {

// A memory image larger than this is taken for a stray pointer, not a sound.
constexpr quint32 kMaxWaveImage = 64u * 1024u * 1024u;

// How long past its own length a sound may take to come out of the server before the
// channel gives up waiting for it.
constexpr qint64 kLateMs = 1500;

struct TWave {
    QAudioFormat Format;
    QByteArray Samples;

    qint64 LengthUs() const { return Format.durationForBytes(qint32(Samples.size())); }
};

// Reads a RIFF wave as far as playing needs it, or gives nothing when the channel
// could not play it. Samples cut short by the end of the file are played as far as
// they go.
std::optional<TWave> ReadWave(QIODevice& device) {
    const QByteArray head = device.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    for (;;) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() != 8) return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "data") {
            if (!format) return std::nullopt;
            TWave wave{*format, device.read(std::min<qint64>(size, kMaxWaveImage))};
            wave.Samples.chop(wave.Samples.size() % format->bytesPerFrame());
            return wave;
        }
        const qint64 next = device.pos() + size + (size & 1);
        if (id == "fmt ") {
            const QByteArray fmt = device.read(std::min<quint32>(size, 40));
            if (fmt.size() < 16) return std::nullopt;
            const char* p = fmt.constData();
            quint16 tag = qFromLittleEndian<quint16>(p);
            const quint16 channels = qFromLittleEndian<quint16>(p + 2);
            const quint32 rate = qFromLittleEndian<quint32>(p + 4);
            const quint16 bits = qFromLittleEndian<quint16>(p + 14);
            if (tag == 0xFFFE && fmt.size() >= 26) tag = qFromLittleEndian<quint16>(p + 24);
            QAudioFormat::SampleFormat sample = QAudioFormat::Unknown;
            if (tag == 1 && bits == 8) sample = QAudioFormat::UInt8;
            if (tag == 1 && bits == 16) sample = QAudioFormat::Int16;
            if (tag == 1 && bits == 32) sample = QAudioFormat::Int32;
            if (tag == 3 && bits == 32) sample = QAudioFormat::Float;
            format.reset();
            if (channels >= 1 && channels <= 8 && rate > 0 && rate <= 384000 &&
                sample != QAudioFormat::Unknown) {
                format.emplace();
                format->setSampleRate(int(rate));
                format->setChannelCount(channels);
                format->setSampleFormat(sample);
            }
        }
        if (!device.seek(next)) return std::nullopt;
    }
}

// A sound's samples for the stream to pull, once or, for a sound that loops, over
// and over. It never says it is at its end: the sink then asks the server to drain
// the stream with a callback into itself that outlives the sink when the sound is
// cut off (Qt 6.4), and the channel knows the end from the played time anyway.
class TSamples : public QIODevice {
public:
    TSamples(QByteArray samples, bool loop, QObject* parent)
        : QIODevice(parent), FSamples(std::move(samples)), FLoop(loop) {}

    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }
    qint64 bytesAvailable() const override {
        const qint64 left = FLoop && !FSamples.isEmpty() ? FSamples.size() : FSamples.size() - FAt;
        return QIODevice::bytesAvailable() + left;
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        qint64 done = 0;
        while (done < max && FAt < FSamples.size()) {
            const qint64 part = std::min<qint64>(max - done, FSamples.size() - FAt);
            memcpy(data + done, FSamples.constData() + FAt, size_t(part));
            done += part;
            FAt += part;
            if (FLoop && FAt == FSamples.size()) FAt = 0;
        }
        return done;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray FSamples;
    const bool FLoop;
    qint64 FAt = 0;
};

// One sound on its way to the sound server, on a stream of its own that stays open
// until the server has played the last sample: closing it as soon as the program
// has handed over the samples would throw away what is still in the server's buffer,
// which for a short sound is all of it. Closed once played, no stream is left open
// to wake the idle program (one kept open, even corked, keeps getting timing
// updates). With no audio device the sound plays silently for its length. Unless it
// loops, it ends by itself either way and then calls ended.
class TVoice : public QObject {
public:
    TVoice(TWave wave, bool loop, QString source, std::function<void()> ended, QObject* parent)
        : QObject(parent), Source(std::move(source)), FLengthUs(wave.LengthUs()), FLoop(loop),
          FEnded(std::move(ended)) {
        FCheck.setSingleShot(true);
        connect(&FCheck, &QTimer::timeout, this, [this] { CheckPlayed(); });
        if (!QMediaDevices::defaultAudioOutput().isNull()) {
            FSink = new QAudioSink(wave.Format, this);
            FSamples = new TSamples(std::move(wave.Samples), loop, this);
            FSamples->open(QIODevice::ReadOnly);
            FSink->start(FSamples);
            if (FSink->state() != QAudio::StoppedState) {
                connect(FSink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
                    if (state == QAudio::IdleState) AwaitPlayed();
                    if (state == QAudio::StoppedState) End();
                });
                if (FSink->state() == QAudio::IdleState) AwaitPlayed();
                return;
            }
            // A server that would not take the stream: the sound plays silently.
            delete FSink;
            FSink = nullptr;
        }
        if (!loop) FCheck.start(std::chrono::milliseconds(FLengthUs / 1000));
    }

    ~TVoice() override { Silence(); }

    bool Playing() const { return !FDone; }

    // Cuts the sound off where it is.
    void Silence() {
        FCheck.stop();
        if (FSink) {
            FSink->disconnect(this);
            FSink->stop();
        }
        FDone = true;
    }

    const QString Source;

private:
    // Every sample is with the server: the stream stays until it has played them.
    void AwaitPlayed() {
        if (FLoop || FCheck.isActive()) return;
        FIdleSince.start();
        CheckPlayed();
    }

    void CheckPlayed() {
        if (!FSink) return End();
        const qint64 leftUs = FLengthUs - FSink->processedUSecs();
        if (leftUs <= 0 || FIdleSince.elapsed() > FLengthUs / 1000 + kLateMs) return End();
        FCheck.start(std::chrono::milliseconds(leftUs / 1000 + 5));
    }

    void End() {
        if (FDone) return;
        Silence();
        FEnded();
    }

    QAudioSink* FSink = nullptr;
    QIODevice* FSamples = nullptr;
    QTimer FCheck;
    QElapsedTimer FIdleSince;
    const qint64 FLengthUs;
    const bool FLoop;
    bool FDone = false;
    std::function<void()> FEnded;
};

// Owns the voice playing now; it lives as a child of the application object and goes
// at the end of the program, while the audio system is still whole.
class TChannel : public QObject {
public:
    using QObject::QObject;

    TVoice* Start(TWave wave, bool loop, const QString& source) {
        Stop();
        FVoice = new TVoice(
            std::move(wave), loop, source, [this] { Stop(); }, this);
        return FVoice;
    }

    void Stop() {
        if (Waiting) Waiting->quit();
        if (!FVoice) return;
        FVoice->Silence();
        // It may be ending from one of its own signals.
        FVoice->deleteLater();
        FVoice = nullptr;
    }

    TVoice* Voice() const { return FVoice; }

    // The loop of a synchronous Play, which ends with the sound.
    QEventLoop* Waiting = nullptr;

private:
    TVoice* FVoice = nullptr;
};

QPointer<TChannel> gChannel;

void CloseChannel() {
    delete gChannel.data();
}

TChannel* Channel() {
    if (!gChannel && QCoreApplication::instance()) {
        gChannel = new TChannel(QCoreApplication::instance());
        qAddPostRoutine(CloseChannel);
    }
    return gChannel.data();
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

} // namespace

namespace Sound {

bool Play(TSource source, const QString& name, const void* data, bool loop, bool wait) {
    Stop();
    TChannel* channel = Channel();
    if (!channel) return false;
    QString where;
    std::optional<TWave> wave = WaveFrom(source, name, data, where);
    if (!wave) return false;

    const qint64 lengthMs = wave->LengthUs() / 1000;
    const QPointer<TVoice> voice = channel->Start(std::move(*wave), loop && !wait, where);
    if (wait && voice->Playing()) {
        QEventLoop ending;
        QTimer::singleShot(std::chrono::milliseconds(lengthMs + kLateMs + 500), &ending,
                           &QEventLoop::quit);
        channel->Waiting = &ending;
        ending.exec();
        channel->Waiting = nullptr;
        if (voice && voice == channel->Voice()) channel->Stop();
    }
    return true;
}

void Stop() {
    if (TChannel* channel = gChannel.data()) channel->Stop();
}

int PlayingCount() {
    const TChannel* channel = gChannel.data();
    return channel && channel->Voice() && channel->Voice()->Playing() ? 1 : 0;
}

QString PlayingSource() {
    return PlayingCount() ? gChannel->Voice()->Source : QString();
}

} // namespace Sound
