#include "variant_limits.h"

#include <algorithm>
#include <cmath>

#include "digit_glyphs.h"
#include "picture_frame.h"

double number_circle(const DigitGlyphs& glyphs) {
    double widest = 0;
    for (int d = 1; d <= 9; ++d) widest = std::max(widest, glyphs.width(d));
    return 2 * (frame::outline_width / 2 + frame::digit_halo + frame::min_digit / 2 * std::hypot(1.0, widest));
}

double min_circle_of(bool detailed, const DigitGlyphs& glyphs) {
    return std::max(detailed ? frame::detailed_min_circle : frame::simple_min_circle, number_circle(glyphs));
}

VariantLimits variant_limits(bool detailed, double px_per_unit, const DigitGlyphs& glyphs) {
    VariantLimits out;
    out.detailed = detailed;
    out.px_per_unit = px_per_unit;
    RegionLimits& lim = out.regions;
    lim.min_radius = static_cast<float>(min_circle_of(detailed, glyphs) / 2 * px_per_unit + border_slack);
    lim.open = static_cast<float>(0.16 * px_per_unit);
    lim.erode = static_cast<float>(frame::outline_width / 2 * px_per_unit);
    InkOptions& ink = out.ink;
    ink.reach = static_cast<float>(0.35 * px_per_unit);
    ink.min_length = static_cast<float>(1.6 * px_per_unit);
    ink.clear = static_cast<float>(0.25 * px_per_unit);
    ink.min_mark = static_cast<float>(0.3 * px_per_unit);
    ink.erode = lim.erode;
    ink.number = static_cast<float>(number_circle(glyphs) / 2 * px_per_unit + border_slack);
    ink.fill_below = static_cast<float>(0.12 * px_per_unit);
    return out;
}
