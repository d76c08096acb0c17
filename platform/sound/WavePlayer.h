#pragma once

#include <QObject>
#include <QString>
#include <functional>

enum TWaveLocation { frFile = 0, frResource = 1, frRAM = 2 };

// Plays one wave sound on the program's sound channel (platform/Sound.h), so a new
// sound from any player cuts off the one playing. Owned like any component: pass the
// window as owner and it goes with the window, stopping the sound on its way.
class TWavePlayer : public QObject {
public:
    using TNotifyEvent = std::function<void(QObject* Sender)>;

    explicit TWavePlayer(QObject* owner = nullptr);
    ~TWavePlayer() override;

    bool Asynchronous() const { return FAsynchronous; }
    // Turning it off turns Loop off too.
    void SetAsynchronous(bool value);
    bool Loop() const { return FLoop; }
    // Taken only while Asynchronous is on: a sound that blocks cannot repeat.
    void SetLoop(bool value);
    TWaveLocation SourceType() const { return FSourceType; }
    void SetSourceType(TWaveLocation value) { FSourceType = value; }
    QString FileName() const { return FFileName; }
    void SetFileName(const QString& value) { FFileName = value; }

    void SetBeforePlaying(TNotifyEvent handler) { FBeforePlaying = std::move(handler); }
    void SetAfterPlaying(TNotifyEvent handler) { FAfterPlaying = std::move(handler); }

    // The wave image played when SourceType is frRAM; the caller keeps it alive.
    const void* WaveData = nullptr;

    // Raises BeforePlaying, starts the sound, raises AfterPlaying. True when the
    // sound could be played; a missing or broken sound gives false, never an error.
    bool Play();
    // Stops whatever the program is playing.
    void Stop();

private:
    bool FAsynchronous = false;
    bool FLoop = false;
    TWaveLocation FSourceType = frFile;
    QString FFileName;
    TNotifyEvent FBeforePlaying;
    TNotifyEvent FAfterPlaying;
};
