/* Prints what SDL's game controller layer makes of the game pads it meets, one line
 * per event, so that a script driving an emulated pad can check what a program sees:
 *
 *   ready                    SDL is up; devices plugged from now on come by hotplug
 *   added <name>             a pad with a mapping was opened (<name> from the mapping)
 *   removed                  an opened pad went away
 *   button <name> down|up    <name> as SDL_GameControllerGetStringForButton gives it
 *   axis <name> <value>
 *
 * It sets up SDL as the program does (no signal handlers, only the game controller
 * subsystem) and exits after the number of seconds given, 10 by default.
 *
 * Build: cc -o pad-probe PadProbe.c $(pkg-config --cflags --libs sdl2) */

#include <SDL.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv) {
    const Uint32 seconds = argc > 1 ? (Uint32)atoi(argv[1]) : 10;

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        printf("error %s\n", SDL_GetError());
        return 1;
    }
    printf("ready\n");
    fflush(stdout);

    const Uint32 end = SDL_GetTicks() + seconds * 1000;
    while (!SDL_TICKS_PASSED(SDL_GetTicks(), end)) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED: {
                /* Opening is what makes SDL send the pad's button and axis events. */
                SDL_GameController *pad = SDL_GameControllerOpen(event.cdevice.which);
                if (pad)
                    printf("added %s\n", SDL_GameControllerName(pad));
                else
                    printf("error %s\n", SDL_GetError());
                break;
            }
            case SDL_CONTROLLERDEVICEREMOVED: {
                SDL_GameController *pad = SDL_GameControllerFromInstanceID(event.cdevice.which);
                if (pad)
                    SDL_GameControllerClose(pad);
                printf("removed\n");
                break;
            }
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                printf("button %s %s\n",
                       SDL_GameControllerGetStringForButton((SDL_GameControllerButton)event.cbutton.button),
                       event.type == SDL_CONTROLLERBUTTONDOWN ? "down" : "up");
                break;
            case SDL_CONTROLLERAXISMOTION:
                printf("axis %s %d\n",
                       SDL_GameControllerGetStringForAxis((SDL_GameControllerAxis)event.caxis.axis),
                       event.caxis.value);
                break;
            default:
                continue;
            }
            fflush(stdout);
        }
        SDL_Delay(5);
    }
    SDL_Quit();
    return 0;
}
