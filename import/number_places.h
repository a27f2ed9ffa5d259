#pragma once

#include <cstdint>
#include <vector>

#include "regions.h"

// Where each region's number goes: the centre of its largest circle clear
// of the ink (`ink`, 1 where it lies; may be empty), and that circle's
// radius. Of the places nearly as deep as the deepest (within a pixel), the
// one nearest their middle is taken, so the number of a long band sits
// halfway along it rather than at its first deepest pixel.
std::vector<RegionStats> number_places(const RegionImage& img, const std::vector<uint8_t>& ink);
