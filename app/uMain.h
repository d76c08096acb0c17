#pragma once

#include "app/Image.h"
#include "platform/sound/WavePlayer.h"
#include "platform/ui/Form.h"

#include <QCoreApplication>
#include <array>

// The main menu: a borderless window of six picture buttons over a gradient. Every
// button plays "Click.wav" first, then opens its window modally and destroys it when
// it closes, also after an error. Closing the menu ends the program. From the
// keyboard the buttons take the focus, Shapes first and again whenever a window
// opened from the menu has closed; the arrows move it within the grid and stop at
// its edges, Tab and Shift+Tab go in reading order, Return, Enter and Space click.
class TfrmMain : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TfrmMain)

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    // Sets the application folder, from which "Click.wav" is played.
    void FormCreate();
    // The Shapes game.
    void btnNewGameClick();
    // The Blocks game.
    void Button1Click();
    // The game chooser, then, only after OK, the chosen game's high-score table.
    void Image6Click();
    // The options dialog.
    void Image2Click();
    // The instructions.
    void Image7Click();
    // Waits a moment for the click to start, then closes the menu.
    void btnExitClick();
    void FormKeyDown(int& Key) override;
    // Shows the window before its pictures, which then still come in its first frame.
    void setVisible(bool visible) override;

    QString AppFolder() const { return FAppFolder; }

    TImage* Image5; // the background
    TImage* Image1;
    TImage* Image4;
    TImage* Image6;
    TImage* Image2;
    TImage* Image7;
    TImage* Image3;
    TWavePlayer* sysWave;

private:
    void PlayClick();

    // The buttons in reading order: the top row left to right, then the bottom row.
    std::array<TImage*, 6> FButtons{};

    QString FAppFolder;
};
