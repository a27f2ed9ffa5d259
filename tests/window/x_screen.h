#pragma once

// The size of the X screen the tests run on, asked of the X server directly.
bool x_screen_size(int& width, int& height);

// The colour the X server shows at (x, y), each channel 0 to 1.
bool x_screen_pixel(int x, int y, double rgb[3]);
