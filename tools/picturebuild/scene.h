#pragma once

#include <vector>

#include "shapes.h"
#include "splitter.h"

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

// How an area is cut into regions when the picture needs more regions of
// its colour than there are areas (design units, degrees).
struct CutStyle {
    Pattern pattern = Pattern::cells;
    double stretch = 1;       // cells: > 1 gives pieces stretched sideways
    double aspect = 3;        // bands: length of a piece over its height
    double wave = 0;          // bands: swing of the band edges
    double wavelength = 30;   // bands: length of one swing
    double slant = 0.3;       // bands: lean of the joints
    double angle = 0;         // bands: tilt; 90 stands them upright
    double band = 0;          // bands: height of a band; 0 works it out from the count
    double offset = 0;        // bands: a band edge lies this far below the top edge (right of the left edge when upright)
    double phase = 0;         // bands: where the swing starts; rays: angle of the first ray
    double cx = 50, cy = 47;  // rays: the centre

    static CutStyle cells(double stretch = 1) {
        CutStyle c;
        c.stretch = stretch;
        return c;
    }
    // Bands (sky, water, fields, walls): pieces about `aspect` times as
    // long as high, band edges swinging by `wave` over `wavelength`.
    static CutStyle bands(double aspect = 3, double wave = 0, double wavelength = 30, double slant = 0.3,
                          double angle = 0) {
        CutStyle c;
        c.pattern = Pattern::bands;
        c.aspect = aspect;
        c.wave = wave;
        c.wavelength = wavelength;
        c.slant = slant;
        c.angle = angle;
        return c;
    }
    // Bands of the given height whose edges lie `offset` plus whole
    // multiples of `height` below the top edge, or right of the left edge
    // with `upright`.
    static CutStyle fixed_bands(double height, double offset, bool upright, double aspect = 3) {
        CutStyle c = bands(aspect, 0, 30, 0, upright ? 90 : 0);
        c.band = height;
        c.offset = offset;
        return c;
    }
    // Rays around (cx, cy): a sunburst, a pie.
    static CutStyle rays(double cx, double cy, double first_ray = 90) {
        CutStyle c;
        c.pattern = Pattern::rays;
        c.cx = cx;
        c.cy = cy;
        c.phase = first_ray;
        return c;
    }
    // Slices across the length: necks, tails, paths, trunks.
    static CutStyle stripes() {
        CutStyle c;
        c.pattern = Pattern::stripes;
        return c;
    }
};

// A cut for the one area of a colour that covers a point; `pieces` above 0
// fixes how many regions it becomes.
struct AreaCut {
    int colour = 0;
    double x = 0, y = 0;
    CutStyle style;
    int pieces = 0;
};

class Scene {
public:
    static constexpr double width = 100.0;
    static constexpr double height = 94.0;

    std::vector<Shape> shapes;
    // Ink drawn with the outlines but inside a region, for details such as
    // eyebrows or whiskers: it never parts a region and keeps clear of the
    // numbers.
    std::vector<std::vector<Ring>> ink_lines;
    CutStyle cuts[11];            // per colour
    std::vector<AreaCut> area_cuts;  // for single areas, before the colour's

    void cut(int colour, const CutStyle& style) { cuts[colour] = style; }
    void cut_at(int colour, double x, double y, const CutStyle& style, int pieces = 0) {
        area_cuts.push_back({colour, x, y, style, pieces});
    }
    // The area of the colour at (x, y) stays one region.
    void whole_at(int colour, double x, double y) { cut_at(colour, x, y, CutStyle(), 1); }

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
    void ink(const Polyline& line, double width = 0.5) { ink_lines.push_back(stroke_rings(line, width)); }

private:
    int group_ = 0;
    int groups_ = 0;
};
