#pragma once

#include <string>
#include <vector>

#include "regions.h"

// How an area is cut. Lengths are in pixels, positions in image pixels
// (row 0 at the top).
enum class Pattern {
    cells,    // round pieces grown from well spread seeds
    bands,    // horizontal bands, each cut into lengths: sky, water, fields, walls
    rays,     // slices fanning out from a centre: a sunburst, a round pie
    stripes,  // slices across the area's length: a neck, a tail, a path
};

struct SplitOptions {
    float min_radius = 10;  // every piece must hold a circle of this radius (pixels)
    float erode = 2;        // and stay one piece after losing this much of its rim
    double stretch = 1;     // cells: > 1 cuts pieces stretched sideways
    float open = 5;         // parts of a piece narrower than twice this go to its neighbours

    Pattern pattern = Pattern::cells;
    double band = 0;          // bands: band height; 0 works it out from the area
    bool fixed_band = false;  // bands: keep that height even when the pieces come out too small
    double offset = 0;        // bands: a band edge lies this far from the image's top (left when upright)
    double angle = 0;         // bands: tilt in radians; a quarter turn stands them upright
    double aspect = 3;        // bands: length of a piece over the band height
    double wave = 0;          // bands: how far the band edges swing up and down
    double wavelength = 300;  // bands: the length of one swing
    double phase = 0;         // bands: where the swing starts; rays: the first ray's angle (radians)
    double slant = 0.3;       // bands: sideways lean of the joints per unit of height
    double cx = 0, cy = 0;    // rays: the centre
};

struct SplitResult {
    std::vector<int> piece;  // piece number (0 .. parts-1) of each given pixel
    float smallest_radius = 0;
    bool ok = false;
    bool fell_back = false;  // the pattern did not fit; the area was cut into cells
};

// Cuts one 4-connected area (pixel indices into a w x h image) into `parts`
// 4-connected pieces along the pattern of `opt`. Cells grow from well spread
// seeds with geodesic distances inside the area, so C shapes and rings are
// cut across, never into stray bits. The other patterns are tried first;
// when their pieces fail the size checks, the area is cut into cells after
// all. Deterministic: the same area gives the same pieces.
SplitResult split_area(const std::vector<int>& pixels, int w, int h, int parts, const SplitOptions& opt);

// A rule for one area of a colour: the area holding `pixel` is cut with
// `opt`, into `pieces` regions when that is above 0.
struct AreaRule {
    int colour = 0;
    int pixel = -1;
    SplitOptions opt;
    int pieces = 0;
};

// Cuts the regions of every colour so that colour N ends with exactly
// wanted[N] regions (N = 1 to 10). Areas with a rule that fixes their count
// get that many; the other extra cuts go to the areas that then keep the
// largest pieces. Returns an empty string on success, else what went
// wrong; an area whose pattern did not fit is mentioned in `notes`.
std::string split_colours(RegionImage& img, const int wanted[11], const SplitOptions opts[11],
                          std::vector<std::string>* notes = nullptr, const std::vector<AreaRule>& rules = {});
