#include "platform/files/IniFile.h"

#include "platform/files/FileLock.h"
#include "platform/files/IniText.h"
#include "platform/numbers/SysUtils.h"

#include <optional>

// The file's lines as text to match keys on, and as the bytes that stand in the file,
// which a write gives back unchanged for every line it does not change: a line that
// is not UTF-8 survives a write of another key.
struct TIniLines {
    QStringList Text;
    QList<QByteArray> Raw;

    void Insert(qsizetype at, const QString& line) {
        Text.insert(at, line);
        Raw.insert(at, line.toUtf8());
    }
    void Replace(qsizetype at, const QString& line) {
        Text[at] = line;
        Raw[at] = line.toUtf8();
    }
};

namespace {

constexpr qsizetype kBufferSize = 16384;
constexpr qsizetype kMaxValueBytes = 2047;

std::optional<QString> SectionName(const QString& line) {
    const QString text = line.trimmed();
    if (!text.startsWith(u'[')) return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    if (close < 0) return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

bool IsKeyLine(const QString& line, const QString& key) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return false;
    return QStringView(line).left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

struct TLocation {
    qsizetype Header = -1; // the section's header line
    qsizetype End = 0;     // the line after the section
    qsizetype Key = -1;    // the key's line
};

TLocation Locate(const QStringList& lines, const QString& section, const QString& key) {
    TLocation where;
    where.End = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = SectionName(lines[i]);
        if (where.Header >= 0) {
            if (name) {
                where.End = i;
                break;
            }
            if (where.Key < 0 && IsKeyLine(lines[i], key)) where.Key = i;
        } else if (name && name->compare(section, Qt::CaseInsensitive) == 0) {
            where.Header = i;
        }
    }
    return where;
}

// Throws EInOutError when the file exists but cannot be read; a missing file is empty.
TIniLines LoadLines(const QString& fileName) {
    TIniLines lines;
    ReadIniRawLines(fileName, kBufferSize, [&lines](const QByteArray& line) {
        lines.Text.append(QString::fromUtf8(line));
        lines.Raw.append(line);
    });
    return lines;
}

QString ValueOf(const QStringList& lines, const QString& section, const QString& key,
                const QString& def) {
    const TLocation where = Locate(lines, section.trimmed(), key.trimmed());
    if (where.Key < 0) return def;
    const QString& line = lines[where.Key];
    return CutUtf8(line.mid(line.indexOf(u'=') + 1).trimmed(), kMaxValueBytes);
}

bool BoolOf(const QString& value, bool def) {
    const std::optional<int32_t> number = ParseStoredInt(value);
    return number ? *number != 0 : def;
}

QString BoolText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// False when the key's line already stood so.
bool SetKey(TIniLines& lines, const QString& section, const QString& key, const QString& value) {
    const QString sectionName = OneLine(section).trimmed();
    const QString keyName = OneLine(key).trimmed();
    const QString line = keyName + u'=' + OneLine(value);
    const QStringList& text = lines.Text;
    const TLocation where = Locate(text, sectionName, keyName);
    if (where.Key >= 0) {
        if (lines.Raw[where.Key] == line.toUtf8()) return false;
        lines.Replace(where.Key, line);
    } else if (where.Header >= 0) {
        // After the section's last line, ahead of the blank lines that part it
        // from the next section.
        qsizetype at = where.End;
        while (at - 1 > where.Header && text[at - 1].trimmed().isEmpty())
            --at;
        lines.Insert(at, line);
    } else {
        if (!text.isEmpty() && !text.last().trimmed().isEmpty())
            lines.Insert(text.size(), QString());
        lines.Insert(text.size(), u'[' + sectionName + u']');
        lines.Insert(text.size(), line);
    }
    return true;
}

} // namespace

QStringList TIniFile::Load() const {
    try {
        return LoadLines(FFileName).Text;
    } catch (const EInOutError&) {
        return {};
    }
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    return ValueOf(Load(), section, key, def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return BoolOf(ReadString(section, key, QString()), def);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    Edit([&](TEdit& ini) { ini.WriteString(section, key, value); });
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, BoolText(value));
}

void TIniFile::Edit(const std::function<void(TEdit&)>& change,
                    const std::function<void()>& beforeWrite) {
    // A file that cannot be read cannot be written either: both name the file and the
    // system's reason.
    const auto refused = [this](const EInOutError& error) {
        return WriteError(FFileName, error.ErrorCode());
    };
    try {
        // Most edits find the file as they would leave it (a game closed without a
        // switch pressed): those need neither the lock nor a write.
        TIniLines lines = LoadLines(FFileName);
        TEdit edit(lines);
        change(edit);
        if (!edit.FChanged && MaySkipLock(FFileName)) return;
    } catch (const EInOutError& error) {
        throw refused(error);
    }
    if (beforeWrite) beforeWrite();
    try {
        const TDataFileLock lock(FFileName);
        TIniLines lines = LoadLines(FFileName);
        TEdit edit(lines);
        change(edit);
        if (!edit.FChanged) return;
        QByteArray bytes;
        for (const QByteArray& raw : lines.Raw) {
            bytes += raw;
            bytes += "\r\n";
        }
        WriteFileAtomically(FFileName, bytes);
    } catch (const EInOutError& error) {
        throw refused(error);
    }
}

QString TIniFile::TEdit::ReadString(const QString& section, const QString& key,
                                    const QString& def) const {
    return ValueOf(FLines.Text, section, key, def);
}

bool TIniFile::TEdit::ReadBool(const QString& section, const QString& key, bool def) const {
    return BoolOf(ReadString(section, key, QString()), def);
}

void TIniFile::TEdit::WriteString(const QString& section, const QString& key,
                                  const QString& value) {
    if (SetKey(FLines, section, key, value)) FChanged = true;
}

void TIniFile::TEdit::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, BoolText(value));
}
