#pragma once

// Showing part of a frame without swapping. Two ways, reached through SDL:
//  - GLX_MESA_copy_sub_buffer copies a rectangle of the back buffer to the
//    window (Mesa offers it, its software renderer included); over a
//    multisampled back buffer the software renderer resolves the whole
//    buffer for it, whatever the rectangle;
//  - pixels the game made itself put straight onto the window (XPutImage),
//    where GL draws in software and shows its own frames the same way
//    through the same connection, so the two never overtake each other.

// Whether the window's display offers the copy; asks once, after the window opened.
bool partial_present_available();

// Copies the rectangle (x, y from the bottom left, w, h) of the back buffer
// to the window; false when that is not offered.
bool partial_present(int x, int y, int w, int h);

// Whether pixels may be put straight onto the window: GL draws in software
// and the window's visual takes 32-bit pixels with red, green and blue in
// the bytes GL_BGRA gives them.
bool direct_present_available();

// Puts w x h pixels (GL_BGRA bytes, rows from the bottom) onto the window
// with their bottom left corner at (x, y from the bottom left); false when
// that is not offered.
bool direct_present(int x, int y, int w, int h, const unsigned char* bgra);

// Forgets what was asked, for a window opened again.
void partial_present_reset();
