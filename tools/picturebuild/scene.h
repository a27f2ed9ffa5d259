#pragma once

#include <vector>

#include "shapes.h"

// A picture as its artist describes it: filled shapes, each with a colour
// number (1 to 9 paintable, 10 for the parts that stay white), drawn in
// order so later shapes cover earlier ones. Coordinates are design units:
// the picture spans x 0..100 and y 0..94, y pointing up.
// Shapes of one colour that touch form one area, unless they belong to
// different groups: a wall's bricks, a flower's petals or a caterpillar's
// segments each become a region of their own that way.
struct Shape {
    int colour = 0;
    int group = 0;
    std::vector<Ring> rings;  // filled with the even-odd rule
};

class Scene {
public:
    static constexpr double width = 100.0;
    static constexpr double height = 94.0;

    std::vector<Shape> shapes;
    // How the splitter cuts a colour into regions: 1 gives round pieces,
    // larger values pieces stretched sideways (bands of sky or water).
    double stretch[11] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

    // The following shapes form a group of their own (see Shape).
    void new_group() { group_ = ++groups_; }
    // The following shapes join touching shapes of their colour again.
    void no_group() { group_ = 0; }

    void fill(int colour, std::vector<Ring> rings) { shapes.push_back({colour, group_, std::move(rings)}); }
    void fill(int colour, Ring ring) { fill(colour, std::vector<Ring>{std::move(ring)}); }
    void rect(int c, double x0, double y0, double x1, double y1) { fill(c, rect_ring(x0, y0, x1, y1)); }
    void rrect(int c, double x0, double y0, double x1, double y1, double r) {
        fill(c, rrect_ring(x0, y0, x1, y1, r));
    }
    void ellipse(int c, double cx, double cy, double rx, double ry, double deg = 0) {
        fill(c, ellipse_ring(cx, cy, rx, ry, deg));
    }
    void circle(int c, double cx, double cy, double r) { ellipse(c, cx, cy, r, r); }
    void star(int c, double cx, double cy, double ro, double ri, int n, double deg = 90) {
        fill(c, star_ring(cx, cy, ro, ri, n, deg));
    }
    void poly(int c, std::initializer_list<double> xy) { fill(c, poly_ring(xy)); }
    void stroke(int c, const Polyline& line, double width) { fill(c, stroke_rings(line, width)); }
    void background(int c) { rect(c, -1, -1, width + 1, height + 1); }

private:
    int group_ = 0;
    int groups_ = 0;
};
