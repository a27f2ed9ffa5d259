#include <cmath>

#include "interface_parts.h"
#include "layout.h"
#include "materials.h"
#include "sheet.h"

// The custom colour dialog's palette and swatches. The game picks the colour
// of the screen pixel under the pointer, so the palette shows exactly the
// colours it offers: opaque fields, lit head-on, untinted.

namespace {

constexpr double kPpu = 80.0;

Rgba hsv(float h, float s, float v) {
    h = (h - std::floor(h)) * 6.0f;
    const int i = static_cast<int>(h) % 6;
    const float f = h - std::floor(h);
    const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (i) {
        case 0: return {v, t, p, 1};
        case 1: return {q, v, p, 1};
        case 2: return {p, v, t, 1};
        case 3: return {p, q, v, 1};
        case 4: return {t, p, v, 1};
        default: return {v, p, q, 1};
    }
}

void add_flat(ArchiveBuilder& pak, const char* name, const Sheet& sheet) {
    const std::string& tex = pak.add_texture(std::string(name) + ".png", sheet.image());
    Mesh quad = sheet.quad(tex, layout::widget_y);
    quad.material = blended_material();
    pak.add_object(name, {quad});
}

}  // namespace

void add_palette(ArchiveBuilder& pak) {
    using layout::Rect;
    {
        // Hue across; white at the top, the full colour in the middle, black at the bottom.
        const Rect a = layout::gradient_area;
        Sheet sheet(a.x0, a.x1, a.z0, a.z1, kPpu);
        const Box b = sheet.box(a.x0, a.x1, a.z0, a.z1);
        fill(sheet.image(), rounded_rect(b.x0, b.y0, b.x1, b.y1, sheet.len(0.15)), [&](float x, float y) {
            const float u = std::clamp((x - b.x0) / (b.x1 - b.x0), 0.0f, 1.0f);
            const float v = std::clamp((y - b.y0) / (b.y1 - b.y0), 0.0f, 1.0f);
            const Rgba full = hsv(u * 0.97f, 1, 1);
            return v < 0.5f ? mix(Rgba{1, 1, 1, 1}, full, v * 2) : mix(full, Rgba{0, 0, 0, 1}, (v - 0.5f) * 2);
        });
        add_flat(pak, "palitra_gradient", sheet);
    }
    {
        const int colours[2][9] = {
            {0xE53935, 0xFF9800, 0xFFEB3B, 0x43A047, 0x00BCD4, 0x1E88E5, 0x8E24AA, 0xF06292, 0x795548},
            {0xFFFFFF, 0xD0D0D0, 0xA0A0A0, 0x707070, 0x404040, 0x000000, 0xFFCC99, 0x90CAF9, 0xC5E1A5},
        };
        const Rect a = layout::fields_area;
        Sheet sheet(a.x0, a.x1, a.z0, a.z1, kPpu);
        const double gap = 0.06, cw = (a.w() - 8 * gap) / 9, ch = (a.h() - gap) / 2;
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 9; ++col) {
                const double x0 = a.x0 + col * (cw + gap), z1 = a.z1 - row * (ch + gap);
                const Box b = sheet.box(x0, x0 + cw, z1 - ch, z1);
                fill(sheet.image(), rounded_rect(b.x0, b.y0, b.x1, b.y1, sheet.len(0.12)), rgb(colours[row][col]));
            }
        add_flat(pak, "palitra_colors", sheet);
    }
    // Swatches take their colour from their tint: plain white, lit head-on.
    for (const auto& [name, area] : {std::pair{"color_const", layout::const_swatch}, std::pair{"color_hover", layout::hover_swatch}}) {
        Sheet sheet(area.x0, area.x1, area.z0, area.z1, kPpu);
        const Box b = sheet.box(area.x0, area.x1, area.z0, area.z1);
        fill(sheet.image(), rounded_rect(b.x0, b.y0, b.x1, b.y1, sheet.len(0.25)), Rgba{1, 1, 1, 1});
        add_flat(pak, name, sheet);
    }
}
