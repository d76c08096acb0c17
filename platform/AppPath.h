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

// The path with its extension (from the last "." of the file name) replaced by ext;
// a name without one gets ext appended.
QString ChangeFileExt(const QString& path, const QString& ext);
