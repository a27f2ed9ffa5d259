#include "language_parts.h"
#include "layout.h"
#include "materials.h"
#include "panel_art.h"
#include "profile_parts.h"

// The gate's words: the request to a grown-up across the top of its
// dialog, and each number as a word that the game lays out three at a time.
void add_gate_texts(ArchiveBuilder& pak, const GateTexts& t) {
    const layout::Rect& p = layout::dialog_panel;
    Sheet sheet = sheet_around(p);
    paint_text(sheet, {p.x0 + 0.3, p.x1 - 0.3, 1.75, p.z1 - 0.08}, t.title, bold_font(), 0.42, rgb(0x1565C0));
    add_sheet_object(pak, "gate", sheet, layout::text_y, blended_material());
    const layout::Rect word{-1.2, 1.2, -0.36, 0.36};
    for (int i = 0; i < 9; ++i) {
        Sheet w = sheet_around(word, 0.05);
        paint_text(w, word, t.numbers[i], bold_font(), 0.58, rgb(0xC62828), Align::centre, false);
        add_sheet_object(pak, "gate_word" + std::to_string(i + 1), w, 0.0, blended_material());
    }
    add_question(pak, "menu_remove_profile", ButtonIcon::children, t.remove_question, t.remove_warning);
}
