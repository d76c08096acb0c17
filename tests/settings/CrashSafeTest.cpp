#include "platform/files/AppPath.h"
#include "platform/files/IniText.h"
#include "settings/IniStore.h"
#include "settings/OptionsFile.h"
#include "tests/common/TestSupport.h"
#include "tests/crash/CrashRounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <chrono>
#include <iostream>
#include <random>
#include <thread>

namespace {

// Kills per run; `make soak` raises it through QUORVEL_KILLS.
int KillCount() {
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("QUORVEL_KILLS", &ok);
    return ok && kills > 0 ? kills : 50;
}

bool SameOptions(const ToptionsRec& a, const ToptionsRec& b) {
    return a.PlayerName == b.PlayerName && a.SpeedUpOnLine == b.SpeedUpOnLine &&
           a.SpeedUpOnBoth == b.SpeedUpOnBoth && a.ShowPiece == b.ShowPiece &&
           a.BeepOnDrop == b.BeepOnDrop && a.UseSound == b.UseSound && a.DrawGrid == b.DrawGrid &&
           a.UseDefaultPieces == b.UseDefaultPieces;
}

// Files of the folder other than the two data files.
QStringList Strays(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.removeAll("Quorvel.ini");
    files.removeAll("Quorvel.cfg");
    return files;
}

using CrashSafeTest = TestFolder;

// A writer process rewrites the high-score file and the options file as fast as it can
// and is killed with SIGKILL at a random moment, again and again. After every kill
// both files must load and be exactly what some moment of the writing left: the
// high-score file one whole round, the options file one whole round with a whole
// number of the next round's keys written over it. A torn, truncated or mixed file
// matches none of these.
TEST_F(CrashSafeTest, FilesKilledMidWriteHoldTheOldOrTheNewContentNeverAMix) {
    const int kills = KillCount();
    const QString writer = QCoreApplication::applicationDirPath() + "/crash_writer";
    ASSERT_TRUE(QFile::exists(writer)) << writer.toStdString();
    WriteBytes("Quorvel.ini", crash::HighScoreFile(0));
    WriteBytes("Quorvel.cfg", crash::OptionsFile(0, 13));
    const QString folder = QFileInfo(ExePath()).absolutePath();

    std::mt19937 random(8u);
    int round = 0;
    int torn = 0;      // kills that left the options half way through a round
    int leftovers = 0; // the most new files a kill left, until the next write
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(writer, {folder});
        ASSERT_TRUE(child.waitForStarted()) << child.errorString().toStdString();
        while (!child.canReadLine() && child.state() == QProcess::Running)
            child.waitForReadyRead(10000);
        ASSERT_EQ(child.readLine().trimmed(), "ready")
            << child.readAllStandardError().toStdString();
        // Mostly within the first few writes; every fifth kill lets a slow writer (a
        // sanitizer build, a busy disk) get whole rounds done as well.
        const int most = kill % 5 == 4 ? 300000 : 20000;
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, most)(random)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit)
            << "the writer stopped by itself: " << child.readAllStandardError().toStdString();

        // The high-score file names its round in its best row.
        TIniStore store(HighScoreFileName());
        QStringList rows;
        store.ReadNumberedList(crash::kGame, rows, QString());
        ASSERT_EQ(rows.size(), 10) << "after kill " << kill;
        const int best = rows.first().section(u',', 0, 0).toInt();
        const int now = best > crash::ScoreOf(0) ? best - crash::ScoreOf(0) : 0;
        ASSERT_GE(now, round) << "the high-score file went back a round after kill " << kill;
        ASSERT_EQ(ReadBytes("Quorvel.ini"), crash::HighScoreFile(now)) << "after kill " << kill;

        const QByteArray options = ReadBytes("Quorvel.cfg");
        size_t written = 0;
        while (written <= 13 && options != crash::OptionsFile(now, written))
            ++written;
        ASSERT_LE(written, 13u) << "after kill " << kill << " the options file is\n"
                                << options.toStdString();
        const TGameOptions read = ReadDialogOptions();
        const TGameOptions expected = crash::OptionsOf(written == 13 ? now : now - 1);
        if (written == 0 || written == 13) {
            EXPECT_TRUE(SameOptions(read.Shapes, expected.Shapes));
            EXPECT_TRUE(SameOptions(read.Blocks, expected.Blocks));
        } else {
            ++torn;
        }
        round = now;
        leftovers = std::max(leftovers, static_cast<int>(Strays(folder).size()));
    }
    std::cout << "[  crash   ] " << kills << " kills, " << round << " rounds written, " << torn
              << " kills between two option writes, " << leftovers
              << " new files left by a kill at most, until the next write\n";
    EXPECT_GT(round, 0) << "the writer never got a round done";
    // What a kill during a rename left goes with the next write of the same file.
    WriteDialogOptions(crash::OptionsOf(round));
    WriteFileAtomically(HighScoreFileName(), ReadBytes("Quorvel.ini"));
    EXPECT_EQ(Strays(folder), QStringList()) << "a killed write left its new file for good";
}

} // namespace
