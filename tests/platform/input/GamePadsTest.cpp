// The pads' reader against SDL itself, with a virtual game controller of SDL's: the
// same library the program opens (linked here, so dlopen finds it loaded), its events
// read by the reader's own timer.

#include "platform/input/GamePad.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

namespace {

using TPresses = std::vector<std::pair<TPadButton, bool>>;

// Lets the reader's timer run until the condition holds or a second has passed.
template <class TCondition> bool Within(TCondition condition, int ms = 1000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

int AttachPad(Uint16 vendor, Uint16 product) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.vendor_id = vendor;
    desc.product_id = product;
    desc.name = "Quorvel test pad";
    return SDL_JoystickAttachVirtualEx(&desc);
}

TEST(GamePads, AVirtualPadIsFoundReadAndLostThroughSdl) {
    TGamePads::Start(TPadRepeat{100, 40});
    TGamePads* pads = TGamePads::Instance();
    ASSERT_NE(pads, nullptr) << "libSDL2-2.0.so.0 should be installed where this is built";
    TPresses presses;
    int removed = 0;
    QObject::connect(pads, &TGamePads::Pressed,
                     [&](TPadButton button, bool repeat) { presses.emplace_back(button, repeat); });
    QObject::connect(pads, &TGamePads::Removed, [&] { ++removed; });

    const int device = AttachPad(0, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    ASSERT_NE(joystick, nullptr) << SDL_GetError();
    ASSERT_TRUE(Within([&] { return pads->Count() == 1; })) << "the pad was not found";

    // Buttons press once, on the way down.
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_START, 1);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1);
    ASSERT_TRUE(Within([&] { return presses.size() == 2; }));
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_START, 0);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0);
    EXPECT_EQ(presses, (TPresses{{TPadButton::Start, false}, {TPadButton::RightShoulder, false}}));

    // The stick held left presses, then repeats by the timing given; the d-pad joins in
    // without a press of its own.
    presses.clear();
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -30000);
    ASSERT_TRUE(Within([&] { return presses.size() >= 3; }));
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    const size_t both = presses.size();
    ASSERT_TRUE(Within([&] { return presses.size() > both; }));
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
    const size_t held = presses.size();
    ASSERT_TRUE(Within([&] { return presses.size() >= held + 2; }));
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
    Within([] { return false; }, 100);
    const size_t released = presses.size();
    EXPECT_EQ(presses.front(), std::make_pair(TPadButton::Left, false));
    for (size_t i = 1; i < presses.size(); ++i)
        EXPECT_EQ(presses[i], std::make_pair(TPadButton::Left, true)) << i;
    Within([] { return false; }, 150);
    EXPECT_EQ(presses.size(), released) << "a let-go direction repeats";

    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(device);
    EXPECT_TRUE(Within([&] { return removed == 1 && pads->Count() == 0; }));
}

} // namespace
