#include <cmath>

#include "common/rng.h"
#include "interface_parts.h"
#include "layout.h"
#include "materials.h"
#include "sheet.h"

namespace {

// A five-pointed star around c.
Shape star(Pt c, float r, float turn) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        const float a = turn + static_cast<float>(i) * 3.14159265f / 5.0f;
        const float rr = i % 2 == 0 ? r : r * 0.45f;
        pts.push_back({c.x + rr * std::sin(a), c.y - rr * std::cos(a)});
    }
    return polygon(pts);
}

}  // namespace

// A calm sky of pastel light, sprinkled with soft dots and little stars; it
// covers the widest screens at the background's depth with room to spare.
void add_background(ArchiveBuilder& pak) {
    const double half_h = layout::half_height_at(layout::map_depth) * 1.12;
    const double half_w = half_h * layout::widest_aspect;
    Sheet sheet(-half_w, half_w, -half_h, half_h, 1024.0 / (2 * half_w));
    Image& img = sheet.image();
    const float h = static_cast<float>(img.height());
    const Rgba top = rgb(0xAEDCFA), middle = rgb(0xDDF1FF), bottom = rgb(0xFFF1D0);
    for (int y = 0; y < img.height(); ++y) {
        const float t = static_cast<float>(y) / h;
        const Rgba c = t < 0.55f ? mix(top, middle, t / 0.55f) : mix(middle, bottom, (t - 0.55f) / 0.45f);
        for (int x = 0; x < img.width(); ++x) img.set(x, y, c);
    }

    Rng rng(0x70F0);
    const int palette[] = {0xFFB3C7, 0xFFE08A, 0xB9F2A6, 0xB5C8FF, 0xE2B8FF, 0xFFC99E, 0xA8EEF0};
    const float w = static_cast<float>(img.width());
    for (int i = 0; i < 90; ++i) {
        const Pt c{static_cast<float>(rng.range(0, w)), static_cast<float>(rng.range(0, h))};
        const float r = static_cast<float>(rng.range(2.5, 8.0));
        const Rgba col = rgb(palette[rng.below(7)], static_cast<float>(rng.range(0.3, 0.55)));
        fill(img, circle(c.x, c.y, r), col, 1.5f);
    }
    for (int i = 0; i < 30; ++i) {
        const Pt c{static_cast<float>(rng.range(0, w)), static_cast<float>(rng.range(0, h))};
        const float r = static_cast<float>(rng.range(3.5, 7.0));
        fill(img, star(c, r, static_cast<float>(rng.range(0, 1.2))), rgb(0xFFFFFF, 0.7f));
    }
    // Soft hills along the bottom edge.
    for (int i = 0; i < 3; ++i) {
        const float base = h * (0.9f + 0.03f * static_cast<float>(i));
        const Rgba col = rgb(i == 0 ? 0xCDEFC0 : i == 1 ? 0xB8E6A8 : 0xA5DD93);
        for (int x = 0; x < img.width(); ++x) {
            const float fx = static_cast<float>(x) / w;
            const float top = base - h * 0.035f * (1.0f + std::sin(fx * 6.2832f * (3.0f + static_cast<float>(i)) + static_cast<float>(i) * 1.7f));
            fill(img, rounded_rect(static_cast<float>(x), top, static_cast<float>(x) + 1.0f, h, 0), col, 1.0f);
        }
    }

    const std::string& tex = pak.add_texture("fon.png", img, 3);
    Mesh quad = sheet.quad(tex, 0.0);
    quad.material = opaque_material();
    pak.add_object("fon", {quad});
}

void add_sheet_overlay(ArchiveBuilder& pak) {
    // In free colouring the picture's outline overlay is drawn without the
    // numbers; the overlay of numbers then has nothing to show.
    pak.add_object("list_nums_nodigits", {});
}
