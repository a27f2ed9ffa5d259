#pragma once

#include <string>
#include <vector>

#include "lab_colour.h"
#include "regions.h"

// Sizes in pixels of the raster the regions are cut on.
struct RegionLimits {
    float min_radius = 10;  // every region holds a circle this large
    float open = 2.5f;      // parts of a region narrower than twice this go to its neighbours
    float erode = 1;        // half the outline: no region may fall apart under it
};

// Spreads the labels of the pixels in `queue` (label >= 0) breadth first
// over the unlabelled pixels (label < 0) of the same area (equal `area`),
// 4-neighbours, in queue order.
void grow_within_areas(std::vector<int>& label, const std::vector<int>& area, int w, int h, std::vector<int> queue);

// The connected areas of one colour (`colours`, 1 to 9 per pixel), each
// parted where it narrows to a neck thinner than twice `neck` pixels: what
// looks like two shapes becomes two regions, even where they touch at a
// corner or through a thread (a checkerboard keeps its cells). With `neck`
// 0 every connected area is one region.
RegionImage connected_regions(const std::vector<int>& colours, int w, int h, float neck);

// Merges every region too small for a child's brush into the neighbour
// whose cluster colour (`centres`, colour N is centres[N - 1]) lies nearest
// in L*a*b*, again and again until none is left; then the regions are
// found afresh (connected_regions), so touching regions of one colour
// become one.
void merge_into_nearest_colour(RegionImage& img, const std::vector<Lab>& centres, float min_radius, float neck);

// The clusters cut into regions a child can paint: thin parts and specks
// handed to their neighbours, small regions merged (see above), every
// region one piece that the outline cannot cut in two, and no region below
// `min_radius`. Returns "" or what could not be done; `smallest` is the
// smallest inscribed radius left.
std::string paintable_regions(const std::vector<int>& cluster, int w, int h, const std::vector<Lab>& centres,
                              const RegionLimits& limits, RegionImage& out, float& smallest);

// The last step of paintable_regions for regions changed since: specks,
// threads, stray pieces and corner contacts cleaned away, then checked.
// Returns "" or what is wrong.
std::string finish_regions(RegionImage& img, const RegionLimits& limits, float& smallest);
