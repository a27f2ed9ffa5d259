#pragma once

#include <string>
#include <vector>

#include "regions.h"

struct SplitOptions {
    float min_radius = 10;  // every piece must hold a circle of this radius (pixels)
    float erode = 2;        // and stay one piece after losing this much of its rim
    double stretch = 1;     // > 1 cuts pieces stretched sideways
    float open = 5;         // parts of a piece narrower than twice this go to its neighbours
};

struct SplitResult {
    std::vector<int> piece;  // piece number (0 .. parts-1) of each given pixel
    float smallest_radius = 0;
    bool ok = false;
};

// Cuts one 4-connected area (pixel indices into a w x h image) into `parts`
// 4-connected pieces by competitive growth from well spread seeds: geodesic
// distances inside the area, so C shapes and rings are cut across, never
// into stray bits. Deterministic: the same area gives the same pieces.
SplitResult split_area(const std::vector<int>& pixels, int w, int h, int parts, const SplitOptions& opt);

// Cuts the regions of every colour so that colour N ends with exactly
// wanted[N] regions (N = 1 to 10). The largest areas per region get the extra
// cuts. Returns an empty string on success, else what went wrong.
std::string split_colours(RegionImage& img, const int wanted[11], const SplitOptions opts[11]);
