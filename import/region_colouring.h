#pragma once

#include <vector>

#include "regions.h"

// Colours for the regions of a drawing that brings none (a colouring page):
// no two neighbouring regions share a colour, the colours are used about
// equally often (none on more than half the regions when there are enough
// colours), and the background, the largest region touching the picture's
// edge, gets colour `soft`. The same regions always get the same colours.

// Which regions share a border, per region, ascending.
std::vector<std::vector<int>> region_neighbours(const RegionImage& img);

// The background: the largest region (by area) touching the picture's edge.
int background_region(const RegionImage& img);

// Colours 1 to `colours` for the regions (img.colour is not read), by
// DSatur: the region with the most differently coloured neighbours first,
// each taking the least used colour none of its neighbours has; conflicts
// a greedy pass cannot avoid are then repaired by recolouring.
std::vector<int> colour_regions(const RegionImage& img, int colours, int soft);
