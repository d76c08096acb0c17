#include "game/uGame.h"

#include "platform/ui/Application.h"
#include "platform/ui/Beep.h"

TfrmGame::TfrmGame(QWidget* parent)
    : TGameWindow(QT_TRANSLATE_NOOP("Game", "Quorvel (Shapes)"), 30, WriteShapesToggles, parent) {
    SetBorder(TBorder::Single, TIcons::CloseOnly);

    sysStacker = new brickfall::TBrickfall(this);
    sysStacker->move(22, 29);
    sysStacker->SetColor(clBlack);
    sysStacker->SetGridColor(clWhite);
    sysStacker->SetBlockSize(18);
    sysStacker->SetRows(28);
    sysStacker->SetColumns(21);
    sysStacker->SetDrawGrid(true);
    sysStacker->SetUseDefaultPieces(false);
    sysStacker->SetPieces(brickfall::WindowPieceStrings());
    sysStacker->SetOnLineFull(
        [this](brickfall::TBrickfall* s, int n) { sysStackerLineFull(s, n); });
    sysStacker->SetOnGameEnd([this](brickfall::TBrickfall* s) { sysStackerGameEnd(s); });
    sysStacker->SetOnNewPiece(
        [this](brickfall::TBrickfall* s, int p) { sysStackerNewPiece(s, p); });

    NextWin = new TGraphicControl(this);
    NextWin->SetBounds(419, 446, 153, 89);

    lblNextPeice = new TTextPanel(this, 417, 420, 158, 24, tr("Next Piece"));
    lblScore = new TTextPanel(this, 418, 26, 158, 55, tr("Score"));
    lblTime = new TTextPanel(this, 418, 92, 158, 55, tr("Time"));
    lblBonus = new TTextPanel(this, 418, 157, 158, 127, tr("Line Bonus"));

    pbar1 = new TGradProgress(this);
    pbar1->SetBounds(473, 29, 101, 19);
    pbar1->SetStartColor(clAqua);
    pbar1->SetEndColor(clBlue);
    pbar1->SetBackColor(clBtnFace);
    pbar1->SetBevelStyle(TBevelStyle::bsLowered);
    pbar1->SetBevelWidth(1);
    pbar1->SetPosition(0);
    pbar1->SetMaxValue(100);
    pbar1->SetStep(1);
    pbar1->SetShowPercent(false);
    pbar1->SetTextColor(clWhite);
    pbar1->TextFont().setPixelSize(13);
    // The bar sits inside the score panel's area, beside the word "Score".
    pbar1->raise();

    tmrGameTimer.SetOnTimer([this] { tmrGameTimerTimer(); });
    CenterOnScreen();
    Application::Guard([this] { FormCreate(); });
}

void TfrmGame::FormCreate() {
    SetPaused(true);
    Score = 0;
    Minutes = 0;
    Seconds = 0;
    LoadBackground();
    Options = ReadShapesOptions();
    FOptionsRead = Options;
    FControls = ReadControls(TGameKind::Shapes);
    sysStacker->SetDrawGrid(Options.DrawGrid);
    sysStacker->SetUseDefaultPieces(Options.UseDefaultPieces);
    sysStacker->NewGame();
}

void TfrmGame::tmrGameTimerTimer() {
    if (Paused) return;
    sysStacker->StepDown();
    pbar1->SetMaxValue(sysStacker->Rows());
    pbar1->SetPosition(sysStacker->EmptyRowsAtTop());
    if (Options.BeepOnDrop) MessageBeep();
}

void TfrmGame::sysStackerNewPiece(brickfall::TBrickfall*, int) {
    if (!Options.ShowPiece) return;
    TCanvas& canvas = NextWin->Canvas();
    canvas.SetBrushColor(sysStacker->Color());
    canvas.FillRect({0, 0, NextWin->Width(), NextWin->Height()});
    sysStacker->DrawPieceAt(canvas, 1, 1, sysStacker->NextPiece());
}

int32_t TfrmGame::PointsFor(int lines) {
    static constexpr int multipliers[] = {1, 1, 2, 4, 5, 8};
    const int multiplier = lines >= 1 && lines <= 5 ? multipliers[lines] : 1;
    return multiplier * 10;
}

void TfrmGame::sysStackerLineFull(brickfall::TBrickfall*, int Lines) {
    const int32_t points = PointsFor(Lines);
    AddScore(points);
    lblBonus->SetCaption(tr("Line Bonus") + "\n\r" +
                         //: The rows the last landing completed, on a line of the bonus panel
                         tr("Lines =%1").arg(Lines) + "\n\r" +
                         //: The points the last landing earned, on a line of the bonus panel
                         tr("Points = %1").arg(points));
    // Once per landing, however many rows it removed.
    if (SpeedsUpOnCompletion()) SpeedUp(10);
    PlaySound("Line Done.wav");
}

void TfrmGame::sysStackerGameEnd(brickfall::TBrickfall*) {
    EndGame();
}

void TfrmGame::FormKeyDown(int& Key) {
    if (!Paused) {
        switch (Key) {
        case vk::Left:
            sysStacker->MoveLeft();
            return;
        case vk::Right:
            sysStacker->MoveRight();
            return;
        case vk::Up:
            sysStacker->Rotate(1);
            return;
        case vk::Down:
            sysStacker->Drop();
            return;
        case vk::End:
            // Once a step has ended the game the board is done: no further steps.
            for (int i = 0; i < 3 && !Paused; ++i)
                sysStacker->StepDown();
            return;
        case vk::Home:
            sysStackerGameEnd(sysStacker);
            return;
        }
    }
    CommonKeyDown(Key);
}

void TfrmGame::FormKeyPress(QChar& Key) {
    switch (LetterOf(Key)) {
    case 'G':
        Options.DrawGrid = !Options.DrawGrid;
        sysStacker->SetDrawGrid(Options.DrawGrid);
        break;
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
        if (Paused) break;
        ResetGame();
        lblBonus->SetCaption(tr("Lines Bonus"));
        sysStacker->NewGame();
        sysStacker->InitPieces();
        break;
    }
}
