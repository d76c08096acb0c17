#pragma once

#include "platform/loader/Library.h"

#include <SDL2/SDL.h>

// SDL is not linked into the program: the game pads' reader opens it once the menu has
// drawn its first frame, as the sound thread opens the sound server's library, so that
// neither the loader nor SDL's start delay the first window. Without it the program
// runs as it does without a pad.
//
// Every function of the library that the program calls is listed here, each entry with
// the type its header declares, so that a call that does not match the header fails to
// compile, and one that bypasses the table fails to link.
#define QUORVEL_SDL_FUNCTIONS(X)                                                                   \
    X(SDL_SetHint)                                                                                 \
    X(SDL_InitSubSystem)                                                                           \
    X(SDL_QuitSubSystem)                                                                           \
    X(SDL_GetError)                                                                                \
    X(SDL_PollEvent)                                                                               \
    X(SDL_NumJoysticks)                                                                            \
    X(SDL_IsGameController)                                                                        \
    X(SDL_GameControllerOpen)                                                                      \
    X(SDL_GameControllerClose)                                                                     \
    X(SDL_GameControllerName)                                                                      \
    X(SDL_GameControllerGetJoystick)                                                               \
    X(SDL_JoystickInstanceID)

struct TSdlLibrary {
    QUORVEL_SDL_FUNCTIONS(QUORVEL_LIBRARY_ENTRY)
};

// The library's file name, as its binary package installs it.
inline constexpr const char* kSdlLibraryFile = "libSDL2-2.0.so.0";

// Opens the library named file (once per name; it stays loaded) and gives its table,
// or nullptr where the library or one of the functions is missing.
const TSdlLibrary* SdlLibrary(const char* file = kSdlLibraryFile);
