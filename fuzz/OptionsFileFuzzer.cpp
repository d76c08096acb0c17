// The options file and the profile-file access under it. Arbitrary bytes are the
// file; the rest of the input spells what the game windows and the options dialog
// read and write, and single keys read and written directly. What was written must
// read back; a write must keep every other line of the file byte for byte.

#include "fuzz/FuzzSupport.h"
#include "platform/files/AppPath.h"
#include "platform/files/IniFile.h"
#include "settings/OptionsFile.h"

#include <QCoreApplication>
#include <map>
#include <optional>

namespace {

// What a read gives back for a written value: blanks around it are not kept, and a
// read takes at most 2047 bytes.
QString Kept(const QString& value) {
    return CutUtf8(fuzz::OneLine(value).trimmed(), 2047);
}

// Names the profile file can hold and find again: a section name ends at the first
// "]", a key at the first "=", and a key line that starts with "[" may read as a
// section header.
QString UsableSection(QString name) {
    name = fuzz::OneLine(name);
    name.remove(u']');
    return name;
}

QString UsableKey(QString key) {
    key = fuzz::OneLine(key);
    key.remove(u'=');
    key = key.trimmed();
    while (key.startsWith(u'['))
        key = key.mid(1).trimmed();
    return key;
}

// Every line of before, but perhaps one, must stand in after in the same order and
// byte for byte; after may hold up to three lines more (the key, a header and a blank
// line before it).
bool KeepsOtherLines(const QList<QByteArray>& before, const QList<QByteArray>& after) {
    if (after.size() < before.size() - 1 || after.size() > before.size() + 3) return false;
    if (before.size() > 4000) return true; // quadratic below; fuzz inputs are far smaller
    for (qsizetype skip = -1; skip < before.size(); ++skip) {
        qsizetype j = 0;
        bool all = true;
        for (qsizetype i = 0; i < before.size() && all; ++i) {
            if (i == skip) continue;
            while (j < after.size() && after[j] != before[i])
                ++j;
            all = j < after.size();
            ++j;
        }
        if (all) return true;
    }
    return false;
}

struct TKey {
    QString Section;
    QString Key;
    bool operator<(const TKey& o) const {
        const int s = Section.compare(o.Section, Qt::CaseInsensitive);
        return s != 0 ? s < 0 : Key.compare(o.Key, Qt::CaseInsensitive) < 0;
    }
};

// What the file must give back for the keys written so far.
class TModel {
public:
    void Wrote(const QString& section, const QString& key, const QString& value) {
        FValues[{section.trimmed(), key.trimmed()}] = Kept(value);
    }
    void WroteFlag(const QString& section, const char* key, bool value) {
        Wrote(section, QString::fromLatin1(key), value ? "1" : "0");
    }
    void Check(const TIniFile& ini) const {
        for (const auto& [where, value] : FValues) {
            const QString read = ini.ReadString(where.Section, where.Key, "\x01");
            fuzz::Require(read == value, "[" + where.Section.toStdString() + "] " +
                                             where.Key.toStdString() + " holds " +
                                             fuzz::Show(read) + ", not " + fuzz::Show(value));
        }
    }

private:
    std::map<TKey, QString> FValues;
};

ToptionsRec SomeOptions(fuzz::TOps& ops) {
    static const QStringList names{"Pembo",
                                   "",
                                   " Ann ",
                                   "Smith, John",
                                   "a\rb",
                                   "x\x1Ay",
                                   "Play To Get Here",
                                   QString(3000, u'n')};
    ToptionsRec options;
    options.PlayerName = ops.Text(names);
    const uint8_t bits = ops.Byte();
    options.SpeedUpOnLine = bits & 1;
    options.SpeedUpOnBoth = bits & 2;
    options.ShowPiece = bits & 4;
    options.BeepOnDrop = bits & 8;
    options.UseSound = bits & 16;
    options.DrawGrid = bits & 32;
    options.UseDefaultPieces = bits & 64;
    return options;
}

void NoteShapes(TModel& model, const ToptionsRec& o) {
    model.Wrote(kOptionsShapes, "PlayerName", o.PlayerName);
    model.WroteFlag(kOptionsShapes, "ShowPiece", o.ShowPiece);
    model.WroteFlag(kOptionsShapes, "BeepOnDrop", o.BeepOnDrop);
    model.WroteFlag(kOptionsShapes, "UseSound", o.UseSound);
    model.WroteFlag(kOptionsShapes, "DrawGrid", o.DrawGrid);
    model.WroteFlag(kOptionsShapes, "UseDefaultPieces", o.UseDefaultPieces);
    model.WroteFlag(kOptionsShapes, "SpeedUpOnBoth", o.SpeedUpOnBoth);
    model.WroteFlag(kOptionsShapes, "SpeedUpOnLine", o.SpeedUpOnLine);
}

void NoteBlocks(TModel& model, const ToptionsRec& o) {
    model.Wrote(kOptionsBlocks, "PlayerName", o.PlayerName);
    model.WroteFlag(kOptionsBlocks, "BeepOnDrop", o.BeepOnDrop);
    model.WroteFlag(kOptionsBlocks, "UseSound", o.UseSound);
    model.WroteFlag(kOptionsBlocks, "SpeedUpOnBoth", o.SpeedUpOnBoth);
    model.WroteFlag(kOptionsBlocks, "SpeedUpOnLine", o.SpeedUpOnLine);
}

const QStringList& SectionPool() {
    static const QStringList pool{
        kOptionsShapes, kOptionsBlocks, "optionsshapes", " OptionsBlocks ", "", "S",
        "[x",           "a]b",          "\xC3\x9F"};
    return pool;
}

const QStringList& KeyPool() {
    static const QStringList pool{"PlayerName", "playername", "DrawGrid", " UseSound ", "",
                                  "k",          "a=b",        "[k]",      ";c"};
    return pool;
}

const QStringList& ValuePool() {
    static const QStringList pool{"",    "0",        "1",    "2", "0x1",
                                  "yes", " spaced ", "a\nb", "]", "x\x1Ay"};
    return pool;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    SetExeFileNameForTests(fuzz::TempFolder() + "/Quorvel");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::TInput input = fuzz::Split(data, size);
    const QString path = OptionsFileName();
    fuzz::WriteFile(path, input.File);
    fuzz::TOps ops(input.Ops);
    TModel model;
    const TIniFile ini(path);

    // The window that reads the file first sees its defaults or its stored values;
    // either way two reads in a row agree.
    fuzz::Require(ReadDialogOptions().Shapes.PlayerName == ReadShapesOptions().PlayerName,
                  "the dialog and the Shapes window read different names");

    for (int step = 0; step < 40 && ops.More(); ++step) {
        const QByteArray before = fuzz::ReadFile(path);
        const int op = ops.Pick(7);
        fuzz::Trace("op " + std::to_string(op));
        switch (op) {
        case 0: {
            const ToptionsRec o = SomeOptions(ops);
            WriteShapesToggles(o);
            model.WroteFlag(kOptionsShapes, "BeepOnDrop", o.BeepOnDrop);
            model.WroteFlag(kOptionsShapes, "UseSound", o.UseSound);
            model.WroteFlag(kOptionsShapes, "DrawGrid", o.DrawGrid);
            const ToptionsRec read = ReadShapesOptions();
            fuzz::Require(read.BeepOnDrop == o.BeepOnDrop && read.UseSound == o.UseSound &&
                              read.DrawGrid == o.DrawGrid,
                          "the Shapes switches did not read back");
            break;
        }
        case 1: {
            const ToptionsRec o = SomeOptions(ops);
            WriteBlocksToggles(o);
            model.WroteFlag(kOptionsBlocks, "BeepOnDrop", o.BeepOnDrop);
            model.WroteFlag(kOptionsBlocks, "UseSound", o.UseSound);
            const ToptionsRec read = ReadBlocksOptions();
            fuzz::Require(read.BeepOnDrop == o.BeepOnDrop && read.UseSound == o.UseSound,
                          "the Blocks switches did not read back");
            break;
        }
        case 2: {
            TGameOptions o;
            o.Shapes = SomeOptions(ops);
            o.Blocks = SomeOptions(ops);
            WriteDialogOptions(o);
            NoteShapes(model, o.Shapes);
            NoteBlocks(model, o.Blocks);
            const TGameOptions read = ReadDialogOptions();
            fuzz::Require(read.Shapes.PlayerName == Kept(o.Shapes.PlayerName) &&
                              read.Blocks.PlayerName == Kept(o.Blocks.PlayerName),
                          "a player name did not read back: " + fuzz::Show(read.Shapes.PlayerName));
            fuzz::Require(read.Shapes.ShowPiece == o.Shapes.ShowPiece &&
                              read.Shapes.UseDefaultPieces == o.Shapes.UseDefaultPieces &&
                              read.Shapes.SpeedUpOnBoth == o.Shapes.SpeedUpOnBoth &&
                              read.Blocks.SpeedUpOnLine == o.Blocks.SpeedUpOnLine,
                          "the dialog's choices did not read back");
            break;
        }
        case 3: {
            const QString section = UsableSection(ops.Text(SectionPool()));
            const QString key = UsableKey(ops.Text(KeyPool()));
            const QString value = ops.Text(ValuePool());
            fuzz::Trace("[" + section.toStdString() + "] " + key.toStdString() + "=" +
                        value.toStdString());
            TIniFile(path).WriteString(section, key, value);
            model.Wrote(section, key, value);
            fuzz::Require(
                KeepsOtherLines(fuzz::RawLines(before), fuzz::RawLines(fuzz::ReadFile(path))),
                "a write changed lines it had no business with");
            break;
        }
        case 4:
            ini.ReadString(ops.Text(SectionPool()), ops.Text(KeyPool()), ops.Text(ValuePool()));
            break;
        case 5:
            ini.ReadBool(ops.Text(SectionPool()), ops.Text(KeyPool()), ops.Flag());
            break;
        case 6:
            ReadShapesOptions();
            ReadBlocksOptions();
            break;
        }
        if (op == 3 || !ops.More()) model.Check(ini);
    }
    model.Check(ini);
    return 0;
}
