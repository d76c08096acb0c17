#pragma once

// What the crash writer writes, round after round, and so what the test that kills it
// may find on the disk afterwards. Round g enters the score 100 + g into the Shapes
// table and then writes the thirteen options of the dialog, each of which tells by its
// value whether it is from round g or from round g - 1.

#include "settings/OptionsFile.h"
#include "settings/uHighScoreTable.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace crash {

inline const QString kGame = QStringLiteral("Quorvel (Shapes)");

inline int32_t ScoreOf(int round) {
    return 100 + round;
}
inline QString NameOf(int round) {
    return QStringLiteral("Writer ") + QString::number(round);
}

struct TKey {
    const char* Section;
    const char* Name;
};

// The options in the order the dialog writes them.
inline constexpr std::array<TKey, 13> kWriteOrder{{{"OptionsShapes", "PlayerName"},
                                                   {"OptionsShapes", "ShowPiece"},
                                                   {"OptionsShapes", "BeepOnDrop"},
                                                   {"OptionsShapes", "UseSound"},
                                                   {"OptionsShapes", "DrawGrid"},
                                                   {"OptionsShapes", "UseDefaultPieces"},
                                                   {"OptionsBlocks", "PlayerName"},
                                                   {"OptionsBlocks", "BeepOnDrop"},
                                                   {"OptionsBlocks", "UseSound"},
                                                   {"OptionsShapes", "SpeedUpOnBoth"},
                                                   {"OptionsShapes", "SpeedUpOnLine"},
                                                   {"OptionsBlocks", "SpeedUpOnBoth"},
                                                   {"OptionsBlocks", "SpeedUpOnLine"}}};

// The value of option k (in write order) after round g: the names carry the round,
// the switches flip from one round to the next.
inline QString ValueOf(size_t k, int round) {
    if (k == 0 || k == 6) return QStringLiteral("Gen ") + QString::number(round);
    return (static_cast<int>(k) + round) % 2 == 0 ? QStringLiteral("1") : QStringLiteral("0");
}

inline TGameOptions OptionsOf(int round) {
    const auto flag = [round](size_t k) { return ValueOf(k, round) == QStringLiteral("1"); };
    TGameOptions o;
    o.Shapes.PlayerName = ValueOf(0, round);
    o.Shapes.ShowPiece = flag(1);
    o.Shapes.BeepOnDrop = flag(2);
    o.Shapes.UseSound = flag(3);
    o.Shapes.DrawGrid = flag(4);
    o.Shapes.UseDefaultPieces = flag(5);
    o.Blocks.PlayerName = ValueOf(6, round);
    o.Blocks.BeepOnDrop = flag(7);
    o.Blocks.UseSound = flag(8);
    o.Shapes.SpeedUpOnBoth = flag(9);
    o.Shapes.SpeedUpOnLine = flag(10);
    o.Blocks.SpeedUpOnBoth = flag(11);
    o.Blocks.SpeedUpOnLine = flag(12);
    return o;
}

// The options file once round g - 1 is complete and the first `written` writes of
// round g are done, in the layout the test starts the file with.
inline QByteArray OptionsFile(int round, size_t written) {
    static const std::array<const char*, 8> shapes{
        "PlayerName", "ShowPiece",        "BeepOnDrop",    "UseSound",
        "DrawGrid",   "UseDefaultPieces", "SpeedUpOnBoth", "SpeedUpOnLine"};
    static const std::array<const char*, 5> blocks{"PlayerName", "BeepOnDrop", "UseSound",
                                                   "SpeedUpOnBoth", "SpeedUpOnLine"};
    const auto value = [&](const char* section, const char* name) {
        for (size_t k = 0; k < kWriteOrder.size(); ++k)
            if (qstrcmp(kWriteOrder[k].Section, section) == 0 &&
                qstrcmp(kWriteOrder[k].Name, name) == 0)
                return ValueOf(k, k < written ? round : round - 1).toUtf8();
        return QByteArray();
    };
    QByteArray bytes = "[OptionsShapes]\r\n";
    for (const char* name : shapes)
        bytes += QByteArray(name) + "=" + value("OptionsShapes", name) + "\r\n";
    bytes += "\r\n[OptionsBlocks]\r\n";
    for (const char* name : blocks)
        bytes += QByteArray(name) + "=" + value("OptionsBlocks", name) + "\r\n";
    return bytes;
}

// The high-score file after round g: the writer's ten latest scores, best first, and
// below them as many of the default rows as are left.
inline QByteArray HighScoreFile(int round) {
    QByteArray bytes = "[" + kGame.toUtf8() + "]\r\nCount=10\r\n";
    int fallback = 9;
    for (int row = 1; row <= 10; ++row) {
        const int from = round - (row - 1);
        QString text;
        if (from >= 1) {
            text = PadScore(ScoreOf(from)) + u',' + NameOf(from);
        } else {
            text = PadScore(fallback) + QStringLiteral(",Player ") + QString::number(fallback);
            --fallback;
        }
        bytes += QByteArray::number(row) + "=" + text.toUtf8() + "\r\n";
    }
    return bytes + "\r\n";
}

} // namespace crash
