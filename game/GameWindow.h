#pragma once

#include "game/TextPanel.h"
#include "platform/sound/WavePlayer.h"
#include "platform/ui/Form.h"
#include "platform/ui/Timer.h"
#include "settings/Controls.h"
#include "settings/OptionsFile.h"

#include <QCoreApplication>
#include <QLabel>

// What the Shapes and the Blocks windows do alike: the pause flag and its caption,
// score and time panels, the game timer's interval arithmetic, the time count, the
// background picture, sounds, the quit question and the end of a game into the
// high-score table.
class TGameWindow : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TGameWindow)

public:
    ToptionsRec Options;
    bool Paused = true;
    int32_t Score = 0;
    int32_t Minutes = 0;
    int32_t Seconds = 0;

    QLabel* imgBG = nullptr;
    TTextPanel* lblScore = nullptr;
    TTextPanel* lblTime = nullptr;
    TTimer tmrGameTimer;
    TTimer tmrTimeCode;
    TWavePlayer* sysWave = nullptr;

    // Time tick: one more second of play, the timed speed-up once a minute, the panel.
    void tmrTimeCodeTimer();
    // Another program has taken the keyboard focus: a running game pauses as P would
    // pause it; a paused or ended one is left alone. Getting the focus back resumes
    // nothing.
    void ApplicationDeactivate();

    // Every way of closing, and the session manager's request, write the switches;
    // once written they count as read, so a later close keeps what another copy
    // stores meanwhile for a switch the player leaves alone from then on.
    void FormClose() override { SaveToggles(); }
    void FormCommitData() override { SaveToggles(); }

    // A pad's press while this window is the active one: the action its button stands
    // for, as that action's key would do it.
    void PadPressed(TPadButton button);

    QString AppFolder() const { return FAppFolder; }
    // "Time\n\r" + MM:SS, each part with a leading zero below 10.
    static QString TimeText(int32_t minutes, int32_t seconds);
    static QString ScoreText(int32_t score);

protected:
    // Writes the switches the player can toggle in play into the options file, given
    // the options as the window read them (settings/OptionsFile.h).
    using TWriteToggles = void (*)(const ToptionsRec& options, const ToptionsRec* asRead);

    // title: the game's name, "Quorvel (Shapes)" or "Quorvel (Blocks)", which is also
    // the name of its high-score table; speedUpSecond: the second of each minute of
    // play at which the timed speed-up comes; writeToggles: the game's own switches.
    TGameWindow(const QString& title, int speedUpSecond, TWriteToggles writeToggles,
                QWidget* parent);

    void SetPaused(bool paused);
    // The P key, in both windows.
    void TogglePause() { SetPaused(!Paused); }
    // Shows "bg.bmp" from the application folder; a picture that cannot be loaded is
    // reported in a message box and the window goes on without one.
    void LoadBackground();
    // Plays a wave file from the application folder when sounds are on.
    void PlaySound(const QString& name);
    void AddScore(int32_t points);
    // Page Up: slower by 100 ms while below 3000 ms.
    void SlowDown();
    // Faster by step while above 75 ms; a 100-ms step from 76..99 ms stops at 0,
    // which the unsigned interval must never go below.
    void SpeedUp(unsigned step);
    // The speed-up choices of the options: on completions, on time, or on both.
    bool SpeedsUpOnCompletion() const { return Options.SpeedUpOnLine || Options.SpeedUpOnBoth; }
    bool SpeedsUpOnTime() const { return !Options.SpeedUpOnLine || Options.SpeedUpOnBoth; }
    // The key's letter in upper case, for the ASCII letters only; 0 for anything else,
    // so that no other character that merely upper-cases to one of them acts.
    static char LetterOf(QChar key);
    // Score, time and speed back to their start, paused.
    void ResetGame();
    // Options as FormCreate read them, or as the switches were last written: on close, a
    // switch the player left alone is not written over what another copy of the
    // program stored meanwhile.
    ToptionsRec FOptionsRead;
    // Page Up, Page Down and Escape act alike in both windows, paused or not. True
    // when the key was one of them.
    bool CommonKeyDown(int key);
    // The keys and pad buttons of the game's actions, read as the window is created.
    TControls FControls;
    // Does what the action's key has always done: FormKeyDown with its virtual key, or
    // FormKeyPress with its letter.
    void Perform(TAction action);
    // A key acts through the action it is bound to; a key bound to none does nothing.
    void keyPressEvent(QKeyEvent* event) override;
    // The end of a game: sound, pause, game timer off, the high-score table shown
    // modally and destroyed, then this window closes (once the current event is over).
    void EndGame();

private:
    void SaveToggles();

    TWriteToggles FWriteToggles;
    QString FTitle;
    int FSpeedUpSecond;
    QString FAppFolder;
};
