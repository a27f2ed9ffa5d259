#include <cmath>
#include <cstdio>
#include <string>

#include "button_art.h"
#include "common/mesh_builders.h"
#include "gallery_parts.h"
#include "layout.h"
#include "materials.h"
#include "panel_art.h"

// The gallery panel and the pieces the game stands on it: thumbnails and
// the marks on them, the tile that adds a picture, the page arrows.

namespace {

using layout::Rect;

constexpr double kPi = 3.14159265358979323846;

Rect square(double size) { return {-size / 2, size / 2, -size / 2, size / 2}; }

// The panel: a card like the main menu's, with a lighter band across its
// top for the title, the count, the arrows and the close button. The grid
// below stays plain card, a soft blue on which a picture not yet painted,
// white as paper, still stands out.
void add_dialog(ArchiveBuilder& pak) {
    const Rect& r = layout::gallery_panel;
    // 1024 pixels across: about the screen's own resolution at this depth
    // on a 1080-line screen.
    Sheet sheet = sheet_around(r, 0.15, 58.0);
    CardStyle card;
    card.fill = rgb(0xD6E8F5);
    paint_card(sheet, r, card);
    Image& img = sheet.image();
    const Box inner = sheet.box(r.x0 + card.border_width, r.x1 - card.border_width, r.z0 + card.border_width,
                                r.z1 - card.border_width);
    const Shape inside = rounded_rect(inner.x0, inner.y0, inner.x1, inner.y1, sheet.len(card.radius - card.border_width));
    const Rect& t = layout::gallery_title_band;
    const Box band = sheet.box(t.x0, t.x1, t.z0, t.z1 + 1.0);
    fill(img, intersect(inside, rounded_rect(band.x0, band.y0, band.x1, band.y1, 0)),
         linear_gradient(sheet.at(0, t.z1), rgb(0xFFFFFF), sheet.at(0, t.z0), rgb(0xF2F9FE)));
    const Pt a = sheet.at(r.x0 + card.border_width, t.z0), b = sheet.at(r.x1 - card.border_width, t.z0);
    fill(img, segment(a, b, sheet.len(0.025)), rgb(0x9FD3F2));
    add_sheet_object(pak, "gallery_dialog", sheet, 0.0, blended_material());
}

// Plain white under the game's own picture of the page; the corners are
// rounded by the outline itself, so they stay rounded whatever texture the
// game puts on it. Texture coordinates run 0 to 1 across, t = 0 at the top.
void add_thumb(ArchiveBuilder& pak) {
    const double h = layout::gallery_thumb_size / 2;
    const std::string& tex = pak.add_texture("gallery_thumb.png", Image(8, 8, Rgba{1, 1, 1, 1}));
    Mesh m = flat_rounded_panel(tex, -h, h, -h, h, layout::gallery_thumb_corner, 0.0, 6);
    m.material = blended_material();
    pak.add_object("gallery_thumb", {m});
}

// Corners of a square outline around a thumbnail follow the thumbnail's.
double frame_corner(double size) {
    return layout::gallery_thumb_corner + (size - layout::gallery_thumb_size) / 2;
}

void add_frame(ArchiveBuilder& pak) {
    const double outer = layout::gallery_frame_outer, inner = layout::gallery_frame_inner;
    Sheet sheet = sheet_around(square(outer), 0.15, 78.0);
    Image& img = sheet.image();
    const Box o = sheet.box_around(0, 0, outer, outer), i = sheet.box_around(0, 0, inner, inner);
    const Shape ring = subtract(rounded_rect(o.x0, o.y0, o.x1, o.y1, sheet.len(frame_corner(outer))),
                                rounded_rect(i.x0, i.y0, i.x1, i.y1, sheet.len(frame_corner(inner))));
    // A warm glow outside, the band itself, lit a little from above.
    fill(img, grown(ring, sheet.len(0.03)), rgb(0xFFA000, 0.45f), sheet.len(0.12));
    fill(img, ring, linear_gradient(sheet.at(0, outer / 2), rgb(0xFFC107), sheet.at(0, -outer / 2), rgb(0xFF8F00)));
    add_sheet_object(pak, "gallery_frame", sheet, 0.0, blended_material());
}

void add_star(ArchiveBuilder& pak) {
    const double s = layout::gallery_star_size;
    Sheet sheet = sheet_around(square(s), 0.08, 192.0);
    paint_gold_star(sheet, 0, 0, s);
    add_sheet_object(pak, "gallery_star", sheet, 0.0, blended_material());
}

// The progress ring: a white disc with a grey track, and the green arcs
// of 1/24 to 24/24 of a turn from 12 o'clock clockwise, with square ends.
void add_rings(ArchiveBuilder& pak) {
    const double back = layout::gallery_ring_back_diameter / 2;
    const double outer = layout::gallery_ring_diameter / 2, inner = outer - layout::gallery_ring_width;
    const Rect extent = square(2 * back);
    auto annulus = [&](const Sheet& sheet) {
        const Pt c = sheet.at(0, 0);
        return subtract(circle(c.x, c.y, sheet.len(outer)), circle(c.x, c.y, sheet.len(inner)));
    };
    {
        Sheet sheet = sheet_around(extent, 0.05, 128.0);
        Image& img = sheet.image();
        const Pt c = sheet.at(0, 0);
        fill(img, translated(circle(c.x, c.y, sheet.len(back)), sheet.len(0.01), sheet.len(0.025)),
             Rgba{0.05f, 0.1f, 0.2f, 0.35f}, sheet.len(0.04));
        fill(img, circle(c.x, c.y, sheet.len(back)), Rgba{1, 1, 1, 1});
        fill(img, annulus(sheet), rgb(0xE0E0E0));
        add_sheet_object(pak, "gallery_ring_back", sheet, 0.0, blended_material());
    }
    const int steps = layout::gallery_ring_steps;
    for (int k = 1; k <= steps; ++k) {
        Sheet sheet = sheet_around(extent, 0.05, 128.0);
        const Pt c = sheet.at(0, 0);
        Shape arc_shape = annulus(sheet);
        if (k < steps) {
            // A wedge from the centre; on the image y grows downwards, so
            // clockwise on screen is increasing image angle from straight up.
            std::vector<Pt> wedge{c};
            const int points = 4 * k;
            const float reach = sheet.len(outer * 2);
            for (int i = 0; i <= points; ++i) {
                const double a = -kPi / 2 + 2 * kPi * k / steps * i / points;
                wedge.push_back({c.x + reach * static_cast<float>(std::cos(a)), c.y + reach * static_cast<float>(std::sin(a))});
            }
            arc_shape = intersect(arc_shape, polygon(wedge));
        }
        fill(sheet.image(), arc_shape, rgb(0x43A047));
        char name[32];
        std::snprintf(name, sizeof name, "gallery_ring%02d", k);
        add_sheet_object(pak, name, sheet, 0.0, blended_material());
    }
}

// The tile that adds a picture of one's own: a light card the size of a
// thumbnail with a big blue plus.
void add_add_tile(ArchiveBuilder& pak) {
    const double s = layout::gallery_thumb_size;
    Sheet sheet = sheet_around(square(s), 0.15, 78.0);
    CardStyle card;
    card.fill = rgb(0xF3FAFF);
    card.border = rgb(0x90CAF9);
    card.border_width = 0.07;
    card.radius = layout::gallery_thumb_corner + 0.08;
    paint_card(sheet, square(s), card);
    Image& img = sheet.image();
    const float arm = sheet.len(0.55), half = sheet.len(0.15);
    const Pt c = sheet.at(0, 0);
    const Shape plus = unite(segment({c.x - arm, c.y}, {c.x + arm, c.y}, half), segment({c.x, c.y - arm}, {c.x, c.y + arm}, half));
    fill(img, translated(plus, sheet.len(0.02), sheet.len(0.05)), Rgba{0.05f, 0.1f, 0.2f, 0.3f}, sheet.len(0.06));
    fill(img, plus, linear_gradient(sheet.at(0, 0.6), rgb(0x64B5F6), sheet.at(0, -0.6), rgb(0x1E88E5)));
    add_sheet_object(pak, "gallery_add", sheet, 0.0, blended_material());
}

void add_arrows(ArchiveBuilder& pak) {
    const double r = layout::gallery_arrow_size / 2;
    for (const auto& [name, icon] : {std::pair{"gallery_arrow_left", ButtonIcon::left},
                                     std::pair{"gallery_arrow_right", ButtonIcon::right}}) {
        Sheet sheet = sheet_around(square(2 * r), 0.05, 192.0);
        paint_button(sheet.image(), icon, sheet.at(0, 0), sheet.len(r));
        add_sheet_object(pak, name, sheet, 0.0, blended_material());
    }
}

}  // namespace

void paint_gold_star(Sheet& sheet, double x, double z, double size) {
    // A star of tip radius R is 2 R sin 72° across and reaches R up and
    // R cos 36° down from its centre; its tips are rounded and outlined by
    // growing it, which adds to every side alike.
    const double round = size * 0.065, outline = size * 0.055;
    const double R = (size - 2 * (round + outline)) / (2 * std::sin(2 * kPi / 5));
    const double cz = z - R * (1 - std::cos(kPi / 5)) / 2;  // the box's middle at z
    std::vector<Pt> points;
    for (int i = 0; i < 10; ++i) {
        const double a = kPi / 2 + kPi * i / 5, rr = i % 2 ? R * 0.47 : R;
        points.push_back(sheet.at(x + rr * std::cos(a), cz + rr * std::sin(a)));
    }
    Image& img = sheet.image();
    const Shape star = grown(polygon(points), sheet.len(round));
    fill(img, translated(grown(star, sheet.len(outline)), sheet.len(size * 0.02), sheet.len(size * 0.04)),
         Rgba{0.05f, 0.1f, 0.2f, 0.35f}, sheet.len(size * 0.05));
    fill(img, grown(star, sheet.len(outline)), rgb(0xC77700));
    fill(img, star, linear_gradient(sheet.at(x, cz + R), rgb(0xFFE57F), sheet.at(x, cz - R), rgb(0xFFB300)));
    // A small shine on the upper left arm.
    const Pt shine = sheet.at(x - R * 0.22, cz + R * 0.22);
    fill(img, ellipse(shine.x, shine.y, sheet.len(R * 0.16), sheet.len(R * 0.09)), Rgba{1, 1, 1, 0.55f}, sheet.len(R * 0.06));
}

void add_gallery_artwork(ArchiveBuilder& pak) {
    add_dialog(pak);
    add_thumb(pak);
    add_frame(pak);
    add_star(pak);
    add_rings(pak);
    add_add_tile(pak);
    add_arrows(pak);
}
