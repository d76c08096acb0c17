#include "platform/input/GamePad.h"

#include "platform/input/SdlLibrary.h"

#include <cstdlib>

namespace {

// The stick takes a direction at half way and lets it go below a third.
constexpr int kStickTake = 16384;
constexpr int kStickLetGo = 10923;
// Reading a pad every 8 ms keeps a press within a frame of the screen; with none
// there, a pad plugged in is found within a quarter of a second.
constexpr int kReadInterval = 8;
constexpr int kLookInterval = 250;

TGamePads* gInstance = nullptr;

bool StickHolds(bool held, int value, int sign) {
    const int along = value * sign;
    return held ? along >= kStickLetGo : along >= kStickTake;
}

} // namespace

void TPadDirections::Hold(int index, bool dpad, bool held) {
    TDirection& direction = FDirections[static_cast<size_t>(index)];
    const bool before = direction.Dpad || direction.Stick;
    (dpad ? direction.Dpad : direction.Stick) = held;
    const bool now = direction.Dpad || direction.Stick;
    if (now && !before) direction.PressPending = true;
    // A tap let go before it was read is still one press, with no repeat.
    if (!now) direction.Next = -1;
}

void TPadDirections::SetDpad(TPadButton direction, bool held) {
    Hold(IndexOf(direction), true, held);
}

void TPadDirections::SetStick(int x, int y) {
    auto stick = [this](TPadButton direction) {
        return FDirections[static_cast<size_t>(IndexOf(direction))].Stick;
    };
    const bool left = StickHolds(stick(TPadButton::Left), x, -1);
    const bool right = StickHolds(stick(TPadButton::Right), x, 1);
    const bool up = StickHolds(stick(TPadButton::Up), y, -1);
    const bool down = StickHolds(stick(TPadButton::Down), y, 1);
    Hold(IndexOf(TPadButton::Left), false, left);
    Hold(IndexOf(TPadButton::Right), false, right);
    Hold(IndexOf(TPadButton::Up), false, up);
    Hold(IndexOf(TPadButton::Down), false, down);
}

bool TPadDirections::AnyHeld() const {
    for (const TDirection& direction : FDirections)
        if (direction.Dpad || direction.Stick) return true;
    return false;
}

std::vector<std::pair<TPadButton, bool>> TPadDirections::Due(qint64 now) {
    std::vector<std::pair<TPadButton, bool>> due;
    for (int i = 0; i < 4; ++i) {
        TDirection& direction = FDirections[static_cast<size_t>(i)];
        const auto button = static_cast<TPadButton>(i);
        if (direction.PressPending) {
            direction.PressPending = false;
            direction.Next = direction.Dpad || direction.Stick ? now + FRepeat.Delay : -1;
            due.emplace_back(button, false);
        } else if (direction.Next >= 0 && now >= direction.Next) {
            due.emplace_back(button, true);
            direction.Next += FRepeat.Interval;
            if (direction.Next <= now) direction.Next = now + FRepeat.Interval;
        }
    }
    return due;
}

void TGamePads::Start(TPadRepeat repeat, const char* library) {
    if (gInstance) return;
    const TSdlLibrary* sdl = SdlLibrary(library ? library : kSdlLibraryFile);
    if (!sdl) return;
    // The program ends on the session's signals its own way; SDL must not take them.
    sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // No window of SDL's: every pad's events come, and the program keeps them from
    // windows that are not active itself.
    sdl->SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // SDL reads SDL_GAMECONTROLLERCONFIG and SDL_GAMECONTROLLER_IGNORE_DEVICES, as a
    // launcher such as Steam sets them, from the environment as it starts.
    if (sdl->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    gInstance = new TGamePads(*sdl, repeat);
}

TGamePads* TGamePads::Instance() {
    return gInstance;
}

TGamePads::TGamePads(const TSdlLibrary& sdl, TPadRepeat repeat) : FSdl(sdl), FRepeat(repeat) {
    FClock.start();
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TGamePads::Poll);
    FTimer.start(kLookInterval);
    // The pads already there arrive as added events on the first read.
    Poll();
}

void TGamePads::Open(int deviceIndex) {
    if (!FSdl.SDL_IsGameController(deviceIndex)) return;
    _SDL_GameController* controller = FSdl.SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const int instance =
        FSdl.SDL_JoystickInstanceID(FSdl.SDL_GameControllerGetJoystick(controller));
    if (FPads.count(instance)) {
        FSdl.SDL_GameControllerClose(controller);
        return;
    }
    FPads[instance] = TPad{controller, TPadDirections(FRepeat)};
    emit Added();
}

void TGamePads::Close(int instance) {
    const auto found = FPads.find(instance);
    if (found == FPads.end()) return;
    FSdl.SDL_GameControllerClose(found->second.Controller);
    FPads.erase(found);
    emit Removed();
}

void TGamePads::Poll() {
    SDL_Event event;
    while (FSdl.SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Open(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            Close(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const auto pad = FPads.find(event.cbutton.which);
            if (pad == FPads.end()) break;
            const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
            TPadDirections& directions = pad->second.Directions;
            switch (event.cbutton.button) {
            case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
                directions.SetDpad(TPadButton::Left, down);
                break;
            case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
                directions.SetDpad(TPadButton::Right, down);
                break;
            case SDL_CONTROLLER_BUTTON_DPAD_UP:
                directions.SetDpad(TPadButton::Up, down);
                break;
            case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
                directions.SetDpad(TPadButton::Down, down);
                break;
            default: {
                static const std::map<int, TPadButton> buttons = {
                    {SDL_CONTROLLER_BUTTON_A, TPadButton::A},
                    {SDL_CONTROLLER_BUTTON_B, TPadButton::B},
                    {SDL_CONTROLLER_BUTTON_X, TPadButton::X},
                    {SDL_CONTROLLER_BUTTON_Y, TPadButton::Y},
                    {SDL_CONTROLLER_BUTTON_BACK, TPadButton::Back},
                    {SDL_CONTROLLER_BUTTON_START, TPadButton::Start},
                    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, TPadButton::LeftShoulder},
                    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, TPadButton::RightShoulder},
                };
                const auto button = buttons.find(event.cbutton.button);
                if (down && button != buttons.end()) emit Pressed(button->second, false);
            }
            }
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const auto pad = FPads.find(event.caxis.which);
            if (pad == FPads.end()) break;
            TPad& state = pad->second;
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                state.StickX = event.caxis.value;
            else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                state.StickY = event.caxis.value;
            else
                break;
            state.Directions.SetStick(state.StickX, state.StickY);
            break;
        }
        default:
            break;
        }
    }
    const qint64 now = FClock.elapsed();
    for (auto& pad : FPads)
        for (const auto& [button, repeat] : pad.second.Directions.Due(now))
            emit Pressed(button, repeat);
    const int interval = FPads.empty() ? kLookInterval : kReadInterval;
    if (FTimer.interval() != interval) FTimer.setInterval(interval);
}
