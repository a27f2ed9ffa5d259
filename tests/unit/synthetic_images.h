#pragma once

#include <cstdint>

#include "rgb_image.h"

// Pictures drawn by the tests of pintabo-import, each as an image file
// would hold it.

// Three discs (red, yellow, blue; radius h/5) side by side on a pale green
// ground, their edges anti-aliased.
RgbImage three_discs(int w, int h);
// Red at the left edge to blue at the right.
RgbImage gradient(int w, int h);
// Cells of dark green and light yellow, `across` x `down` of them.
RgbImage checkerboard(int w, int h, int across, int down);
// Every pixel a random colour.
RgbImage noise(int w, int h, uint64_t seed);
// One colour everywhere.
RgbImage flat(int w, int h, uint32_t rgb);
