#pragma once

// Showing part of the back buffer without swapping: GLX_MESA_copy_sub_buffer
// (Mesa offers it, its software renderer included), reached through SDL.

// Whether the window's display offers it; asks once, after the window opened.
bool partial_present_available();

// Copies the rectangle (x, y from the bottom left, w, h) of the back buffer
// to the window; false when that is not offered.
bool partial_present(int x, int y, int w, int h);

// Forgets what was asked, for a window opened again.
void partial_present_reset();
