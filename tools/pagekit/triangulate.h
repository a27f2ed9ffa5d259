#pragma once

#include <vector>

#include "geometry.h"

// Triangles (three points each, counter-clockwise) covering the area that
// the rings enclose under the given rule: the odd rule for a region with
// holes, the non-zero rule for glyph outlines.
enum class FillRule { odd, nonzero };
std::vector<Pt> triangulate(const std::vector<Ring>& rings, FillRule rule);
