#include "platform/files/IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

EInOutError::EInOutError(const QString& message, int errorCode)
    : Exception(message), FErrorCode(errorCode) {}

namespace {

// Length of the valid UTF-8 sequence that starts at data[i], or 0 when there is none:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
qsizetype Utf8SequenceAt(const unsigned char* data, qsizetype size, qsizetype i) {
    const unsigned char lead = data[i];
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > size || data[i + 1] < low || data[i + 1] > high) return 0;
    for (qsizetype k = 2; k < length; ++k)
        if ((data[i + k] & 0xC0) != 0x80) return 0;
    return length;
}

constexpr char16_t kEscapeBase = 0xDC00;

bool IsByteEscape(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
           (i == 0 || !QChar::isHighSurrogate(text[i - 1].unicode()));
}

} // namespace

QString DecodeIniText(const char* data, qsizetype size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const qsizetype length = Utf8SequenceAt(bytes, size, i);
        if (length == 0) break;
        i += length;
    }
    if (i == size) return QString::fromUtf8(data, size);
    QString text = QString::fromUtf8(data, i);
    while (i < size) {
        const qsizetype length = Utf8SequenceAt(bytes, size, i);
        if (length == 0) {
            text += QChar(char16_t(kEscapeBase + bytes[i]));
            ++i;
        } else {
            text += QString::fromUtf8(data + i, length);
            i += length;
        }
    }
    return text;
}

QByteArray EncodeIniText(const QString& text) {
    qsizetype from = 0;
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsByteEscape(text, i)) continue;
        bytes += QStringView(text).sliced(from, i - from).toUtf8();
        bytes += char(text[i].unicode() - kEscapeBase);
        from = i + 1;
    }
    if (from == 0) return text.toUtf8();
    bytes += QStringView(text).sliced(from).toUtf8();
    return bytes;
}

qsizetype Utf8CutLength(const char* data, qsizetype size, qsizetype maxBytes) {
    if (size <= maxBytes) return size;
    if (maxBytes <= 0) return 0;
    // data[maxBytes] is the first byte that does not fit; if it continues a
    // character, that character starts at most three bytes earlier.
    qsizetype cut = maxBytes;
    for (int step = 0; step < 3 && cut > 0; ++step) {
        if ((static_cast<unsigned char>(data[cut]) & 0xC0) != 0x80) return cut;
        --cut;
    }
    if ((static_cast<unsigned char>(data[cut]) & 0xC0) != 0x80) return cut;
    return maxBytes; // not UTF-8 at all: a plain byte cut is all that makes sense
}

QString CutUtf8(const QString& text, qsizetype maxBytes) {
    // No UTF-16 unit takes more than three bytes in UTF-8.
    if (text.size() * 3 <= maxBytes) return text;
    const QByteArray bytes = EncodeIniText(text);
    if (bytes.size() <= maxBytes) return text;
    return DecodeIniText(bytes.constData(),
                         Utf8CutLength(bytes.constData(), bytes.size(), maxBytes));
}

TIniLineSplitter::TIniLineSplitter(qsizetype maxLineBytes, TOnLine onLine)
    : FMaxLineBytes(maxLineBytes), FOnLine(std::move(onLine)) {}

TIniLineSplitter::TIniLineSplitter(TOnRawLine onRawLine)
    : FMaxLineBytes(-1), FOnRawLine(std::move(onRawLine)) {}

namespace {
const QByteArray kByteOrderMark("\xEF\xBB\xBF");
}

bool TIniLineSplitter::Feed(const char* data, qsizetype size) {
    if (FEnded) return false;
    if (!FHeadDone) {
        const qsizetype take = std::min(kByteOrderMark.size() - FHead.size(), size);
        FHead.append(data, take);
        data += take;
        size -= take;
        if (FHead.size() < kByteOrderMark.size() && kByteOrderMark.startsWith(FHead)) return true;
        FHeadDone = true;
        const QByteArray head = FHead == kByteOrderMark ? QByteArray() : FHead;
        FHead.clear();
        if (!FeedText(head.constData(), head.size())) return false;
    }
    return FeedText(data, size);
}

bool TIniLineSplitter::FeedText(const char* data, qsizetype size) {
    if (FEnded) return false;
    qsizetype i = 0;
    while (i < size) {
        const char c = data[i];
        if (c == '\x1A') {
            if (FInLine) EndLine();
            FEnded = true;
            return false;
        }
        if (FAfterCR) {
            FAfterCR = false;
            if (c == '\n') {
                ++i;
                continue;
            }
        }
        if (c == '\r' || c == '\n') {
            EndLine();
            FAfterCR = c == '\r';
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < size && data[end] != '\r' && data[end] != '\n' && data[end] != '\x1A')
            ++end;
        FInLine = true;
        // One byte beyond the limit is kept to tell whether the cut splits a character.
        qsizetype take = end - i;
        if (FMaxLineBytes >= 0) take = std::min(take, FMaxLineBytes + 1 - FLine.size());
        if (take > 0) FLine.append(data + i, take);
        i = end;
    }
    return true;
}

void TIniLineSplitter::Finish() {
    if (!FHeadDone) {
        // A text shorter than a byte-order mark that began like one.
        FHeadDone = true;
        const QByteArray head = FHead;
        FHead.clear();
        FeedText(head.constData(), head.size());
    }
    if (FInLine && !FEnded) EndLine();
}

void TIniLineSplitter::EndLine() {
    if (FOnRawLine) {
        const QByteArray line = FLine;
        FLine.clear();
        FInLine = false;
        FOnRawLine(line);
        return;
    }
    qsizetype size = FLine.size();
    if (FMaxLineBytes >= 0) size = Utf8CutLength(FLine.constData(), size, FMaxLineBytes);
    const QString line = DecodeIniText(FLine.constData(), size);
    FLine.clear();
    FInLine = false;
    FOnLine(line);
}

QString OneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    text.replace(u'\x1A', u' ');
    return text;
}

QStringList SplitIniLines(const QByteArray& bytes, qsizetype maxLineBytes) {
    QStringList lines;
    TIniLineSplitter splitter(maxLineBytes, [&lines](const QString& line) { lines.append(line); });
    splitter.Feed(bytes.constData(), bytes.size());
    splitter.Finish();
    return lines;
}

namespace {

QString ErrorText(int errorCode) {
    return qt_error_string(errorCode);
}

} // namespace

EInOutError WriteError(const QString& fileName, int errorCode) {
    return EInOutError(QCoreApplication::translate("Files", "Unable to write to %1: %2")
                           .arg(fileName, ErrorText(errorCode)),
                       errorCode);
}

namespace {

bool ReadWith(const QString& fileName, qsizetype bufferSize, TIniLineSplitter& splitter) {
    const QByteArray path = QFile::encodeName(fileName);
    // Not blocking, so that a pipe in the file's place cannot hang the program here.
    const int handle = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (handle < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) return false;
        throw EInOutError(QCoreApplication::translate("Files", "Unable to read %1: %2")
                              .arg(fileName, ErrorText(error)),
                          error);
    }
    // Only a plain file has an end: a device such as /dev/zero in its place would be
    // read for ever.
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(handle);
        throw EInOutError(QCoreApplication::translate("Files", "Unable to read %1: %2")
                              .arg(fileName, ErrorText(error)),
                          error);
    }
    const auto buffer =
        std::make_unique<char[]>(static_cast<size_t>(std::max<qsizetype>(bufferSize, 1)));
    for (;;) {
        const ssize_t got = ::read(handle, buffer.get(), static_cast<size_t>(bufferSize));
        if (got < 0) {
            const int error = errno;
            if (error == EINTR) continue;
            ::close(handle);
            throw EInOutError(QCoreApplication::translate("Files", "Unable to read %1: %2")
                                  .arg(fileName, ErrorText(error)),
                              error);
        }
        if (got == 0 || !splitter.Feed(buffer.get(), got)) break;
    }
    ::close(handle);
    splitter.Finish();
    return true;
}

} // namespace

bool ReadIniLines(const QString& fileName, qsizetype bufferSize, qsizetype maxLineBytes,
                  const TIniLineSplitter::TOnLine& onLine) {
    TIniLineSplitter splitter(maxLineBytes, onLine);
    return ReadWith(fileName, bufferSize, splitter);
}

bool ReadIniRawLines(const QString& fileName, qsizetype bufferSize,
                     const TIniLineSplitter::TOnRawLine& onLine) {
    TIniLineSplitter splitter(onLine);
    return ReadWith(fileName, bufferSize, splitter);
}

namespace {

// The name a new file waits under for its rename: nothing a player would call a file,
// so that a later write can tell what a killed one left behind.
QByteArray WaitingName(const QByteArray& target) {
    return target + '.' + QByteArray::number(QRandomGenerator::system()->generate(), 16) + ".tmp";
}

bool IsWaitingName(const QString& entry, const QString& targetName) {
    if (!entry.startsWith(targetName + u'.') || !entry.endsWith(QStringLiteral(".tmp")))
        return false;
    const QStringView middle =
        QStringView(entry).sliced(targetName.size() + 1, entry.size() - targetName.size() - 5);
    return !middle.isEmpty() && middle.size() <= 8 &&
           std::all_of(middle.begin(), middle.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

// A write killed between giving its new file a name and the rename leaves that file;
// the next write of the same file removes it.
void RemoveLeftovers(const QString& target) {
    const QFileInfo info(target);
    const QString name = info.fileName();
    const QDir folder = info.absoluteDir();
    const QStringList entries = folder.entryList({name + QStringLiteral(".*.tmp")},
                                                 QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (IsWaitingName(entry, name))
            (void)::unlink(QFile::encodeName(folder.filePath(entry)).constData());
}

} // namespace

TAtomicFileWriter::TAtomicFileWriter(const QString& fileName) : FFileName(fileName) {
    // Renaming over a link would replace the link, not the file it stands for.
    const QFileInfo info(fileName);
    FTarget = info.isSymLink() ? info.symLinkTarget() : fileName;
    const QByteArray target = QFile::encodeName(FTarget);
    struct stat old {};
    const bool keepMode = ::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = keepMode ? (old.st_mode & 07777) : 0666;
    RemoveLeftovers(FTarget);
#ifdef O_TMPFILE
    // A file with no name until Commit: a write killed before then leaves nothing.
    const QByteArray folder = QFile::encodeName(QFileInfo(FTarget).absolutePath());
    FHandle = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (FHandle < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) Fail(errno);
#endif
    // Where the file system has no unnamed files, the new file is named from the start.
    for (int attempt = 0; FHandle < 0 && attempt < 100; ++attempt) {
        FTempPath = WaitingName(target);
        FHandle = ::open(FTempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (FHandle < 0 && errno != EEXIST) {
            const int error = errno;
            FTempPath.clear();
            Fail(error);
        }
    }
    if (FHandle < 0) {
        FTempPath.clear();
        Fail(EEXIST);
    }
    // The new file takes the place of the old one, so it keeps the old one's rights.
    if (keepMode) (void)::fchmod(FHandle, mode);
}

TAtomicFileWriter::~TAtomicFileWriter() {
    Discard();
}

void TAtomicFileWriter::Write(const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t done = ::write(FHandle, data, static_cast<size_t>(size));
        if (done < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        data += done;
        size -= done;
    }
}

void TAtomicFileWriter::Commit() {
    if (::fsync(FHandle) != 0) Fail(errno);
    const QByteArray target = QFile::encodeName(FTarget);
    // An unnamed file gets its waiting name only now, for the rename: linking it to the
    // final name directly would fail wherever the old file is still there.
    for (int attempt = 0; FTempPath.isEmpty() && attempt < 100; ++attempt) {
        const QByteArray name = WaitingName(target);
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(FHandle);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            FTempPath = name;
        else if (errno != EEXIST)
            Fail(errno);
    }
    if (FTempPath.isEmpty()) Fail(EEXIST);
    const int handle = FHandle;
    FHandle = -1;
    if (::close(handle) != 0) Fail(errno);
    if (::rename(FTempPath.constData(), target.constData()) != 0) Fail(errno);
    FTempPath.clear();
    // The rename itself is only durable once the folder is flushed as well; some
    // file systems refuse that, and the file is in place either way.
    const QByteArray folder = QFile::encodeName(QFileInfo(FTarget).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

void TAtomicFileWriter::Fail(int errorCode) {
    Discard();
    throw WriteError(FFileName, errorCode);
}

void TAtomicFileWriter::Discard() {
    if (FHandle >= 0) {
        ::close(FHandle);
        FHandle = -1;
    }
    if (!FTempPath.isEmpty()) {
        ::unlink(FTempPath.constData());
        FTempPath.clear();
    }
}

void WriteFileAtomically(const QString& fileName, const QByteArray& bytes) {
    TAtomicFileWriter writer(fileName);
    writer.Write(bytes);
    writer.Commit();
}
