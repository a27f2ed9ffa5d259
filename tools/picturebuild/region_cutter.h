#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "regions.h"
#include "scene.h"

struct CutLimits {
    float min_radius = 10;  // pixels: every region holds a circle this large
    float erode = 2;        // pixels: half the outline, which must not cut a region in two
    float open = 5;         // pixels: narrower parts of a shape are taken away
};

struct CutResult {
    RegionImage img;
    std::vector<uint8_t> ink;  // 1 where the scene's ink lines lie
    std::string error;  // empty on success
    std::vector<std::string> notes;
    float smallest_radius = 0;  // pixels
};

// Rasterises the scene, cleans it, cuts colour N into wanted[N] regions and
// checks every region: one piece, large enough, still one piece under the
// outline and the ink lines. Regions come out ordered by colour, then top to bottom.
CutResult cut_regions(const Scene& scene, const int wanted[11], const CutLimits& limits);
