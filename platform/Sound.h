#pragma once

#include <QString>

// The program's one sound channel. Starting a sound stops whatever the program was
// playing, whichever player started it. A sound counts as playing until the sound
// server has played its last sample. Works with no audio device at all: sounds then
// "play" silently for their length. Nothing touches the audio system before the
// first sound.
namespace Sound {

enum class TSource { File, Resource, Memory };

// Starts a wave sound and returns at once, or with wait only after it has ended.
// name is a file path (File) or the name of a Qt resource (Resource, with or without
// the leading ":/"); data is a whole RIFF wave image (Memory). loop repeats the
// sound until it is stopped and only applies without wait. A missing or unreadable
// sound, or one that is no wave the channel can play, plays nothing and gives false;
// nothing here ever throws.
bool Play(TSource source, const QString& name, const void* data, bool loop, bool wait);

// Stops whatever the program is playing.
void Stop();

// How many sounds are playing now (never more than one), and the source of the one
// that is, for the program's own checks and tests.
int PlayingCount();
QString PlayingSource();

} // namespace Sound
