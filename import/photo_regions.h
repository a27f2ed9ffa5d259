#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kmeans.h"
#include "regions.h"
#include "variant_limits.h"

// One variant of a picture cut into regions. While it is cut, a region's
// colour is its cluster (1-based); once the palette is made, its tube.
struct VariantCut {
    bool detailed = false;
    RegionImage img;
    std::vector<uint8_t> lines;  // dark lines left for the ink, 1 where they lie
    float smallest = 0;          // smallest inscribed radius, working pixels
    bool ink_as_drawn = false;   // the lines are drawn as they are (a colouring page's)
};

// A photo or a coloured drawing cut for one variant: its clusters in
// regions a child can paint, and the dark lines; what they close off
// becomes a region of its own when the regions then still pass. "" or
// what went wrong.
std::string cut_photo_variant(const LabImage& lab, const Clusters& clusters, const VariantLimits& limits,
                              VariantCut& out);

// Every variant cut from the same clusters so that they share one palette:
// a cluster some variant keeps no region of is merged into the nearest of
// the clusters every variant keeps (in L*a*b*) and the variants are cut
// again, until they all use the same clusters (or, after a few rounds, one
// keeps a tube it does not use). "" or what went wrong.
std::string cut_photo_variants(const LabImage& lab, Clusters& clusters, const std::vector<VariantLimits>& limits,
                               std::vector<VariantCut>& out);
