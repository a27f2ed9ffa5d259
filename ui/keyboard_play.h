#pragma once

class Object;

// Play without a mouse. A focus (the glowing ring) goes over the things the
// child can choose on the screen now (choices_on_screen()): Tab and
// Shift+Tab go from one to the next through the groups (tubes, picture,
// buttons; a dialog's widgets), the arrows go to the nearest one in their
// direction, Enter or Space chooses (what a click on it does), and the
// digits 1 to 9 and 0 take that tube. On the picture in paint by numbers
// with a loaded brush, Tab goes only through the unpainted regions of the
// brush's number, nearest first. The focus shows after the first Tab,
// digit, Space or Enter and hides when the mouse moves; while it is hidden
// the keys keep their old meanings (Left and Right turn the pictures). The
// brush goes where the focus goes, so the screen looks as it does with a
// mouse. With switch scanning on (the settings menu), the switches drive the
// same focus instead (ui/switch_scanning.h).

// The interface root's first action, run before every other handler of the
// frame; param: the focus ring (make_focus_ring(), under the cursor root).
void keyboard_play_f(void* ring);

// Whether the focus shows, and what it is on (null for nothing).
bool keyboard_focus_shown();
Object* keyboard_focus();

// Back to a hidden focus, for a game started again in the same process.
void reset_keyboard_play();

// Goes to `o` (the pointer and the brush with it) and chooses it as a click
// would; the click comes with the next frame. Used by the switches too.
void choose_on_screen(Object* o);
// Moves the pointer (and the brush) onto `o`.
void point_at(Object* o);
