#include "platform/Sound.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <memory>
#include <optional>

namespace {

// A memory image larger than this is taken for a stray pointer, not a sound.
constexpr quint32 kMaxWaveImage = 64u * 1024u * 1024u;

// Checks the RIFF structure as far as playing needs it and gives the sound's length
// in milliseconds, or nothing when the channel could not play it.
std::optional<qint64> WaveLength(QIODevice& device) {
    const QByteArray head = device.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    bool playable = false;
    quint32 byteRate = 0;
    for (;;) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() != 8) return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "data") {
            if (!playable) return std::nullopt;
            return byteRate == 0 ? 0 : qint64(size) * 1000 / byteRate;
        }
        const qint64 next = device.pos() + size + (size & 1);
        if (id == "fmt ") {
            const QByteArray fmt = device.read(std::min<quint32>(size, 40));
            if (fmt.size() < 16) return std::nullopt;
            const char* p = fmt.constData();
            quint16 format = qFromLittleEndian<quint16>(p);
            const quint16 channels = qFromLittleEndian<quint16>(p + 2);
            const quint32 rate = qFromLittleEndian<quint32>(p + 4);
            byteRate = qFromLittleEndian<quint32>(p + 8);
            const quint16 bits = qFromLittleEndian<quint16>(p + 14);
            if (format == 0xFFFE && fmt.size() >= 26) format = qFromLittleEndian<quint16>(p + 24);
            const bool integer = format == 1 && (bits == 8 || bits == 16 || bits == 32);
            const bool floating = format == 3 && bits == 32;
            playable = channels >= 1 && channels <= 8 && rate > 0 && (integer || floating);
        }
        if (!device.seek(next)) return std::nullopt;
    }
}

// Owns the channel's effects; it lives as a child of the application object, so the
// effects go before the audio system does.
class TChannel : public QObject {
public:
    using QObject::QObject;

    QSoundEffect* EffectFor(const QUrl& url) {
        QSoundEffect*& effect = FEffects[url.toString()];
        if (effect && effect->status() == QSoundEffect::Error) {
            delete effect;
            effect = nullptr;
        }
        if (!effect) {
            effect = new QSoundEffect(this);
            effect->setSource(url);
        }
        return effect;
    }

    // A memory image gets a file of its own, replaced by the next one.
    QSoundEffect* EffectForImage(const QByteArray& image) {
        delete FImageEffect;
        FImageEffect = nullptr;
        FImageFile = std::make_unique<QTemporaryFile>();
        if (!FImageFile->open() || FImageFile->write(image) != image.size() || !FImageFile->flush())
            return nullptr;
        FImageEffect = new QSoundEffect(this);
        FImageEffect->setSource(QUrl::fromLocalFile(FImageFile->fileName()));
        return FImageEffect;
    }

    template <class Fn> void ForEach(Fn&& fn) const {
        for (QSoundEffect* effect : FEffects)
            if (effect) fn(effect);
        if (FImageEffect) fn(FImageEffect.data());
    }

private:
    QHash<QString, QSoundEffect*> FEffects;
    QPointer<QSoundEffect> FImageEffect;
    std::unique_ptr<QTemporaryFile> FImageFile;
};

QPointer<TChannel> gChannel;

// A sound still loading when the program ends is being loaded by Qt's sample cache
// on a thread of its own, and an effect deleted in the middle of that leaves the
// load's objects behind. So the end of the program first lets every load finish,
// for two seconds at most, and then lets the effects go while the application is
// still whole.
void FinishLoading() {
    TChannel* channel = gChannel.data();
    if (!channel) return;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        bool loading = false;
        channel->ForEach([&loading](QSoundEffect* effect) {
            loading = loading || effect->status() == QSoundEffect::Loading;
        });
        if (!loading || waited.elapsed() > 2000) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    delete channel;
}

TChannel* Channel() {
    if (!gChannel && QCoreApplication::instance()) {
        gChannel = new TChannel(QCoreApplication::instance());
        qAddPostRoutine(FinishLoading);
    }
    return gChannel.data();
}

void WaitForEnd(QSoundEffect* effect, qint64 lengthMs) {
    QEventLoop loop;
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying()) loop.quit();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect->status() == QSoundEffect::Error) loop.quit();
    });
    // With no audio device a sound never reports its end; its length bounds the wait.
    QTimer::singleShot(std::chrono::milliseconds(lengthMs + 500), &loop, &QEventLoop::quit);
    if (effect->isPlaying()) loop.exec();
    effect->stop();
}

} // namespace

namespace Sound {

bool Play(TSource source, const QString& name, const void* data, bool loop, bool wait) {
    Stop();
    TChannel* channel = Channel();
    if (!channel) return false;

    QSoundEffect* effect = nullptr;
    std::optional<qint64> length;
    if (source == TSource::Memory) {
        if (!data) return false;
        const auto* bytes = static_cast<const char*>(data);
        if (qstrncmp(bytes, "RIFF", 4) != 0) return false;
        const quint32 size = qFromLittleEndian<quint32>(bytes + 4);
        if (size > kMaxWaveImage) return false;
        const QByteArray image(bytes, qsizetype(size) + 8);
        QBuffer buffer;
        buffer.setData(image);
        buffer.open(QIODevice::ReadOnly);
        length = WaveLength(buffer);
        if (!length) return false;
        effect = channel->EffectForImage(image);
    } else {
        QString path = name;
        QUrl url;
        if (source == TSource::Resource) {
            QString resource = name.startsWith(u':') ? name.mid(1) : name;
            if (!resource.startsWith(u'/')) resource.prepend(u'/');
            path = u':' + resource;
            url = QUrl(QStringLiteral("qrc:") + resource);
        } else {
            path = QFileInfo(name).absoluteFilePath();
            url = QUrl::fromLocalFile(path);
        }
        QFile file(path);
        if (name.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
        length = WaveLength(file);
        if (!length) return false;
        effect = channel->EffectFor(url);
    }
    if (!effect) return false;

    effect->setLoopCount(loop && !wait ? QSoundEffect::Infinite : 1);
    effect->play();
    if (wait) WaitForEnd(effect, *length);
    return true;
}

void Stop() {
    if (TChannel* channel = gChannel.data())
        channel->ForEach([](QSoundEffect* effect) {
            if (effect->isPlaying()) effect->stop();
        });
}

int PlayingCount() {
    int count = 0;
    if (TChannel* channel = gChannel.data())
        channel->ForEach([&count](QSoundEffect* effect) { count += effect->isPlaying() ? 1 : 0; });
    return count;
}

QString PlayingSource() {
    QString source;
    if (TChannel* channel = gChannel.data())
        channel->ForEach([&source](QSoundEffect* effect) {
            if (!effect->isPlaying()) return;
            const QUrl url = effect->source();
            source = url.isLocalFile() ? url.toLocalFile() : url.toString();
        });
    return source;
}

} // namespace Sound
