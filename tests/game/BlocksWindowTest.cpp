#include "game/uBlocks.h"
#include "tests/game/WindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <memory>

namespace {

class BlocksWindow : public WindowTest<TfrmGameBlocks> {
protected:
    // The board as text: "." empty, "R" red, "o" any other colour.
    QStringList Board() const {
        QStringList rows;
        const auto* board = window->sysTumblox;
        for (int r = 0; r < board->Rows(); ++r) {
            QString row;
            for (int c = 0; c < board->Columns(); ++c) {
                const auto cell = board->Cell(c, r);
                row += !cell.Filled ? '.' : cell.Color == clRed ? 'R' : 'o';
            }
            rows << row;
        }
        return rows;
    }
};

} // namespace

TEST_F(BlocksWindow, OpensPausedWithItsBoardTextsAndAnEmptyBoard) {
    TfrmGameBlocks& w = Open();
    EXPECT_EQ(w.Caption(), "Paused - Quorvel (Blocks)");
    EXPECT_EQ(w.sysTumblox->geometry(), QRect(20, 26, 386, 513));
    EXPECT_EQ(w.sysTumblox->Columns(), 15);
    EXPECT_EQ(w.sysTumblox->Rows(), 20);
    EXPECT_EQ(w.sysTumblox->BlockType(), tumblox::btButton);
    EXPECT_TRUE(w.sysTumblox->DrawInner());
    EXPECT_FALSE(w.sysTumblox->DrawBorder());
    EXPECT_EQ(w.lblScore->Caption(), "Score");
    EXPECT_EQ(w.lblTime->Caption(), "Time");
    EXPECT_EQ(w.StaticText1->Caption(), "Quorvel Blocks");
    EXPECT_TRUE(Dialogs.empty());
    EXPECT_EQ(Board(), QStringList(20, QString(15, '.')));
    const int y = w.sysTumblox->Piece().Y;
    w.tmrGameTimerTimer();
    w.tmrTimeCodeTimer();
    Key(vk::Down);
    EXPECT_EQ(w.sysTumblox->Piece().Y, y);
    EXPECT_EQ(w.Seconds, 0);
    Char('p');
    EXPECT_EQ(w.Caption(), "Quorvel (Blocks)");
    w.tmrGameTimerTimer();
    EXPECT_EQ(w.sysTumblox->Piece().Y, y + 1);
    EXPECT_EQ(Beeps, 1);
}

TEST_F(BlocksWindow, ALineOfThreeScores30AndTakes300msOffWithTheRemovalSpeedUp) {
    WriteBytes("Quorvel.cfg", "[OptionsBlocks]\r\nSpeedUpOnLine=1\r\n");
    TfrmGameBlocks& w = Open();
    Char('p');
    for (int i = 0; i < 3; ++i)
        w.sysTumbloxDeleteBlock(w.sysTumblox);
    EXPECT_EQ(w.Score, 30);
    EXPECT_EQ(w.lblScore->Caption(), "Score\n\r30");
    EXPECT_EQ(Interval(), 700u);
    EXPECT_EQ(sounds, QStringList(3, "Line Done.wav"));
    for (int i = 3; i < 9; ++i)
        w.sysTumbloxDeleteBlock(w.sysTumblox);
    EXPECT_EQ(Interval(), 100u);
    w.sysTumbloxDeleteBlock(w.sysTumblox);
    EXPECT_EQ(Interval(), 0u);
    EXPECT_FALSE(w.tmrGameTimer.Ticking());
    w.sysTumbloxDeleteBlock(w.sysTumblox);
    EXPECT_EQ(Interval(), 0u);
    EXPECT_EQ(w.Score, 110);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 100u);
    EXPECT_TRUE(w.tmrGameTimer.Ticking());
}

TEST_F(BlocksWindow, TheTimerChoiceSpeedsUpAtSecond15AndNotOnRemovals) {
    TfrmGameBlocks& w = Open();
    w.sysTumbloxDeleteBlock(w.sysTumblox);
    EXPECT_EQ(Interval(), 1000u);
    Char('p');
    for (int i = 0; i < 75; ++i)
        w.tmrTimeCodeTimer();
    EXPECT_EQ(w.lblTime->Caption(), "Time\n\r01:15");
    EXPECT_EQ(Interval(), 980u);
    // After ten-ms steps a 100-ms step from 76..99 stops at 0.
    w.tmrGameTimer.SetInterval(90);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 0u);
}

TEST_F(BlocksWindow, PageKeysActAlsoWhilePausedWithinTheirBounds) {
    TfrmGameBlocks& w = Open();
    w.tmrGameTimer.SetInterval(2900);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 3000u);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 3000u);
    w.tmrGameTimer.SetInterval(2990);
    Key(vk::Prior);
    EXPECT_EQ(Interval(), 3090u);
    w.tmrGameTimer.SetInterval(100);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 0u);
    Key(vk::Next);
    EXPECT_EQ(Interval(), 0u);
}

TEST_F(BlocksWindow, HomeWhilePausedEndsTheGameIntoTheTableAndClosesTheWindow) {
    TfrmGameBlocks& w = Open();
    const QStringList before = Board();
    Key(vk::Home);
    Settle();
    EXPECT_EQ(Modals, std::vector<QString>({"Highest Scores Quorvel (Blocks)"}));
    EXPECT_EQ(sounds, QStringList({"Game Over.wav"}));
    EXPECT_TRUE(w.Closed());
    EXPECT_FALSE(w.tmrGameTimer.Enabled());
    EXPECT_EQ(Board(), before);
    EXPECT_TRUE(QString::fromUtf8(ReadBytes("Quorvel.ini")).startsWith("[Quorvel (Blocks)]\r\n"));
}

TEST_F(BlocksWindow, TheBoardsOwnGameOverShowsTheRedBoardBehindTheTable) {
    TfrmGameBlocks& w = Open();
    QStringList shown;
    OnModal = [&](TForm&) { shown = Board(); };
    Char('p');
    int ticks = 0;
    while (!w.ClosePending() && ticks++ < 20000) {
        Key(vk::Down);
        w.tmrGameTimerTimer();
    }
    Settle();
    ASSERT_TRUE(w.Closed());
    EXPECT_EQ(shown, QStringList(20, QString(15, 'R')));
    EXPECT_EQ(Modals.size(), 1u);
    EXPECT_TRUE(w.Paused);
}

TEST_F(BlocksWindow, NewGameKeyResetsEverythingAndPausesFromAnyState) {
    TfrmGameBlocks& w = Open();
    Char('p');
    for (int i = 0; i < 40; ++i) {
        Key(vk::Down);
        w.tmrGameTimerTimer();
    }
    w.sysTumbloxDeleteBlock(w.sysTumblox);
    w.tmrTimeCodeTimer();
    Key(vk::Next);
    ASSERT_NE(Board(), QStringList(20, QString(15, '.')));
    Char('n');
    EXPECT_EQ(w.Score, 0);
    EXPECT_EQ(w.Seconds, 0);
    EXPECT_EQ(Interval(), 1000u);
    EXPECT_TRUE(w.Paused);
    EXPECT_EQ(w.Caption(), "Paused - Quorvel (Blocks)");
    EXPECT_EQ(w.lblScore->Caption(), "Score");
    EXPECT_EQ(w.lblTime->Caption(), "Time");
    EXPECT_EQ(Board(), QStringList(20, QString(15, '.')));
    // N acts while paused too.
    Char('n');
    EXPECT_TRUE(w.Paused);
}

TEST_F(BlocksWindow, BeepAndSoundToggledInPlayAreSavedOnClose) {
    TfrmGameBlocks& w = Open();
    // Only the letters themselves act, not characters that upper-case to them.
    QChar longS(0x017F);
    w.FormKeyPress(longS);
    EXPECT_TRUE(w.Options.UseSound);
    Char('b');
    Char('S');
    w.Close();
    Settle();
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), "[OptionsBlocks]\r\nBeepOnDrop=0\r\nUseSound=0\r\n");
    w.sysTumbloxDeleteBlock(w.sysTumblox);
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(BlocksWindow, AnUntouchedCloseAddsItsSectionWithBothSwitches) {
    WriteBytes("Quorvel.cfg", "[OptionsShapes]\r\nPlayerName=Sam\r\n");
    TfrmGameBlocks& w = Open();
    w.Close();
    Settle();
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), "[OptionsShapes]\r\nPlayerName=Sam\r\n\r\n"
                                        "[OptionsBlocks]\r\nBeepOnDrop=1\r\nUseSound=1\r\n");
}

TEST_F(BlocksWindow, ClosingKeepsWhatAnotherCopyConfirmedMeanwhileBesideTheSwitchPressedHere) {
    TfrmGameBlocks& w = Open();
    // Another copy of the program: its options dialog is confirmed during this game.
    TGameOptions other;
    other.Blocks.BeepOnDrop = false;
    WriteDialogOptions(other);
    Char('s');
    w.Close();
    Settle();
    const QByteArray cfg = ReadBytes("Quorvel.cfg");
    EXPECT_TRUE(cfg.contains("\r\n[OptionsBlocks]\r\nPlayerName=Pembo\r\nBeepOnDrop=0\r\n"
                             "UseSound=0\r\n"))
        << cfg.toStdString();
}

TEST_F(BlocksWindow, TheTableTakesTheBlocksPlayerAndAsksOnlyWhenItIsEmpty) {
    WriteBytes("Quorvel.cfg",
               "[OptionsShapes]\r\nPlayerName=Sam\r\n[OptionsBlocks]\r\nPlayerName=Zed\r\n");
    TfrmGameBlocks& named = Open();
    named.sysTumbloxDeleteBlock(named.sysTumblox);
    Key(vk::Home);
    EXPECT_TRUE(Dialogs.empty());
    EXPECT_TRUE(QString::fromUtf8(ReadBytes("Quorvel.ini")).contains("1=000000010,Zed\r\n"));

    WriteBytes("Quorvel.cfg", "[OptionsBlocks]\r\nPlayerName=\r\n");
    TfrmGameBlocks& unnamed = Open();
    unnamed.sysTumbloxDeleteBlock(unnamed.sysTumblox);
    unnamed.sysTumbloxDeleteBlock(unnamed.sysTumblox);
    Answer(true, "Ann");
    Key(vk::Home);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Input);
    EXPECT_EQ(Dialogs[0].Caption, "Highscores");
    EXPECT_EQ(Dialogs[0].Text, "Please Enter Your Name");
    EXPECT_TRUE(QString::fromUtf8(ReadBytes("Quorvel.ini")).contains("1=000000020,Ann\r\n"));
}

TEST_F(BlocksWindow, AMissingPictureIsReportedAndTheWindowPlaysOn) {
    QFile::remove(PathOf("bg.bmp"));
    TfrmGameBlocks& w = Open();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_TRUE(Dialogs[0].Text.contains("bg.bmp"));
    EXPECT_TRUE(w.sysTumblox->Playing());
    EXPECT_EQ(w.Options.PlayerName, "Pembo");
}

TEST_F(BlocksWindow, KeysAndPadButtonsActThroughTheBindingsOfTheOptionsFile) {
    WriteBytes("Quorvel.cfg", "[ControlsBlocks]\r\nMoveLeft=A\r\nPause=Space\r\nPadTurn=\r\n");
    TfrmGameBlocks& w = Open();
    auto press = [&w](int key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&w, &event);
    };
    press(Qt::Key_P, "p");
    EXPECT_TRUE(w.Paused) << "P pauses no more";
    press(Qt::Key_Space, " ");
    ASSERT_FALSE(w.Paused);
    const int x = w.sysTumblox->Piece().X;
    press(Qt::Key_Left, QString());
    EXPECT_EQ(w.sysTumblox->Piece().X, x);
    press(Qt::Key_A, "a");
    EXPECT_EQ(w.sysTumblox->Piece().X, x - 1);
    // Control with a letter types a control character, never a switch.
    press(Qt::Key_B, "\x02", Qt::ControlModifier);
    EXPECT_TRUE(w.Options.BeepOnDrop);
    press(Qt::Key_B, "B", Qt::ShiftModifier);
    EXPECT_FALSE(w.Options.BeepOnDrop);

    // A turns no more; the d-pad still moves and turns as the arrows do.
    const auto colors = w.sysTumblox->Piece().Colors;
    w.PadPressed(TPadButton::A);
    EXPECT_EQ(w.sysTumblox->Piece().Colors, colors);
    w.PadPressed(TPadButton::Up);
    EXPECT_EQ(w.sysTumblox->Piece().Colors, (std::array{colors[1], colors[2], colors[0]}));
    w.PadPressed(TPadButton::Right);
    EXPECT_EQ(w.sysTumblox->Piece().X, x);
    w.PadPressed(TPadButton::Start);
    EXPECT_TRUE(w.Paused);
}
