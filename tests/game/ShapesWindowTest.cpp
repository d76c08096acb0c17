#include "game/uGame.h"
#include "platform/ui/Form.h"
#include "tests/game/WindowFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <memory>

namespace {

class ShapesWindow : public WindowTest<TfrmGame> {
protected:
    // Where the falling piece stands, as "x,y".
    QString Piece() const {
        return QString("%1,%2").arg(window->sysStacker->PieceX()).arg(window->sysStacker->PieceY());
    }
};

} // namespace

TEST_F(ShapesWindow, OpensPausedAndNothingMovesOrCountsUntilP) {
    TfrmGame& w = Open();
    EXPECT_EQ(w.Caption(), "Paused - Quorvel (Shapes)");
    EXPECT_EQ(w.lblScore->Caption(), "Score");
    EXPECT_EQ(w.lblBonus->Caption(), "Line Bonus");
    EXPECT_EQ(w.lblNextPeice->Caption(), "Next Piece");
    EXPECT_EQ(w.sysStacker->geometry(), QRect(22, 29, 379, 505));
    EXPECT_EQ(w.pbar1->geometry(), QRect(473, 29, 101, 19));
    EXPECT_EQ(w.NextWin->geometry(), QRect(419, 446, 153, 89));
    EXPECT_EQ(w.size(), QSize(590, 561));
    EXPECT_TRUE(Dialogs.empty());
    const QString start = Piece();
    w.tmrGameTimerTimer();
    w.tmrTimeCodeTimer();
    EXPECT_EQ(Piece(), start);
    EXPECT_EQ(w.Seconds, 0);
    EXPECT_EQ(Beeps, 0);
    EXPECT_EQ(w.pbar1->Position(), 0);

    Char('p');
    EXPECT_EQ(w.Caption(), "Quorvel (Shapes)");
    w.tmrGameTimerTimer();
    EXPECT_NE(Piece(), start);
    EXPECT_EQ(Beeps, 1);
    EXPECT_EQ(w.pbar1->MaxValue(), 28);
    EXPECT_EQ(w.pbar1->Position(), 28);
    w.tmrTimeCodeTimer();
    EXPECT_EQ(w.lblTime->Caption(), "Time\n\r00:01");
    Char('P');
    EXPECT_EQ(w.Caption(), "Paused - Quorvel (Shapes)");
}

TEST_F(ShapesWindow, WhilePausedOnlyTheSpeedQuitAndToggleKeysAct) {
    TfrmGame& w = Open();
    const QString start = Piece();
    for (int key : {vk::Left, vk::Right, vk::Up, vk::Down, vk::End, vk::Home})
        Key(key);
    Char('n');
    EXPECT_EQ(Piece(), start);
    EXPECT_TRUE(Modals.empty());
    EXPECT_FALSE(w.Closed());

    Key(vk::Prior);
    EXPECT_EQ(Interval(), 1100u);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 1000u);
    Char('g');
    EXPECT_FALSE(w.Options.DrawGrid);
    EXPECT_FALSE(w.sysStacker->DrawGrid());
    Char('b');
    EXPECT_FALSE(w.Options.BeepOnDrop);
    Char('S');
    EXPECT_FALSE(w.Options.UseSound);
    Answer(false);
    Key(vk::Escape);
    Settle();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Confirm);
    EXPECT_EQ(Dialogs[0].Text, "Are you sure you want to quit ?");
    EXPECT_FALSE(w.Closed());
    EXPECT_TRUE(w.Paused);
    EXPECT_EQ(Piece(), start);
}

TEST_F(ShapesWindow, LandingsScoreByRowsAndShowTheBonus) {
    TfrmGame& w = Open();
    const int expected[] = {0, 10, 20, 40, 50, 80};
    int32_t total = 0;
    for (int lines = 1; lines <= 5; ++lines) {
        w.sysStackerLineFull(w.sysStacker, lines);
        total += expected[lines];
        EXPECT_EQ(w.Score, total);
        EXPECT_EQ(w.lblScore->Caption(), "Score\n\r" + QString::number(total));
    }
    w.sysStackerLineFull(w.sysStacker, 3);
    EXPECT_EQ(w.lblBonus->Caption(), "Line Bonus\n\rLines =3\n\rPoints = 40");
    EXPECT_EQ(w.lblBonus->Lines(), QStringList({"Line Bonus", "Lines =3", "Points = 40"}));
    w.sysStackerLineFull(w.sysStacker, 4);
    EXPECT_EQ(w.lblBonus->Caption(), "Line Bonus\n\rLines =4\n\rPoints = 50");
    EXPECT_EQ(sounds, QStringList(7, "Line Done.wav"));
    // The default choice speeds up on time only.
    EXPECT_EQ(Interval(), 1000u);
}

TEST_F(ShapesWindow, RowSpeedUpReaches70msAfter93LandingsAndStaysThere) {
    WriteBytes("Quorvel.cfg", "[OptionsShapes]\r\nSpeedUpOnLine=1\r\nUseSound=0\r\n");
    TfrmGame& w = Open();
    for (int i = 0; i < 92; ++i)
        w.sysStackerLineFull(w.sysStacker, 1);
    EXPECT_EQ(Interval(), 80u);
    w.sysStackerLineFull(w.sysStacker, 4);
    EXPECT_EQ(Interval(), 70u);
    w.sysStackerLineFull(w.sysStacker, 2);
    EXPECT_EQ(Interval(), 70u);
    EXPECT_TRUE(sounds.isEmpty());
    // Rows-only: second 30 changes nothing.
    Char('p');
    for (int i = 0; i < 30; ++i)
        w.tmrTimeCodeTimer();
    EXPECT_EQ(Interval(), 70u);
}

TEST_F(ShapesWindow, TimeCountsMinutesAndSpeedsUpAtSecond30) {
    TfrmGame& w = Open();
    Char('p');
    for (int i = 0; i < 29; ++i)
        w.tmrTimeCodeTimer();
    EXPECT_EQ(Interval(), 1000u);
    w.tmrTimeCodeTimer();
    EXPECT_EQ(Interval(), 990u);
    for (int i = 30; i < 59; ++i)
        w.tmrTimeCodeTimer();
    EXPECT_EQ(w.lblTime->Caption(), "Time\n\r00:59");
    w.tmrTimeCodeTimer();
    EXPECT_EQ(w.lblTime->Caption(), "Time\n\r01:00");
    for (int i = 60; i < 187; ++i)
        w.tmrTimeCodeTimer();
    EXPECT_EQ(w.lblTime->Caption(), "Time\n\r03:07");
    EXPECT_EQ(Interval(), 970u);
    EXPECT_EQ(TGameWindow::TimeText(100, 5), "Time\n\r100:05");
}

TEST_F(ShapesWindow, PageKeysStayWithinTheirBoundsAndNeverWrap) {
    TfrmGame& w = Open();
    // Paused, neither timer wakes the window; P sets both going.
    EXPECT_FALSE(w.tmrGameTimer.Ticking());
    EXPECT_FALSE(w.tmrTimeCode.Ticking());
    Char('p');
    EXPECT_TRUE(w.tmrGameTimer.Ticking());
    EXPECT_TRUE(w.tmrTimeCode.Ticking());
    w.tmrGameTimer.SetInterval(2950);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 3050u);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 3050u);
    w.tmrGameTimer.SetInterval(3000);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 3000u);
    w.tmrGameTimer.SetInterval(100);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 0u);
    EXPECT_FALSE(w.tmrGameTimer.Ticking());
    Key(vk::Next);
    EXPECT_EQ(Interval(), 0u);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 100u);
    EXPECT_TRUE(w.tmrGameTimer.Ticking());
    w.tmrGameTimer.SetInterval(80);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 0u);
    w.tmrGameTimer.SetInterval(75);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 75u);
}

TEST_F(ShapesWindow, ThePreviewShowsTheNextPieceOnlyWhenAsked) {
    TfrmGame& w = Open();
    EXPECT_TRUE(w.NextWin->Canvas().IsPainted(0, 0));
    EXPECT_EQ(w.NextWin->Canvas().Pixel(152, 88), clBlack);

    WriteBytes("Quorvel.cfg", "[OptionsShapes]\r\nShowPiece=0\r\n");
    TfrmGame& hidden = Open();
    for (int x = 0; x < 153; ++x)
        for (int y = 0; y < 89; ++y)
            ASSERT_FALSE(hidden.NextWin->Canvas().IsPainted(x, y));
}

TEST_F(ShapesWindow, AGameDroppedToTheTopEndsInTheTableAndClosesTheWindow) {
    TfrmGame& w = Open();
    std::vector<QString> scoreLabels;
    OnModal = [&](TForm&) { scoreLabels.push_back(w.Caption()); };
    Char('p');
    Char('b');
    int ticks = 0;
    while (!w.ClosePending() && ticks++ < 5000) {
        Key(vk::Down);
        w.tmrGameTimerTimer();
    }
    // The window closes once the tick that ended the game is over.
    EXPECT_FALSE(w.Closed());
    Settle();
    ASSERT_TRUE(w.Closed());
    EXPECT_TRUE(w.Paused);
    EXPECT_FALSE(w.tmrGameTimer.Enabled());
    EXPECT_EQ(Modals, std::vector<QString>({"Highest Scores Quorvel (Shapes)"}));
    EXPECT_EQ(sounds.last(), "Game Over.wav");
    const QString ini = QString::fromUtf8(ReadBytes("Quorvel.ini"));
    EXPECT_TRUE(ini.startsWith("[Quorvel (Shapes)]\r\nCount=10\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("," + w.Options.PlayerName) || w.Score < 10);
    const QString cfg = QString::fromUtf8(ReadBytes("Quorvel.cfg"));
    EXPECT_EQ(cfg, "[OptionsShapes]\r\nBeepOnDrop=0\r\nUseSound=1\r\nDrawGrid=1\r\n");
    // Keys after the end do nothing.
    const QString after = Piece();
    Key(vk::Left);
    w.tmrGameTimerTimer();
    EXPECT_EQ(Piece(), after);
}

TEST_F(ShapesWindow, HomeEndsTheGameWithTheCurrentScore) {
    TfrmGame& w = Open();
    Char('p');
    w.sysStackerLineFull(w.sysStacker, 2);
    w.tmrGameTimerTimer();
    const QString board = Piece();
    Key(vk::Home);
    Settle();
    EXPECT_TRUE(w.Closed());
    EXPECT_EQ(Modals.size(), 1u);
    EXPECT_EQ(Piece(), board);
    EXPECT_TRUE(QString::fromUtf8(ReadBytes("Quorvel.ini")).contains("1=000000020,Pembo\r\n"));
}

TEST_F(ShapesWindow, EscapeAsksAndOnlyYesClosesWithoutATableEntry) {
    TfrmGame& w = Open();
    Char('p');
    Answer(false);
    Key(vk::Escape);
    Settle();
    EXPECT_FALSE(w.Closed());
    EXPECT_FALSE(w.Paused);
    Answer(true);
    Key(vk::Escape);
    Settle();
    EXPECT_TRUE(w.Closed());
    EXPECT_TRUE(Modals.empty());
    EXPECT_TRUE(ReadBytes("Quorvel.ini").isEmpty());
    // No switch was pressed, and no file was there: the close makes it, every switch in.
    EXPECT_EQ(ReadBytes("Quorvel.cfg"),
              "[OptionsShapes]\r\nBeepOnDrop=1\r\nUseSound=1\r\nDrawGrid=1\r\n");
}

TEST_F(ShapesWindow, ClosingKeepsWhatAnotherCopyConfirmedMeanwhileBesideTheSwitchPressedHere) {
    TfrmGame& w = Open();
    // Another copy of the program: its options dialog is confirmed during this game.
    TGameOptions other;
    other.Shapes.PlayerName = "Ann";
    other.Shapes.UseSound = false;
    other.Shapes.DrawGrid = false;
    WriteDialogOptions(other);
    Char('b');
    w.Close();
    Settle();
    const QByteArray cfg = ReadBytes("Quorvel.cfg");
    EXPECT_TRUE(cfg.startsWith("[OptionsShapes]\r\nPlayerName=Ann\r\nShowPiece=1\r\n"
                               "BeepOnDrop=0\r\nUseSound=0\r\nDrawGrid=0\r\n"))
        << cfg.toStdString();
}

TEST_F(ShapesWindow, TheSessionsSaveWritesTheSwitchesAndALaterCloseKeepsAnotherCopysChange) {
    TfrmGame& w = Open();
    Char('b');
    w.FormCommitData();
    EXPECT_FALSE(w.Closed());
    EXPECT_EQ(ReadBytes("Quorvel.cfg"),
              "[OptionsShapes]\r\nBeepOnDrop=0\r\nUseSound=1\r\nDrawGrid=1\r\n");
    // Another copy turns the beep on again; this game leaves it alone from then on.
    WriteDialogOptions(TGameOptions{});
    w.Close();
    Settle();
    EXPECT_TRUE(ReadBytes("Quorvel.cfg").contains("\r\nBeepOnDrop=1\r\n"));
}

TEST_F(ShapesWindow, NewGameKeyResetsScoreTimeAndSpeedAndPauses) {
    TfrmGame& w = Open();
    Char('p');
    w.sysStackerLineFull(w.sysStacker, 1);
    w.tmrTimeCodeTimer();
    Key(vk::Next);
    Char('n');
    EXPECT_EQ(w.Score, 0);
    EXPECT_EQ(w.Seconds, 0);
    EXPECT_TRUE(w.Paused);
    EXPECT_EQ(w.Caption(), "Paused - Quorvel (Shapes)");
    EXPECT_EQ(Interval(), 1000u);
    EXPECT_EQ(w.lblScore->Caption(), "Score");
    EXPECT_EQ(w.lblTime->Caption(), "Time");
    EXPECT_EQ(w.lblBonus->Caption(), "Lines Bonus");
    EXPECT_TRUE(w.sysStacker->Playing());
}

TEST_F(ShapesWindow, AMissingPictureIsReportedAndTheGameStillPlays) {
    QFile::remove(PathOf("bg.bmp"));
    TfrmGame& w = Open();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Error);
    EXPECT_TRUE(Dialogs[0].Text.contains(PathOf("bg.bmp"))) << Dialogs[0].Text.toStdString();
    EXPECT_TRUE(w.sysStacker->Playing());
    Char('p');
    const QString start = Piece();
    w.tmrGameTimerTimer();
    EXPECT_NE(Piece(), start);
}

TEST(ShapesAssets, ThePictureLoadsAndEveryWaveDecodes) {
    const QString folder = QCoreApplication::applicationDirPath() + "/";
    QImage picture(folder + "bg.bmp");
    EXPECT_EQ(picture.size(), QSize(590, 561));
    for (const char* name : {"Line Done.wav", "Game Over.wav", "Click.wav"}) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 44) << name;
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(bytes.mid(36, 4), "data");
        const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + 40);
        EXPECT_EQ(length + 44, static_cast<quint32>(bytes.size())) << name;
    }
}
