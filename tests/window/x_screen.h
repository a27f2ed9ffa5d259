#pragma once

#include <vector>

// The size of the X screen the tests run on, asked of the X server directly.
bool x_screen_size(int& width, int& height);

// The colour the X server shows at (x, y), each channel 0 to 1.
bool x_screen_pixel(int x, int y, double rgb[3]);

// The whole screen as the X server shows it: R, G, B bytes, top row first,
// after the game's own connection to the server has been drained, so what
// its last frame showed is on the screen.
bool x_screen_image(std::vector<unsigned char>& rgb, int& width, int& height);
