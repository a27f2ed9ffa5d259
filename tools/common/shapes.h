#pragma once

#include <functional>
#include <vector>

#include "common/image.h"

// Anti-aliased drawing with signed distance functions, in pixel units of the
// target image ((0, 0) is the top-left corner of the top-left pixel).

struct Pt {
    float x = 0, y = 0;
};

struct Box {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// A shape: the signed distance from a point to its outline (negative inside)
// and a box that holds everything inside.
struct Shape {
    std::function<float(float, float)> dist;
    Box box;
};

Shape circle(float cx, float cy, float r);
Shape ellipse(float cx, float cy, float rx, float ry);
Shape rounded_rect(float x0, float y0, float x1, float y1, float radius);
// A thick line with round ends.
Shape segment(Pt a, Pt b, float half_width);
// A thick polyline with round joins and ends.
Shape polyline(const std::vector<Pt>& points, float half_width);
// A thick circular arc from angle a0 to a1 (radians, y down, counter-clockwise
// on screen means decreasing angle), with round ends.
Shape arc(float cx, float cy, float r, float half_width, float a0, float a1);
// Any simple polygon (even-odd rule).
Shape polygon(const std::vector<Pt>& points);
// An arrow head: a triangle with its tip at `tip`, pointing along `dir`.
Shape arrow_head(Pt tip, Pt dir, float length, float half_base);

Shape unite(const Shape& a, const Shape& b);
Shape subtract(const Shape& a, const Shape& b);
Shape intersect(const Shape& a, const Shape& b);
// Grows the shape by `d` pixels (shrinks it for negative d).
Shape grown(const Shape& s, float d);
Shape translated(const Shape& s, float dx, float dy);

using Paint = std::function<Rgba(float x, float y)>;

// Fills the shape. `softness` is the width of the edge ramp in pixels: 1 for
// a crisp anti-aliased edge, more for a blurred one (shadows and glows).
void fill(Image& img, const Shape& s, const Paint& paint, float softness = 1.0f);
void fill(Image& img, const Shape& s, Rgba colour, float softness = 1.0f);

// Paints for fills.
Paint linear_gradient(Pt from, Rgba c0, Pt to, Rgba c1);
Paint radial_gradient(Pt centre, float radius, Rgba inner, Rgba outer);
