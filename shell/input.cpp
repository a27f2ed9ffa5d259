#include "shell/input.h"

#include <cstdlib>

#include "shell/presenter.h"

MouseState mouse;
SDL_Event keyevent;
bool keydown = false;
bool keyused = false;

namespace {
bool tap_held = false;    // a press that waits for the pick at its place
bool click_asked = false; // a key's click, for the next frame
bool moved_by_hand = false;
int picked_x = 0, picked_y = 0;  // where the pointer was when this frame began

void key_from_joystick(const SDL_Event& e) {
    if (e.jbutton.button > 1) return;
    SDL_Event k{};
    k.type = SDL_KEYDOWN;
    k.key.state = SDL_PRESSED;
    k.key.keysym.sym = e.jbutton.button == 0 ? SDLK_SPACE : SDLK_RETURN;
    handle_event(k);
}
}  // namespace

void click_next_frame() { click_asked = true; }

bool pointer_moved_by_hand() { return moved_by_hand; }

void open_switch_joystick() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0 || SDL_NumJoysticks() < 1) return;
    if (SDL_JoystickOpen(0)) SDL_JoystickEventState(SDL_ENABLE);
}

void handle_event(const SDL_Event& e) {
    switch (e.type) {
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
                mouse.left = true;
                if (e.button.x != mouse.x || e.button.y != mouse.y) {
                    mouse.x = e.button.x;
                    mouse.y = e.button.y;
                    moved_by_hand = true;
                }
                if (!mouse.left_latch) {
                    // Pressed where the pick has not looked yet: it looks
                    // there first, and the click comes with the next frame.
                    if (mouse.x != picked_x || mouse.y != picked_y)
                        tap_held = true;
                    else
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
            if (e.motion.x != mouse.x || e.motion.y != mouse.y) moved_by_hand = true;
            mouse.x = e.motion.x;
            mouse.y = e.motion.y;
            break;
        case SDL_JOYBUTTONDOWN:
            key_from_joystick(e);
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
    moved_by_hand = false;
    // A tap held last frame, or a key's click, comes now.
    if (tap_held || click_asked) mouse.left_click = true;
    tap_held = click_asked = false;
    picked_x = mouse.x;
    picked_y = mouse.y;
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle_event(e);
}

bool presskey(SDLKey key) { return keydown && !keyused && keyevent.key.keysym.sym == key; }

bool lockkey() {
    keyused = true;
    return true;
}

int randi(int n) { return std::rand() % n; }
