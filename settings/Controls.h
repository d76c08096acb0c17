#pragma once

#include "platform/input/GamePad.h"

#include <QString>
#include <array>
#include <optional>

// What a player can do in a game, each by a key and, where it has one, a pad button.
// The games act on the keys they always had (platform/ui/Form.h's virtual keys and the
// letters); a binding only says which key or button stands for which of them.
enum class TAction {
    MoveLeft,
    MoveRight,
    Turn, // turns the piece in Shapes, cycles the colours in Blocks
    Drop,
    StepDown,
    EndGame,
    Slower,
    Faster,
    Quit,
    Pause,
    NewGame,
    Grid, // Shapes only
    Beep,
    Sound,
};
inline constexpr int kActionCount = 14;

enum class TGameKind { Shapes, Blocks };

// One game's bindings: a Qt key per action (never 0 for a game's own actions) and a
// pad button per action, or none.
struct TControls {
    TGameKind Game = TGameKind::Shapes;
    std::array<int, kActionCount> Keys{};
    std::array<std::optional<TPadButton>, kActionCount> Pad{};

    bool operator==(const TControls&) const = default;

    int& KeyOf(TAction action) { return Keys[static_cast<size_t>(action)]; }
    int KeyOf(TAction action) const { return Keys[static_cast<size_t>(action)]; }
    std::optional<TPadButton>& PadOf(TAction action) { return Pad[static_cast<size_t>(action)]; }
    std::optional<TPadButton> PadOf(TAction action) const {
        return Pad[static_cast<size_t>(action)];
    }
    // The action the key stands for in this game, if any; the first in the game's
    // order where a hand-edited file gave one key twice.
    std::optional<TAction> ActionOfKey(int key) const;
    // The action a pad button stands for: the d-pad moves, turns and drops as the
    // arrow keys do, the other buttons as bound.
    std::optional<TAction> ActionOfPad(TPadButton button) const;
};

// The game's actions, in the order the Controls page lists them; count: how many.
const TAction* ActionsOf(TGameKind game, int& count);
// The action's name as the player reads it, translated.
QString ActionText(TGameKind game, TAction action);
// The virtual key (platform/ui/Form.h) or the letter the game acts on for the action:
// one of the two is 0.
int ActionVirtualKey(TAction action);
char ActionLetter(TAction action);

// Today's keys and buttons: the arrows, End, Home, Page Up and Down, Escape, P, N, G,
// B and S; A turns, B drops, X steps down, Y starts anew, Start pauses, Back quits,
// the shoulder buttons go slower and faster.
TControls DefaultControls(TGameKind game);

// The key's portable name ("Left", "PgUp", "Esc", "P"), as the options file keeps it,
// and back; 0 for a name that is no single key.
QString KeyName(int key);
int KeyOfName(const QString& name);
// The key's name in the player's language, as a control shows it.
QString KeyText(int key);
// The pad button's name in the file ("A", "LB") and, translated, on the screen.
QString PadButtonName(TPadButton button);
std::optional<TPadButton> PadButtonOfName(const QString& name);
QString PadButtonText(TPadButton button);

// The options file's sections "ControlsShapes" and "ControlsBlocks": each action's key
// by name, then "Pad" and the action's name with its button, or empty for none. A
// missing file, section or key, or a name that is no key or button, reads as the
// default; the file has them only once the player has changed a binding.
TControls ReadControls(TGameKind game);
// Both games' bindings, every key of both sections, in one change of the file.
void WriteControls(const TControls& shapes, const TControls& blocks);

// How a held pad direction repeats: the options file's "GamePad" section, "RepeatDelay"
// and "RepeatInterval" in milliseconds, which the program never writes; 170 and 50
// where missing or out of 10..2000.
TPadRepeat ReadPadRepeat();
