// Writes the high-score file and the options file in a tight loop, round after round
// (tests/crash/CrashRounds.h), until it is killed. The crash test starts it on a folder,
// waits for "ready", kills it at a random moment and checks what is left on the disk.
// On start it reads which round the files got to and first finishes that round's
// options, so that the files only ever hold one round or its predecessor.

#include "platform/files/AppPath.h"
#include "platform/numbers/SysUtils.h"
#include "settings/IniStore.h"
#include "tests/crash/CrashRounds.h"

#include <QApplication>
#include <cstdio>
#ifdef __linux__
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

int RoundOnDisk() {
    TIniStore store(HighScoreFileName());
    QStringList rows;
    store.ReadNumberedList(crash::kGame, rows, QString());
    if (rows.isEmpty()) return 0;
    const int score = rows.first().section(u',', 0, 0).toInt();
    return score > crash::ScoreOf(0) ? score - crash::ScoreOf(0) : 0;
}

} // namespace

int main(int argc, char** argv) {
#ifdef __linux__
    // Never outlive the test that started it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: crash_writer <folder>\n");
        return 2;
    }
    SetExeFileNameForTests(QString::fromLocal8Bit(argv[1]) + "/Quorvel");
    try {
        int round = RoundOnDisk();
        WriteDialogOptions(crash::OptionsOf(round));
        std::printf("ready\n");
        std::fflush(stdout);
        for (;;) {
            ++round;
            TfrmHigh table;
            table.GameName = crash::kGame;
            table.Score = crash::ScoreOf(round);
            table.PlayerName = crash::NameOf(round);
            table.UpdateTable();
            WriteDialogOptions(crash::OptionsOf(round));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "crash_writer: %s\n", error.what());
        return 1;
    }
}
