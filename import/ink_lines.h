#pragma once

#include <cstdint>
#include <vector>

#include "page_assembly.h"
#include "regions.h"
#include "rgb_image.h"

// Dark lines too thin to be regions: a child's pencil or crayon outlines, a
// stick figure, whiskers. Where they close off an area large enough to
// paint, it becomes a region of its own (a head drawn as a circle on the
// paper); the rest stays as ink, drawn over the regions with the outlines,
// as the built-in pictures draw their details. Sizes are working pixels.
struct InkOptions {
    float reach = 6;        // lines up to about twice this wide
    float min_length = 16;  // shorter marks are grain, not lines
    float clear = 4;        // ink this close to a border is left to the outline
    float min_mark = 5;     // what is left of a mark after that, shorter, is dropped
    float erode = 1;        // half the outline: ink may not part what it leaves of a region
    float number = 8;       // radius a region's number needs, clear of ink
    float fill_below = 1e9f;  // a closed-off piece thinner than this is filled with ink
};

// 1 where a dark line lies: dark and nearly grey in itself, much darker
// than the lightness closed over it (within `reach`; the edge of a dark
// area is no line), and part of a mark at least `min_length` across and
// thinner on average than the reach (a line, not a blot).
std::vector<uint8_t> dark_lines(const LabImage& lab, const InkOptions& opt);

// Every region the lines part into two or more pieces that hold a circle of
// `min_radius` becomes one region per such piece (the lines' pixels going
// to the nearest); of the smaller pieces the lines close off, those with
// an inscribed radius under `fill_below` are filled with ink, the others
// stay with the region beside them.
void part_along_lines(RegionImage& img, std::vector<uint8_t>& lines, float min_radius, float fill_below = 1e9f);

// The lines without what runs along a region border (the outline is
// there) and the scraps that leaves.
std::vector<uint8_t> ink_clear_of_borders(std::vector<uint8_t> lines, const RegionImage& img, const InkOptions& opt);

// The small regions (under two and a half times the number's room) that
// the ink leaves no room for their number: an eye whose pupil fills it.
std::vector<int> cramped_by_ink(const RegionImage& img, const std::vector<uint8_t>& ink, const InkOptions& opt);

// What of the lines is drawn as ink: clear of the borders, and none where
// a region's number must go when the ink leaves it no room elsewhere. Ink
// may close off a piece of a region; the piece is painted with it.
std::vector<uint8_t> ink_over_regions(const std::vector<uint8_t>& lines, const RegionImage& img, const InkOptions& opt);

// The ink as triangles in picture units, its outline traced and smoothed
// like the region borders.
std::vector<Pt> ink_triangles(const std::vector<uint8_t>& ink, int w, int h, const RasterPlacement& place);
