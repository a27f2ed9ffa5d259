#pragma once

#include <cstdint>
#include <vector>

#include "lab_colour.h"

// A colour moved toward the bright, clean colours children like: its hue
// kept, its lightness and chroma raised, inside sRGB. `keep` (0 to 1) is
// how much of its distance from white the lightness keeps; a dark photo
// is given a smaller one, so it gives browns and greens, not nine shades
// of mud.
Lab lifted(const Lab& c, float keep = 0.78f);

// The tubes of an imported picture.
struct Palette {
    std::vector<uint32_t> rgb;          // 0xRRGGBB, tube 1 first
    std::vector<int> tube_of_cluster;   // 1-based tube of each cluster
};

// Tubes for the clusters, `regions[k]` regions and `pixels[k]` pixels
// using cluster k, lifted so that the picture comes out no darker on
// average than L* 68: the used ones first, in rainbow order from red with the greys after them, light to
// dark; then, up to `min_tubes`, colours no region uses (the unused
// clusters, then a few plain bright ones). Neighbouring colours are kept
// apart enough to tell.
Palette make_palette(const std::vector<Lab>& centres, const std::vector<int>& regions,
                     const std::vector<size_t>& pixels, int min_tubes = 5);

// Tubes for a page that brings no colours of its own (a colouring page):
// `tubes` (5 to 9) clean, cheerful colours children tell apart, in rainbow
// order, one of them a soft pale blue for the background; `soft` is its
// tube (1-based).
std::vector<uint32_t> cheerful_palette(int tubes, int& soft);
