#pragma once

class Object;
struct Screen_box;

// The soft glowing ring round what the keyboard or a switch has chosen to
// go to, the same on every screen: one object under the `cursor` root (so
// it is drawn over everything, like the brush), placed round a window
// rectangle and hidden when nothing is chosen. It is made of eight pieces
// (four corners, four edges), so its band is as wide round a check box as round a
// whole group.

// A new ring, hidden, for the cursor root.
Object* make_focus_ring();

// Puts `ring` round `box` (window pixels), a little larger than it.
void place_focus_ring(Object* ring, const Screen_box& box);
void hide_focus_ring(Object* ring);
