#include <cmath>
#include <string>

#include "common/mesh_builders.h"
#include "common/shapes.h"
#include "interface_parts.h"
#include "materials.h"

// Soap bubbles. The game draws them facing the viewer (their parent's turn
// is dropped), so they are authored straight in eye space: x right, y up,
// facing +z. White and see-through, so the tube's tint colours them.

namespace {

Image bubble_texture(int variant) {
    const float n = 128, c = n / 2, r = n / 2 - 2;
    Image img(128, 128);
    // A faint body, a brighter rim, and highlights that vary per bubble.
    fill(img, circle(c, c, r), [&](float x, float y) {
        const float d = std::hypot(x - c, y - c) / r;
        const float a = 0.18f + 0.62f * std::pow(std::min(1.0f, d), 6.0f);
        return Rgba{1, 1, 1, a};
    });
    const float a = -0.8f - 0.25f * static_cast<float>(variant);
    const float hx = c + std::cos(a) * r * 0.55f, hy = c + std::sin(a) * r * 0.55f;
    fill(img, ellipse(hx, hy, r * 0.2f, r * 0.12f), Rgba{1, 1, 1, 0.95f}, 3.0f);
    fill(img, circle(c - std::cos(a) * r * 0.5f, c - std::sin(a) * r * 0.5f, r * 0.07f), Rgba{1, 1, 1, 0.8f}, 2.0f);
    if (variant % 2 == 1) fill(img, circle(hx + r * 0.22f, hy + r * 0.18f, r * 0.05f), Rgba{1, 1, 1, 0.9f}, 1.5f);
    return img;
}

}  // namespace

void add_bubbles(ArchiveBuilder& pak) {
    const double radius[5] = {1.3, 1.55, 1.8, 1.45, 1.7};
    for (int i = 0; i < 5; ++i) {
        const std::string name = "buble" + std::to_string(i + 1);
        const std::string& tex = pak.add_texture(name + ".png", bubble_texture(i));
        Mesh quad = facing_quad(tex, -radius[i], radius[i], -radius[i], radius[i], 0.0);
        quad.material = blended_material();
        pak.add_object(name, {quad});
    }
}
