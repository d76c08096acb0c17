#include "game/uBlocks.h"

#include "platform/ui/Application.h"
#include "platform/ui/Beep.h"

TfrmGameBlocks::TfrmGameBlocks(QWidget* parent)
    : TGameWindow(QT_TRANSLATE_NOOP("Game", "Quorvel (Blocks)"), 15, WriteBlocksToggles, parent) {
    SetBorder(TBorder::Single, TIcons::CloseOnly);

    sysTumblox = new tumblox::TTumblox(this);
    sysTumblox->SetBounds(20, 26, 386, 513);
    sysTumblox->SetDrawInner(true);
    sysTumblox->SetDrawBorder(false);
    sysTumblox->SetBlockType(tumblox::btButton);
    sysTumblox->SetColumns(15);
    sysTumblox->SetOnDeleteBlock([this](tumblox::TTumblox* s) { sysTumbloxDeleteBlock(s); });
    sysTumblox->SetOngameOver([this](tumblox::TTumblox* s) { sysTumbloxgameOver(s); });

    lblScore = new TTextPanel(this, 418, 26, 158, 55, tr("Score"));
    lblTime = new TTextPanel(this, 418, 92, 158, 55, tr("Time"));
    //: The game's name on a panel of its window
    StaticText1 = new TTextPanel(this, 422, 161, 149, 45, tr("Quorvel Blocks"));
    //: The game's motto on a panel of its window: stack the blocks, line up three of a colour
    StaticText2 = new TTextPanel(this, 421, 425, 149, 45, tr("Stack them, match three"));

    tmrGameTimer.SetOnTimer([this] { tmrGameTimerTimer(); });
    CenterOnScreen();
    Application::Guard([this] { FormCreate(); });
}

void TfrmGameBlocks::FormCreate() {
    SetPaused(true);
    Score = 0;
    Minutes = 0;
    Seconds = 0;
    sysTumblox->NewGame();
    LoadBackground();
    Options = ReadBlocksOptions();
    FOptionsRead = Options;
    FControls = ReadControls(TGameKind::Blocks);
}

void TfrmGameBlocks::tmrGameTimerTimer() {
    if (Paused) return;
    sysTumblox->StepDown();
    if (Options.BeepOnDrop) MessageBeep();
}

void TfrmGameBlocks::FormKeyDown(int& Key) {
    if (!Paused) {
        switch (Key) {
        case vk::Left:
            sysTumblox->MoveLeft();
            return;
        case vk::Right:
            sysTumblox->MoveRight();
            return;
        case vk::Up:
            sysTumblox->CycleColors();
            return;
        case vk::Down:
            sysTumblox->Drop();
            return;
        case vk::End:
            // Once a step has ended the game the board is done: no further steps.
            for (int i = 0; i < 3 && !Paused; ++i)
                sysTumblox->StepDown();
            return;
        }
    }
    if (Key == vk::Home) {
        sysTumbloxgameOver(sysTumblox);
        return;
    }
    CommonKeyDown(Key);
}

void TfrmGameBlocks::FormKeyPress(QChar& Key) {
    switch (LetterOf(Key)) {
    case 'B':
        Options.BeepOnDrop = !Options.BeepOnDrop;
        break;
    case 'S':
        Options.UseSound = !Options.UseSound;
        break;
    case 'P':
        TogglePause();
        break;
    case 'N':
        ResetGame();
        sysTumblox->NewGame();
        break;
    }
}

void TfrmGameBlocks::sysTumbloxDeleteBlock(tumblox::TTumblox*) {
    // Started again for every block: several removed at once sound as one.
    PlaySound("Line Done.wav");
    AddScore(10);
    if (SpeedsUpOnCompletion()) SpeedUp(100);
}

void TfrmGameBlocks::sysTumbloxgameOver(tumblox::TTumblox*) {
    EndGame();
}
