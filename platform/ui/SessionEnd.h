#pragma once

// The end of the desktop session ends the program as the player's own close would.
// A logout's SIGTERM, a closed terminal's SIGHUP, Ctrl-C's SIGINT and the session
// manager's end of the session (the application is told to quit) all come to
// EndSession on the GUI thread: the open boxes close as the window system's close
// button closes them (a question answers No), then each window in turn, innermost
// first, so a running game writes its switches exactly as its own close does, and the
// menu's close ends the event loop. From then on no new box or window is shown: a
// message goes to the standard error instead.
//
// The session manager's request to save the player's data (a checkpoint, or the
// first step of a logout the player may still cancel) ends nothing: each open window
// writes what its close would keep (TForm::FormCommitData) and the program goes on.
namespace SessionEnd {

// Sets up the signals and the session manager's requests; after the application
// object stands, once. A signal's handler only writes its number into a pipe that the
// event loop reads, so nothing it does can break what it interrupts.
void Install();

void EndSession();

// Whether the session is ending: boxes and windows are no longer shown.
bool Ending();

} // namespace SessionEnd
