#include <algorithm>
#include <cmath>
#include <vector>

#include "common/rng.h"
#include "common/shapes.h"
#include "test_scenes.h"

namespace {

// The drawing is laid out on 100 x 75 units.
struct Crayon {
    Image& img;
    Rng& rng;
    float sx, sy;

    Pt p(float x, float y) const { return {x * sx, y * sy}; }
    float len(float l) const { return l * (sx + sy) / 2; }

    // Wax on paper: the crayon skips where the paper's grain stands low.
    Paint wax(Rgba c) const {
        const uint32_t salt = static_cast<uint32_t>(rng.next());
        const float cell = std::max(1.0f, len(0.18f));
        return [c, salt, cell](float x, float y) {
            uint32_t k = static_cast<uint32_t>(static_cast<int>(x / cell)) * 73856093u ^
                         static_cast<uint32_t>(static_cast<int>(y / cell)) * 19349663u ^ salt;
            k ^= k >> 13;
            k *= 0x5bd1e995u;
            k ^= k >> 15;
            const float n = (k & 0xFFFF) / 65535.0f;
            return Rgba{c.r, c.g, c.b, n < 0.25f ? 0.1f : 0.9f};
        };
    }

    // One stroke through the points, wobbling as a hand does.
    void line(std::vector<Pt> pts, Rgba c, float width = 0.55f) {
        for (Pt& q : pts) {
            q.x += static_cast<float>(rng.range(-0.25, 0.25)) * sx;
            q.y += static_cast<float>(rng.range(-0.25, 0.25)) * sy;
        }
        fill(img, polyline(pts, len(width) / 2), wax(c));
    }
    void line(std::initializer_list<float> xy, Rgba c, float width = 0.55f) {
        std::vector<Pt> pts;
        for (auto it = xy.begin(); it + 1 < xy.end(); it += 2) pts.push_back(p(it[0], it[1]));
        line(pts, c, width);
    }

    // Back-and-forth strokes filling a shape, overshooting it a little.
    void scribble(const Shape& area, float x0, float y0, float x1, float y1, Rgba c, float spacing = 1.3f) {
        std::vector<Pt> zigzag;
        bool left = true;
        for (float y = y0; y <= y1 + spacing; y += spacing / 2, left = !left)
            zigzag.push_back(p((left ? x0 : x1) + static_cast<float>(rng.range(-1.5, 1.5)), y + static_cast<float>(rng.range(-0.3, 0.3))));
        for (size_t k = 0; k + 1 < zigzag.size(); k += 12) {
            const std::vector<Pt> piece(zigzag.begin() + k, zigzag.begin() + std::min(zigzag.size(), k + 13));
            fill(img, intersect(polyline(piece, len(0.75f)), grown(area, len(0.4f))), wax(c));
        }
    }
    Shape box(float x0, float y0, float x1, float y1) const {
        return rounded_rect(p(x0, y0).x, p(x0, y0).y, p(x1, y1).x, p(x1, y1).y, 0);
    }
};

}  // namespace

Image crayon_drawing(int w, int h, uint64_t seed) {
    Image img(w, h, {1, 1, 1, 1});
    Rng rng(seed);
    Crayon c{img, rng, w / 100.0f, h / 75.0f};
    // Paper, faintly warm and fibrous.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float n = static_cast<float>(rng.range(-0.015, 0.015));
            img.set(x, y, {0.985f + n, 0.975f + n, 0.94f + n, 1});
        }
    const Rgba sky = rgb(0x4A8FE0), sun = rgb(0xFFC81E), grass = rgb(0x3DAA3A), black = rgb(0x2A2A2A);
    const Rgba red = rgb(0xE0402F), brown = rgb(0x8B4A2B), yellow = rgb(0xFFE14D), pink = rgb(0xF06FB0);

    // Sky across the top, the sun in its corner with rays, grass below.
    c.scribble(c.box(0, 0, 100, 13), 0, 0, 100, 13, sky, 1.6f);
    c.scribble(circle(c.p(14, 13).x, c.p(14, 13).y, c.len(7)), 6, 5, 22, 21, sun, 1.1f);
    for (int k = 0; k < 9; ++k) {
        const float a = 0.2f + k * 0.42f;
        c.line({14 + 9 * std::cos(a), 13 + 9 * std::sin(a), 14 + 13 * std::cos(a), 13 + 13 * std::sin(a)}, sun, 0.8f);
    }
    c.scribble(c.box(0, 62, 100, 75), 0, 62, 100, 75, grass, 1.4f);
    for (int k = 0; k < 30; ++k) {
        const float x = 2 + k * 3.3f;
        c.line({x, 63, x + 0.8f, 59.5f}, grass, 0.5f);
    }

    // The house: red walls, a brown roof, a blue door, a yellow window.
    c.scribble(c.box(30, 36, 60, 62), 30, 36, 60, 62, red);
    c.scribble(polygon({c.p(26, 37), c.p(45, 20), c.p(64, 37)}), 26, 20, 64, 37, brown, 1.1f);
    c.scribble(c.box(41, 47, 49, 62), 41, 47, 49, 62, rgb(0x3A5FCD), 1.0f);
    c.scribble(c.box(33, 41, 39, 47), 33, 41, 39, 47, yellow, 1.0f);
    c.line({30, 62, 30, 36, 60, 36, 60, 62, 30, 62}, black, 0.6f);
    c.line({26, 37, 45, 20, 64, 37, 26, 37}, black, 0.6f);
    c.line({41, 62, 41, 47, 49, 47, 49, 62}, black, 0.5f);
    c.line({33, 41, 39, 41, 39, 47, 33, 47, 33, 41}, black, 0.5f);

    // A big flower on the right: stem, leaf, petals around a yellow heart.
    c.line({82, 62, 81, 50, 82, 40}, grass, 1.0f);
    c.scribble(ellipse(c.p(86, 54).x, c.p(86, 54).y, c.len(3.5f), c.len(1.6f)), 82, 52, 90, 56, grass, 0.9f);
    for (int k = 0; k < 6; ++k) {
        const float a = k * 1.047f;
        const Pt at = c.p(82 + 5 * std::cos(a), 35 + 5 * std::sin(a));
        c.scribble(circle(at.x, at.y, c.len(3.2f)), 82 + 5 * std::cos(a) - 3.5f, 35 + 5 * std::sin(a) - 3.5f,
                   82 + 5 * std::cos(a) + 3.5f, 35 + 5 * std::sin(a) + 3.5f, pink, 1.0f);
    }
    c.scribble(circle(c.p(82, 35).x, c.p(82, 35).y, c.len(2.8f)), 79, 32, 85, 38, yellow, 0.9f);

    // A person waving on the left.
    c.line({12, 62, 15, 52, 18, 62}, black, 0.6f);
    c.line({15, 52, 15, 42}, black, 0.6f);
    c.line({9, 41, 15, 46, 21, 43}, black, 0.6f);
    c.scribble(circle(c.p(15, 38).x, c.p(15, 38).y, c.len(3.6f)), 11, 34, 19, 42, rgb(0xF5B98A), 1.0f);
    c.line({11.5f, 38, 12.2f, 35, 15, 34, 17.8f, 35, 18.5f, 38, 17.8f, 41, 15, 42, 12.2f, 41, 11.5f, 38}, black, 0.5f);
    return img;
}
