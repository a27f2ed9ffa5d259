#pragma once

#include <SDL/SDL.h>

// The pointer and its buttons as the frame loop last polled them. The click
// flags are edges: true in exactly one frame per press.
struct MouseState {
    int x = 0;
    int y = 0;
    bool left = false;
    bool right = false;
    bool left_click = false;
    bool left_latch = false;
    bool right_click = false;
    bool right_latch = false;
};

extern MouseState mouse;
extern SDL_Event keyevent;  // the last key-down of this frame
extern bool keydown;        // a key went down during this frame
extern bool keyused;        // a handler has consumed this frame's key-down

// Starts a frame's input: clears the one-frame edges, then folds every queued
// SDL event into the state above. Quit requests are ignored on purpose: the
// game ends only through its own quit confirmation.
void read_input();
void handle_event(const SDL_Event& e);

bool presskey(SDLKey key);
bool lockkey();
int randi(int n);
