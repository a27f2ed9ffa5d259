#pragma once

#include <cstdint>
#include <vector>

#include "grid.h"
#include "regions.h"
#include "scene.h"

// The topmost shape over each pixel centre as colour + 16 * group (0 where
// no shape lies; colour_of_key takes the colour back out).
std::vector<int> rasterise(const Scene& scene);

// 1 where the scene's ink lines cover a pixel centre.
std::vector<uint8_t> rasterise_ink(const Scene& scene);
