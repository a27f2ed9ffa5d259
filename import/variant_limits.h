#pragma once

#include "ink_lines.h"
#include "paintable_regions.h"

class DigitGlyphs;

// The sizes one variant's regions and ink keep, in working pixels: the
// brush's circle (1.2 picture units simple, 0.7 detailed, or what the
// smallest number with its halo needs), the threads and necks handed to the
// neighbours, half the outline, and how the ink is found and kept clear of
// the numbers.
struct VariantLimits {
    bool detailed = false;
    double px_per_unit = 16;  // working pixels per picture unit
    RegionLimits regions;
    InkOptions ink;
};

// How far (working pixels) a smoothed, simplified border may stray from the
// raster's edge of a region.
constexpr double border_slack = 1.0;

// `px_per_unit` working pixels to one picture unit.
VariantLimits variant_limits(bool detailed, double px_per_unit, const DigitGlyphs& glyphs);

// The smallest inscribed circle a variant's regions keep, picture units:
// the bound of the built-in pictures (1.2 simple, 0.7 detailed), or more
// where the smallest number with its halo needs more room.
double min_circle_of(bool detailed, const DigitGlyphs& glyphs);

// The circle (diameter, picture units) the smallest number with its halo
// needs, clear of the outline.
double number_circle(const DigitGlyphs& glyphs);
