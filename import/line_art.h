#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "photo_regions.h"
#include "rgb_image.h"
#include "variant_limits.h"

// A colouring page: dark lines on light paper (printed, or a grey scan or
// a JPEG of one), without colours of its own. Its regions are the areas
// the lines enclose; the lines stay as ink at their own thickness.

// The ink of a page: 1 where a pixel is much darker than the paper around
// it (the paper's lightness taken from the lightest pixels nearby, so an
// unevenly lit scan is read alike everywhere). `px_per_unit` working
// pixels make one picture unit.
std::vector<uint8_t> page_ink(const LabImage& lab, double px_per_unit);

// Whether the picture is a colouring page: mostly paper, a little ink
// (0.3 % to 30 % of it), mostly thin lines rather than dark areas, and
// hardly any colour.
bool is_line_art(const LabImage& lab, double px_per_unit);

// One variant of a page cut along its lines. Gaps in a line up to about
// 0.25 units are closed; an area the lines enclose that holds the brush's
// circle is a region; a smaller one becomes ink when it is a dot or a
// sliver (under about 0.2 units across its inscribed circle), else part
// of the neighbour nearest it across the line; the lines' pixels go to the
// nearest region. Regions carry colour 1 until they are coloured; `ink`
// is what is drawn. "" or what went wrong.
std::string cut_line_art_variant(const std::vector<uint8_t>& ink, int w, int h, const VariantLimits& limits,
                                 double px_per_unit, VariantCut& out);
