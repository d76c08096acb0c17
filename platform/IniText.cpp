#include "platform/IniText.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtGlobal>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

EInOutError::EInOutError(const QString& message, int errorCode)
    : Exception(message), FErrorCode(errorCode) {}

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
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes) return text;
    return QString::fromUtf8(bytes.constData(),
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
    QString line = QString::fromUtf8(FLine.constData(), size);
    // Bytes that are not UTF-8 decode to replacement characters, which are longer.
    if (FMaxLineBytes >= 0) line = CutUtf8(line, FMaxLineBytes);
    FLine.clear();
    FInLine = false;
    FOnLine(line);
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

bool ReadWith(const QString& fileName, qsizetype bufferSize, TIniLineSplitter& splitter) {
    const QByteArray path = QFile::encodeName(fileName);
    // Not blocking, so that a pipe in the file's place cannot hang the program here.
    const int handle = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (handle < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) return false;
        throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(fileName, ErrorText(error)),
                          error);
    }
    // Only a plain file has an end: a device such as /dev/zero in its place would be
    // read for ever.
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(handle);
        throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(fileName, ErrorText(error)),
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
            throw EInOutError(
                QStringLiteral("Unable to read %1: %2").arg(fileName, ErrorText(error)), error);
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

TAtomicFileWriter::TAtomicFileWriter(const QString& fileName) : FFileName(fileName) {
    // Renaming over a link would replace the link, not the file it stands for.
    const QFileInfo info(fileName);
    FTarget = info.isSymLink() ? info.symLinkTarget() : fileName;
    const QByteArray target = QFile::encodeName(FTarget);
    struct stat old {};
    const bool keepMode = ::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = keepMode ? (old.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        FTempPath =
            target + '.' + QByteArray::number(QRandomGenerator::system()->generate(), 16) + ".tmp";
        FHandle = ::open(FTempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (FHandle >= 0) break;
        if (errno != EEXIST) {
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
    const int handle = FHandle;
    FHandle = -1;
    if (::close(handle) != 0) Fail(errno);
    if (::rename(FTempPath.constData(), QFile::encodeName(FTarget).constData()) != 0) Fail(errno);
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
    throw EInOutError(
        QStringLiteral("Unable to write to %1: %2").arg(FFileName, ErrorText(errorCode)),
        errorCode);
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
