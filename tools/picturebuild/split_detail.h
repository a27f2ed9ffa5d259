#pragma once

#include <cstdint>
#include <vector>

#include "splitter.h"

// What the cutting patterns share.
namespace split_detail {

// The area on its own small raster (its bounding box).
struct LocalArea {
    int x0 = 0, y0 = 0, w = 0, h = 0;
    std::vector<uint8_t> inside;
    std::vector<float> depth;  // inside distance, pixels
};

LocalArea make_local(const std::vector<int>& pixels, int w);

// Smallest inscribed radius over the pieces, and whether every piece stays
// one piece when its rim of `erode` pixels is taken away. Pieces are made
// 4-connected first (stray bits go to their neighbours), and a piece whose
// core falls apart hands its smaller parts over; `owner` (piece per local
// pixel, -1 outside) comes back cleaned.
float judge_pieces(const LocalArea& a, std::vector<int>& owner, int parts, const SplitOptions& opt, bool& whole);

// Where image pixel (x, y) lies across the bands of `opt` (v) and along
// them (u), in pixels.
void band_coordinates(const SplitOptions& opt, int x, int y, double& u, double& v);

// Sets the band height and offset of `opt` for areas holding `pixels`
// (indices into an image `w` wide) that are to be cut into `parts`: about
// `aspect` times as long as high, in whole rows from the first pixel
// across to the last.
void fit_bands(SplitOptions& opt, const std::vector<const std::vector<int>*>& pixels, int w, int parts);

// Cuts along bands, rays or stripes (see Pattern); ok is false when the
// pieces do not pass the checks.
SplitResult split_patterned(const std::vector<int>& pixels, int w, int h, int parts, const SplitOptions& opt);

}  // namespace split_detail
