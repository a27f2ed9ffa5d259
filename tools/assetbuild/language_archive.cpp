#include <algorithm>
#include <initializer_list>
#include <string>

#include "archives.h"
#include "button_art.h"
#include "gallery_parts.h"
#include "language_parts.h"
#include "materials.h"
#include "panel_art.h"
#include "profile_parts.h"

// A language archive: the words of the menus drawn into textures. Panel
// texts lie on their panels and line up with the widgets the game stands
// there; buttons with words are drawn around their own origin.

namespace {

using layout::Rect;

const Rgba kInk = rgb(0x263238);
const Rgba kTitle = rgb(0x1565C0);

void add_setup_text(ArchiveBuilder& pak, const LanguageTexts& t) {
    const Rect& p = layout::main_panel;
    Sheet sheet = sheet_around(p);
    // The title in the middle of the panel, clear of the close button.
    const double half = layout::menu_close.x - layout::close_radius - 0.2 - p.cx();
    paint_text(sheet, {p.cx() - half, p.cx() + half, 2.72, p.z1 - 0.12}, t.settings, bold_font(), 0.5, kTitle);
    // Labels start beside each box's picture; the upper two rows run on
    // above the clear-all button, the lower two stop short of it. All four
    // share one size.
    const double x0 = layout::numbers_box.x + layout::option_label_dx;
    auto row = [&](layout::Spot spot, double x1) { return Rect{x0, x1, spot.z - 0.27, spot.z + 0.27}; };
    const std::vector<std::pair<std::string, Rect>> options = {
        {t.numbers, row(layout::numbers_box, layout::options_upper_x1)},
        {t.detailed, row(layout::detailed_box, layout::options_upper_x1)},
        {t.sound, row(layout::sound_box, layout::options_lower_x1)},
        {t.music, row(layout::music_box, layout::options_lower_x1)}};
    const double size = common_text_size(options, regular_font(), 0.34, false);
    for (const auto& [text, r] : options) paint_text(sheet, r, text, regular_font(), size, kInk, Align::left, false);
    paint_text(sheet, {layout::language_x[0] - 0.15, layout::language_x[4], layout::language_z + 0.38, layout::language_z + 0.85},
               t.language, bold_font(), 0.3, kTitle, Align::left, false);
    add_sheet_object(pak, "setup", sheet, layout::text_y, blended_material());
}

// The gallery's title, left in its title band, as tall as the count's
// figures beside it.
void add_gallery_text(ArchiveBuilder& pak, const LanguageTexts& t) {
    const Rect& r = layout::gallery_title;
    Sheet sheet(r.x0 - 0.05, r.x1 + 0.05, r.z0, r.z1, kMenuPpu);
    paint_text(sheet, {r.x0, r.x1, layout::gallery_band_z - 0.6, layout::gallery_band_z + 0.6}, t.gallery_title, bold_font(),
               gallery_text_size(), kTitle, Align::left, false);
    add_sheet_object(pak, "gallery", sheet, layout::text_y, blended_material());
}

void add_about_text(ArchiveBuilder& pak, const LanguageTexts& t) {
    // The name and what the game is above the two links; who it is for and
    // its version between the links and the close button.
    const Rect& p = layout::dialog_panel;
    Sheet sheet = sheet_around(p);
    const double links_top = layout::facebook_button.z + layout::pill_h / 2 + 0.15;
    const double links_bottom = layout::facebook_button.z - layout::pill_h / 2 - 0.1;
    const double close_top = layout::about_close.z + layout::pill_h / 2 + 0.1;
    const double name_bottom = p.z1 - 1.05;
    paint_button(sheet.image(), ButtonIcon::color, sheet.at(p.x0 + 0.85, (name_bottom + p.z1 - 0.15) / 2), sheet.len(0.42));
    paint_text(sheet, {p.x0 + 1.45, p.x1 - 0.3, name_bottom, p.z1 - 0.15}, "pintabo", bold_font(), 0.75, rgb(0xE65100),
               Align::left, false);
    {
        // A sentence: wrapped evenly rather than squeezed onto one line.
        const Box box = sheet.box(p.x0 + 0.3, p.x1 - 0.3, links_top, name_bottom - 0.05);
        TextStyle st;
        st.colour = kInk;
        draw_text(sheet.image(), bold_font(),
                  fit_balanced(bold_font(), t.about_line, box.x1 - box.x0, box.y1 - box.y0, sheet.len(0.36)), box, st);
    }
    const double mid = (links_bottom + close_top) / 2;
    paint_text(sheet, {p.x0 + 0.3, p.x1 - 0.3, mid, links_bottom}, t.about_age, regular_font(), 0.32, kInk);
    paint_text(sheet, {p.x0 + 0.3, p.x1 - 0.3, close_top, mid}, t.version, regular_font(), 0.26, rgb(0x78909C));
    add_sheet_object(pak, "about", sheet, layout::text_y, blended_material());
}

void add_help_text(ArchiveBuilder& pak, const LanguageTexts& t) {
    const Rect& p = layout::help_panel;
    Sheet sheet = sheet_around(p);
    const double top_of_modes = layout::mode_buttons[0].z + layout::mode_h / 2;
    paint_text(sheet, {p.x0 + 0.5, p.x1 - 0.5, top_of_modes + 0.1, p.z1 - 0.08}, t.help_title, bold_font(), 0.5, kTitle);
    const layout::Spot box = layout::help_start_box;
    paint_text(sheet, {box.x + layout::check_box_size / 2 + 0.2, p.x1 - 0.4, box.z - 0.26, box.z + 0.26}, t.show_at_start,
               regular_font(), 0.32, kInk, Align::left, false);
    add_sheet_object(pak, "help", sheet, layout::text_y, blended_material());
}

struct PillArt {
    const char* name;
    Rgba colour;
    SmallIcon icon;
    const char* text;
};

// Buttons that stand together (the main menu's three, the about dialog's
// three) share one text size.
void add_pills(ArchiveBuilder& pak, std::initializer_list<PillArt> pills) {
    const double w = layout::pill_w, h = layout::pill_h;
    const Rect r{-w / 2, w / 2, -h / 2, h / 2};
    double size = h;
    for (const PillArt& p : pills) size = std::min(size, pill_text_size(r, p.icon, p.text));
    for (const PillArt& p : pills) {
        Sheet sheet = sheet_around(r, 0.1);
        paint_pill(sheet, r, p.colour, p.icon, p.text, size);
        add_sheet_object(pak, p.name, sheet, 0.0, blended_material());
    }
}

bool build_language_archive(const std::string& folder, const LanguageTexts& t) {
    ArchiveBuilder pak(t.archive);
    add_setup_text(pak, t);
    add_about_text(pak, t);
    add_question(pak, "menu_exit", ButtonIcon::close, t.exit_question, nullptr);
    add_question(pak, "menu_clear", ButtonIcon::clear, t.clear_question, nullptr);
    add_question(pak, "menu_clearall", ButtonIcon::clear, t.clearall_question, t.clearall_warning);
    add_help_text(pak, t);
    add_gate_texts(pak, gate_texts[&t - language_texts]);
    add_gallery_text(pak, t);
    pak.add_object("text_void", {});
    add_help_picture(pak, t);
    add_mode_buttons(pak, t);
    // OK is short everywhere: it keeps its own size beside a long Cancel.
    add_pills(pak, {{"button_ok", rgb(0x43A047), SmallIcon::check, t.ok}});
    add_pills(pak, {{"button_cancel", rgb(0xE53935), SmallIcon::cross, t.cancel}});
    add_pills(pak, {{"button_close", rgb(0x1E88E5), SmallIcon::cross, t.close},
                    {"button_facebook", rgb(0x3F51B5), SmallIcon::people, t.facebook},
                    {"button_twitter", rgb(0x039BE5), SmallIcon::people, t.twitter}});
    add_pills(pak, {{"setup_button_about", rgb(0x00897B), SmallIcon::info, t.about_button},
                    {"setup_button_clearall", rgb(0xF4511E), SmallIcon::eraser, t.clearall_button},
                    {"setup_button_web", rgb(0x1E88E5), SmallIcon::globe, t.web_button},
                    {"setup_button_print", rgb(0x8E24AA), SmallIcon::printer, t.print_button}});
    return pak.save(folder);
}

}  // namespace

// A question beside a picture of the button that asked it; a warning under
// it, when there is one. Question and warning stand together as one block
// in the middle of the room above the buttons.
void add_question(ArchiveBuilder& pak, const char* name, ButtonIcon icon, const char* question, const char* detail) {
    const Rect& p = layout::dialog_panel;
    Sheet sheet = sheet_around(p);
    const double top = p.z1 - 0.3, bottom = layout::ok_button.z + layout::pill_h / 2 + 0.2;
    const double ix = p.x0 + 0.95, iz = (top + bottom) / 2;
    paint_button(sheet.image(), icon, sheet.at(ix, iz), sheet.len(0.6));
    const Box room = sheet.box(ix + 0.85, p.x1 - 0.35, bottom, top);
    const float w = room.x1 - room.x0, h = room.y1 - room.y0;
    TextStyle ask;
    ask.colour = kInk;
    if (!detail) {
        draw_text(sheet.image(), bold_font(), fit_balanced(bold_font(), question, w, h, sheet.len(0.48)), room, ask);
    } else {
        TextStyle warn;
        warn.colour = rgb(0xC62828);
        const TextBlock q = fit_balanced(bold_font(), question, w, h * 0.55f, sheet.len(0.44));
        const TextBlock d = fit_balanced(regular_font(), detail, w, h * 0.4f, sheet.len(0.34));
        const float gap = sheet.len(0.22);
        const float y0 = (room.y0 + room.y1) / 2 - (q.height + gap + d.height) / 2;
        draw_text(sheet.image(), bold_font(), q, {room.x0, y0, room.x1, y0 + q.height}, ask);
        const float y1 = y0 + q.height + gap;
        draw_text(sheet.image(), regular_font(), d, {room.x0, y1, room.x1, y1 + d.height}, warn);
    }
    add_sheet_object(pak, name, sheet, layout::text_y, blended_material());
}

bool build_language_archives(const std::string& folder) {
    bool ok = true;
    for (const LanguageTexts& t : language_texts) ok = build_language_archive(folder, t) && ok;
    return ok;
}
