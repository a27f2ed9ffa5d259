#include "sheet_drawing.h"

#include <algorithm>

#include "sheet_art.h"

namespace {

// The text face: DejaVu Sans covers the Latin and Cyrillic of every language.
void use_font(cairo_t* cr, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

// `text` centred on x with its baseline at y, shrunk to fit `width`.
void centred_text(cairo_t* cr, const std::string& text, double x, double y, double size, double width) {
    use_font(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    if (ext.x_advance > width) {
        use_font(cr, size * width / ext.x_advance);
        cairo_text_extents(cr, text.c_str(), &ext);
    }
    cairo_move_to(cr, x - ext.x_bearing - ext.width / 2, y);
    cairo_show_text(cr, text.c_str());
}

void fill_rings(cairo_t* cr, const SheetLayout& layout, const std::vector<SheetRing>& rings) {
    cairo_new_path(cr);
    for (const SheetRing& ring : rings) {
        if (ring.size() < 3) continue;
        const SheetPoint first = layout.to_page(ring.front());
        cairo_move_to(cr, first.x, first.y);
        for (size_t i = 1; i < ring.size(); ++i) {
            const SheetPoint p = layout.to_page(ring[i]);
            cairo_line_to(cr, p.x, p.y);
        }
        cairo_close_path(cr);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
}

void draw_key(cairo_t* cr, const SheetLayout& layout, const std::vector<uint32_t>& palette) {
    for (size_t i = 0; i < palette.size() && i < layout.swatches.size(); ++i) {
        const SheetBox& b = layout.swatches[i];
        const uint32_t c = palette[i];
        cairo_rectangle(cr, b.x, b.y, b.w, b.h);
        cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
        cairo_fill_preserve(cr);
        // A frame, so a pale colour still shows where its square is.
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        centred_text(cr, std::to_string(i + 1), b.centre_x(), layout.number_baseline, layout.number_size,
                     b.w + 8);
    }
}

}  // namespace

bool draw_sheet(cairo_t* cr, PaperSize paper, const Archive& archive, const std::vector<uint32_t>& palette,
                const std::string& title, std::string* error) {
    SheetArt art;
    if (!read_sheet_art(archive, &art, error)) return false;
    const SheetLayout layout = layout_sheet(paper, art.low, art.high, static_cast<int>(palette.size()));

    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    centred_text(cr, title, layout.title.centre_x(), layout.title.y + layout.title.h, layout.title_size,
                 layout.title.w);
    for (const SheetLayer& layer : art.layers) {
        const double v = layer.paper ? 1.0 : 0.0;
        cairo_set_source_rgb(cr, v, v, v);
        fill_rings(cr, layout, layer.rings);
    }
    draw_key(cr, layout, palette);
    cairo_restore(cr);
    return true;
}
