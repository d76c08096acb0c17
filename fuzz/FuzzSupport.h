#pragma once

// What the fuzz targets share: how an input splits into a file and the operations
// that follow it, how operations draw their arguments from the input, and how a
// broken rule stops the run so that libFuzzer keeps the input that broke it.

#include "platform/files/IniText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fuzz {

[[noreturn]] inline void Broken(const std::string& what) {
    std::fprintf(stderr, "\n*** RULE BROKEN: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, const std::string& what) {
    if (!holds) Broken(what);
}

inline std::string Show(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

// With QUORVEL_FUZZ_TRACE set, a target tells each operation as it runs it: run the
// target on one saved input to see how it got there.
inline void Trace(const std::string& what) {
    static const bool on = qEnvironmentVariableIsSet("QUORVEL_FUZZ_TRACE");
    if (on) std::fprintf(stderr, "  %s\n", what.c_str());
}

// The input is a file, then, after the separator, the bytes that drive the operations.
// A plain file with no separator is a valid input too: the project's own files serve
// as seeds as they are, and the fuzzer soon finds the separator in its dictionary.
inline const QByteArray& Separator() {
    static const QByteArray separator("\0OPS\0", 5);
    return separator;
}

struct TInput {
    QByteArray File;
    QByteArray Ops;
};

inline TInput Split(const uint8_t* data, size_t size) {
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype cut = all.indexOf(Separator());
    if (cut < 0) return {all, QByteArray()};
    return {all.left(cut), all.mid(cut + Separator().size())};
}

// Reads operations and their arguments from the input, byte by byte; an exhausted
// input reads as zeros, and More() tells when to stop.
class TOps {
public:
    explicit TOps(QByteArray bytes) : FBytes(std::move(bytes)) {}

    bool More() const { return FAt < FBytes.size(); }
    uint8_t Byte() { return More() ? static_cast<uint8_t>(FBytes[FAt++]) : 0; }
    int Pick(int n) { return n <= 0 ? 0 : Byte() % n; }
    int32_t Int() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | Byte();
        return static_cast<int32_t>(value);
    }
    bool Flag() { return Byte() & 1; }

    // Mostly a text from the pool, sometimes bytes of the input itself, now and then
    // long enough to pass every length limit.
    QString Text(const QStringList& pool) {
        const uint8_t kind = Byte();
        if (kind < 176 && !pool.isEmpty()) return pool[kind % pool.size()];
        qsizetype length = Byte();
        if (kind >= 240) length *= 4;
        const QByteArray raw = FBytes.mid(FAt, length);
        FAt += raw.size();
        return QString::fromUtf8(raw);
    }

private:
    QByteArray FBytes;
    qsizetype FAt = 0;
};

// A folder of this process's own, made once, in memory where the system offers it:
// every write is flushed to the disk, which on a disk costs far more than the run.
inline QString TempFolder() {
    static const QString folder = [] {
        char shm[] = "/dev/shm/quorvel-fuzz-XXXXXX";
        char tmp[] = "/tmp/quorvel-fuzz-XXXXXX";
        const char* made = ::mkdtemp(shm);
        if (!made) made = ::mkdtemp(tmp);
        if (!made) Broken("cannot make a temporary folder");
        // Kept in a plain buffer: the QString is gone by the time atexit handlers run.
        static char path[sizeof shm > sizeof tmp ? sizeof shm : sizeof tmp];
        std::snprintf(path, sizeof path, "%s", made);
        std::atexit([] { QDir(QString::fromLocal8Bit(path)).removeRecursively(); });
        return QString::fromLocal8Bit(made);
    }();
    return folder;
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file");
    Require(file.write(bytes) == bytes.size(), "cannot write the input file");
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// What the store and the profile file do to a value so that it stays on its line:
// line breaks and the end-of-text byte become spaces.
inline QString OneLine(QString text) {
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == u'\x1A') c = u' ';
    return text;
}

// The lines of an INI text exactly as bytes, split as the readers split them: at CR,
// CR LF or LF, up to an end-of-text byte, after a byte-order mark.
inline QList<QByteArray> RawLines(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const qsizetype end = bytes.indexOf('\x1A');
    if (end >= 0) bytes.truncate(end);
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append(bytes.mid(start));
    return lines;
}

} // namespace fuzz
