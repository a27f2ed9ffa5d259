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
//
// A press that comes with the pointer somewhere else than where the last
// pick looked (a tap on a touch screen: the pointer jumps and presses at
// once) is held for one frame, so the pick first looks where it landed and
// the click is judged there. A joystick's buttons 1 and 2 (a switch
// interface) arrive as Space and Enter.
void read_input();
// The frame after next brings a left click, wherever the pointer is: a key
// or a switch chose what the pick was aimed at (Hits::aim_at).
void click_next_frame();
// The pointer moved by the hand this frame (not by the game).
bool pointer_moved_by_hand();
// Opens the first joystick, if there is one, for switch interfaces.
void open_switch_joystick();
void handle_event(const SDL_Event& e);

bool presskey(SDLKey key);
bool lockkey();
int randi(int n);
