#include <algorithm>
#include <cmath>
#include <vector>

#include "button_art.h"
#include "help_parts.h"
#include "language_parts.h"
#include "materials.h"
#include "panel_art.h"

// "help_bg": notes over the dimmed scene, each with an arrow to what it
// explains: the help screen's copies of the colour, undo and clear buttons
// (they stand where those buttons stand on the base screen), the paint tubes
// and the page arrows. The buttons at the screen's corners move with its
// width, so a legend shows them by their pictures instead; a row of keys
// under the panel shows how to play without a mouse.
//
// Everything lies on the panel's plane; places on the buttons' plane are
// carried over with layout::button_to_menu.

namespace {

using layout::Rect;

struct Arrow {
    double from_x, from_z;  // leaves the card here...
    double to_x, to_z;      // ...and points at this
};

struct Note {
    Rect card;
    std::vector<Arrow> arrows;
    Rect text() const { return {card.x0 + 0.15, card.x1 - 0.15, card.z0 + 0.08, card.z1 - 0.08}; }
};

const Rgba kNoteFill = rgb(0xFFFDE7);
const Rgba kNoteBorder = rgb(0xFFB300);
const Rgba kArrow = rgb(0xFFCA28);
// Notes keep their words large: two lines rather than one squeezed.
constexpr double kNoteOneLine = 1.0;

Mesh note_model(ArchiveBuilder& pak, const std::string& texture, const Note& n, const char* text, double size) {
    const double m = 0.3;
    double x0 = n.card.x0, x1 = n.card.x1, z0 = n.card.z0, z1 = n.card.z1;
    for (const Arrow& a : n.arrows) {
        x0 = std::min(x0, a.to_x), x1 = std::max(x1, a.to_x);
        z0 = std::min(z0, a.to_z), z1 = std::max(z1, a.to_z);
    }
    Sheet sheet(x0 - m, x1 + m, z0 - m, z1 + m, kMenuPpu);
    Image& img = sheet.image();
    for (const Arrow& arrow : n.arrows) {
        const Pt a = sheet.at(arrow.from_x, arrow.from_z), b = sheet.at(arrow.to_x, arrow.to_z);
        const Pt dir{b.x - a.x, b.y - a.y};
        const float head = sheet.len(0.28);
        const float l = std::sqrt(dir.x * dir.x + dir.y * dir.y);
        const Pt shaft_end{b.x - dir.x / l * head * 0.8f, b.y - dir.y / l * head * 0.8f};
        const Shape shape = unite(segment(a, shaft_end, sheet.len(0.065)), arrow_head(b, dir, head, sheet.len(0.2)));
        fill(img, grown(shape, sheet.len(0.04)), rgb(0x5D4037));
        fill(img, shape, kArrow);
    }
    CardStyle style;
    style.fill = kNoteFill;
    style.border = kNoteBorder;
    style.border_width = 0.06;
    style.radius = 0.28;
    paint_card(sheet, n.card, style);
    paint_text(sheet, n.text(), text, bold_font(), size, rgb(0x3E2723), Align::centre, true, kNoteOneLine);
    const std::string& tex = pak.add_texture(texture, img);
    Mesh quad = sheet.quad(tex, 0.0);
    quad.material = blended_material();
    return quad;
}

// The buttons whose places move with the screen's width, by their pictures:
// the main menu, help and quit over the gallery and the camera.
Mesh legend_model(ArchiveBuilder& pak, const LanguageTexts& t) {
    const Rect card = layout::help_legend_card;
    Sheet sheet(card.x0 - 0.3, card.x1 + 0.3, card.z0 - 0.3, card.z1 + 0.3, kMenuPpu);
    CardStyle style;
    style.fill = kNoteFill;
    style.border = kNoteBorder;
    style.border_width = 0.06;
    style.radius = 0.3;
    paint_card(sheet, card, style);
    struct Item {
        ButtonIcon icon;
        const char* text;
    };
    const std::vector<std::vector<Item>> rows = {
        {{ButtonIcon::menu, t.tip_menu}, {ButtonIcon::help, t.tip_help}, {ButtonIcon::close, t.tip_quit}},
        {{ButtonIcon::gallery, t.tip_gallery}, {ButtonIcon::camera, t.tip_camera}}};
    // Three columns; the lower row's two stand between them. Every word
    // beside its picture, all at one size.
    const double pad = 0.25, column = (card.w() - 2 * pad) / 3, row_h = (card.h() - 0.2) / 2;
    std::vector<std::pair<std::string, Rect>> words;
    std::vector<std::pair<ButtonIcon, Pt>> icons;
    for (size_t r = 0; r < rows.size(); ++r) {
        const double zc = card.z1 - 0.1 - row_h * (static_cast<double>(r) + 0.5);
        const double first = card.x0 + pad + (3 - static_cast<double>(rows[r].size())) * column / 2;
        for (size_t i = 0; i < rows[r].size(); ++i) {
            const double x0 = first + column * static_cast<double>(i);
            icons.push_back({rows[r][i].icon, sheet.at(x0 + 0.42, zc)});
            words.push_back({rows[r][i].text, {x0 + 0.88, x0 + column - 0.3, zc - row_h / 2 + 0.06, zc + row_h / 2 - 0.06}});
        }
    }
    const double size = common_text_size(words, bold_font(), 0.34, true);
    for (const auto& [icon, at] : icons) paint_button(sheet.image(), icon, at, sheet.len(0.36));
    for (const auto& [text, r] : words) paint_text(sheet, r, text, bold_font(), size, rgb(0x3E2723), Align::left, true);
    const std::string& tex = pak.add_texture("help_bg_legend.png", sheet.image());
    Mesh quad = sheet.quad(tex, 0.0);
    quad.material = blended_material();
    return quad;
}

}  // namespace

void add_help_picture(ArchiveBuilder& pak, const LanguageTexts& t) {
    using layout::button_to_menu;
    const double row = button_to_menu(layout::top_row_y);
    const double below_button = row - button_to_menu(layout::button_radius) - 0.1;
    const double colour_x = button_to_menu(layout::colors_button_x);
    const double back_x = button_to_menu(layout::back_button_x);
    const double clear_x = button_to_menu(layout::clear_button_x);
    // The tubes of a picture with nine colours start here (tube root z = 77).
    const double tube_scale = layout::menu_depth / layout::numbers_tube_depth;
    const double tubes_x = -9.857 * tube_scale, top_tube_z = 5.282 * tube_scale;
    const double arrows_x = button_to_menu(layout::page_arrows_x), arrows_z = button_to_menu(layout::page_arrows_y);

    const double arrow_gap = button_to_menu(layout::page_arrow_offset);
    const double over_arrows = arrows_z + button_to_menu(layout::button_radius) + 0.12;

    // The three notes under the top row side by side; the tubes' note over
    // the first tube, as wide as the room left of the colour note allows.
    const Note colour{{-5.3, -1.8, 5.0, 5.95}, {{colour_x + 0.15, 5.95, colour_x, below_button}}};
    const Note undo{{-1.25, 1.5, 5.0, 5.95}, {{0.9, 5.95, back_x - 0.1, below_button}}};
    const Note clear{{2.55, 5.95, 5.0, 5.95}, {{3.6, 5.95, clear_x + 0.05, below_button}}};
    const Note tubes{{-9.85, -5.55, 4.95, 6.45}, {{-8.3, 4.95, tubes_x - 0.3, top_tube_z + 0.55}}};
    // One arrow to each page arrow.
    const Note pages{{6.15, 9.85, -4.4, -3.35},
                     {{7.05, -4.4, arrows_x - arrow_gap + 0.1, over_arrows},
                      {7.75, -4.4, arrows_x + arrow_gap + 0.05, over_arrows}}};
    const double row_size =
        common_text_size({{t.tip_colour, colour.text()}, {t.tip_undo, undo.text()}, {t.tip_clear, clear.text()}},
                         bold_font(), 0.34, true, kNoteOneLine);

    std::vector<Mesh> models;
    models.push_back(legend_model(pak, t));
    models.push_back(help_keys_model(pak, t));
    models.push_back(note_model(pak, "help_bg_colour.png", colour, t.tip_colour, row_size));
    models.push_back(note_model(pak, "help_bg_undo.png", undo, t.tip_undo, row_size));
    models.push_back(note_model(pak, "help_bg_clear.png", clear, t.tip_clear, row_size));
    models.push_back(note_model(pak, "help_bg_tubes.png", tubes, t.tip_tubes, 0.34));
    models.push_back(note_model(pak, "help_bg_pages.png", pages, t.tip_pages, 0.34));
    pak.add_object("help_bg", models);
}
