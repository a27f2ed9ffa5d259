#pragma once

#include <cstdint>
#include <vector>

// Exact squared Euclidean distance from every pixel centre to the nearest
// pixel marked in `source` (a very large value when none is marked).
std::vector<float> squared_distance(const std::vector<uint8_t>& source, int w, int h);

// For every pixel, the distance in pixels from its centre to the edge of the
// area of its own label: 0.5 for a pixel at the edge, growing inwards. The
// picture's border counts as an edge. Its maximum over an area is the
// radius of the area's largest inscribed circle.
std::vector<float> inside_distance(const std::vector<int>& labels, int w, int h);
