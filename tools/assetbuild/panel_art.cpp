#include "panel_art.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

}  // namespace

Sheet sheet_around(const layout::Rect& r, double margin, double ppu) {
    return Sheet(r.x0 - margin, r.x1 + margin, r.z0 - margin, r.z1 + margin, ppu);
}

void paint_card(Sheet& sheet, const layout::Rect& r, const CardStyle& style) {
    Image& img = sheet.image();
    const Box b = sheet.box(r.x0, r.x1, r.z0, r.z1);
    const float radius = sheet.len(style.radius);
    if (style.shadow)
        fill(img, translated(rounded_rect(b.x0, b.y0, b.x1, b.y1, radius), sheet.len(0.03), sheet.len(0.06)),
             Rgba{0.05f, 0.1f, 0.2f, 0.35f}, sheet.len(0.12));
    fill(img, rounded_rect(b.x0, b.y0, b.x1, b.y1, radius), style.border);
    const float bw = sheet.len(style.border_width);
    fill(img, rounded_rect(b.x0 + bw, b.y0 + bw, b.x1 - bw, b.y1 - bw, std::max(1.0f, radius - bw)),
         linear_gradient({0, b.y0}, lighten(style.fill, 0.4f), {0, b.y1}, style.fill));
}

void paint_small_icon(Sheet& sheet, SmallIcon icon, double x, double z, double radius, Rgba colour) {
    Image& img = sheet.image();
    const Pt c = sheet.at(x, z);
    const float r = sheet.len(radius);
    auto p = [&](float u, float v) { return Pt{c.x + u * r, c.y - v * r}; };
    switch (icon) {
        case SmallIcon::none:
            break;
        case SmallIcon::check:
            fill(img, polyline({p(-0.62f, 0.02f), p(-0.2f, -0.45f), p(0.65f, 0.55f)}, r * 0.17f), colour);
            break;
        case SmallIcon::cross:
            fill(img, unite(segment(p(-0.5f, 0.5f), p(0.5f, -0.5f), r * 0.16f), segment(p(-0.5f, -0.5f), p(0.5f, 0.5f), r * 0.16f)),
                 colour);
            break;
        case SmallIcon::info:
            fill(img, subtract(circle(c.x, c.y, r * 0.85f), circle(c.x, c.y, r * 0.68f)), colour);
            fill(img, circle(p(0, 0.36f).x, p(0, 0.36f).y, r * 0.12f), colour);
            fill(img, segment(p(0, 0.1f), p(0, -0.42f), r * 0.11f), colour);
            break;
        case SmallIcon::globe: {
            const float w = r * 0.08f;
            fill(img, subtract(circle(c.x, c.y, r * 0.8f), circle(c.x, c.y, r * 0.8f - 2 * w)), colour);
            fill(img, subtract(ellipse(c.x, c.y, r * 0.36f, r * 0.8f), ellipse(c.x, c.y, r * 0.36f - 2 * w, r * 0.8f - 2 * w)), colour);
            fill(img, segment(p(-0.78f, 0), p(0.78f, 0), w), colour);
            fill(img, intersect(segment(p(-0.8f, 0.42f), p(0.8f, 0.42f), w), circle(c.x, c.y, r * 0.8f)), colour);
            fill(img, intersect(segment(p(-0.8f, -0.42f), p(0.8f, -0.42f), w), circle(c.x, c.y, r * 0.8f)), colour);
            break;
        }
        case SmallIcon::eraser: {
            const float a = 0.6f, ca = std::cos(a), sa = std::sin(a);
            auto q = [&](float u, float v) { return p(u * ca - v * sa, u * sa + v * ca); };
            fill(img, polygon({q(-0.75f, -0.32f), q(0.75f, -0.32f), q(0.75f, 0.32f), q(-0.75f, 0.32f)}), colour);
            fill(img, polygon({q(-0.62f, -0.2f), q(-0.05f, -0.2f), q(-0.05f, 0.2f), q(-0.62f, 0.2f)}), with_alpha(lighten(colour, 0.5f), 1));
            break;
        }
        case SmallIcon::speaker: {
            fill(img, polygon({p(-0.7f, 0.22f), p(-0.35f, 0.22f), p(0.05f, 0.6f), p(0.05f, -0.6f), p(-0.35f, -0.22f), p(-0.7f, -0.22f)}),
                 colour);
            fill(img, arc(p(0.05f, 0).x, p(0.05f, 0).y, r * 0.35f, r * 0.07f, -0.8f, 0.8f), colour);
            fill(img, arc(p(0.05f, 0).x, p(0.05f, 0).y, r * 0.62f, r * 0.07f, -0.8f, 0.8f), colour);
            break;
        }
        case SmallIcon::note: {
            fill(img, ellipse(p(-0.38f, -0.45f).x, p(-0.38f, -0.45f).y, r * 0.25f, r * 0.19f), colour);
            fill(img, ellipse(p(0.42f, -0.3f).x, p(0.42f, -0.3f).y, r * 0.25f, r * 0.19f), colour);
            fill(img, segment(p(-0.16f, -0.45f), p(-0.16f, 0.55f), r * 0.07f), colour);
            fill(img, segment(p(0.64f, -0.3f), p(0.64f, 0.7f), r * 0.07f), colour);
            fill(img, polygon({p(-0.23f, 0.62f), p(0.71f, 0.77f), p(0.71f, 0.5f), p(-0.23f, 0.35f)}), colour);
            break;
        }
        case SmallIcon::numbers: {
            TextStyle st;
            st.colour = colour;
            draw_text_fitted(img, bold_font(), "123", {c.x - r, c.y - r * 0.7f, c.x + r, c.y + r * 0.7f}, r, st, false);
            break;
        }
        case SmallIcon::detail: {
            // A small grid of many little cells.
            const float cell = r * 0.42f;
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    const float x0 = c.x - 2 * cell + static_cast<float>(i) * cell, y0 = c.y - 2 * cell + static_cast<float>(j) * cell;
                    fill(img, rounded_rect(x0 + 1.5f, y0 + 1.5f, x0 + cell - 1.5f, y0 + cell - 1.5f, cell * 0.2f),
                         (i + j) % 2 ? colour : with_alpha(colour, 0.45f));
                }
            break;
        }
        case SmallIcon::people: {
            fill(img, circle(p(-0.3f, 0.35f).x, p(-0.3f, 0.35f).y, r * 0.22f), colour);
            fill(img, circle(p(0.35f, 0.3f).x, p(0.35f, 0.3f).y, r * 0.19f), colour);
            fill(img, ellipse(p(-0.3f, -0.3f).x, p(-0.3f, -0.3f).y, r * 0.38f, r * 0.32f), colour);
            fill(img, ellipse(p(0.35f, -0.32f).x, p(0.35f, -0.32f).y, r * 0.32f, r * 0.28f), colour);
            break;
        }
        case SmallIcon::printer: {
            // The paper going in at the top, the body, the page coming out.
            auto rect = [&](float u0, float v0, float u1, float v1, float round) {
                return rounded_rect(p(u0, v1).x, p(u0, v1).y, p(u1, v0).x, p(u1, v0).y, r * round);
            };
            const Shape page_out = rect(-0.45f, -0.78f, 0.45f, -0.12f, 0.05f);
            const Shape body = subtract(rect(-0.82f, -0.38f, 0.82f, 0.3f, 0.14f), grown(page_out, r * 0.1f));
            const Shape lines = unite(segment(p(-0.26f, -0.36f), p(0.26f, -0.36f), r * 0.045f),
                                      segment(p(-0.26f, -0.56f), p(0.12f, -0.56f), r * 0.045f));
            fill(img, unite(unite(body, subtract(page_out, lines)), rect(-0.48f, 0.4f, 0.48f, 0.8f, 0.05f)), colour);
            break;
        }
    }
    (void)kPi;
}

TextBlock fit_balanced(const Font& font, const std::string& text, float max_width, float max_height, float px) {
    const TextBlock widest = fit_text(font, text, max_width, max_height, px, true);
    if (widest.lines.size() < 2) return widest;
    // The narrowest width that keeps the size and the number of lines.
    TextBlock best = widest;
    float lo = max_width * 0.3f, hi = max_width;
    for (int i = 0; i < 14; ++i) {
        const float mid = (lo + hi) / 2;
        const TextBlock b = fit_text(font, text, mid, max_height, px, true);
        if (b.px == widest.px && b.lines.size() == widest.lines.size()) {
            best = b;
            hi = mid;
        } else {
            lo = mid;
        }
    }
    return best;
}

TextBlock fit_label(const Font& font, const std::string& text, float max_width, float max_height, float px,
                    double one_line_share) {
    // The choice is made as large as the box allows, so it does not change
    // when texts that belong together are brought down to one size.
    const float largest = std::max(px, max_height);
    const float wrapped = fit_balanced(font, text, max_width, max_height, largest).px;
    const bool one_line =
        fit_text(font, text, max_width, max_height, largest, false).px >= wrapped * static_cast<float>(one_line_share);
    return one_line ? fit_text(font, text, max_width, max_height, px, false)
                    : fit_balanced(font, text, max_width, max_height, px);
}

float paint_text(Sheet& sheet, const layout::Rect& r, const std::string& text, const Font& font, double size, Rgba colour,
                 Align align, bool wrap, double one_line_share) {
    TextStyle st;
    st.colour = colour;
    st.align = align;
    const Box box = sheet.box(r.x0, r.x1, r.z0, r.z1);
    const TextBlock b = wrap ? fit_label(font, text, box.x1 - box.x0, box.y1 - box.y0, sheet.len(size), one_line_share)
                             : fit_text(font, text, box.x1 - box.x0, box.y1 - box.y0, sheet.len(size), false);
    draw_text(sheet.image(), font, b, box, st);
    return b.px;
}

double common_text_size(const std::vector<std::pair<std::string, layout::Rect>>& texts, const Font& font, double size,
                        bool wrap, double one_line_share) {
    double common = size;
    for (const auto& [text, r] : texts) {
        const float w = static_cast<float>(r.w() * kMenuPpu), h = static_cast<float>(r.h() * kMenuPpu);
        const float px = static_cast<float>(size * kMenuPpu);
        const TextBlock b =
            wrap ? fit_label(font, text, w, h, px, one_line_share) : fit_text(font, text, w, h, px, false);
        common = std::min(common, b.px / kMenuPpu);
    }
    return common;
}

namespace {

// Where a pill's words go: right of its icon, inside the rounded ends.
layout::Rect pill_text_area(const layout::Rect& r, SmallIcon icon) {
    double x0 = r.x0 + r.h() * 0.35;
    if (icon != SmallIcon::none) x0 = r.x0 + r.h() * 0.45 + r.h() * 0.27 + 0.06;
    return {x0, r.x1 - r.h() * 0.3, r.z0 + r.h() * 0.12, r.z1 - r.h() * 0.12};
}

// One line if it stays large enough, else two; at most `size` pixels.
TextBlock pill_block(const std::string& text, float w, float h, float size) {
    return fit_label(bold_font(), text, w, h, size);
}

// The largest text a pill takes, or `size` when that is smaller (and given).
double pill_start_size(const layout::Rect& r, double size) {
    return size > 0 ? std::min(size, r.h() * 0.46) : r.h() * 0.46;
}

}  // namespace

double pill_text_size(const layout::Rect& r, SmallIcon icon, const std::string& text) {
    const layout::Rect t = pill_text_area(r, icon);
    const TextBlock b = pill_block(text, static_cast<float>(t.w() * kMenuPpu), static_cast<float>(t.h() * kMenuPpu),
                                   static_cast<float>(pill_start_size(r, 0) * kMenuPpu));
    return b.px / kMenuPpu;
}

void paint_pill(Sheet& sheet, const layout::Rect& r, Rgba colour, SmallIcon icon, const std::string& text, double size) {
    Image& img = sheet.image();
    const Box b = sheet.box(r.x0, r.x1, r.z0, r.z1);
    const float radius = (b.y1 - b.y0) / 2;
    fill(img, translated(rounded_rect(b.x0, b.y0, b.x1, b.y1, radius), sheet.len(0.02), sheet.len(0.05)),
         Rgba{0.05f, 0.1f, 0.2f, 0.35f}, sheet.len(0.08));
    fill(img, rounded_rect(b.x0, b.y0, b.x1, b.y1, radius), darken(colour, 0.3f));
    const float rim = sheet.len(0.05);
    fill(img, rounded_rect(b.x0 + rim, b.y0 + rim, b.x1 - rim, b.y1 - rim, radius - rim),
         linear_gradient({0, b.y0}, lighten(colour, 0.3f), {0, b.y1}, darken(colour, 0.08f)));
    fill(img, rounded_rect(b.x0 + 2 * rim, b.y0 + rim * 1.4f, b.x1 - 2 * rim, (b.y0 + b.y1) / 2, radius * 0.8f),
         linear_gradient({0, b.y0}, Rgba{1, 1, 1, 0.45f}, {0, (b.y0 + b.y1) / 2}, Rgba{1, 1, 1, 0.05f}));

    if (icon != SmallIcon::none) {
        const double ir = r.h() * 0.27;
        const double ix = r.x0 + r.h() * 0.45;
        paint_small_icon(sheet, icon, ix + 0.015, r.cz() - 0.03, ir, Rgba{0, 0, 0, 0.3f});
        paint_small_icon(sheet, icon, ix, r.cz(), ir, Rgba{1, 1, 1, 1});
    }
    const layout::Rect ta = pill_text_area(r, icon);
    const Box tb = sheet.box(ta.x0, ta.x1, ta.z0, ta.z1);
    TextStyle st;
    st.colour = {1, 1, 1, 1};
    st.shadow = {0, 0, 0, 0.4f};
    st.shadow_dx = sheet.len(0.012);
    st.shadow_dy = sheet.len(0.025);
    st.shadow_blur = sheet.len(0.02);
    const float px = sheet.len(pill_start_size(r, size));
    draw_text(img, bold_font(), pill_block(text, tb.x1 - tb.x0, tb.y1 - tb.y0, px), tb, st);
}

void add_sheet_object(ArchiveBuilder& pak, const std::string& name, const Sheet& sheet, double y,
                      const MeshMaterial& material) {
    const std::string& tex = pak.add_texture(name + ".png", sheet.image());
    Mesh quad = sheet.quad(tex, y);
    quad.material = material;
    pak.add_object(name, {quad});
}
