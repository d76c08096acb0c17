#pragma once

// Opens the game pads' reader (platform/input/GamePad.h) and lets every pad act in the
// program's active window as the keys it stands for: in a game, the action its button
// is bound to; in the menu and the boxes, the arrows, Return (Space on a button, which
// then presses it, and on a list, which then opens), Escape, End, N, P and the page keys. In the
// options and the controls dialogs up and down move between the controls as Tab and Shift+Tab do. A
// pad pulled out pauses every running game. Where SDL is missing, nothing happens. Called once the
// menu has drawn its first frame.
void StartGamePads();
