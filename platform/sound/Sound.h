#pragma once

#include <QString>

// The program's one sound channel. Starting a sound stops whatever the program was
// playing, whichever player started it. A sound counts as playing until the sound
// server has played its last sample, or, where no server takes it, for its length.
//
// Every call here comes from the GUI thread and returns at once, whatever the sound
// server does: the server is only ever spoken to by the channel's own thread, which
// takes over each sound (docs/sound.md).
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

// Starts the channel's thread, which connects to the sound server, so that the first
// sound is as quick as the later ones. Play does it too; nothing before it touches
// audio.
void Prepare();

// How many sounds are playing now (never more than one), and the source of the one
// that is, for the program's own checks and tests.
int PlayingCount();
QString PlayingSource();

} // namespace Sound
