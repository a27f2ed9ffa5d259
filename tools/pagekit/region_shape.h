#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "regions.h"

// Whether the regions can be painted, and mending the ones that cannot.

// "" when every region is one piece, holds a circle of `min_radius` pixels
// clear of the ink lines (`ink`, 1 where they lie; may be empty) and stays
// one piece when the outline and the ink take `erode` pixels of its rim;
// else what is wrong, and where in design units. `smallest` is the smallest
// radius found.
std::string check_region_shapes(const RegionImage& img, const std::vector<uint8_t>& ink, float min_radius, float erode,
                                float& smallest);

// For every region, the first pixel (in raster order) of a second piece of
// what is left of it when the ink lines (`ink`, 1 where they lie; may be
// empty) and `erode` pixels of its rim are taken away; -1 where that stays
// one piece.
std::vector<int> parted_regions(const RegionImage& img, const std::vector<uint8_t>& ink, float erode);

// Where a region's core (what the outline leaves of it) falls apart, the
// parts around its smaller cores go to the regions next to them. Returns
// whether anything changed.
bool mend_split_cores(RegionImage& img, float erode);
