#pragma once

#include <functional>
#include <vector>

#include "borders.h"

// The dark lines over the region borders: every arc once, `width` wide, with
// round ends and joins, merged into one area and triangulated. `to_units`
// maps arc points (pixels) to the output's coordinates.
std::vector<Pt> outline_triangles(const Borders& borders, double width, const std::function<Pt(Pt)>& to_units);

// `rings` grown by `margin` on every side (round corners), triangulated.
std::vector<Pt> grown_triangles(const std::vector<Ring>& rings, double margin);
