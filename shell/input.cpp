#include "shell/input.h"

#include <cstdlib>

#include "shell/presenter.h"

MouseState mouse;
SDL_Event keyevent;
bool keydown = false;
bool keyused = false;

void handle_event(const SDL_Event& e) {
    switch (e.type) {
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
                mouse.left = true;
                if (!mouse.left_latch) {
                    mouse.left_click = true;
                    mouse.left_latch = true;
                }
            } else if (e.button.button == SDL_BUTTON_RIGHT) {
                mouse.right = true;
                if (!mouse.right_latch) {
                    mouse.right_click = true;
                    mouse.right_latch = true;
                }
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT) {
                mouse.left = false;
                mouse.left_latch = false;
            } else if (e.button.button == SDL_BUTTON_RIGHT) {
                mouse.right = false;
                mouse.right_latch = false;
            }
            break;
        case SDL_MOUSEMOTION:
            mouse.x = e.motion.x;
            mouse.y = e.motion.y;
            break;
        case SDL_KEYDOWN:
            keydown = true;
            keyused = false;
            keyevent = e;
            break;
        // What the window showed may be gone: the next frame is drawn whole.
        case SDL_VIDEOEXPOSE:
        case SDL_VIDEORESIZE:
            presenter.force_full();
            break;
        case SDL_ACTIVEEVENT:
            if (e.active.gain) presenter.force_full();
            break;
        default:
            break;
    }
}

void read_input() {
    keydown = false;
    mouse.left_click = false;
    mouse.right_click = false;
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle_event(e);
}

bool presskey(SDLKey key) { return keydown && !keyused && keyevent.key.keysym.sym == key; }

bool lockkey() {
    keyused = true;
    return true;
}

int randi(int n) { return std::rand() % n; }
