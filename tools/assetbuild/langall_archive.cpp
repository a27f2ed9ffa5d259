#include <algorithm>
#include <string>

#include "archives.h"
#include "button_art.h"
#include "common/mesh_builders.h"
#include "gallery_parts.h"
#include "materials.h"
#include "panel_art.h"
#include "profile_parts.h"

// "langall.pak": the menu artwork that carries no words (or only each
// language's own name): panels, the backdrop, check boxes, the language
// row, close buttons and the help screen's mode marker. Widgets are drawn
// around their own origin; the game stands them at their places.

namespace {

using layout::Rect;

// The light band behind the four options: the upper two rows (whose labels
// are the longest) run on above the clear-all button, the lower two stop
// short of it; the inner corner is rounded like the outer ones.
void paint_options_band(Sheet& sheet, Rgba fill_colour, Rgba border, double border_width, double radius) {
    const double x0 = layout::numbers_box.x - 0.42;
    const double top = layout::numbers_box.z + 0.36, bottom = layout::music_box.z - 0.36;
    const double upper_x1 = layout::options_upper_x1 + 0.12, lower_x1 = layout::options_lower_x1 + 0.1;
    const double step = (layout::detailed_box.z + layout::sound_box.z) / 2;
    const float r = sheet.len(radius);
    const Box upper = sheet.box(x0, upper_x1, step, top), lower = sheet.box(x0, lower_x1, bottom, top);
    Shape band = unite(rounded_rect(upper.x0, upper.y0, upper.x1, upper.y1, r),
                       rounded_rect(lower.x0, lower.y0, lower.x1, lower.y1, r));
    // Pixel rows grow downwards: the inner corner is at the lower part's
    // right edge and the upper part's bottom edge. The filling piece reaches
    // well into both parts, so its own edges never show when it is shrunk
    // for the band's inside.
    const float cx = lower.x1, cy = upper.y1;
    band = unite(band, subtract(rounded_rect(cx - r, cy - r, cx + r, cy + r, 0), circle(cx + r, cy + r, r)));
    fill(sheet.image(), band, border);
    fill(sheet.image(), grown(band, -sheet.len(border_width)), fill_colour);
}

void add_main_panel(ArchiveBuilder& pak) {
    const Rect& r = layout::main_panel;
    Sheet sheet = sheet_around(r);
    paint_card(sheet, r, {});
    // A light band behind the four options, one behind the languages.
    CardStyle band;
    band.fill = rgb(0xE3F4FD);
    band.border = rgb(0xB3E0F7);
    band.border_width = 0.03;
    band.radius = 0.25;
    band.shadow = false;
    paint_options_band(sheet, band.fill, band.border, band.border_width, band.radius);
    paint_card(sheet, layout::language_band, band);
    // Pictures for those who cannot read yet, between each box and its label.
    const double ix = layout::numbers_box.x + layout::option_icon_dx;
    const Rgba ink = rgb(0x0288D1);
    paint_small_icon(sheet, SmallIcon::numbers, ix, layout::numbers_box.z, 0.24, ink);
    paint_small_icon(sheet, SmallIcon::detail, ix, layout::detailed_box.z, 0.24, ink);
    paint_small_icon(sheet, SmallIcon::speaker, ix, layout::sound_box.z, 0.24, ink);
    paint_small_icon(sheet, SmallIcon::note, ix, layout::music_box.z, 0.24, ink);
    paint_small_icon(sheet, SmallIcon::globe, layout::language_x[0] - 0.45, layout::language_z + 0.6, 0.2, ink);
    add_sheet_object(pak, "menu_dialog", sheet, 0.0, blended_material());
}

void add_plain_panel(ArchiveBuilder& pak, const char* name, const Rect& r, Rgba border) {
    Sheet sheet = sheet_around(r);
    CardStyle style;
    style.border = border;
    paint_card(sheet, r, style);
    add_sheet_object(pak, name, sheet, 0.0, blended_material());
}

void add_colors_panel(ArchiveBuilder& pak) {
    const Rect& r = layout::colors_panel;
    Sheet sheet = sheet_around(r);
    CardStyle style;
    style.border = rgb(0xBA68C8);
    paint_card(sheet, r, style);
    // Frames around the palette and the two swatches, and an arrow from the
    // colour under the pointer down to the tube's colour.
    CardStyle frame;
    frame.fill = rgb(0xE4E1EC);  // grey enough for the white field to show
    frame.border = rgb(0xCE93D8);
    frame.border_width = 0.05;
    frame.radius = 0.3;
    frame.shadow = false;
    const double m = 0.12;
    for (const Rect& a : {layout::gradient_area, layout::fields_area, layout::hover_swatch, layout::const_swatch})
        paint_card(sheet, {a.x0 - m, a.x1 + m, a.z0 - m, a.z1 + m}, frame);
    const double ax = layout::hover_swatch.cx();
    const Pt from = sheet.at(ax, layout::hover_swatch.z0 - 0.17), to = sheet.at(ax, layout::const_swatch.z1 + 0.17);
    fill(sheet.image(), unite(segment(from, {to.x, to.y - sheet.len(0.15)}, sheet.len(0.06)),
                              arrow_head(to, {0, 1}, sheet.len(0.22), sheet.len(0.2))),
         rgb(0xAB47BC));
    add_sheet_object(pak, "colors_dialog", sheet, 0.0, blended_material());
}

// The backdrop that dims everything behind a menu. The help screen shows
// copies of three top-row buttons that must stay bright, just in front of
// the real buttons; everything else (the scene, the tubes, the bubbles) must
// dim. So the backdrop has two layers: below the top row it stands in front
// of the tubes, and over the top row it stands just behind the copies. The
// two meet in a short cross-fade whose see-through amounts multiply to the
// same dimming as elsewhere, so no seam shows.
void add_backdrop(ArchiveBuilder& pak) {
    const Rgba shade{0.07f, 0.09f, 0.2f, 0.55f};
    const double near_depth = 20.0;                                            // in front of the tubes
    const double far_y = layout::backdrop_y, far_depth = layout::map_depth + far_y;  // just behind the copies
    // Heights as fractions of the depth (screen-fixed): the seam runs under
    // the top row's buttons and over everything that stands lower.
    const double seam = (layout::top_row_y - layout::button_radius) / layout::button_depth - 0.025;
    const double fade = 0.01, top = 0.6, side = 0.42 * layout::widest_aspect * 1.2;

    Image flat(4, 4, shade);
    const std::string& flat_tex = pak.add_texture("menu_alpha.png", flat);
    // Cross-fade strips: the middle half of each texture runs from the value
    // at the bottom edge to the value at the top, the quarters beside it hold
    // those values, so texture wrapping never mixes the two ends.
    Image near_edge(4, 64), far_edge(4, 64);
    for (int y = 0; y < 64; ++y) {
        const float t = std::clamp((47.5f - static_cast<float>(y)) / 31.0f, 0.0f, 1.0f);  // 0 at the bottom, 1 at the top
        const float a_near = shade.a * (1.0f - t);
        const float a_far = 1.0f - (1.0f - shade.a) / (1.0f - a_near);
        for (int x = 0; x < 4; ++x) {
            near_edge.set(x, y, with_alpha(shade, a_near));
            far_edge.set(x, y, with_alpha(shade, a_far));
        }
    }
    const std::string& near_tex = pak.add_texture("menu_alpha_near.png", near_edge);
    const std::string& far_tex = pak.add_texture("menu_alpha_far.png", far_edge);

    auto quad = [](const std::string& tex, double depth, double v0, double v1, double x_ratio, double t0, double t1) {
        Mesh m = flat_quad(tex, -x_ratio * depth, x_ratio * depth, v0 * depth, v1 * depth, -(layout::map_depth - depth));
        for (MeshVertex& v : m.vertices) v.t = v.t < 0.5f ? static_cast<float>(t0) : static_cast<float>(t1);
        m.material = blended_material();
        return m;
    };
    pak.add_object("menu_alpha", {quad(flat_tex, near_depth, -top, seam - fade, side, 0, 1),
                                  quad(near_tex, near_depth, seam - fade, seam + fade, side, 0.25, 0.75),
                                  quad(far_tex, far_depth, seam - fade, seam + fade, side, 0.25, 0.75),
                                  quad(flat_tex, far_depth, seam + fade, top, side, 0, 1)});
}

void add_check_box(ArchiveBuilder& pak) {
    const double s = layout::check_box_size;
    {
        Sheet sheet = sheet_around({-s / 2, s / 2, -s / 2, s / 2}, 0.1);
        CardStyle box;
        box.fill = rgb(0xFFFFFF);
        box.border = rgb(0x0288D1);
        box.border_width = 0.06;
        box.radius = 0.12;
        paint_card(sheet, {-s / 2, s / 2, -s / 2, s / 2}, box);
        add_sheet_object(pak, "unchecked", sheet, 0.0, blended_material());
    }
    {
        // The tick overflows its box a little, the way a child would draw it.
        Sheet sheet = sheet_around({-s / 2, s / 2, -s / 2, s / 2}, 0.25);
        Image& img = sheet.image();
        // It stays within tick_reach of the centre, clear of the boxes above and beside.
        const double k = (layout::tick_reach - 0.04) / 0.34;
        const std::vector<Pt> tick = {sheet.at(-0.22 * k, 0.02 * k), sheet.at(-0.04 * k, -0.2 * k),
                                      sheet.at(0.32 * k, 0.34 * k)};
        fill(img, translated(polyline(tick, sheet.len(0.07)), sheet.len(0.015), sheet.len(0.03)), Rgba{0, 0, 0, 0.3f},
             sheet.len(0.04));
        fill(img, polyline(tick, sheet.len(0.075)), rgb(0x2E7D32));
        fill(img, polyline(tick, sheet.len(0.045)), rgb(0x66BB6A));
        add_sheet_object(pak, "checked", sheet, 0.0, blended_material());
    }
}

// The five names share one size, the largest at which the longest fits,
// drawn a little narrower than the face is (the row stands only 1.23 apart).
void add_language_row(ArchiveBuilder& pak) {
    const char* names[5][2] = {{"setup_lang_en", "English"},
                               {"setup_lang_de", "Deutsch"},
                               {"setup_lang_es", "Español"},
                               {"setup_lang_ru", "Русский"},
                               {"setup_lang_fr", "Français"}};
    constexpr double squeeze = 0.85;
    const double w = layout::lang_w, h = layout::lang_h;
    const double room = (w - 2 * layout::lang_pad) / squeeze;  // before squeezing
    double size = 0.3;
    for (const auto& n : names) size = std::min(size, room / bold_font().measure(n[1], 100.0f) * 100.0);
    for (const auto& n : names) {
        Sheet sheet = sheet_around({-w / 2 / squeeze, w / 2 / squeeze, -h / 2, h / 2}, 0.05);
        paint_text(sheet, {-room / 2, room / 2, -h / 2 + 0.04, h / 2 - 0.04}, n[1], bold_font(), size, rgb(0x263238),
                   Align::centre, false);
        const std::string& tex = pak.add_texture(std::string(n[0]) + ".png", sheet.image());
        Mesh quad = sheet.quad(tex, 0.0);
        for (MeshVertex& v : quad.vertices) v.x = static_cast<float>(v.x * squeeze);
        quad.material = blended_material();
        pak.add_object(n[0], {quad});
    }
    // The marker behind the chosen language.
    Sheet sheet = sheet_around({-w / 2, w / 2, -h / 2, h / 2}, 0.1);
    CardStyle marker;
    marker.fill = rgb(0xFFE082);
    marker.border = rgb(0xFFA000);
    marker.border_width = 0.05;
    marker.radius = h / 2;
    paint_card(sheet, {-w / 2, w / 2, -h / 2, h / 2}, marker);
    add_sheet_object(pak, "setup_lang_cursor", sheet, 0.0, blended_material());
}

void add_close_button(ArchiveBuilder& pak) {
    const double r = layout::close_radius;
    Sheet sheet = sheet_around({-r, r, -r, r}, 0.05, 192.0);
    paint_button(sheet.image(), ButtonIcon::close, sheet.at(0, 0), sheet.len(r));
    add_sheet_object(pak, "button_close", sheet, 0.0, blended_material());
}

void add_mode_marker(ArchiveBuilder& pak) {
    const double w = layout::mode_w + 0.3, h = layout::mode_h + 0.3;
    Sheet sheet = sheet_around({-w / 2, w / 2, -h / 2, h / 2}, 0.2);
    Image& img = sheet.image();
    const Box b = sheet.box(-w / 2, w / 2, -h / 2, h / 2);
    const float r = sheet.len(0.45);
    fill(img, rounded_rect(b.x0, b.y0, b.x1, b.y1, r), rgb(0xFFD54F, 0.8f), sheet.len(0.25));
    fill(img, subtract(rounded_rect(b.x0, b.y0, b.x1, b.y1, r),
                       rounded_rect(b.x0 + sheet.len(0.09), b.y0 + sheet.len(0.09), b.x1 - sheet.len(0.09),
                                    b.y1 - sheet.len(0.09), r - sheet.len(0.09))),
         rgb(0xFFA000));
    add_sheet_object(pak, "help_select", sheet, 0.0, blended_material());
}

}  // namespace

bool build_langall_archive(const std::string& folder) {
    ArchiveBuilder pak("langall.pak");
    add_main_panel(pak);
    add_plain_panel(pak, "dialog_background", layout::dialog_panel, rgb(0xFFB74D));
    add_plain_panel(pak, "help_dialog", layout::help_panel, rgb(0x81C784));
    add_plain_panel(pak, "picker_panel", layout::main_panel, rgb(0x4FC3F7));
    add_colors_panel(pak);
    add_backdrop(pak);
    add_check_box(pak);
    add_language_row(pak);
    add_close_button(pak);
    add_mode_marker(pak);
    add_gallery_artwork(pak);
    add_gallery_count(pak);
    add_profile_artwork(pak);
    return pak.save(folder);
}
