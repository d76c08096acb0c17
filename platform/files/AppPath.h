#pragma once

#include <QString>

// Full path of the running executable. Tests point it into a temporary folder so
// that every file the program reads or writes beside the executable lands there.
QString ExeFileName();
void SetExeFileNameForTests(const QString& path);

// The folder part of a path up to and including the last separator, with a
// separator appended when the result does not already end with one.
QString FolderOf(const QString& path);

// The executable's folder, ending in a separator.
QString AppFolder();

// The folder of the options and high-score files: the application folder whenever
// the user may write it (a portable copy, the build folder, a per-user install), else
// the per-user data folder $XDG_DATA_HOME/Quorvel/ (by default
// ~/.local/share/Quorvel/), as in an install shared by several users. Ends in a
// separator. Pictures, sounds and instructions are always read from AppFolder().
QString DataFolder();

// A data file named after the executable: DataFolder() + the executable's file name
// with ext in place of its extension.
QString DataFileName(const QString& ext);

// Makes the per-user data folder before a data file is written there, when it does
// not exist yet; nothing where the data files lie beside the executable. A folder that
// cannot be made throws EInOutError naming it, with the system's reason.
void MakeDataFolder();

// The path with its extension (from the last "." of the file name) replaced by ext;
// a name without one gets ext appended.
QString ChangeFileExt(const QString& path, const QString& ext);
