#pragma once

#include "game/GameWindow.h"
#include "game/GradProgress.h"
#include "shapes/Brickfall.h"
#include <QCoreApplication>

// The window in which Shapes is played. It opens paused; P starts and pauses play.
// The game timer steps the board, the keys move and turn the piece, completed rows
// score and may speed the game up, and a lost game ends in the Shapes high-score
// table, after which the window closes.
class TfrmGame : public TGameWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmGame)

public:
    explicit TfrmGame(QWidget* parent = nullptr);

    brickfall::TBrickfall* sysStacker = nullptr;
    TGraphicControl* NextWin = nullptr;
    TGradProgress* pbar1 = nullptr;
    TTextPanel* lblNextPeice = nullptr;
    TTextPanel* lblBonus = nullptr;

    void FormCreate();
    void FormKeyDown(int& Key) override;
    void FormKeyPress(QChar& Key) override;
    void tmrGameTimerTimer();
    void sysStackerNewPiece(brickfall::TBrickfall* Sender, int Piece);
    void sysStackerLineFull(brickfall::TBrickfall* Sender, int Lines);
    void sysStackerGameEnd(brickfall::TBrickfall* Sender);

    // Points for one landing that removed that many rows.
    static int32_t PointsFor(int lines);
};
