#include <cmath>
#include <string>

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
// Its quarters are the ring's corners, its middle column and row its edges.
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

// A four-pointed twinkle, white at the heart and deep gold at the tips, in
// a soft golden glow.
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
            // A deeper gold at the edges, so it shows on the white sheet too.
            const float glow = std::exp(-(dx * dx + dy * dy) * 7.0f) * 0.6f;
            const float heart = std::exp(-(dx * dx + dy * dy) * 40.0f);
            const Rgba edge = body > 0.0f ? rgb(0xFF9800) : rgb(0xFFB300);
            Rgba col = mix(edge, rgb(0xFFFFFF), std::min(1.0f, heart * 1.6f));
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
    // The ring in nine pieces, so it keeps its band's width round anything
    // from a check box to a whole group: four corners, four edges (their
    // texture one column or row of the ring's middle, stretched), no middle.
    const std::string& ring = pak.add_texture("focus_ring.png", focus_ring_image());
    const char* pieces[3][3] = {{"tl", "t", "tr"}, {"l", nullptr, "r"}, {"bl", "b", "br"}};
    const float from[3] = {0.0f, 0.5f, 0.5f}, to[3] = {0.5f, 0.5f, 1.0f};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            if (!pieces[row][column]) continue;
            Mesh quad = badge_quad(ring);
            for (MeshVertex& v : quad.vertices) {
                v.s = from[column] + v.s * (to[column] - from[column]);
                v.t = from[row] + v.t * (to[row] - from[row]);
            }
            pak.add_object(std::string("focus_ring_") + pieces[row][column], {quad});
        }
    pak.add_object("hint_sparkle", {badge_quad(pak.add_texture("hint_sparkle.png", sparkle_image()))});
    pak.add_object("tube_tick", {badge_quad(pak.add_texture("tube_tick.png", tick_image()))});
}
