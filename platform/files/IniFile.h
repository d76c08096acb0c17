#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct TIniLines;

// A profile file: every call opens the file, reads or changes one key and lets it go,
// so nothing is cached and every write is on the disk, whole, when it returns.
//
// Section names and keys match ignoring case; blanks around names, around "=" and
// around values are ignored; CR LF and lone LF both end a line. Only the first
// section of a name counts, and in it the first line of a key. Values are taken as
// they stand, quotes included. Lines that are no section header and have no "=" are
// kept but never match. A write keeps every other line as it was, ends every line
// with CR LF, and appends a missing key after the last line of its section and a
// missing section at the end of the file.
//
// Every write that changes the file holds its lock (platform/FileLock.h) from its read
// to its rename, so writes of two copies of the program at once keep each other's keys.
class TIniFile {
public:
    class TEdit;

    explicit TIniFile(const QString& fileName) : FFileName(fileName) {}

    QString FileName() const { return FFileName; }

    // The stored value, at most 2047 bytes of it, or def when the file, the section
    // or the key is missing or the file cannot be read. A key present with an empty
    // value gives the empty text.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // The value read as an integer ("0x"/"0X" or "$" for hexadecimal), non-zero being
    // true; def when the key is missing or its value is no integer.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Sets the key, creating file, section and key as needed. Line breaks and the
    // end-of-text byte 0x1A in the value are written as spaces, so a value can never
    // add lines or sections nor end the file early. A section name that holds "]" or a
    // key that holds "=" or starts with "[" cannot be found again. A refused
    // write raises EInOutError("Unable to write to " + FileName() + ": " + the system's
    // reason) and leaves the file as it was.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Several reads and writes as one: change gets the file as it is on the disk under
    // its lock, reads and writes keys there as ReadString and WriteString would, one
    // after the other, and the file is written once when it returns, if a line changed.
    // Another copy's write thus lands before all of them or after all of them. change
    // runs once more before that, on the file read without the lock, to find out
    // whether it changes anything at all; it acts only through its TEdit. beforeWrite,
    // if given, runs only when the file is to be written, before its lock is taken (it
    // makes the file's folder); what it throws goes to the caller as it is. A refused
    // write raises EInOutError as WriteString does and leaves the file as it was, with
    // none of the changes.
    void Edit(const std::function<void(TEdit&)>& change,
              const std::function<void()>& beforeWrite = {});

private:
    QStringList Load() const;

    QString FFileName;
};

// The file's lines during an Edit.
class TIniFile::TEdit {
public:
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteBool(const QString& section, const QString& key, bool value);

private:
    friend class TIniFile;
    explicit TEdit(TIniLines& lines) : FLines(lines) {}

    TIniLines& FLines;
    bool FChanged = false;
};
