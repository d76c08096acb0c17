#pragma once

#include <QString>

// The options of one game, as a game window holds them in its field Options.
struct ToptionsRec {
    QString PlayerName = QStringLiteral("Pembo");
    bool SpeedUpOnLine = false;
    bool SpeedUpOnBoth = false;
    bool ShowPiece = true;
    bool BeepOnDrop = true;
    bool UseSound = true;
    bool DrawGrid = true;
    bool UseDefaultPieces = false;
};

// The options of both games as the options dialog shows and confirms them.
struct TGameOptions {
    ToptionsRec Shapes;
    ToptionsRec Blocks;
};

inline const QString kOptionsShapes = QStringLiteral("OptionsShapes");
inline const QString kOptionsBlocks = QStringLiteral("OptionsBlocks");

// The executable's file name with ".cfg" in place of its extension, in the data folder
// (platform/AppPath.h): beside the executable, or the user's own where that folder
// cannot be written.
QString OptionsFileName();

// Each call opens the options file for that moment only; a missing file, section or
// key reads as the default above, and every write is on the disk when it returns.
// Each write is one change of the file under its lock (TIniFile::Edit): its keys, in
// the call's order, go into the file as it is at that moment, so another copy of the
// program writing at the same time keeps its own keys. A refused write raises "Unable
// to write to <file>: <the system's reason>" and writes none of its keys; a data folder
// that cannot be made raises its own error, naming it.

// Shapes window, when created: all eight keys of "OptionsShapes".
ToptionsRec ReadShapesOptions();
// Shapes window, when closed: the switches the player can toggle during play
// ("BeepOnDrop", "UseSound", "DrawGrid"), each of them, in this order. Given the
// options as the window read them, a switch the player left alone stays as it is where
// another copy changed it in the file meanwhile; without them every switch is written
// as options has it.
void WriteShapesToggles(const ToptionsRec& options, const ToptionsRec* asRead = nullptr);
// Blocks window, when created: the five keys of "OptionsBlocks"; the fields it has no
// key for keep their defaults.
ToptionsRec ReadBlocksOptions();
// Blocks window, when closed: "BeepOnDrop", "UseSound", as WriteShapesToggles.
void WriteBlocksToggles(const ToptionsRec& options, const ToptionsRec* asRead = nullptr);
// Options dialog, when created: both sections in the dialog's order.
TGameOptions ReadDialogOptions();
// Options dialog, when confirmed: the thirteen keys in the dialog's order, whatever
// the file holds.
void WriteDialogOptions(const TGameOptions& options);
