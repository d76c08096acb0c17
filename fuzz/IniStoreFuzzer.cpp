// The INI store behind the high-score file. Arbitrary bytes are the file; the rest of
// the input spells reads, writes, deletes and numbered lists. Every value written must
// read back at once as the store keeps it; at the end the store writes the file and a
// second store loads it, which must then hold exactly what the first one held.

#include "fuzz/FuzzSupport.h"
#include "settings/IniStore.h"
#include "settings/TextCompare.h"

#include <QCoreApplication>
#include <utility>
#include <vector>

namespace {

using TSnapshot = std::vector<std::pair<QString, QStringList>>;

// The sections that a write puts in the file: those with lines.
TSnapshot Snapshot(const TIniStore& store) {
    TSnapshot sections;
    const TSectionList& list = store.Sections();
    for (int i = 0; i < list.Count(); ++i)
        if (!list.Lines(i).isEmpty()) sections.emplace_back(list.Name(i), list.Lines(i));
    return sections;
}

QByteArray Serialised(const TSnapshot& sections) {
    QByteArray bytes;
    for (const auto& [name, lines] : sections) {
        bytes += "[" + EncodeIniText(name) + "]\r\n";
        for (const QString& line : lines)
            bytes += EncodeIniText(line) + "\r\n";
        bytes += "\r\n";
    }
    return bytes;
}

// A key the store can hold and find again: the key ends at the first "=", a line
// that starts with "[" can be read as a section header and one that starts with ";"
// is a comment, and the "=" must fit within the line's 255 bytes.
QString UsableKey(QString key) {
    key.remove(u'=');
    while (key.startsWith(u'[') || key.startsWith(u';') || key.startsWith(u'\r') ||
           key.startsWith(u'\n'))
        key.remove(0, 1);
    return CutUtf8(key, 200);
}

// What ReadString gives after WriteString(key, value).
QString Kept(const QString& key, const QString& value) {
    const QString line = CutUtf8(fuzz::OneLine(key) + u'=' + fuzz::OneLine(value), 255);
    return line.mid(line.indexOf(u'=') + 1);
}

void CheckShape(const TIniStore& store) {
    const TSectionList& list = store.Sections();
    for (int i = 0; i < list.Count(); ++i) {
        for (int j = i + 1; j < list.Count(); ++j)
            fuzz::Require(!SameText(list.Name(i), list.Name(j)),
                          "two sections named " + fuzz::Show(list.Name(i)));
        for (const QString& line : list.Lines(i))
            fuzz::Require(EncodeIniText(line).size() <= 255, "a line longer than 255 bytes");
    }
}

const QStringList& SectionPool() {
    static const QStringList pool{"Quorvel (Shapes)",
                                  "QUORVEL (shapes)",
                                  "Quorvel (Blocks)",
                                  "",
                                  " ",
                                  "S",
                                  "s",
                                  "Top",
                                  "TOP",
                                  "a]b",
                                  "[x]",
                                  "\xC3\x9F",
                                  "SS",
                                  "\xC4\xB0",
                                  "i",
                                  QString(300, u'n'),
                                  "x\x1Ay"};
    return pool;
}

const QStringList& KeyPool() {
    static const QStringList pool{
        "Count",      "count", "COUNT", "1",   "2",    "3",          "10",
        "11",         "0",     "01",    "Key", "key ", " Key",       "",
        "PlayerName", "-1",    "k=v",   ";c",  "[S]",  "2147483647", QString(260, u'k')};
    return pool;
}

const QStringList& ValuePool() {
    static const QStringList pool{"",
                                  "0",
                                  "1",
                                  "10",
                                  "000000050,Pembo",
                                  "000000007,Player 7",
                                  "x=y",
                                  " v ",
                                  "a\rb",
                                  "a\nb",
                                  "z\x1Az",
                                  "$1F",
                                  "0x1F",
                                  "-5",
                                  "2147483647",
                                  "2147483648",
                                  "]",
                                  QString(300, u'v')};
    return pool;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::TInput input = fuzz::Split(data, size);
    const QString path = fuzz::TempFolder() + "/store.ini";
    fuzz::WriteFile(path, input.File);
    fuzz::TOps ops(input.Ops);

    TIniStore store(path);
    CheckShape(store);
    QStringList sections = SectionPool();
    for (int i = 0; i < store.Sections().Count() && i < 8; ++i)
        sections.append(store.Sections().Name(i));

    for (int step = 0; step < 200 && ops.More(); ++step) {
        const QString section = ops.Text(sections);
        const QString key = ops.Text(KeyPool());
        const int op = ops.Pick(10);
        fuzz::Trace("op " + std::to_string(op) + " section " + fuzz::Show(section) + " key " +
                    fuzz::Show(key));
        switch (op) {
        case 0:
            store.ReadString(section, key, ops.Text(ValuePool()));
            break;
        case 1: {
            const QString usable = UsableKey(key);
            const QString value = ops.Text(ValuePool());
            store.WriteString(section, usable, value);
            const QString read = store.ReadString(section, usable, "\x01");
            fuzz::Require(read == Kept(usable, value),
                          "wrote " + fuzz::Show(value) + " and read " + fuzz::Show(read));
            break;
        }
        case 2:
            store.ReadInteger(section, key, ops.Int());
            break;
        case 3: {
            const QString usable = UsableKey(key);
            const int32_t value = ops.Int();
            store.WriteInteger(section, usable, value);
            fuzz::Require(store.ReadInteger(section, usable, ~value) == value,
                          "an integer did not read back");
            break;
        }
        case 4:
            store.DeleteKey(section, key);
            break;
        case 5: {
            QStringList lines{"kept"};
            store.ReadSectionValues(section, lines);
            fuzz::Require(lines.first() == "kept", "ReadSectionValues cleared its target");
            break;
        }
        case 6: {
            QStringList rows;
            store.ReadNumberedList(section, rows, ops.Text(ValuePool()));
            QStringList lines;
            store.ReadSectionValues(section, lines);
            fuzz::Require(rows.size() <= lines.size(), "more rows read than the section has lines");
            break;
        }
        case 7: {
            QStringList rows;
            const int count = ops.Pick(13);
            for (int i = 0; i < count; ++i)
                rows.append(ops.Text(ValuePool()));
            store.WriteNumberedList(section, rows);
            QStringList read;
            store.ReadNumberedList(section, read, "\x01");
            fuzz::Require(read.size() == rows.size(), "a numbered list came back with " +
                                                          std::to_string(read.size()) + " of " +
                                                          std::to_string(rows.size()) + " rows");
            for (int i = 0; i < rows.size(); ++i)
                fuzz::Require(read[i] == Kept(QString::number(i + 1), rows[i]),
                              "row " + std::to_string(i + 1) + " did not read back");
            break;
        }
        case 8: {
            const TSnapshot before = Snapshot(store);
            store.SetFileName(path);
            fuzz::Require(!store.Modified(), "a store is modified right after loading");
            fuzz::Require(Snapshot(store) == before, "reloading the store lost or changed lines");
            break;
        }
        case 9:
            store.UpdateFile();
            fuzz::Require(!store.Modified(), "the store is still modified after writing");
            break;
        }
        CheckShape(store);
    }

    const bool modified = store.Modified();
    const TSnapshot held = Snapshot(store);
    store.UpdateFile();
    if (modified)
        fuzz::Require(fuzz::ReadFile(path) == Serialised(held),
                      "the file is not what the store held");
    TIniStore again(path);
    fuzz::Require(Snapshot(again) == held, "the file read back holds something else");
    fuzz::Require(!again.Modified(), "a store is modified right after loading");
    return 0;
}
