#pragma once

#include <initializer_list>
#include <vector>

#include "common/shapes.h"
#include "test_scenes.h"

constexpr float kPi = 3.14159265f;

// The test scenes are laid out on 100 x 75 units (x right, y down) and
// drawn at any size: a layout point or length in the image's pixels.
struct Layout {
    float sx, sy;

    Layout(int w, int h) : sx(w / 100.0f), sy(h / 75.0f) {}
    Pt p(float x, float y) const { return {x * sx, y * sy}; }
    float len(float l) const { return l * (sx + sy) / 2; }
    std::vector<Pt> pts(std::initializer_list<float> xy) const {
        std::vector<Pt> out;
        for (auto it = xy.begin(); it + 1 < xy.end(); it += 2) out.push_back(p(it[0], it[1]));
        return out;
    }
    Shape circle(float x, float y, float r) const { return ::circle(p(x, y).x, p(x, y).y, len(r)); }
    Shape ellipse(float x, float y, float rx, float ry) const { return ::ellipse(p(x, y).x, p(x, y).y, rx * sx, ry * sy); }
};

// A band of land from y = base + swell * sin(...) down to the bottom edge:
// hills, a meadow.
Shape land(const Layout& L, float base, float swell, float waves, float phase);

// The whole image from `top` at layout point `from` to `bottom` at `to`:
// a sky, a wall, a garden out of focus.
Image gradient_backdrop(const Layout& L, int w, int h, Rgba top, ScenePoint from, Rgba bottom, ScenePoint to);
