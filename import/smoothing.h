#pragma once

#include "rgb_image.h"

// An edge-preserving blur: a bilateral filter in L*a*b*. Each pass replaces
// a pixel by the average of its neighbours within `radius`, weighted by
// their distance (Gaussian, `spatial_sigma` pixels) and by how far their
// colour lies from its own (Gaussian, `range_sigma` in Delta E), so that
// grain and texture melt while edges between colours stay sharp.
struct SmoothingOptions {
    int radius = 3;
    float spatial_sigma = 2.0f;
    float range_sigma = 9.0f;
    int passes = 2;
};

LabImage smooth_edges(const LabImage& in, const SmoothingOptions& opt = {});
