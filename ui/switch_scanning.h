#pragma once

#include <cstdint>

class Object;

// Playing with one or two switches (the settings menu's "Switches"; a
// switch interface sends Space and Enter, or joystick buttons 1 and 2).
// A highlight (the focus ring) goes first over the groups of the screen
// (tubes, picture, buttons; a dialog is one group), then within the group
// chosen, with a "back" step at the end of each group:
// - two switches: Space steps to the next, Enter chooses;
// - one switch: the highlight steps by itself at the chosen pace (2.5, 1.5
//   or 0.8 s), Space (or Enter) chooses.
// Presses closer together than 0.3 s count once; nothing needs holding,
// dragging or timing beyond the one press. On the picture in paint by
// numbers only the unpainted regions of the brush's number are offered,
// nearest first, so every press moves towards a finish; after a tube is
// taken the highlight goes straight to them.

// One frame of scanning; run by keyboard_play_f when scanning is on.
void switch_scanning_frame(Object* ring);
void reset_switch_scanning();

constexpr uint32_t scan_debounce_ms = 300;
// The one-switch pace for Config::scan_speed 0, 1, 2.
uint32_t scan_interval_ms(int speed);

// What the switches did, for the tests and their report.
struct Scan_counts {
    unsigned long presses = 0;  // every press that counted
    unsigned long ignored = 0;  // presses too close to the one before
    unsigned long steps = 0;    // the highlight's steps, by a press or by itself
    unsigned long choices = 0;  // things chosen (groups and "back" not counted)
};
const Scan_counts& scan_counts();

// Where the highlight stands: over the groups (on `group`), or within one,
// on `item` (null: its "back" step).
enum class Choice_group;
struct Scan_view {
    bool inside = false;
    int group = -1;  // a Choice_group, -1 for none
    Object* item = nullptr;
};
Scan_view scan_view();
