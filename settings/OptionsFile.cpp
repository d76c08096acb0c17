#include "settings/OptionsFile.h"

#include "platform/files/AppPath.h"
#include "platform/files/IniFile.h"

#include <initializer_list>

namespace {

const ToptionsRec kDefaults;

QString ReadName(const TIniFile& ini, const QString& section) {
    return ini.ReadString(section, QStringLiteral("PlayerName"), kDefaults.PlayerName);
}

bool ReadFlag(const TIniFile& ini, const QString& section, const char* key, bool def) {
    return ini.ReadBool(section, QString::fromLatin1(key), def);
}

void WriteFlag(TIniFile::TEdit& ini, const QString& section, const char* key, bool value) {
    ini.WriteBool(section, QString::fromLatin1(key), value);
}

struct TToggle {
    const char* Key;
    bool ToptionsRec::*Field;
};

// Every switch is written, creating the file, its section and its keys as needed,
// but for one the player did not touch whose key another copy of the program changed
// since this window read it: that copy's value stays.
void WriteToggles(const QString& section, std::initializer_list<TToggle> toggles,
                  const ToptionsRec& options, const ToptionsRec* asRead) {
    TIniFile(OptionsFileName())
        .Edit(
            [&](TIniFile::TEdit& ini) {
                for (const TToggle& toggle : toggles) {
                    const bool value = options.*toggle.Field;
                    const QString key = QString::fromLatin1(toggle.Key);
                    if (asRead && asRead->*toggle.Field == value &&
                        ini.ReadBool(section, key, kDefaults.*toggle.Field) != value)
                        continue;
                    ini.WriteBool(section, key, value);
                }
            },
            MakeDataFolder);
}

} // namespace

QString OptionsFileName() {
    return DataFileName(QStringLiteral(".cfg"));
}

ToptionsRec ReadShapesOptions() {
    const TIniFile ini(OptionsFileName());
    const QString& s = kOptionsShapes;
    ToptionsRec options;
    options.PlayerName = ReadName(ini, s);
    options.SpeedUpOnLine = ReadFlag(ini, s, "SpeedUpOnLine", kDefaults.SpeedUpOnLine);
    options.SpeedUpOnBoth = ReadFlag(ini, s, "SpeedUpOnBoth", kDefaults.SpeedUpOnBoth);
    options.ShowPiece = ReadFlag(ini, s, "ShowPiece", kDefaults.ShowPiece);
    options.BeepOnDrop = ReadFlag(ini, s, "BeepOnDrop", kDefaults.BeepOnDrop);
    options.UseSound = ReadFlag(ini, s, "UseSound", kDefaults.UseSound);
    options.DrawGrid = ReadFlag(ini, s, "DrawGrid", kDefaults.DrawGrid);
    options.UseDefaultPieces = ReadFlag(ini, s, "UseDefaultPieces", kDefaults.UseDefaultPieces);
    return options;
}

void WriteShapesToggles(const ToptionsRec& options, const ToptionsRec* asRead) {
    WriteToggles(kOptionsShapes,
                 {{"BeepOnDrop", &ToptionsRec::BeepOnDrop},
                  {"UseSound", &ToptionsRec::UseSound},
                  {"DrawGrid", &ToptionsRec::DrawGrid}},
                 options, asRead);
}

ToptionsRec ReadBlocksOptions() {
    const TIniFile ini(OptionsFileName());
    const QString& s = kOptionsBlocks;
    ToptionsRec options;
    options.PlayerName = ReadName(ini, s);
    options.SpeedUpOnLine = ReadFlag(ini, s, "SpeedUpOnLine", kDefaults.SpeedUpOnLine);
    options.SpeedUpOnBoth = ReadFlag(ini, s, "SpeedUpOnBoth", kDefaults.SpeedUpOnBoth);
    options.BeepOnDrop = ReadFlag(ini, s, "BeepOnDrop", kDefaults.BeepOnDrop);
    options.UseSound = ReadFlag(ini, s, "UseSound", kDefaults.UseSound);
    return options;
}

void WriteBlocksToggles(const ToptionsRec& options, const ToptionsRec* asRead) {
    WriteToggles(kOptionsBlocks,
                 {{"BeepOnDrop", &ToptionsRec::BeepOnDrop}, {"UseSound", &ToptionsRec::UseSound}},
                 options, asRead);
}

TGameOptions ReadDialogOptions() {
    const TIniFile ini(OptionsFileName());
    TGameOptions options;
    ToptionsRec& shapes = options.Shapes;
    const QString& s = kOptionsShapes;
    shapes.PlayerName = ReadName(ini, s);
    shapes.SpeedUpOnBoth = ReadFlag(ini, s, "SpeedUpOnBoth", kDefaults.SpeedUpOnBoth);
    shapes.SpeedUpOnLine = ReadFlag(ini, s, "SpeedUpOnLine", kDefaults.SpeedUpOnLine);
    shapes.ShowPiece = ReadFlag(ini, s, "ShowPiece", kDefaults.ShowPiece);
    shapes.BeepOnDrop = ReadFlag(ini, s, "BeepOnDrop", kDefaults.BeepOnDrop);
    shapes.UseSound = ReadFlag(ini, s, "UseSound", kDefaults.UseSound);
    shapes.DrawGrid = ReadFlag(ini, s, "DrawGrid", kDefaults.DrawGrid);
    shapes.UseDefaultPieces = ReadFlag(ini, s, "UseDefaultPieces", kDefaults.UseDefaultPieces);
    ToptionsRec& blocks = options.Blocks;
    const QString& b = kOptionsBlocks;
    blocks.PlayerName = ReadName(ini, b);
    blocks.SpeedUpOnBoth = ReadFlag(ini, b, "SpeedUpOnBoth", kDefaults.SpeedUpOnBoth);
    blocks.SpeedUpOnLine = ReadFlag(ini, b, "SpeedUpOnLine", kDefaults.SpeedUpOnLine);
    blocks.BeepOnDrop = ReadFlag(ini, b, "BeepOnDrop", kDefaults.BeepOnDrop);
    blocks.UseSound = ReadFlag(ini, b, "UseSound", kDefaults.UseSound);
    return options;
}

void WriteDialogOptions(const TGameOptions& options) {
    TIniFile(OptionsFileName())
        .Edit(
            [&options](TIniFile::TEdit& ini) {
                const ToptionsRec& shapes = options.Shapes;
                const ToptionsRec& blocks = options.Blocks;
                const QString& s = kOptionsShapes;
                const QString& b = kOptionsBlocks;
                ini.WriteString(s, QStringLiteral("PlayerName"), shapes.PlayerName);
                WriteFlag(ini, s, "ShowPiece", shapes.ShowPiece);
                WriteFlag(ini, s, "BeepOnDrop", shapes.BeepOnDrop);
                WriteFlag(ini, s, "UseSound", shapes.UseSound);
                WriteFlag(ini, s, "DrawGrid", shapes.DrawGrid);
                WriteFlag(ini, s, "UseDefaultPieces", shapes.UseDefaultPieces);
                ini.WriteString(b, QStringLiteral("PlayerName"), blocks.PlayerName);
                WriteFlag(ini, b, "BeepOnDrop", blocks.BeepOnDrop);
                WriteFlag(ini, b, "UseSound", blocks.UseSound);
                WriteFlag(ini, s, "SpeedUpOnBoth", shapes.SpeedUpOnBoth);
                WriteFlag(ini, s, "SpeedUpOnLine", shapes.SpeedUpOnLine);
                WriteFlag(ini, b, "SpeedUpOnBoth", blocks.SpeedUpOnBoth);
                WriteFlag(ini, b, "SpeedUpOnLine", blocks.SpeedUpOnLine);
            },
            MakeDataFolder);
}
