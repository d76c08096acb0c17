#include "platform/sound/WavePlayer.h"

#include "platform/sound/Sound.h"

namespace {

Sound::TSource SourceOf(TWaveLocation location) {
    switch (location) {
    case frResource:
        return Sound::TSource::Resource;
    case frRAM:
        return Sound::TSource::Memory;
    case frFile:
        break;
    }
    return Sound::TSource::File;
}

} // namespace

TWavePlayer::TWavePlayer(QObject* owner) : QObject(owner) {}

TWavePlayer::~TWavePlayer() {
    Stop();
}

void TWavePlayer::SetAsynchronous(bool value) {
    FAsynchronous = value;
    if (!value) FLoop = false;
}

void TWavePlayer::SetLoop(bool value) {
    if (value != FLoop && FAsynchronous) FLoop = value;
}

bool TWavePlayer::Play() {
    if (FBeforePlaying) FBeforePlaying(this);
    const bool played =
        Sound::Play(SourceOf(FSourceType), FFileName, FSourceType == frRAM ? WaveData : nullptr,
                    FLoop, !FAsynchronous);
    if (FAfterPlaying) FAfterPlaying(this);
    return played;
}

void TWavePlayer::Stop() {
    Sound::Stop();
}
