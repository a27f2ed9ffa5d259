#include <cmath>

#include "common/mesh_builders.h"
#include "common/shapes.h"
#include "interface_parts.h"
#include "materials.h"

// The marks laid over the scene for keyboard and switch play and for the
// number hints. Each is a square facing the eye, one unit from its centre to
// its side; the game places and scales it on the cursor's plane.

namespace {

Mesh badge_quad(const std::string& tex) {
    Mesh quad = facing_quad(tex, -1.0, 1.0, -1.0, 1.0, 0.0);
    quad.material = blended_material();
    return quad;
}

// A soft glowing ring around the thing in focus: a warm golden band with a
// white core and a haze on both sides, so it shows on light and dark alike.
// The corners are round so it still looks like a ring when stretched.
Image focus_ring_image() {
    const int size = 128;
    Image img(size, size);
    const float m = 6, r = 34;
    const Shape outer = rounded_rect(m, m, size - m, size - m, r);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = std::fabs(outer.dist(x + 0.5f, y + 0.5f) + 7.0f);  // the band's middle, 7 px inside
            Rgba c{};
            if (d < 7.0f) {
                const float core = std::max(0.0f, 1.0f - d / 2.6f);
                c = mix(rgb(0xFFB000), rgb(0xFFFBE8), core);
                c.a = std::min(1.0f, 0.95f - std::max(0.0f, d - 3.0f) * 0.12f);
            } else {
                const float haze = std::exp(-(d - 7.0f) / 2.2f) * 0.5f;
                c = with_alpha(rgb(0xFFD24A), haze);
            }
            img.set(x, y, c);
        }
    img.bleed_edges();
    return img;
}

// A four-pointed twinkle, white at the heart and golden at the tips, in a
// soft glow.
Image sparkle_image() {
    const int size = 64;
    Image img(size, size);
    const float c = size / 2.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = std::fabs(x + 0.5f - c) / c, dy = std::fabs(y + 0.5f - c) / c;
            // The star's edge: a curved cross, thin towards its tips.
            const float star = std::sqrt(dx) + std::sqrt(dy);
            const float body = std::clamp((1.0f - star) * 14.0f, 0.0f, 1.0f);
            const float glow = std::exp(-(dx * dx + dy * dy) * 9.0f) * 0.55f;
            const float heart = std::exp(-(dx * dx + dy * dy) * 40.0f);
            Rgba col = mix(rgb(0xFFC83C), rgb(0xFFFFFF), std::min(1.0f, heart * 1.4f + body * 0.4f));
            col.a = std::min(1.0f, std::max(body, glow));
            img.set(x, y, col);
        }
    img.bleed_edges();
    return img;
}

// A green disc with a white tick and a thin white rim: this tube is done.
Image tick_image() {
    const int size = 64;
    Image img(size, size);
    fill(img, circle(32, 32, 30), rgb(0xFFFFFF));
    fill(img, circle(32, 32, 26.5f), radial_gradient({26, 24}, 30, rgb(0x6FD66A), rgb(0x2E9A3A)));
    fill(img, polyline({{18, 33}, {28, 43}, {46, 22}}, 4.2f), rgb(0xFFFFFF));
    img.bleed_edges();
    return img;
}

}  // namespace

void add_badges(ArchiveBuilder& pak) {
    pak.add_object("focus_ring", {badge_quad(pak.add_texture("focus_ring.png", focus_ring_image()))});
    pak.add_object("hint_sparkle", {badge_quad(pak.add_texture("hint_sparkle.png", sparkle_image()))});
    pak.add_object("tube_tick", {badge_quad(pak.add_texture("tube_tick.png", tick_image()))});
}
