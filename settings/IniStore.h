#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// The sections of an INI text in file order, each owning its lines as read.
class TSectionList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const QString& Name(int index) const { return FItems[index].first; }
    QStringList& Lines(int index) { return *FItems[index].second; }
    const QStringList& Lines(int index) const { return *FItems[index].second; }

    // Appends a section without lines and gives its index.
    int Add(const QString& name);
    // The index of the section of that name ignoring case, or -1. The search starts
    // at the last hit and wraps around, so asking for one section again is cheap.
    int IndexOf(const QString& name);
    // Of every group of sections whose names are equal ignoring case the first stays
    // with its lines; the others go with theirs. True when anything went.
    bool EraseDuplicates();
    void Clear();

private:
    std::vector<std::pair<QString, std::unique_ptr<QStringList>>> FItems;
    int FLastIndex = 0;
};

// A whole INI text file held in memory: read once when opened, written back whole
// only when something changed.
//
// Lines end at CR, CR LF or a lone LF when read and with CR LF when written. Empty
// lines and lines before the first "[section]" are dropped; every other line is
// kept exactly as read (blanks, quotes and ";" comments included; bytes that are not
// UTF-8 too, through DecodeIniText in platform/IniText.h). A key line is a
// line with "=": its key is the text before the first "=", so 'Key = v' has the key
// 'Key '. Sections and keys match ignoring case. Every line is at most 255 bytes of
// UTF-8, cut at a whole character; a section name keeps at most 253 of them and a
// key 254, so that the header's brackets and the key's "=" always fit. Line breaks and
// the end-of-text byte 0x1A inside a name or value are written as spaces. A section
// without lines is not written.
//
// A key that holds "=", or starts with "[" or ";", cannot be found again: its line
// has another key, or reads as a section header or a comment. The program's keys are
// "Count" and numbers.
//
// Writes replace the file atomically (see TAtomicFileWriter). Failures of the file
// are EInOutError (platform/IniText.h), carrying the system's error number and the
// file name in the message.
class TIniStore {
public:
    static constexpr int kMaxText = 255;

    // Opens the store on a file; a missing file is an empty store. Throws when the file
    // exists but cannot be read.
    explicit TIniStore(const QString& fileName);
    // Writes pending changes. A failure here can only be logged, so callers make the
    // final write themselves with UpdateFile and let it throw to them.
    ~TIniStore();
    TIniStore(const TIniStore&) = delete;
    TIniStore& operator=(const TIniStore&) = delete;

    QString FileName() const { return FFileName; }
    // Writes pending changes to the current file first, then reads the new one.
    void SetFileName(const QString& fileName);
    // Whether the store holds changes that are not yet in the file.
    bool Modified() const { return FModified; }
    const TSectionList& Sections() const { return FSectionList; }

    // Everything after the first "=" of the key's first line, or def.
    QString ReadString(const QString& section, const QString& key, const QString& def);
    // Replaces the key's line in place or appends it to the section, which is appended
    // to the store when missing. Rewriting a line with the same text changes nothing.
    void WriteString(const QString& section, const QString& key, const QString& value);
    // Decimal, or hexadecimal after "$" or "0x"; def for anything else or out of range.
    int32_t ReadInteger(const QString& section, const QString& key, int32_t def);
    void WriteInteger(const QString& section, const QString& key, int32_t value);
    void DeleteKey(const QString& section, const QString& key);
    // Appends all lines of the section, key lines or not, to target.
    void ReadSectionValues(const QString& section, QStringList& target);
    // Appends the values of the keys "1" to "Count" to target, def for missing ones.
    // Never reads more entries than the section has lines, whatever "Count" says.
    void ReadNumberedList(const QString& section, QStringList& target, const QString& def);
    // Stores the list as "Count" and the keys "1" to n. Writing back the list that is
    // stored leaves a store without pending changes unmodified.
    void WriteNumberedList(const QString& section, const QStringList& source);

    // Writes the file if anything changed.
    void UpdateFile();
    // Forgets the changes that are not yet in the file, so that none is written.
    void DiscardChanges() { FModified = false; }

private:
    struct TFound {
        int Index = -1;
        QStringList* Lines = nullptr;
    };
    TFound FindItemIndex(const QString& section, const QString& key, bool create);
    void DeleteNumberedKeys(QStringList& lines, int32_t count);
    void LoadFromFile();
    void ClearSections();

    QString FFileName;
    bool FModified = false;
    TSectionList FSectionList;
    int FCurrentSection = 0;
    int FTextBufferSize = 0x7000;
};
