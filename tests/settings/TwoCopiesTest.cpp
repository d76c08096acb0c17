#include "platform/files/AppPath.h"
#include "platform/files/FileLock.h"
#include "platform/files/IniText.h"
#include "settings/IniStore.h"
#include "settings/OptionsFile.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/SettingsTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <cerrno>
#include <memory>

namespace {

const QString kShapes = QStringLiteral("Quorvel (Shapes)");

// The test process is one copy of the program; copy_probe (tests/probe) is the other,
// a real process on the same folder.
class TwoCopiesTest : public TestFolder {
protected:
    std::unique_ptr<QProcess> StartCopy(const QStringList& args) const {
        const QString probe = QCoreApplication::applicationDirPath() + "/copy_probe";
        auto copy = std::make_unique<QProcess>();
        copy->setProcessChannelMode(QProcess::SeparateChannels);
        copy->start(probe, QStringList{QFileInfo(ExePath()).absolutePath()} + args);
        EXPECT_TRUE(copy->waitForStarted()) << probe.toStdString();
        return copy;
    }
    static QByteArray FirstLine(QProcess& copy) {
        while (!copy.canReadLine() && copy.state() == QProcess::Running)
            copy.waitForReadyRead(10000);
        return copy.readLine().trimmed();
    }
    static void ExpectDone(QProcess& copy) {
        ASSERT_TRUE(copy.waitForFinished(60000));
        EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardOutput().toStdString()
                                      << copy.readAllStandardError().toStdString();
    }

    static QStringList EnterScore(int32_t score, const QString& name) {
        return ShownRows(kShapes, score, name);
    }
};

TEST_F(TwoCopiesTest, AScoreThatAnotherCopyWroteWhileTheNameBoxWaitedIsKept) {
    // Copy A's game has ended and its name box waits; copy B ends a game under the name
    // Bob and writes the table; then A's player types Ann.
    SetDialogResponder([this](const TDialogRequest&) {
        const auto copyB = StartCopy({"score", kShapes, "60", "Bob"});
        ExpectDone(*copyB);
        return TDialogAnswer{true, QStringLiteral("Ann")};
    });
    const QStringList shown = EnterScore(50, QString());
    EXPECT_EQ(shown.mid(0, 3),
              QStringList({"000000060,Bob", "000000050,Ann", "000000009,Player 9"}));
    EXPECT_TRUE(ReadBytes("Quorvel.ini")
                    .contains("\r\nCount=10\r\n1=000000060,Bob\r\n2=000000050,Ann\r\n"
                              "3=000000009,Player 9\r\n"));
}

// Each copy checks before every round that its last one is still in both files, so a
// write of one that replaced the files from a read taken before the other's write
// shows at once.
TEST_F(TwoCopiesTest, TwoCopiesWritingAtOnceKeepEveryScoreAndToggleOfTheOther) {
    const int rounds = 25;
    const auto a = StartCopy({"race", "A", QString::number(rounds)});
    const auto b = StartCopy({"race", "B", QString::number(rounds)});
    ASSERT_EQ(FirstLine(*a), "ready");
    ASSERT_EQ(FirstLine(*b), "ready");
    a->write("go\n");
    b->write("go\n");
    ASSERT_TRUE(a->waitForBytesWritten(10000));
    ASSERT_TRUE(b->waitForBytesWritten(10000));
    ExpectDone(*a);
    ExpectDone(*b);

    TIniStore store(HighScoreFileName());
    for (const QString side : {"A", "B"}) {
        QStringList rows;
        store.ReadNumberedList("Race " + side, rows, QString());
        QStringList expected;
        for (int round = rounds; round > rounds - 10; --round)
            expected << PadScore(100 + round) + u',' + side + QString::number(round);
        EXPECT_EQ(rows, expected);
    }
    // Round 25: BeepOnDrop on, UseSound off.
    EXPECT_TRUE(ReadShapesOptions().BeepOnDrop);
    EXPECT_FALSE(ReadShapesOptions().UseSound);
    EXPECT_TRUE(ReadBlocksOptions().BeepOnDrop);
    EXPECT_FALSE(ReadBlocksOptions().UseSound);
    EXPECT_FALSE(QFileInfo::exists(LockFileName(HighScoreFileName())));
}

TEST_F(TwoCopiesTest, ALockKeptByALiveCopyRefusesTheWriteAndOneLeftByAKilledCopyIsTakenOver) {
    EnterScore(40, "Pembo");
    const QByteArray before = ReadBytes("Quorvel.ini");
    const QString lock = LockFileName(HighScoreFileName());
    const auto holder = StartCopy({"hold"});
    ASSERT_EQ(FirstLine(*holder), "held");

    // A copy that never lets go (stopped, or on a hung disk): the write gives up with
    // the system's error, and the file stays as it was.
    EnterScore(70, "Ann");
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text,
              "Unable to write to " + HighScoreFileName() + ": " + qt_error_string(EWOULDBLOCK));
    EXPECT_EQ(ReadBytes("Quorvel.ini"), before);

    // Killed while holding it: its lock file stays, naming a process that is gone.
    holder->kill();
    ASSERT_TRUE(holder->waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(lock));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(EnterScore(70, "Ann").first(), "000000070,Ann");
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(QFileInfo::exists(lock));

    // Killed before it wrote its name into the lock file: taken over once a second old.
    // The options file shares the lock.
    WriteBytes("Quorvel.lock", "");
    ASSERT_TRUE(QFileInfo::exists(lock));
    clock.restart();
    ToptionsRec options;
    options.DrawGrid = false;
    WriteShapesToggles(options);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(ReadShapesOptions().DrawGrid);
    EXPECT_FALSE(QFileInfo::exists(lock));
}

} // namespace
