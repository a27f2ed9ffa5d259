#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The picture cut into regions: every pixel names its region, every region
// has a colour number (1 to 10; while the drawing is cleaned, the colour and
// group key of raster.h).
struct RegionImage {
    int w = 0, h = 0;
    std::vector<int> label;
    std::vector<int> colour;

    int count() const { return static_cast<int>(colour.size()); }
};

// The colour number of a colour and group key.
inline int colour_of_key(int key) { return key % 16; }

struct RegionStats {
    int area = 0;
    float radius = 0;  // largest inscribed circle, pixels
    int pole = -1;     // pixel at the centre of that circle
    int pieces = 0;    // 4-connected pieces
};

// The regions with the given pixels (ink lines, say) taken out: those get
// a label of their own, numbered img.count(), of colour 0.
RegionImage carved(const RegionImage& img, const std::vector<uint8_t>& away);

// One region per 4-connected piece of equal colour.
RegionImage regions_from_colours(const std::vector<int>& colours, int w, int h);

std::vector<RegionStats> region_stats(const RegionImage& img);

// Picks the neighbour a small region goes to, from its neighbours in
// ascending order, each with the length of the border they share (pixel
// edges); -1 leaves the choice to the longest border.
using MergeTarget = std::function<int(int region, const std::vector<std::pair<int, int>>& neighbours)>;

// Merges every region whose inscribed circle is under `min_radius` pixels
// into a neighbour: the one `target` picks, else the one it shares the
// longest border with. Each round merges all small regions, smallest first,
// and rounds go on until none is left, none can merge, or `rounds` are done.
// Each merge is described in `notes` when given.
void merge_small_regions(RegionImage& img, float min_radius, std::vector<std::string>* notes,
                         const MergeTarget& target = {}, int rounds = 20);

// Keeps the largest piece of every region; stray pieces go to their
// neighbours. Returns whether there were any.
bool keep_largest_pieces(RegionImage& img);

// Drops regions left without pixels and renumbers the rest in order.
void drop_empty_regions(RegionImage& img);

// Renumbers regions: by colour, then by the position of their pole (top to
// bottom, left to right).
void sort_regions(RegionImage& img);
