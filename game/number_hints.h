#pragma once

// Help for finding where the brush's paint belongs, in paint by numbers.
// - "Where is my number?": when the brush carries a number and no region
//   has taken it for a while (8 s), or at once after a second wrong click in
//   a row, a sparkle twinkles on each region still to paint with that
//   number for a moment, so the last tiny region of a detailed picture can
//   be found.
// - A tube whose regions are all painted wears a small tick.
// - A forgiving click: a click on an outline, on the sheet, or on a region
//   of another number within a few pixels of a region still to paint with
//   the brush's number paints that region instead of counting as wrong.
// Drawn under the cursor root, like the brush, from the asset builder's
// "hint_sparkle" and "tube_tick".

// The hints' own object under the cursor root runs this every frame.
void number_hints_f(void* param);
// Run first of the frame's handlers (before the regions see the click).
void forgiving_click_f(void* param);

// The painting's news, from the regions' click handler.
void note_right_click();
void note_wrong_click();
// A tube was taken: the wait for a right click starts again.
void note_tube_taken();

// For the tests: whether the sparkles show now, and on how many regions;
// how many tubes wear their tick.
int hint_sparkles_shown();
int tube_ticks_shown();
// Back to no hints, for a game started again in the same process.
void reset_number_hints();

constexpr unsigned hint_after_ms = 8000;
constexpr unsigned hint_lasts_ms = 2400;
// How near (pixels at 768 rows, in proportion to the window) a click must
// come to a region of the brush's number to paint it.
constexpr double forgiving_px = 7.0;
