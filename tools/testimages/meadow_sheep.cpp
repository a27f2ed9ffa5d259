#include <algorithm>
#include <cmath>

#include "camera_look.h"
#include "layout.h"
#include "test_scenes.h"

namespace {

// A sheep grazing, facing left (-1) or right (1).
void draw_sheep(Image& img, const Layout& L, ScenePoint at, float k, int facing, float soft) {
    const float x = at.x, y = at.y;
    const Rgba dark = rgb(0x35302C);
    for (float dx : {-2.4f, -1.0f, 1.0f, 2.4f})
        fill(img, segment(L.p(x + dx * k, y + 1.5f * k), L.p(x + dx * k, y + 3.6f * k), L.len(0.35f * k)), dark, soft);
    Shape wool = L.ellipse(x, y, 3.6f * k, 2.4f * k);
    for (int b = 0; b < 8; ++b) {
        const float a = b * 0.785f;
        wool = unite(wool, L.circle(x + 3.2f * k * std::cos(a), y + 2.0f * k * std::sin(a), 1.0f * k));
    }
    fill(img, wool, radial_gradient(L.p(x - 1 * k, y - 1 * k), L.len(4.5f * k), rgb(0xFBFAF4), rgb(0xD8D4C8)), soft);
    const float hx = x + facing * 4.2f * k;
    fill(img, L.ellipse(hx, y - 0.6f * k, 1.3f * k, 1.7f * k), dark, soft);
    fill(img, L.ellipse(hx - facing * 1.0f * k, y - 1.9f * k, 0.9f * k, 0.4f * k), dark, soft);
}

}  // namespace

Image meadow_sheep(int w, int h, uint64_t seed) {
    const Layout L(w, h);
    Rng rng(seed);
    const float soft = std::max(1.0f, L.len(0.12f));

    // A wide sky, a few clouds, far blue-green hills.
    Image img = gradient_backdrop(L, w, h, rgb(0x5F9BD6), {0, 0}, rgb(0xD2E6F4), {0, 42});
    for (const ScenePoint c : {ScenePoint{22, 12}, ScenePoint{64, 8}, ScenePoint{86, 20}})
        for (int k = 0; k < 5; ++k)
            fill(img, L.circle(c.x + (k - 2) * 3.0f, c.y + (k % 2 ? -1.0f : 0.8f), 3.0f + k % 2), rgb(0xF7F9FC, 0.85f),
                 L.len(1.2f));
    fill(img, land(L, 40, 3, 1.7f, 0.4f), linear_gradient(L.p(0, 36), rgb(0x86A896), L.p(0, 48), rgb(0x6C9470)), soft);

    // The meadow with its grass blades.
    fill(img, land(L, 47, 1.5f, 1.2f, 2.0f), linear_gradient(L.p(0, 46), rgb(0x7DBA45), L.p(0, 75), rgb(0x4B8A2A)), soft);
    for (int k = 0; k < 3500; ++k) {
        const float x = static_cast<float>(rng.range(0, 100)), y = static_cast<float>(rng.range(49, 76));
        const float lean = static_cast<float>(rng.range(-0.4, 0.4)), tall = 0.6f + (y - 49) / 27 * 1.2f;
        fill(img, segment(L.p(x, y), L.p(x + lean, y - tall), L.len(0.1f)),
             k % 3 ? rgb(0x3E7A22, 0.5f) : rgb(0xA6D66A, 0.5f), soft);
    }

    // A tree at the left, then the flock.
    fill(img, polygon(L.pts({7, 52, 7.8f, 34, 9.2f, 34, 10, 52})), rgb(0x5A3C22), soft);
    for (const auto& c : {ScenePoint{8.5f, 30}, ScenePoint{4.5f, 34}, ScenePoint{12.5f, 34}})
        fill(img, L.circle(c.x, c.y, 5.5f), radial_gradient(L.p(c.x - 1.5f, c.y - 2), L.len(7), rgb(0x5DA639), rgb(0x2A6A22)),
             soft);
    for (int k = 0; k < 5; ++k) draw_sheep(img, L, meadow::sheep[k], meadow::sheep_size[k], k % 2 ? -1 : 1, soft);

    add_camera_look(img, rng, 0.3f, 0.02f);
    return img;
}
