#pragma once

#include <cstdint>
#include <vector>

#include "lab_colour.h"
#include "rgb_image.h"

// The picture's colours grouped into at most k clusters by k-means in
// L*a*b*, started with k-means++ from a fixed seed: the same picture always
// gives the same clusters. Fewer clusters come out when the picture has
// fewer distinct colours.
struct Clusters {
    std::vector<Lab> centres;   // mean colour of each cluster
    std::vector<int> of_pixel;  // cluster of each pixel
};

// With `weight` (one per pixel), a pixel counts that much: clusters go
// where the weight is, so detail gets colours of its own before a flat
// sky gets many shades.
Clusters kmeans_lab(const LabImage& img, int k, uint64_t seed = 0x5eed, const std::vector<float>* weight = nullptr);
