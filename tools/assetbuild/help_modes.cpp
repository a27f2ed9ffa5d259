#include <string>

#include "common/font_raster.h"
#include "language_parts.h"
#include "materials.h"
#include "panel_art.h"

// The help screen's three ways to play, each a card with a little house:
// a few big numbered parts, many small numbered parts, or painted freely.

namespace {

using layout::Rect;

struct Part {
    std::vector<std::pair<double, double>> outline;  // in house units: x right, z up, house 2 wide, 2 tall
    int number;                                      // shown when not painted...
    int colour;                                      // ...that is, while this is 0
    double label_x, label_z;                         // where the number goes
};

void paint_house(Sheet& sheet, double cx, double cz, double size, const std::vector<Part>& parts, bool numbers) {
    Image& img = sheet.image();
    const double k = size / 2;
    for (const Part& part : parts) {
        std::vector<Pt> pts;
        for (const auto& [x, z] : part.outline) pts.push_back(sheet.at(cx + x * k, cz + z * k));
        const Shape s = polygon(pts);
        fill(img, grown(s, sheet.len(0.03)), rgb(0x37474F));
        fill(img, s, part.colour ? rgb(part.colour) : rgb(0xFFFFFF));
        if (numbers && part.colour == 0) {
            const Pt c = sheet.at(cx + part.label_x * k, cz + part.label_z * k);
            const float h = sheet.len(size * (parts.size() > 5 ? 0.13 : 0.22));
            TextStyle st;
            st.colour = rgb(0x37474F);
            draw_text_fitted(img, bold_font(), std::to_string(part.number), {c.x - h, c.y - h * 0.6f, c.x + h, c.y + h * 0.6f}, h,
                             st, false);
        }
    }
}

std::vector<Part> easy_house() {
    return {{{{-1, 0.2}, {0, 1}, {1, 0.2}}, 1, 0xE53935, 0, 0.45},
            {{{-0.8, -1}, {0.8, -1}, {0.8, 0.2}, {-0.8, 0.2}}, 2, 0, -0.52, -0.35},
            {{{-0.25, -1}, {0.25, -1}, {0.25, -0.2}, {-0.25, -0.2}}, 3, 0, 0, -0.6}};
}

std::vector<Part> tricky_house() {
    return {{{{0.5, 0.5}, {0.5, 1}, {0.75, 1}, {0.75, 0.3}}, 3, 0x8D6E63, 0.62, 0.75},
            {{{-1, 0.2}, {-0.33, 0.73}, {-0.33, 0.2}}, 1, 0xE53935, -0.55, 0.38},
            {{{-0.33, 0.2}, {-0.33, 0.73}, {0, 1}, {0.33, 0.73}, {0.33, 0.2}}, 2, 0, 0, 0.5},
            {{{0.33, 0.2}, {0.33, 0.73}, {1, 0.2}}, 1, 0, 0.55, 0.38},
            {{{-0.8, -1}, {0.8, -1}, {0.8, 0.2}, {-0.8, 0.2}}, 4, 0xFFEB3B, 0, 0},
            {{{-0.65, -0.35}, {-0.25, -0.35}, {-0.25, 0.02}, {-0.65, 0.02}}, 5, 0, -0.45, -0.165},
            {{{0.25, -0.35}, {0.65, -0.35}, {0.65, 0.02}, {0.25, 0.02}}, 5, 0, 0.45, -0.165},
            {{{-0.18, -1}, {0.18, -1}, {0.18, -0.42}, {-0.18, -0.42}}, 6, 0, 0, -0.71}};
}

std::vector<Part> free_house() {
    return {{{{-1, 0.2}, {0, 1}, {1, 0.2}}, 0, 0x8E24AA, 0, 0},
            {{{-0.8, -1}, {0.8, -1}, {0.8, 0.2}, {-0.8, 0.2}}, 0, 0x4FC3F7, 0, 0},
            {{{-0.25, -1}, {0.25, -1}, {0.25, -0.2}, {-0.25, -0.2}}, 0, 0xFF9800, 0, 0},
            {{{0.4, -0.15}, {0.65, -0.15}, {0.65, 0.1}, {0.4, 0.1}}, 0, 0xFFEB3B, 0, 0}};
}

}  // namespace

void add_mode_buttons(ArchiveBuilder& pak, const LanguageTexts& t) {
    const double w = layout::mode_w, h = layout::mode_h;
    const int borders[3] = {0x43A047, 0xFB8C00, 0x8E24AA};
    // The three names share one size.
    const Rect label{-w / 2 + 0.15, w / 2 - 0.15, -h / 2 + 0.12, -h / 2 + 1.05};
    const double size =
        common_text_size({{t.modes[0], label}, {t.modes[1], label}, {t.modes[2], label}}, bold_font(), 0.36);
    for (int mode = 0; mode < 3; ++mode) {
        const Rect card{-w / 2, w / 2, -h / 2, h / 2};
        Sheet sheet = sheet_around(card);
        CardStyle style;
        style.fill = rgb(0xFFFFFF);
        style.border = rgb(borders[mode]);
        style.border_width = 0.09;
        style.radius = 0.35;
        paint_card(sheet, card, style);
        const double art_z = h / 2 - 0.9, house = 1.35;
        if (mode == 0) paint_house(sheet, 0, art_z, house, easy_house(), true);
        if (mode == 1) paint_house(sheet, 0, art_z, house, tricky_house(), true);
        if (mode == 2) {
            paint_house(sheet, -0.3, art_z, house, free_house(), false);
            // A rainbow stroke beside the house.
            const int rainbow[] = {0xE53935, 0xFB8C00, 0xFDD835, 0x43A047, 0x1E88E5};
            for (int i = 0; i < 5; ++i) {
                const double off = 0.07 * i;
                fill(sheet.image(),
                     arc(sheet.at(1.05, art_z - 0.6).x, sheet.at(1.05, art_z - 0.6).y, sheet.len(0.85 - off), sheet.len(0.04),
                         -2.6f, -1.2f),
                     rgb(rainbow[i]));
            }
        }
        paint_text(sheet, label, t.modes[mode], bold_font(), size, rgb(0x263238));
        add_sheet_object(pak, "help_mode" + std::to_string(mode + 1), sheet, 0.0, blended_material());
    }
}
