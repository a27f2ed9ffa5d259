#pragma once

#include <initializer_list>

#include "geometry.h"

// Ring makers for the scene descriptions. All angles are in degrees,
// counter-clockwise; rings come out counter-clockwise.
Ring ellipse_ring(double cx, double cy, double rx, double ry, double deg = 0, int segments = 0);
Ring rect_ring(double x0, double y0, double x1, double y1);
Ring rrect_ring(double x0, double y0, double x1, double y1, double r);
Ring star_ring(double cx, double cy, double r_out, double r_in, int points, double deg = 90);
Ring poly_ring(std::initializer_list<double> xy);
// A thick line with round ends and joins, as one or more rings.
std::vector<Ring> stroke_rings(const Polyline& line, double width);

Ring rotated(Ring r, Pt centre, double deg);
Ring translated(Ring r, double dx, double dy);
Ring scaled(Ring r, Pt centre, double kx, double ky);
Ring mirrored_x(Ring r, double axis_x);

// A path of straight and curved pieces, flattened into a ring.
class Path {
public:
    Path& M(double x, double y);
    Path& L(double x, double y);
    Path& Q(double cx, double cy, double x, double y);
    Path& C(double c1x, double c1y, double c2x, double c2y, double x, double y);
    Ring ring() const { return pts_; }
    Polyline line() const { return pts_; }

private:
    Ring pts_;
};
