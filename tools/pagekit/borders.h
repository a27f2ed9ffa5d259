#pragma once

#include <vector>

#include "geometry.h"
#include "regions.h"

// The regions' outlines as vectors. Every stretch of border between two
// regions (or a region and the picture's edge) is traced once, smoothed and
// simplified once, and then used by both regions, so neighbours share their
// borders exactly. Coordinates are pixel units, y up (pixel row 0 is the
// top of the picture at y = h).
struct Borders {
    struct Arc {
        Polyline points;  // first and last are shared with the arcs they meet
        bool closed = false;
        int left = -1, right = -1;  // regions on each side; -1 is outside
    };
    std::vector<Arc> arcs;
    // Rings of every region, counter-clockwise outside, clockwise holes.
    std::vector<std::vector<Ring>> rings;
};

// `img` must have no corner-only contacts (fix_diagonal_contacts).
Borders trace_borders(const RegionImage& img, double tolerance);

// Douglas-Peucker simplification keeping both ends.
Polyline simplify(const Polyline& line, double tolerance);
