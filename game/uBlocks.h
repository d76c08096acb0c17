#pragma once

#include "blocks/Tumblox.h"
#include "game/GameWindow.h"
#include <QCoreApplication>

// The window in which Blocks is played. It opens paused; P starts and pauses play.
// Every removed block scores 10 and may speed the game up; the board's game over
// or the Home key ends the game in the Blocks high-score table, after which the
// window closes.
class TfrmGameBlocks : public TGameWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmGameBlocks)

public:
    explicit TfrmGameBlocks(QWidget* parent = nullptr);

    tumblox::TTumblox* sysTumblox = nullptr;
    TTextPanel* StaticText1 = nullptr;
    TTextPanel* StaticText2 = nullptr;

    void FormCreate();
    void FormKeyDown(int& Key) override;
    void FormKeyPress(QChar& Key) override;
    void tmrGameTimerTimer();
    void sysTumbloxDeleteBlock(tumblox::TTumblox* Sender);
    void sysTumbloxgameOver(tumblox::TTumblox* Sender);
};
