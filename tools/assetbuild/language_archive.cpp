#include <string>

#include "archives.h"
#include "button_art.h"
#include "language_parts.h"
#include "materials.h"
#include "panel_art.h"

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
    paint_text(sheet, {p.x0 + 0.4, layout::menu_close.x - 0.5, 2.72, p.z1 - 0.12}, t.settings, bold_font(), 0.5, kTitle);
    // Labels start beside each box's picture and stop short of the buttons on the right.
    const double x0 = layout::numbers_box.x + layout::option_label_dx;
    const double x1 = layout::clearall_button.x - layout::pill_w / 2 - 0.15;
    const std::pair<layout::Spot, const char*> options[] = {
        {layout::numbers_box, t.numbers}, {layout::detailed_box, t.detailed}, {layout::sound_box, t.sound}, {layout::music_box, t.music}};
    for (const auto& [spot, text] : options)
        paint_text(sheet, {x0, x1, spot.z - 0.27, spot.z + 0.27}, text, regular_font(), 0.34, kInk, Align::left, false);
    paint_text(sheet, {layout::language_x[0] - 0.15, layout::language_x[4], layout::language_z + 0.38, layout::language_z + 0.85},
               t.language, bold_font(), 0.3, kTitle, Align::left, false);
    add_sheet_object(pak, "setup", sheet, layout::text_y, blended_material());
}

// A question beside a picture of the button that asked it.
void add_question(ArchiveBuilder& pak, const char* name, ButtonIcon icon, const char* question, const char* detail) {
    const Rect& p = layout::dialog_panel;
    Sheet sheet = sheet_around(p);
    const double top = p.z1 - 0.3, bottom = layout::ok_button.z + layout::pill_h / 2 + 0.25;
    const double ix = p.x0 + 0.95, iz = (top + bottom) / 2;
    paint_button(sheet.image(), icon, sheet.at(ix, iz), sheet.len(0.6));
    const Rect text{ix + 0.85, p.x1 - 0.35, bottom, top};
    if (detail) {
        const double split = text.z0 + text.h() * 0.4;
        paint_text(sheet, {text.x0, text.x1, split, text.z1}, question, bold_font(), 0.42, kInk);
        paint_text(sheet, {text.x0, text.x1, text.z0, split}, detail, regular_font(), 0.32, rgb(0xC62828));
    } else {
        paint_text(sheet, text, question, bold_font(), 0.46, kInk);
    }
    add_sheet_object(pak, name, sheet, layout::text_y, blended_material());
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
    paint_text(sheet, {p.x0 + 0.3, p.x1 - 0.3, links_top, name_bottom - 0.05}, t.about_line, bold_font(), 0.36, kInk);
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

void add_pill(ArchiveBuilder& pak, const char* name, Rgba colour, SmallIcon icon, const char* text) {
    const double w = layout::pill_w, h = layout::pill_h;
    Sheet sheet = sheet_around({-w / 2, w / 2, -h / 2, h / 2}, 0.1);
    paint_pill(sheet, {-w / 2, w / 2, -h / 2, h / 2}, colour, icon, text);
    add_sheet_object(pak, name, sheet, 0.0, blended_material());
}

bool build_language_archive(const std::string& folder, const LanguageTexts& t) {
    ArchiveBuilder pak(t.archive);
    add_setup_text(pak, t);
    add_about_text(pak, t);
    add_question(pak, "menu_exit", ButtonIcon::close, t.exit_question, nullptr);
    add_question(pak, "menu_clear", ButtonIcon::clear, t.clear_question, nullptr);
    add_question(pak, "menu_clearall", ButtonIcon::clear, t.clearall_question, t.clearall_warning);
    add_help_text(pak, t);
    pak.add_object("text_void", {});
    add_help_picture(pak, t);
    add_mode_buttons(pak, t);
    add_pill(pak, "button_ok", rgb(0x43A047), SmallIcon::check, t.ok);
    add_pill(pak, "button_cancel", rgb(0xE53935), SmallIcon::cross, t.cancel);
    add_pill(pak, "button_close", rgb(0x1E88E5), SmallIcon::cross, t.close);
    add_pill(pak, "setup_button_about", rgb(0x00897B), SmallIcon::info, t.about_button);
    add_pill(pak, "setup_button_clearall", rgb(0xF4511E), SmallIcon::eraser, t.clearall_button);
    add_pill(pak, "setup_button_web", rgb(0x1E88E5), SmallIcon::globe, t.web_button);
    add_pill(pak, "button_facebook", rgb(0x3F51B5), SmallIcon::people, t.facebook);
    add_pill(pak, "button_twitter", rgb(0x039BE5), SmallIcon::people, t.twitter);
    return pak.save(folder);
}

}  // namespace

bool build_language_archives(const std::string& folder) {
    bool ok = true;
    for (const LanguageTexts& t : language_texts) ok = build_language_archive(folder, t) && ok;
    return ok;
}
