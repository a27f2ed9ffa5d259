#include <cmath>

#include "settings_parts.h"

#include "layout.h"
#include "materials.h"
#include "panel_art.h"

// The pictures of the main menu's switch rows: white tiles like the check
// boxes, each with a picture a child can tell apart without reading, and the
// marker behind the chosen one. Words go on the panel under them.

namespace {

const double kTile = layout::choice_size;

// A point of the tile in its own units: (-1, -1) lower left, (1, 1) upper right.
struct Tile {
    Sheet& sheet;
    Pt at(float u, float v) const { return sheet.at(u * kTile * 0.5, v * kTile * 0.5); }
    float len(float u) const { return sheet.len(u * kTile * 0.5); }
};

Sheet blank_tile() {
    const double s = kTile / 2;
    Sheet sheet = sheet_around({-s, s, -s, s}, 0.05, 192.0);
    CardStyle card;
    card.fill = rgb(0xFFFFFF);
    card.border = rgb(0x0288D1);
    card.border_width = 0.05;
    card.radius = 0.16;
    card.shadow = false;
    paint_card(sheet, {-s, s, -s, s}, card);
    return sheet;
}

// A round switch of the kind children press with a hand: a grey base, a
// coloured dome with a shine.
void paint_switch(const Tile& t, float u, float v, float r, Rgba dome) {
    Image& img = t.sheet.image();
    const Pt c = t.at(u, v);
    const float R = t.len(r);
    fill(img, ellipse(c.x, c.y + R * 0.28f, R * 1.08f, R * 0.62f), rgb(0x546E7A));
    fill(img, circle(c.x, c.y, R * 0.86f), radial_gradient({c.x - R * 0.3f, c.y - R * 0.35f}, R * 1.1f,
                                                          lighten(dome, 0.35f), dome));
    fill(img, ellipse(c.x - R * 0.28f, c.y - R * 0.38f, R * 0.3f, R * 0.16f), rgb(0xFFFFFF, 0.7f));
}

void paint_switches(Sheet& sheet, int n) {
    const Tile t{sheet};
    Image& img = sheet.image();
    if (n == 0) {
        // A grey switch, struck through: none.
        paint_switch(t, 0, 0.05f, 0.5f, rgb(0xB0BEC5));
        fill(img, segment(t.at(-0.62f, -0.62f), t.at(0.62f, 0.62f), t.len(0.1f)), rgb(0xE53935));
    } else if (n == 1) {
        paint_switch(t, 0, 0.0f, 0.58f, rgb(0xE53935));
    } else {
        paint_switch(t, -0.4f, 0.28f, 0.4f, rgb(0xFDD835));
        paint_switch(t, 0.4f, -0.32f, 0.4f, rgb(0x43A047));
    }
}

// Slow: a snail with its house on its back.
void paint_snail(Sheet& sheet) {
    const Tile t{sheet};
    Image& img = sheet.image();
    const Rgba body = rgb(0x8D6E63), shell = rgb(0xFFA726), line = rgb(0xBF360C);
    fill(img, rounded_rect(t.at(-0.8f, -0.3f).x, t.at(-0.8f, -0.3f).y, t.at(0.78f, -0.58f).x, t.at(0.78f, -0.58f).y,
                           t.len(0.14f)),
         body);
    fill(img, unite(segment(t.at(0.55f, -0.35f), t.at(0.5f, 0.35f), t.len(0.06f)),
                    segment(t.at(0.68f, -0.35f), t.at(0.78f, 0.3f), t.len(0.06f))),
         body);
    fill(img, circle(t.at(0.5f, 0.38f).x, t.at(0.5f, 0.38f).y, t.len(0.09f)), rgb(0x3E2723));
    fill(img, circle(t.at(0.78f, 0.33f).x, t.at(0.78f, 0.33f).y, t.len(0.09f)), rgb(0x3E2723));
    const Pt c = t.at(-0.15f, 0.08f);
    fill(img, circle(c.x, c.y, t.len(0.5f)), shell);
    // The spiral: arcs ever smaller, each starting where the last ended.
    const float pi = 3.14159265f;
    fill(img, arc(c.x, c.y, t.len(0.34f), t.len(0.05f), 0.0f, 1.5f * pi), line);
    fill(img, arc(c.x + t.len(0.06f), c.y, t.len(0.2f), t.len(0.05f), 1.5f * pi, 2.7f * pi), line);
}

// Medium: a child walking, one leg ahead.
void paint_walker(Sheet& sheet) {
    const Tile t{sheet};
    Image& img = sheet.image();
    const Rgba skin = rgb(0xFFCC80), shirt = rgb(0x1E88E5), legs = rgb(0x37474F);
    const float w = t.len(0.11f);
    fill(img, unite(segment(t.at(0.0f, -0.25f), t.at(-0.35f, -0.82f), w), segment(t.at(0.0f, -0.25f), t.at(0.32f, -0.8f), w)),
         legs);
    fill(img, unite(segment(t.at(0.02f, 0.3f), t.at(-0.38f, -0.05f), w * 0.85f),
                    segment(t.at(0.02f, 0.3f), t.at(0.4f, -0.02f), w * 0.85f)),
         skin);
    fill(img, segment(t.at(0.02f, 0.32f), t.at(0.0f, -0.25f), t.len(0.2f)), shirt);
    fill(img, circle(t.at(0.05f, 0.62f).x, t.at(0.05f, 0.62f).y, t.len(0.24f)), skin);
}

// Fast: a hare at a run, its ears laid back.
void paint_hare(Sheet& sheet) {
    const Tile t{sheet};
    Image& img = sheet.image();
    const Rgba fur = rgb(0xA1887F), dark = rgb(0x6D4C41);
    fill(img, ellipse(t.at(-0.05f, -0.12f).x, t.at(-0.05f, -0.12f).y, t.len(0.55f), t.len(0.3f)), fur);
    fill(img, circle(t.at(0.48f, 0.12f).x, t.at(0.48f, 0.12f).y, t.len(0.22f)), fur);
    fill(img, unite(segment(t.at(0.4f, 0.28f), t.at(-0.05f, 0.7f), t.len(0.08f)),
                    segment(t.at(0.5f, 0.3f), t.at(0.15f, 0.78f), t.len(0.08f))),
         dark);
    fill(img, segment(t.at(-0.45f, -0.3f), t.at(-0.82f, -0.55f), t.len(0.09f)), dark);
    fill(img, segment(t.at(0.3f, -0.35f), t.at(0.62f, -0.52f), t.len(0.08f)), dark);
    fill(img, circle(t.at(-0.62f, 0.02f).x, t.at(-0.62f, 0.02f).y, t.len(0.13f)), rgb(0xFFFFFF));
    fill(img, circle(t.at(0.55f, 0.17f).x, t.at(0.55f, 0.17f).y, t.len(0.05f)), rgb(0x3E2723));
    // Speed lines behind it.
    for (int i = 0; i < 3; ++i) {
        const float v = 0.25f - 0.3f * static_cast<float>(i);
        fill(img, segment(t.at(-0.95f, v), t.at(-0.78f, v), t.len(0.04f)), rgb(0x90A4AE));
    }
}

void add_tile(ArchiveBuilder& pak, const char* name, void (*paint)(Sheet&)) {
    Sheet sheet = blank_tile();
    paint(sheet);
    add_sheet_object(pak, name, sheet, 0.0, blended_material());
}

}  // namespace

void add_switch_choices(ArchiveBuilder& pak) {
    add_tile(pak, "setup_switch0", [](Sheet& s) { paint_switches(s, 0); });
    add_tile(pak, "setup_switch1", [](Sheet& s) { paint_switches(s, 1); });
    add_tile(pak, "setup_switch2", [](Sheet& s) { paint_switches(s, 2); });
    add_tile(pak, "setup_speed0", paint_snail);
    add_tile(pak, "setup_speed1", paint_walker);
    add_tile(pak, "setup_speed2", paint_hare);
    // The marker behind the chosen picture, as the language row's marker.
    const double m = kTile / 2 + 0.1;
    Sheet sheet = sheet_around({-m, m, -m, m}, 0.05);
    CardStyle marker;
    marker.fill = rgb(0xFFE082);
    marker.border = rgb(0xFFA000);
    marker.border_width = 0.06;
    marker.radius = 0.24;
    marker.shadow = false;
    paint_card(sheet, {-m, m, -m, m}, marker);
    add_sheet_object(pak, "setup_choice_cursor", sheet, 0.0, blended_material());
}
