#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gallery_parts.h"
#include "layout.h"
#include "materials.h"
#include "panel_art.h"

// The glyphs the game composes the gallery's count from ("★ 7 / 20"): bold
// figures and a slash in the title's colour and a gold star, each on a quad
// of its own advance centred on its origin, the figures' middle height at
// z = 0, so the game lines them up by adding the advances of layout.h.

namespace {

const Rgba kTitle = rgb(0x1565C0);  // the titles' colour in the language archives
constexpr double kPpu = 160.0;
constexpr double kHalfHeight = 0.5;  // every glyph's quad reaches this far up and down

// The inked box of a line of text at `px`, in pixels from its pen start on
// the baseline (y down).
Box ink_box(const Font& font, const std::string& text, float px) {
    const int w = static_cast<int>(std::ceil(font.measure(text, px) + 2 * px)), h = static_cast<int>(std::ceil(3 * px));
    const float x0 = px, base = 2 * px;
    std::vector<float> mask(static_cast<size_t>(w) * static_cast<size_t>(h), 0.0f);
    font.render_line(text, px, x0, base, 0, mask, w, h);
    Box b{1e9f, 1e9f, -1e9f, -1e9f};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (mask[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] > 0.02f) {
                b.x0 = std::min(b.x0, static_cast<float>(x) - x0);
                b.x1 = std::max(b.x1, static_cast<float>(x + 1) - x0);
                b.y0 = std::min(b.y0, static_cast<float>(y) - base);
                b.y1 = std::max(b.y1, static_cast<float>(y + 1) - base);
            }
    return b;
}

// A glyph's layout.h advance must hold its ink, or the count would run
// together; a font that disagrees stops the build.
void require_fit(const std::string& what, double ink, double advance) {
    if (ink <= advance) return;
    std::fprintf(stderr, "assetbuild: the gallery's %s is %.3f wide, its advance %.3f\n", what.c_str(), ink, advance);
    std::exit(1);
}

Sheet glyph_sheet(double advance) { return Sheet(-advance / 2, advance / 2, -kHalfHeight, kHalfHeight, kPpu); }

// The figures' inked box at a large size, so the pixel steps do not count.
constexpr float kProbe = 400.0f;
const Box& probe_figures() {
    static const Box figures = ink_box(bold_font(), "0123456789", kProbe);
    return figures;
}

}  // namespace

double gallery_text_size() {
    const Box& figures = probe_figures();
    return layout::gallery_digit_height * kProbe / (figures.y1 - figures.y0);
}

void add_gallery_count(ArchiveBuilder& pak) {
    const Font& font = bold_font();
    const float px = static_cast<float>(gallery_text_size() * kPpu);
    const Box& figures = probe_figures();
    const float mid = (figures.y0 + figures.y1) / 2 * px / kProbe;  // figures' middle, from the baseline

    TextStyle style;
    style.colour = kTitle;
    auto draw_glyph = [&](Sheet& sheet, const std::string& text, float pen_x) {
        TextBlock block;
        block.px = px;
        block.lines = {text};
        block.height = font.ascender(px) - font.descender(px);
        // draw_text puts the block's middle at the box's; move it so the
        // baseline lands where the figures' middle comes to z = 0.
        const Pt origin = sheet.at(0, 0);
        const float baseline = origin.y - mid;
        const float centre_y = baseline - font.ascender(px) + block.height / 2;
        style.align = Align::left;
        draw_text(sheet.image(), font, block, {pen_x, centre_y - 1, pen_x + 1, centre_y + 1}, style);
    };

    const double digit = layout::gallery_digit_advance;
    for (int d = 0; d <= 9; ++d) {
        const std::string text(1, static_cast<char>('0' + d));
        const Box ink = ink_box(font, text, px);
        require_fit("figure " + text, (ink.x1 - ink.x0) / kPpu, digit);
        Sheet sheet = glyph_sheet(digit);
        // Centred by the font's own advance: every figure has the same.
        draw_glyph(sheet, text, sheet.at(0, 0).x - font.measure(text, px) / 2);
        add_sheet_object(pak, "gallery_digit" + text, sheet, 0.0, blended_material());
    }
    {
        const Box ink = ink_box(font, "/", px);
        require_fit("slash", (ink.x1 - ink.x0) / kPpu, layout::gallery_slash_advance);
        Sheet sheet = glyph_sheet(layout::gallery_slash_advance);
        draw_glyph(sheet, "/", sheet.at(0, 0).x - (ink.x0 + ink.x1) / 2);
        add_sheet_object(pak, "gallery_slash", sheet, 0.0, blended_material());
    }
    {
        const double star = layout::gallery_star_advance;
        Sheet sheet = glyph_sheet(star);
        paint_gold_star(sheet, 0, 0, star - 0.02);
        add_sheet_object(pak, "gallery_count_star", sheet, 0.0, blended_material());
    }
}
