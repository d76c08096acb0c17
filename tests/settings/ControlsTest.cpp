#include "settings/Controls.h"
#include "settings/uControls.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

using ControlsDialog = TestFolder;

void Press(QWidget* target, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
}

// The Shapes page's key field of the action, in the page's order.
TKeyField* KeyField(TfrmControls& dialog, int row) {
    return dialog.Pages->widget(1)->findChildren<TKeyField*>().at(row);
}

TEST_F(ControlsDialog, ANewKeyIsWrittenWithEveryBindingOfBothGamesAndNothingUntilThen) {
    const QByteArray options = "[OptionsShapes]\r\nPlayerName=Ann\r\n";
    WriteBytes("Quorvel.cfg", options);
    {
        // Looked at and confirmed, or a key taken back to the one it had: no change.
        TfrmControls dialog;
        EXPECT_EQ(KeyField(dialog, 2)->text(), "Up");
        Press(KeyField(dialog, 2), Qt::Key_W);
        Press(KeyField(dialog, 2), Qt::Key_Up);
        dialog.OkClick();
    }
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), options);

    TfrmControls dialog;
    // Shift alone is no key; W turns in Shapes; no pad button pauses Blocks.
    Press(KeyField(dialog, 2), Qt::Key_Shift);
    Press(KeyField(dialog, 2), Qt::Key_W);
    EXPECT_EQ(KeyField(dialog, 2)->text(), "W");
    EXPECT_TRUE(dialog.ChoosePad(TGameKind::Blocks, TAction::Pause, std::nullopt));
    dialog.OkClick();
    EXPECT_EQ(ReadBytes("Quorvel.cfg").toStdString(),
              (options + "\r\n[ControlsShapes]\r\n"
                         "MoveLeft=Left\r\nMoveRight=Right\r\nTurn=W\r\nDrop=Down\r\n"
                         "StepDown=End\r\nEndGame=Home\r\nSlower=PgUp\r\nFaster=PgDown\r\n"
                         "Quit=Esc\r\nPause=P\r\nNewGame=N\r\nGrid=G\r\nBeep=B\r\nSound=S\r\n"
                         "PadMoveLeft=\r\nPadMoveRight=\r\nPadTurn=A\r\nPadDrop=B\r\n"
                         "PadStepDown=X\r\nPadEndGame=\r\nPadSlower=LB\r\nPadFaster=RB\r\n"
                         "PadQuit=Back\r\nPadPause=Start\r\nPadNewGame=Y\r\nPadGrid=\r\n"
                         "PadBeep=\r\nPadSound=\r\n"
                         "\r\n[ControlsBlocks]\r\n"
                         "MoveLeft=Left\r\nMoveRight=Right\r\nTurn=Up\r\nDrop=Down\r\n"
                         "StepDown=End\r\nEndGame=Home\r\nSlower=PgUp\r\nFaster=PgDown\r\n"
                         "Quit=Esc\r\nPause=P\r\nNewGame=N\r\nBeep=B\r\nSound=S\r\n"
                         "PadMoveLeft=\r\nPadMoveRight=\r\nPadTurn=A\r\nPadDrop=B\r\n"
                         "PadStepDown=X\r\nPadEndGame=\r\nPadSlower=LB\r\nPadFaster=RB\r\n"
                         "PadQuit=Back\r\nPadPause=\r\nPadNewGame=Y\r\nPadBeep=\r\nPadSound=\r\n")
                  .toStdString());
    const TControls shapes = ReadControls(TGameKind::Shapes);
    EXPECT_EQ(shapes.ActionOfKey(Qt::Key_W), TAction::Turn);
    EXPECT_EQ(shapes.ActionOfKey(Qt::Key_Up), std::nullopt);
    EXPECT_EQ(ReadControls(TGameKind::Blocks).ActionOfPad(TPadButton::Start), std::nullopt);

    // Reset to defaults shows today's bindings again, and Ok writes them.
    TfrmControls again;
    EXPECT_EQ(again.Shown(TGameKind::Shapes), shapes);
    again.ResetClick();
    EXPECT_EQ(KeyField(again, 2)->text(), "Up");
    again.OkClick();
    EXPECT_EQ(ReadControls(TGameKind::Shapes), DefaultControls(TGameKind::Shapes));
    EXPECT_EQ(ReadControls(TGameKind::Blocks), DefaultControls(TGameKind::Blocks));
}

TEST_F(ControlsDialog, AKeyOrButtonAnotherActionHoldsIsRefusedNamingThatAction) {
    TfrmControls dialog;
    Press(KeyField(dialog, 9), Qt::Key_Left);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Warning);
    EXPECT_EQ(Dialogs[0].Text, "The key Left is already used for \"Move Left\".");
    EXPECT_EQ(KeyField(dialog, 9)->text(), "P");
    EXPECT_FALSE(dialog.ChoosePad(TGameKind::Blocks, TAction::EndGame, TPadButton::A));
    EXPECT_EQ(Dialogs.back().Text, "The button A is already used for \"Cycle Colours\".");
    // The same key in the other game is no conflict.
    EXPECT_TRUE(dialog.ChooseKey(TGameKind::Blocks, TAction::Pause, Qt::Key_G));
    EXPECT_EQ(Dialogs.size(), 2u);
    dialog.CancelClick();
    EXPECT_FALSE(QFile::exists(PathOf("Quorvel.cfg")));
}

TEST_F(ControlsDialog, HandEditedBindingsThatNameNoKeyReadAsTheDefaults) {
    WriteBytes("Quorvel.cfg", "[ControlsBlocks]\r\nMoveLeft=Ctrl+A\r\nDrop=Nonsense\r\n"
                              "Pause=f5\r\nPadTurn=Z\r\nPadPause=lb\r\nPadQuit=\r\n");
    const TControls read = ReadControls(TGameKind::Blocks);
    TControls expected = DefaultControls(TGameKind::Blocks);
    expected.KeyOf(TAction::Pause) = Qt::Key_F5;
    expected.PadOf(TAction::Pause) = TPadButton::LeftShoulder;
    expected.PadOf(TAction::Quit).reset();
    EXPECT_EQ(read, expected);
    // Where a file gives one button twice, the first action in the game's order has it.
    EXPECT_EQ(read.ActionOfPad(TPadButton::LeftShoulder), TAction::Slower);
}

} // namespace
