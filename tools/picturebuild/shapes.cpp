#include "shapes.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kClipScale = 1000.0;

int segments_for(double r) { return std::max(24, std::min(160, static_cast<int>(r * 8))); }

}  // namespace

Ring ellipse_ring(double cx, double cy, double rx, double ry, double deg, int segments) {
    const int n = segments > 0 ? segments : segments_for(std::max(rx, ry));
    const double c = std::cos(deg * kPi / 180), s = std::sin(deg * kPi / 180);
    Ring r;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n;
        const double x = rx * std::cos(a), y = ry * std::sin(a);
        r.push_back({cx + x * c - y * s, cy + x * s + y * c});
    }
    return r;
}

Ring rect_ring(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

Ring rrect_ring(double x0, double y0, double x1, double y1, double r) {
    r = std::min({r, (x1 - x0) / 2, (y1 - y0) / 2});
    Ring out;
    const Pt centres[4] = {{x1 - r, y0 + r}, {x1 - r, y1 - r}, {x0 + r, y1 - r}, {x0 + r, y0 + r}};
    const int steps = 8;
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i <= steps; ++i) {
            const double a = (k - 1) * kPi / 2 + (kPi / 2) * i / steps;
            out.push_back({centres[k].x + r * std::cos(a), centres[k].y + r * std::sin(a)});
        }
    }
    return out;
}

Ring star_ring(double cx, double cy, double r_out, double r_in, int points, double deg) {
    Ring r;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = (deg + 180.0 * i / points) * kPi / 180;
        const double rad = (i % 2 == 0) ? r_out : r_in;
        r.push_back({cx + rad * std::cos(a), cy + rad * std::sin(a)});
    }
    return r;
}

Ring poly_ring(std::initializer_list<double> xy) {
    Ring r;
    for (auto it = xy.begin(); it != xy.end() && std::next(it) != xy.end(); it += 2) r.push_back({*it, *std::next(it)});
    if (ring_area2(r) < 0) std::reverse(r.begin(), r.end());
    return r;
}

std::vector<Ring> stroke_rings(const Polyline& line, double width) {
    ClipperLib::Path path;
    for (const Pt& p : line)
        path.push_back({static_cast<ClipperLib::cInt>(std::lround(p.x * kClipScale)),
                        static_cast<ClipperLib::cInt>(std::lround(p.y * kClipScale))});
    ClipperLib::ClipperOffset off(2.0, 0.02 * kClipScale);
    off.AddPath(path, ClipperLib::jtRound, ClipperLib::etOpenRound);
    ClipperLib::Paths out;
    off.Execute(out, width / 2 * kClipScale);
    std::vector<Ring> rings;
    for (const auto& p : out) {
        Ring r;
        for (const auto& q : p) r.push_back({q.X / kClipScale, q.Y / kClipScale});
        rings.push_back(r);
    }
    return rings;
}

Ring rotated(Ring r, Pt c, double deg) {
    const double cs = std::cos(deg * kPi / 180), sn = std::sin(deg * kPi / 180);
    for (Pt& p : r) {
        const Pt d = p - c;
        p = {c.x + d.x * cs - d.y * sn, c.y + d.x * sn + d.y * cs};
    }
    return r;
}

Ring translated(Ring r, double dx, double dy) {
    for (Pt& p : r) p = {p.x + dx, p.y + dy};
    return r;
}

Ring scaled(Ring r, Pt c, double kx, double ky) {
    for (Pt& p : r) p = {c.x + (p.x - c.x) * kx, c.y + (p.y - c.y) * ky};
    return r;
}

Ring mirrored_x(Ring r, double axis) {
    for (Pt& p : r) p.x = 2 * axis - p.x;
    std::reverse(r.begin(), r.end());
    return r;
}

Path& Path::M(double x, double y) {
    pts_.push_back({x, y});
    return *this;
}

Path& Path::L(double x, double y) { return M(x, y); }

Path& Path::Q(double cx, double cy, double x, double y) {
    const Pt a = pts_.back();
    const int n = 16;
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1 - t;
        pts_.push_back({u * u * a.x + 2 * u * t * cx + t * t * x, u * u * a.y + 2 * u * t * cy + t * t * y});
    }
    return *this;
}

Path& Path::C(double c1x, double c1y, double c2x, double c2y, double x, double y) {
    const Pt a = pts_.back();
    const int n = 20;
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1 - t;
        const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
        pts_.push_back({b0 * a.x + b1 * c1x + b2 * c2x + b3 * x, b0 * a.y + b1 * c1y + b2 * c2y + b3 * y});
    }
    return *this;
}
