#include "common/shapes.h"

#include <algorithm>
#include <cmath>

namespace {

float length(float x, float y) { return std::sqrt(x * x + y * y); }

float seg_dist(float px, float py, Pt a, Pt b) {
    const float bax = b.x - a.x, bay = b.y - a.y;
    const float pax = px - a.x, pay = py - a.y;
    const float len2 = bax * bax + bay * bay;
    const float h = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    return length(pax - bax * h, pay - bay * h);
}

Box bounds_of(const std::vector<Pt>& pts, float pad) {
    Box b{1e30f, 1e30f, -1e30f, -1e30f};
    for (const Pt& p : pts) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return {b.x0 - pad, b.y0 - pad, b.x1 + pad, b.y1 + pad};
}

Box merge(const Box& a, const Box& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

Shape circle(float cx, float cy, float r) {
    return {[=](float x, float y) { return length(x - cx, y - cy) - r; }, {cx - r, cy - r, cx + r, cy + r}};
}

Shape ellipse(float cx, float cy, float rx, float ry) {
    // Distance scaled by the local gradient: exact enough for anti-aliasing.
    return {[=](float x, float y) {
                const float u = (x - cx) / rx, v = (y - cy) / ry;
                const float k0 = length(u, v);
                const float k1 = length(u / rx, v / ry);
                return k1 > 0 ? k0 * (k0 - 1.0f) / k1 : -std::min(rx, ry);
            },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape rounded_rect(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    const float r = std::min({radius, hx, hy});
    return {[=](float x, float y) {
                const float qx = std::fabs(x - cx) - hx + r, qy = std::fabs(y - cy) - hy + r;
                return length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
            },
            {x0, y0, x1, y1}};
}

Shape segment(Pt a, Pt b, float hw) {
    return {[=](float x, float y) { return seg_dist(x, y, a, b) - hw; }, bounds_of({a, b}, hw)};
}

Shape polyline(const std::vector<Pt>& pts, float hw) {
    return {[=](float x, float y) {
                float d = 1e30f;
                for (size_t i = 0; i + 1 < pts.size(); ++i) d = std::min(d, seg_dist(x, y, pts[i], pts[i + 1]));
                return d - hw;
            },
            bounds_of(pts, hw)};
}

Shape arc(float cx, float cy, float r, float hw, float a0, float a1) {
    std::vector<Pt> pts;
    const int steps = std::max(8, static_cast<int>(std::fabs(a1 - a0) * r / 3.0f));
    for (int i = 0; i <= steps; ++i) {
        const float a = a0 + (a1 - a0) * static_cast<float>(i) / static_cast<float>(steps);
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return polyline(pts, hw);
}

Shape polygon(const std::vector<Pt>& v) {
    return {[=](float x, float y) {
                const size_t n = v.size();
                float d = 1e30f;
                bool inside = false;
                for (size_t i = 0, j = n - 1; i < n; j = i++) {
                    d = std::min(d, seg_dist(x, y, v[j], v[i]));
                    const bool cross = (v[i].y > y) != (v[j].y > y);
                    if (cross && x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x) inside = !inside;
                }
                return inside ? -d : d;
            },
            bounds_of(v, 0)};
}

Shape arrow_head(Pt tip, Pt dir, float len, float half_base) {
    const float l = length(dir.x, dir.y);
    const float ux = dir.x / l, uy = dir.y / l;
    const Pt base{tip.x - ux * len, tip.y - uy * len};
    return polygon({tip, {base.x - uy * half_base, base.y + ux * half_base}, {base.x + uy * half_base, base.y - ux * half_base}});
}

Shape unite(const Shape& a, const Shape& b) {
    return {[=](float x, float y) { return std::min(a.dist(x, y), b.dist(x, y)); }, merge(a.box, b.box)};
}

Shape subtract(const Shape& a, const Shape& b) {
    return {[=](float x, float y) { return std::max(a.dist(x, y), -b.dist(x, y)); }, a.box};
}

Shape intersect(const Shape& a, const Shape& b) {
    return {[=](float x, float y) { return std::max(a.dist(x, y), b.dist(x, y)); },
            {std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0), std::min(a.box.x1, b.box.x1),
             std::min(a.box.y1, b.box.y1)}};
}

Shape grown(const Shape& s, float d) {
    return {[=](float x, float y) { return s.dist(x, y) - d; }, {s.box.x0 - d, s.box.y0 - d, s.box.x1 + d, s.box.y1 + d}};
}

Shape translated(const Shape& s, float dx, float dy) {
    return {[=](float x, float y) { return s.dist(x - dx, y - dy); },
            {s.box.x0 + dx, s.box.y0 + dy, s.box.x1 + dx, s.box.y1 + dy}};
}

void fill(Image& img, const Shape& s, const Paint& paint, float softness) {
    const float pad = softness + 1.0f;
    const int x0 = std::max(0, static_cast<int>(std::floor(s.box.x0 - pad)));
    const int y0 = std::max(0, static_cast<int>(std::floor(s.box.y0 - pad)));
    const int x1 = std::min(img.width() - 1, static_cast<int>(std::ceil(s.box.x1 + pad)));
    const int y1 = std::min(img.height() - 1, static_cast<int>(std::ceil(s.box.y1 + pad)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            const float cov = std::clamp(0.5f - s.dist(px, py) / softness, 0.0f, 1.0f);
            if (cov > 0.0f) img.blend(x, y, paint(px, py), cov);
        }
}

void fill(Image& img, const Shape& s, Rgba colour, float softness) {
    fill(img, s, [colour](float, float) { return colour; }, softness);
}

Paint linear_gradient(Pt from, Rgba c0, Pt to, Rgba c1) {
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float len2 = std::max(1e-6f, dx * dx + dy * dy);
    return [=](float x, float y) {
        const float t = std::clamp(((x - from.x) * dx + (y - from.y) * dy) / len2, 0.0f, 1.0f);
        return mix(c0, c1, t);
    };
}

Paint radial_gradient(Pt c, float radius, Rgba inner, Rgba outer) {
    return [=](float x, float y) {
        const float t = std::clamp(length(x - c.x, y - c.y) / radius, 0.0f, 1.0f);
        return mix(inner, outer, t);
    };
}
