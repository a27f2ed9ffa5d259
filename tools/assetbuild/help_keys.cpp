#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "button_art.h"
#include "help_parts.h"
#include "materials.h"
#include "panel_art.h"

// The help screen's row of keys, under its panel: each group of keys drawn
// as keycaps, a small arrow, and a picture of what they do. Words only on
// the keys that carry one, in the language's own names where keyboards
// differ (Page Up and Page Down).
//
//   Tab and the arrows -> the glowing ring goes from thing to thing
//   Enter and Space    -> a dab of paint: the thing is chosen
//   1 to 9             -> a tube
//   G                  -> the gallery's button
//   Page Up, Page Down -> the page arrows

namespace {

using layout::Rect;

constexpr double kCapH = 0.55;        // a keycap's height
constexpr double kGap = 0.1;          // between the caps of a group
constexpr double kResultGap = 0.07;   // around the arrow to the result
constexpr double kArrowW = 0.18;
constexpr double kGroupGap = 0.28;    // between groups
const Rgba kCapInk = rgb(0x37474F);

struct Cap {
    double w;
    std::string label;           // empty for a drawn symbol
    enum Symbol { none, tab, enter, left, right, up, down } symbol = none;
};

void paint_cap(Sheet& sheet, double x0, double zc, double w, double h) {
    Image& img = sheet.image();
    const Box outer = sheet.box(x0, x0 + w, zc - h / 2, zc + h / 2);
    const float r = sheet.len(0.09);
    fill(img, rounded_rect(outer.x0, outer.y0, outer.x1, outer.y1, r), rgb(0x90A4AE));
    const Box top = sheet.box(x0 + 0.04, x0 + w - 0.04, zc - h / 2 + 0.09, zc + h / 2 - 0.03);
    fill(img, rounded_rect(top.x0, top.y0, top.x1, top.y1, r * 0.8f),
         linear_gradient({0, top.y0}, rgb(0xFFFFFF), {0, top.y1}, rgb(0xE3E8EB)));
}

// A symbol on a cap centred at (x, z), `s` scene units across.
void paint_symbol(Sheet& sheet, Cap::Symbol symbol, double x, double z, double s) {
    Image& img = sheet.image();
    auto p = [&](double u, double v) { return sheet.at(x + u * s / 2, z + v * s / 2); };
    const float w = sheet.len(s * 0.07);
    switch (symbol) {
        case Cap::none:
            break;
        case Cap::tab:
            fill(img, unite(unite(segment(p(-0.8, 0), p(0.35, 0), w), arrow_head(p(0.75, 0), {1, 0}, sheet.len(s * 0.3), sheet.len(s * 0.22))),
                            segment(p(0.85, -0.45), p(0.85, 0.45), w)),
                 kCapInk);
            break;
        case Cap::enter:
            fill(img, unite(polyline({p(0.7, 0.6), p(0.7, -0.2), p(-0.3, -0.2)}, w),
                            arrow_head(p(-0.75, -0.2), {-1, 0}, sheet.len(s * 0.3), sheet.len(s * 0.22))),
                 kCapInk);
            break;
        case Cap::left:
        case Cap::right:
        case Cap::up:
        case Cap::down: {
            const double dx = symbol == Cap::left ? -1 : symbol == Cap::right ? 1 : 0;
            const double dz = symbol == Cap::up ? 1 : symbol == Cap::down ? -1 : 0;
            const Pt tip = p(dx * 0.55, dz * 0.55);
            fill(img, arrow_head(tip, {static_cast<float>(dx), static_cast<float>(-dz)}, sheet.len(s * 0.55),
                                 sheet.len(s * 0.4)),
                 kCapInk);
            break;
        }
    }
}

// The caps of a group left to right from x0; returns where they end.
double paint_caps(Sheet& sheet, const std::vector<Cap>& caps, double x0, double zc) {
    double x = x0;
    for (size_t i = 0; i < caps.size(); ++i) {
        const Cap& c = caps[i];
        paint_cap(sheet, x, zc, c.w, kCapH);
        const double face = zc + 0.03;
        if (!c.label.empty())
            paint_text(sheet, {x + 0.06, x + c.w - 0.06, face - 0.2, face + 0.2}, c.label, bold_font(), 0.24, kCapInk,
                       Align::centre, false);
        else
            paint_symbol(sheet, c.symbol, x + c.w / 2, face, 0.34);
        x += c.w + (i + 1 < caps.size() ? kGap : 0);
    }
    return x;
}

// The four arrows as on a keyboard: Up over Down, Left and Right beside it,
// in two half-height rows.
double paint_arrow_keys(Sheet& sheet, double x0, double zc) {
    const double w = 0.38, h = kCapH * 0.5 - 0.02;
    const double upper = zc + h / 2 + 0.02, lower = zc - h / 2 - 0.02;
    const Cap::Symbol row[3] = {Cap::left, Cap::down, Cap::right};
    for (int i = 0; i < 3; ++i) {
        const double x = x0 + i * (w + 0.05);
        paint_cap(sheet, x, lower, w, h);
        paint_symbol(sheet, row[i], x + w / 2, lower + 0.02, 0.2);
    }
    paint_cap(sheet, x0 + w + 0.05, upper, w, h);
    paint_symbol(sheet, Cap::up, x0 + w + 0.05 + w / 2, upper + 0.02, 0.2);
    return x0 + 3 * w + 2 * 0.05;
}

// The little arrow from the keys to what they do; returns where it ends.
double paint_leads_to(Sheet& sheet, double x0, double zc) {
    const double x = x0 + kResultGap;
    fill(sheet.image(), arrow_head(sheet.at(x + kArrowW, zc), {1, 0}, sheet.len(kArrowW), sheet.len(0.11)),
         rgb(0xFFA000));
    return x + kArrowW + kResultGap;
}

// The glowing ring round a thing: where the focus is.
double paint_ring(Sheet& sheet, double x0, double zc) {
    Image& img = sheet.image();
    const double s = 0.55;
    const Box b = sheet.box(x0, x0 + s, zc - s / 2, zc + s / 2);
    const float r = sheet.len(0.16);
    fill(img, grown(rounded_rect(b.x0, b.y0, b.x1, b.y1, r), sheet.len(0.03)), rgb(0xFFD24A, 0.5f), sheet.len(0.06));
    fill(img, subtract(rounded_rect(b.x0, b.y0, b.x1, b.y1, r),
                       rounded_rect(b.x0 + sheet.len(0.07), b.y0 + sheet.len(0.07), b.x1 - sheet.len(0.07),
                                    b.y1 - sheet.len(0.07), r * 0.6f)),
         rgb(0xFFB000));
    const Pt c = sheet.at(x0 + s / 2, zc);
    fill(img, circle(c.x, c.y, sheet.len(0.12)), rgb(0x1E88E5));
    return x0 + s;
}

// A dab of paint: the thing in the ring is chosen.
double paint_dab(Sheet& sheet, double x0, double zc) {
    Image& img = sheet.image();
    const double s = 0.55;
    auto at = [&](double u, double v) { return sheet.at(x0 + s / 2 + u * s / 2, zc + v * s / 2); };
    Shape blob = circle(at(0, 0).x, at(0, 0).y, sheet.len(s * 0.32));
    const double drops[5][3] = {{0.55, 0.3, 0.14}, {-0.5, 0.45, 0.12}, {0.2, -0.62, 0.13}, {-0.6, -0.35, 0.1}, {0.7, -0.3, 0.09}};
    for (const auto& d : drops) {
        const Pt c = at(d[0], d[1]);
        blob = unite(blob, circle(c.x, c.y, sheet.len(s * d[2])));
    }
    fill(img, blob, rgb(0xE53935));
    const Pt shine = at(-0.12, 0.15);
    fill(img, circle(shine.x, shine.y, sheet.len(s * 0.08)), rgb(0xFFFFFF, 0.7f));
    return x0 + s;
}

// A paint tube, its cap at the top.
double paint_tube(Sheet& sheet, double x0, double zc) {
    Image& img = sheet.image();
    const double w = 0.32, h = 0.5;
    const Box body = sheet.box(x0, x0 + w, zc - h / 2, zc + h / 2 - 0.13);
    fill(img, rounded_rect(body.x0, body.y0, body.x1, body.y1, sheet.len(0.05)),
         linear_gradient({body.x0, 0}, rgb(0xF06292), {body.x1, 0}, rgb(0xAD1457)));
    const Box cap = sheet.box(x0 + 0.08, x0 + w - 0.08, zc + h / 2 - 0.15, zc + h / 2);
    fill(img, rounded_rect(cap.x0, cap.y0, cap.x1, cap.y1, sheet.len(0.03)), rgb(0x37474F));
    const Pt dot = sheet.at(x0 + w / 2, zc - 0.07);
    fill(img, circle(dot.x, dot.y, sheet.len(0.09)), rgb(0xFFFFFF));
    return x0 + w;
}

double paint_icon_button(Sheet& sheet, ButtonIcon icon, double x0, double zc) {
    const double r = 0.24;
    paint_button(sheet.image(), icon, sheet.at(x0 + r, zc), sheet.len(r));
    return x0 + 2 * r;
}

}  // namespace

Mesh help_keys_model(ArchiveBuilder& pak, const LanguageTexts& t) {
    // The groups stand side by side: laid out once on a sheet of nothing to
    // measure the row, then drawn on a card around it at the origin, which
    // is then shrunk (when need be) and moved into layout::help_keys_card.
    auto row = [&](Sheet& s, double x) {
        const double z = 0;
        x = paint_caps(s, {{0.7, "", Cap::tab}}, x, z) + kGap;
        x = paint_arrow_keys(s, x, z);
        x = paint_ring(s, paint_leads_to(s, x, z), z) + kGroupGap;
        x = paint_caps(s, {{0.65, "", Cap::enter}, {0.85, ""}}, x, z);
        x = paint_dab(s, paint_leads_to(s, x, z), z) + kGroupGap;
        x = paint_caps(s, {{0.8, "1–9"}}, x, z);
        x = paint_tube(s, paint_leads_to(s, x, z), z) + kGroupGap;
        x = paint_caps(s, {{0.5, "G"}}, x, z);
        x = paint_icon_button(s, ButtonIcon::gallery, paint_leads_to(s, x, z), z) + kGroupGap;
        x = paint_caps(s, {{0.9, t.key_page_up}, {0.9, t.key_page_down}}, x, z);
        x = paint_icon_button(s, ButtonIcon::left, paint_leads_to(s, x, z), z) + 0.04;
        return paint_icon_button(s, ButtonIcon::right, x, z);
    };
    Sheet nothing(0, 1, 0, 1, 32.0);
    const double width = row(nothing, 0.0);
    const double pad = 0.3, half_h = kCapH / 2 + 0.25;
    const Rect card{-width / 2 - pad, width / 2 + pad, -half_h, half_h};
    Sheet sheet = sheet_around(card, 0.3);
    CardStyle style;
    style.fill = rgb(0xFFFDE7);
    style.border = rgb(0xFFB300);
    style.border_width = 0.06;
    style.radius = 0.3;
    paint_card(sheet, card, style);
    row(sheet, -width / 2);
    const std::string& tex = pak.add_texture("help_bg_keys.png", sheet.image());
    Mesh quad = sheet.quad(tex, 0.0);
    const Rect& place = layout::help_keys_card;
    const double k = std::min({1.0, place.w() / card.w(), place.h() / card.h()});
    for (MeshVertex& v : quad.vertices) {
        v.x = static_cast<float>(place.cx() + v.x * k);
        v.z = static_cast<float>(place.cz() + v.z * k);
    }
    quad.material = blended_material();
    return quad;
}
