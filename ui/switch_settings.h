#pragma once

#include <vector>

#include "anim/event.h"

class Object;

// The main menu's two rows for playing with switches: "Switches" (none, one
// switch, two switches: Config::switch_scanning 0, 1, 2) and the one
// switch's pace (slow, medium, fast: Config::scan_speed 0, 1, 2). Each row
// is three picture buttons with a marker behind the chosen one. The marker
// follows the setting every frame, so a choice needs no new panel, and the
// pictures are buttons like any other: a click, the keyboard's focus or the
// switches themselves choose them.

// Makes both rows on the main menu's panel; their vanishing slots go to `widgets`.
void add_switch_rows(Object* panel, std::vector<event_and_command>& widgets);

// Click action of a picture: iparam1 its row (0 switches, 1 pace), iparam2 its value.
void when_mouse_select_switch_choice_f(void* param);
// The marker's per-frame action: iparam1 its row.
void switch_choice_marker_f(void* param);
