#pragma once

#include <cstdint>
#include <vector>

#include "scene.h"

// The raster the regions are cut from: about twice the picture's size on a
// 1280x720 screen. Pixel (i, j) has row 0 at the top of the picture.
struct Grid {
    static constexpr int w = 1070;
    static constexpr int h = 1006;
    static constexpr double px_per_unit = 10.7;  // pixels per design unit

    static double x_of(double i) { return i / px_per_unit; }
    static double y_of(double j) { return (h - j) / px_per_unit; }
};

// The topmost shape over each pixel centre as colour + 16 * group (0 where
// no shape lies).
std::vector<int> rasterise(const Scene& scene);
inline int colour_of_key(int key) { return key % 16; }

// 1 where the scene's ink lines cover a pixel centre.
std::vector<uint8_t> rasterise_ink(const Scene& scene);
