#pragma once

#include <cstddef>
#include <vector>

// Plain 2-D geometry shared by the picture builder: points, closed rings
// (the last point joins the first) and open polylines.
struct Pt {
    double x = 0, y = 0;
};

inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }

using Ring = std::vector<Pt>;
using Polyline = std::vector<Pt>;

// Twice the signed area: positive for a counter-clockwise ring.
double ring_area2(const Ring& r);
