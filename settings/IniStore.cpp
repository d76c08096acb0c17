#include "settings/IniStore.h"

#include "platform/files/IniText.h"
#include "platform/numbers/SysUtils.h"
#include "settings/TextCompare.h"

#include <QSet>
#include <QtGlobal>

namespace {

QString Cut(const QString& text) {
    return CutUtf8(text, TIniStore::kMaxText);
}

// A section name as the store keeps it: short enough that its header line, brackets
// included, is not cut when the file is read again.
QString SectionName(const QString& text) {
    return CutUtf8(OneLine(text), TIniStore::kMaxText - 2);
}

// A key as the store keeps it: short enough that its "=" is not cut from the line.
QString KeyName(const QString& text) {
    return CutUtf8(OneLine(text), TIniStore::kMaxText - 1);
}

// Comments never match a key, whatever they hold.
bool KeyIs(const QString& line, const QString& key) {
    if (line.startsWith(u';')) return false;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return false;
    return QStringView(line).left(equals).compare(key, Qt::CaseInsensitive) == 0;
}

int KeyIndex(const QStringList& lines, const QString& key) {
    for (int i = 0; i < lines.size(); ++i)
        if (KeyIs(lines[i], key)) return i;
    return -1;
}

// The number a key names when it is written as WriteInteger writes positive numbers.
int64_t NumberedKey(const QString& line) {
    if (line.startsWith(u';')) return 0;
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0 || equals > 10 || line[0] == u'0') return 0;
    int64_t value = 0;
    for (qsizetype i = 0; i < equals; ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'0' || c > u'9') return 0;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

int TSectionList::Add(const QString& name) {
    FItems.emplace_back(name, std::make_unique<QStringList>());
    return Count() - 1;
}

int TSectionList::IndexOf(const QString& name) {
    const int count = Count();
    if (FLastIndex >= count) FLastIndex = 0;
    for (int i = FLastIndex; i < count; ++i)
        if (SameText(FItems[i].first, name)) return FLastIndex = i;
    for (int i = 0; i < FLastIndex; ++i)
        if (SameText(FItems[i].first, name)) return FLastIndex = i;
    return -1;
}

bool TSectionList::EraseDuplicates() {
    if (Count() < 2) return false;
    QSet<QString> seen;
    const size_t before = FItems.size();
    std::erase_if(FItems, [&seen](const auto& item) {
        const QString folded = item.first.toCaseFolded();
        if (seen.contains(folded)) return true;
        seen.insert(folded);
        return false;
    });
    FLastIndex = 0;
    return FItems.size() != before;
}

void TSectionList::Clear() {
    FItems.clear();
    FLastIndex = 0;
}

TIniStore::TIniStore(const QString& fileName) {
    SetFileName(fileName);
}

TIniStore::~TIniStore() {
    try {
        UpdateFile();
    } catch (const std::exception& error) {
        qWarning("%s", error.what());
    }
}

void TIniStore::SetFileName(const QString& fileName) {
    UpdateFile();
    ClearSections();
    FFileName = fileName;
    if (!FFileName.isEmpty()) LoadFromFile();
    FModified = false;
}

void TIniStore::LoadFromFile() {
    FCurrentSection = 0;
    QStringList* current = nullptr;
    ReadIniLines(FFileName, FTextBufferSize, kMaxText, [&](const QString& line) {
        if (line.isEmpty()) return;
        if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
            current = &FSectionList.Lines(FSectionList.Add(line.mid(1, line.size() - 2)));
        } else if (current) {
            current->append(line);
        }
    });
    FSectionList.EraseDuplicates();
}

void TIniStore::ClearSections() {
    FSectionList.Clear();
    FCurrentSection = 0;
}

TIniStore::TFound TIniStore::FindItemIndex(const QString& section, const QString& key,
                                           bool create) {
    const int count = FSectionList.Count();
    bool found = false;
    if (count > 0) {
        int i = FCurrentSection < count ? FCurrentSection : 0;
        for (int compared = 0; compared < count; ++compared) {
            FCurrentSection = i;
            if (SameText(FSectionList.Name(i), section)) {
                found = true;
                break;
            }
            i = (i + 1) % count;
        }
    }
    if (!found) {
        if (!create) return {};
        FCurrentSection = FSectionList.Add(section);
        return {-1, &FSectionList.Lines(FCurrentSection)};
    }
    QStringList& lines = FSectionList.Lines(FCurrentSection);
    return {KeyIndex(lines, key), &lines};
}

QString TIniStore::ReadString(const QString& section, const QString& key, const QString& def) {
    const TFound found = FindItemIndex(SectionName(section), KeyName(key), false);
    if (!found.Lines || found.Index < 0) return Cut(def);
    const QString& line = found.Lines->at(found.Index);
    return line.mid(line.indexOf(u'=') + 1);
}

void TIniStore::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString keyName = KeyName(key);
    const QString line = Cut(keyName + u'=' + OneLine(value));
    const TFound found = FindItemIndex(SectionName(section), keyName, true);
    if (found.Index < 0) {
        found.Lines->append(line);
        FModified = true;
    } else if (found.Lines->at(found.Index) != line) {
        (*found.Lines)[found.Index] = line;
        FModified = true;
    }
}

int32_t TIniStore::ReadInteger(const QString& section, const QString& key, int32_t def) {
    return ParseStoredInt(ReadString(section, key, QString())).value_or(def);
}

void TIniStore::WriteInteger(const QString& section, const QString& key, int32_t value) {
    WriteString(section, key, QString::number(value));
}

void TIniStore::DeleteKey(const QString& section, const QString& key) {
    const TFound found = FindItemIndex(SectionName(section), KeyName(key), true);
    if (found.Index < 0) return;
    found.Lines->removeAt(found.Index);
    FModified = true;
}

void TIniStore::ReadSectionValues(const QString& section, QStringList& target) {
    const int index = FSectionList.IndexOf(SectionName(section));
    if (index >= 0) target.append(FSectionList.Lines(index));
}

void TIniStore::ReadNumberedList(const QString& section, QStringList& target, const QString& def) {
    int32_t count = ReadInteger(section, QStringLiteral("Count"), 0);
    if (count <= 0) return;
    // A hand-edited count must not make the loop run billions of times; the program
    // itself always writes fewer entries than the section has lines.
    const TFound found = FindItemIndex(SectionName(section), QString(), false);
    if (found.Lines) count = std::min<int32_t>(count, static_cast<int32_t>(found.Lines->size()));
    for (int32_t i = 1; i <= count; ++i)
        target.append(ReadString(section, QString::number(i), def));
}

void TIniStore::DeleteNumberedKeys(QStringList& lines, int32_t count) {
    // The effect of DeleteKey for every key from "1" to count, in one pass over the
    // lines, so that a hand-edited count costs no more than the lines there are.
    if (count <= 0) return;
    QSet<int64_t> deleted;
    for (qsizetype i = 0; i < lines.size();) {
        const int64_t number = NumberedKey(lines[i]);
        if (number >= 1 && number <= count && !deleted.contains(number)) {
            deleted.insert(number);
            lines.removeAt(i);
            FModified = true;
        } else {
            ++i;
        }
    }
}

void TIniStore::WriteNumberedList(const QString& section, const QStringList& source) {
    QStringList old;
    ReadSectionValues(section, old);
    const int32_t count = ReadInteger(section, QStringLiteral("Count"), 0);
    WriteInteger(section, QStringLiteral("Count"), static_cast<int32_t>(source.size()));
    const bool wasModified = FModified;
    DeleteNumberedKeys(*FindItemIndex(SectionName(section), QString(), true).Lines, count);
    for (qsizetype i = 0; i < source.size(); ++i)
        WriteString(section, QString::number(i + 1), source[i]);
    if (!wasModified) {
        QStringList now;
        ReadSectionValues(section, now);
        FModified = now != old;
    }
}

void TIniStore::UpdateFile() {
    if (!FModified) return;
    if (!FFileName.isEmpty()) {
        TAtomicFileWriter writer(FFileName);
        QByteArray buffer;
        buffer.reserve(FTextBufferSize);
        const auto put = [&](const QString& line) {
            buffer += EncodeIniText(line);
            buffer += "\r\n";
            if (buffer.size() >= FTextBufferSize) {
                writer.Write(buffer);
                buffer.clear();
            }
        };
        for (int i = 0; i < FSectionList.Count(); ++i) {
            const QStringList& lines = FSectionList.Lines(i);
            if (lines.isEmpty()) continue;
            put(u'[' + FSectionList.Name(i) + u']');
            for (const QString& line : lines)
                put(line);
            put(QString());
        }
        writer.Write(buffer);
        writer.Commit();
    }
    FModified = false;
}
