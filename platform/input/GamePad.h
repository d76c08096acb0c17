#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <map>
#include <utility>
#include <vector>

struct _SDL_GameController;
struct TSdlLibrary;

// What a pad can press, whatever its make: SDL's game-controller layout.
enum class TPadButton {
    Left,
    Right,
    Up,
    Down,
    A,
    B,
    X,
    Y,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
};
inline constexpr int kPadButtonCount = 12;

// How a held direction repeats: first after Delay, then every Interval (ms).
struct TPadRepeat {
    int Delay = 170;
    int Interval = 50;
};

// The directions one pad holds: its d-pad's and its left stick's, read apart and
// joined, so that a direction held on either is held, and a stick that wobbles about
// its threshold while the d-pad holds the same way does not cut the d-pad's repeat.
// The stick has a dead zone with hysteresis: a direction is taken at half way and let
// go only below a third, so a resting or worn stick stays quiet.
class TPadDirections {
public:
    explicit TPadDirections(TPadRepeat repeat = {}) : FRepeat(repeat) {}

    void SetDpad(TPadButton direction, bool held);
    // The stick's axes, -32768 to 32767 each, positive to the right and down.
    void SetStick(int x, int y);
    // The presses due at `now` (ms on any steady clock), each with whether it is a
    // repeat: a direction just taken at once, then its repeats. A repeat that the
    // caller comes to late is given once, not made up for in a burst.
    std::vector<std::pair<TPadButton, bool>> Due(qint64 now);
    bool AnyHeld() const;

private:
    struct TDirection {
        bool Dpad = false;
        bool Stick = false;
        bool PressPending = false;
        qint64 Next = -1;
    };
    void Hold(int index, bool dpad, bool held);
    static int IndexOf(TPadButton direction) { return static_cast<int>(direction); }

    TPadRepeat FRepeat;
    std::array<TDirection, 4> FDirections{};
};

// Every game pad plugged in, read through SDL's game-controller layer on the GUI
// thread: a timer reads them every few milliseconds while a pad is there, and looks
// for one four times a second while none is. Each press reaches Pressed, a pad pulled
// out reaches Removed. A handler that may open a modal window connects queued: the
// pads are not read again until this read has returned. docs/gamepad.md says why
// this way.
class TGamePads : public QObject {
    Q_OBJECT

public:
    // Opens SDL (its game-controller subsystem alone, its signal handlers off) and
    // starts reading. Where the library is missing or will not start, nothing happens
    // and Instance stays nullptr.
    static void Start(TPadRepeat repeat = {}, const char* library = nullptr);
    static TGamePads* Instance();
    // How many pads are open now.
    int Count() const { return static_cast<int>(FPads.size()); }

signals:
    void Pressed(TPadButton button, bool repeat);
    void Added();
    void Removed();

private:
    TGamePads(const TSdlLibrary& sdl, TPadRepeat repeat);
    void Poll();
    void Open(int deviceIndex);
    void Close(int instance);

    struct TPad {
        _SDL_GameController* Controller = nullptr;
        TPadDirections Directions;
        int StickX = 0;
        int StickY = 0;
    };

    const TSdlLibrary& FSdl;
    TPadRepeat FRepeat;
    std::map<int, TPad> FPads;
    QTimer FTimer;
    QElapsedTimer FClock;
};
