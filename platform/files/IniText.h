#pragma once

#include "platform/numbers/SysUtils.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// A failure of the file system, with the system's error number.
class EInOutError : public Exception {
public:
    EInOutError(const QString& message, int errorCode);
    int ErrorCode() const { return FErrorCode; }

private:
    int FErrorCode;
};

// The error of a refused write of fileName: the file's name and the system's text for
// errorCode.
EInOutError WriteError(const QString& fileName, int errorCode);

// The text of INI bytes and back, so that a line which is not UTF-8 survives a
// rewrite byte for byte: valid UTF-8 decodes as usual, and each byte of an invalid
// sequence becomes the lone surrogate U+DC00 + byte, which the encoding turns back into
// that byte. Such a character shows as an unknown one, as a replacement would.
QString DecodeIniText(const char* data, qsizetype size);
inline QString DecodeIniText(const QByteArray& bytes) {
    return DecodeIniText(bytes.constData(), bytes.size());
}
QByteArray EncodeIniText(const QString& text);

// Number of leading bytes of UTF-8 text to keep so that at most maxBytes remain and
// no character is split.
qsizetype Utf8CutLength(const char* data, qsizetype size, qsizetype maxBytes);

// The longest start of text whose encoded form (EncodeIniText) fits in maxBytes,
// ending on a whole character.
QString CutUtf8(const QString& text, qsizetype maxBytes);

// The text with its line breaks (CR, LF) and end-of-text bytes (0x1A) made spaces, so
// that written into a line of an INI file it can neither add lines nor end the file.
QString OneLine(QString text);

// Turns INI bytes into lines. A line ends at CR, at CR LF or at a lone LF (files
// saved on this platform end their lines with LF alone); a 0x1A byte ends the text.
// A UTF-8 byte-order mark that some editors put first is dropped, so it cannot hide
// the first section header.
// Every line, empty ones included, reaches onLine decoded by DecodeIniText. With
// maxLineBytes >= 0 a line keeps only its first maxLineBytes bytes, cut at a whole
// character, and the rest of that line is skipped.
class TIniLineSplitter {
public:
    using TOnLine = std::function<void(const QString&)>;
    using TOnRawLine = std::function<void(const QByteArray&)>;

    TIniLineSplitter(qsizetype maxLineBytes, TOnLine onLine);
    // Hands over every line whole, as the bytes that stand in the text: a writer that
    // keeps the lines it does not change then keeps them byte for byte, also where
    // they are not UTF-8.
    explicit TIniLineSplitter(TOnRawLine onRawLine);

    // Takes the next bytes of the text; false once the end-of-text byte was met,
    // after which further bytes are ignored.
    bool Feed(const char* data, qsizetype size);
    // Hands over a last line that had no line end.
    void Finish();

private:
    bool FeedText(const char* data, qsizetype size);
    void EndLine();

    qsizetype FMaxLineBytes;
    TOnLine FOnLine;
    TOnRawLine FOnRawLine;
    QByteArray FLine;
    bool FInLine = false;
    bool FAfterCR = false;
    bool FEnded = false;
    bool FHeadDone = false;
    QByteArray FHead; // the first bytes, until it is clear whether they are a mark
};

QStringList SplitIniLines(const QByteArray& bytes, qsizetype maxLineBytes = -1);

// Reads a file through a buffer of bufferSize bytes and splits it as above. Returns
// false, with no line read, when the file does not exist (also when a folder of its
// path is not a folder); throws EInOutError when it exists but cannot be read or is no
// plain file (a folder, a pipe, a device), which would fail, hang or never end.
bool ReadIniLines(const QString& fileName, qsizetype bufferSize, qsizetype maxLineBytes,
                  const TIniLineSplitter::TOnLine& onLine);
// The same with the lines as raw bytes, whole.
bool ReadIniRawLines(const QString& fileName, qsizetype bufferSize,
                     const TIniLineSplitter::TOnRawLine& onLine);

// Replaces a file as a whole or not at all: the bytes go to a new file in the same
// folder, which is flushed to the disk and then renamed over the old one (over the
// file a symbolic link points to, when the name is one), keeping the old one's rights.
// The new file has no name until Commit where the file system allows it, so a write
// killed midway leaves nothing; a leftover of a write killed during the rename itself
// goes with the next write of that file. A failure at any step, or a writer destroyed
// before Commit, removes the new file and leaves the old one as it was. Failures throw
// EInOutError naming the file, with the system's error number and its text.
class TAtomicFileWriter {
public:
    explicit TAtomicFileWriter(const QString& fileName);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    void Write(const char* data, qsizetype size);
    void Write(const QByteArray& bytes) { Write(bytes.constData(), bytes.size()); }
    // Flushes, names, closes and renames; the new content is on the disk when it
    // returns.
    void Commit();

private:
    [[noreturn]] void Fail(int errorCode);
    void Discard();

    QString FFileName;
    QString FTarget;
    QByteArray FTempPath; // empty while the new file has no name
    int FHandle = -1;
};

void WriteFileAtomically(const QString& fileName, const QByteArray& bytes);
