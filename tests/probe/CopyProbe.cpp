// A second copy of the program on the data files of a folder, for the tests of two
// copies at once. What it does is given by its arguments:
//
//   copy_probe <folder> score <game> <score> <name>
//       enters one score, as a game end with that player name does, and exits.
//   copy_probe <folder> hold
//       takes the data files' lock, prints "held" and keeps it until it is killed.
//   copy_probe <folder> race <A|B> <rounds>
//       prints "ready", waits for a line on its input, then writes round after round:
//       a score into the table "Race A" or "Race B" and the toggles of the Shapes (A)
//       or the Blocks (B) window, each telling its round. Before each round it checks
//       that the last one is still in the files; "lost ..." and exit code 3 if not.

#include "platform/files/AppPath.h"
#include "platform/files/FileLock.h"
#include "settings/IniStore.h"
#include "settings/OptionsFile.h"
#include "settings/uHighScoreTable.h"

#include <QApplication>
#include <QThread>
#include <cstdio>
#include <iostream>
#include <string>
#ifdef __linux__
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

ToptionsRec TogglesOf(int round) {
    ToptionsRec options;
    options.BeepOnDrop = round % 2 == 1;
    options.UseSound = round / 2 % 2 == 1;
    return options;
}

// Above the ten default rows from the first round on.
int32_t ScoreOf(int round) {
    return 100 + round;
}

QString RowOf(int round, const QString& side) {
    return PadScore(ScoreOf(round)) + u',' + side + QString::number(round);
}

// What of the last round is missing from the files; empty when nothing is.
QString Lost(int round, const QString& side) {
    QStringList rows;
    TIniStore(HighScoreFileName()).ReadNumberedList("Race " + side, rows, QString());
    if (rows.value(0) != RowOf(round, side)) return "the row " + RowOf(round, side);
    const ToptionsRec want = TogglesOf(round);
    const ToptionsRec got = side == u'A' ? ReadShapesOptions() : ReadBlocksOptions();
    if (got.BeepOnDrop != want.BeepOnDrop || got.UseSound != want.UseSound)
        return QStringLiteral("the toggles");
    return {};
}

int Race(const QString& side, int rounds) {
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    for (int round = 1; round <= rounds; ++round) {
        if (round > 1) {
            const QString lost = Lost(round - 1, side);
            if (!lost.isEmpty()) {
                std::printf("lost %s of round %d\n", qPrintable(lost), round - 1);
                return 3;
            }
        }
        TfrmHigh table;
        table.GameName = "Race " + side;
        table.Score = ScoreOf(round);
        table.PlayerName = side + QString::number(round);
        table.UpdateTable();
        if (side == u'A')
            WriteShapesToggles(TogglesOf(round));
        else
            WriteBlocksToggles(TogglesOf(round));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
#ifdef __linux__
    // Never outlive the test that started it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: copy_probe <folder> score|hold|race ...\n");
        return 2;
    }
    SetExeFileNameForTests(args[0] + "/Quorvel");
    try {
        if (args[1] == "score" && args.size() == 5) {
            TfrmHigh table;
            table.GameName = args[2];
            table.Score = args[3].toInt();
            table.PlayerName = args[4];
            table.UpdateTable();
            return 0;
        }
        if (args[1] == "hold") {
            const TDataFileLock lock(HighScoreFileName());
            std::printf("%s\n", lock.Held() ? "held" : "not held");
            std::fflush(stdout);
            for (;;)
                QThread::sleep(60);
        }
        if (args[1] == "race" && args.size() == 4) return Race(args[2], args[3].toInt());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "copy_probe: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "copy_probe: unknown command %s\n", qPrintable(args[1]));
    return 2;
}
