#include "button_art.h"

#include <cmath>
#include <string>

#include "common/font_raster.h"

namespace {

constexpr float kPi = 3.14159265f;

// Icon coordinates: u to the right, v up, 1 = the disc's radius.
struct IconFrame {
    Pt c;
    float r;
    Pt p(float u, float v) const { return {c.x + u * r, c.y - v * r}; }
    float l(float k) const { return k * r; }
};

Rgba hue(float h) {
    h = h - std::floor(h);
    const float k[3] = {std::fmod(5.0f + h * 6.0f, 6.0f), std::fmod(3.0f + h * 6.0f, 6.0f), std::fmod(1.0f + h * 6.0f, 6.0f)};
    float out[3];
    for (int i = 0; i < 3; ++i) out[i] = 1.0f - std::max(0.0f, std::min({k[i], 4.0f - k[i], 1.0f}));
    return {out[0], out[1], out[2], 1.0f};
}

// Every icon is drawn twice: a soft dark halo first, then in white.
void draw_icon_shape(Image& img, const Shape& s, const IconFrame& f) {
    fill(img, translated(grown(s, f.l(0.04f)), f.l(0.02f), f.l(0.05f)), Rgba{0, 0, 0, 0.35f}, f.l(0.08f));
    fill(img, s, Rgba{1, 1, 1, 1});
}

Shape cross_shape(const IconFrame& f) {
    return unite(segment(f.p(-0.38f, 0.38f), f.p(0.38f, -0.38f), f.l(0.13f)),
                 segment(f.p(-0.38f, -0.38f), f.p(0.38f, 0.38f), f.l(0.13f)));
}

Shape cog_shape(const IconFrame& f) {
    Shape s = circle(f.c.x, f.c.y, f.l(0.36f));
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * kPi / 4.0f;
        const float ca = std::cos(a), sa = std::sin(a);
        const float w = 0.11f, in = 0.25f, out = 0.56f;
        auto q = [&](float along, float side) { return f.p(ca * along - sa * side, sa * along + ca * side); };
        s = unite(s, grown(polygon({q(in, -w), q(out, -w * 0.8f), q(out, w * 0.8f), q(in, w)}), f.l(0.02f)));
    }
    return subtract(s, circle(f.c.x, f.c.y, f.l(0.15f)));
}

Shape straight_arrow(const IconFrame& f, float dir) {
    const Shape shaft = segment(f.p(-0.34f * dir, 0), f.p(0.1f * dir, 0), f.l(0.12f));
    const Shape head = grown(arrow_head(f.p(0.44f * dir, 0), {dir, 0}, f.l(0.42f), f.l(0.36f)), f.l(0.04f));
    return unite(shaft, head);
}

// A curved arrow around (cu, cv): an arc from angle a0 to a1 (radians,
// counter-clockwise in icon space) whose head continues from the a1 end
// along the arc's direction there.
Shape curved_arrow(const IconFrame& f, float cu, float cv, float radius, float a0, float a1, float width) {
    std::vector<Pt> pts;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const float a = a0 + (a1 - a0) * static_cast<float>(i) / steps;
        pts.push_back(f.p(cu + radius * std::cos(a), cv + radius * std::sin(a)));
    }
    const float sign = a1 > a0 ? 1.0f : -1.0f;
    const float tu = -std::sin(a1) * sign, tv = std::cos(a1) * sign;  // direction of travel at the end
    const float head_len = width * 3.4f, head_half = width * 2.6f;
    const float eu = cu + radius * std::cos(a1), ev = cv + radius * std::sin(a1);
    const Shape head = arrow_head(f.p(eu + tu * head_len, ev + tv * head_len), {tu, -tv}, f.l(head_len), f.l(head_half));
    return unite(polyline(pts, f.l(width)), grown(head, f.l(0.02f)));
}

// Four white-framed little pictures, each of its own colour.
void paint_gallery_icon(Image& img, const IconFrame& f) {
    const Rgba colours[4] = {rgb(0xFFD54F), rgb(0x4FC3F7), rgb(0x81C784), rgb(0xFF8A65)};
    const float half = 0.26f, corner = 0.08f, centre = 0.3f;
    std::vector<Shape> tiles;
    for (int i = 0; i < 4; ++i) {
        const Pt c = f.p(i % 2 ? centre : -centre, i / 2 ? -centre : centre);
        tiles.push_back(rounded_rect(c.x - f.l(half), c.y - f.l(half), c.x + f.l(half), c.y + f.l(half), f.l(corner)));
    }
    draw_icon_shape(img, unite(unite(tiles[0], tiles[1]), unite(tiles[2], tiles[3])), f);
    for (size_t i = 0; i < 4; ++i) fill(img, grown(tiles[i], -f.l(0.075f)), colours[i]);
}

// A white camera whose lens shows the disc's colour through a ring.
void paint_camera_icon(Image& img, const IconFrame& f, Rgba base) {
    const Shape body = unite(rounded_rect(f.p(-0.6f, 0.3f).x, f.p(0, 0.3f).y, f.p(0.6f, 0).x, f.p(0, -0.44f).y, f.l(0.13f)),
                             grown(polygon({f.p(-0.24f, 0.3f), f.p(-0.15f, 0.44f), f.p(0.15f, 0.44f), f.p(0.24f, 0.3f)}),
                                   f.l(0.03f)));
    draw_icon_shape(img, body, f);
    const Pt lens = f.p(0, -0.07f);
    fill(img, circle(lens.x, lens.y, f.l(0.29f)), darken(base, 0.3f));
    fill(img, circle(lens.x, lens.y, f.l(0.22f)),
         radial_gradient(f.p(-0.07f, 0.0f), f.l(0.28f), lighten(base, 0.35f), darken(base, 0.2f)));
    const Pt shine = f.p(-0.07f, 0.0f);
    fill(img, circle(shine.x, shine.y, f.l(0.06f)), Rgba{1, 1, 1, 0.85f});
    const Pt flash = f.p(0.4f, 0.17f);
    fill(img, rounded_rect(flash.x - f.l(0.08f), flash.y - f.l(0.045f), flash.x + f.l(0.08f), flash.y + f.l(0.045f), f.l(0.03f)),
         rgb(0xFFD54F));
}

void paint_icon(Image& img, ButtonIcon icon, const IconFrame& f) {
    switch (icon) {
        case ButtonIcon::close:
            draw_icon_shape(img, cross_shape(f), f);
            break;
        case ButtonIcon::help: {
            TextStyle style;
            style.colour = {1, 1, 1, 1};
            style.shadow = {0, 0, 0, 0.35f};
            style.shadow_dx = f.l(0.03f);
            style.shadow_dy = f.l(0.05f);
            style.shadow_blur = f.l(0.05f);
            const Box box{f.c.x - f.r, f.c.y - f.l(0.75f), f.c.x + f.r, f.c.y + f.l(0.75f)};
            draw_text_fitted(img, bold_font(), "?", box, f.l(1.25f), style, false);
            break;
        }
        case ButtonIcon::menu:
            draw_icon_shape(img, cog_shape(f), f);
            break;
        case ButtonIcon::left:
            draw_icon_shape(img, straight_arrow(f, -1.0f), f);
            break;
        case ButtonIcon::right:
            draw_icon_shape(img, straight_arrow(f, 1.0f), f);
            break;
        case ButtonIcon::color: {
            const Shape wheel = subtract(circle(f.c.x, f.c.y, f.l(0.6f)), circle(f.c.x, f.c.y, f.l(0.2f)));
            fill(img, translated(grown(wheel, f.l(0.05f)), f.l(0.02f), f.l(0.05f)), Rgba{0, 0, 0, 0.35f}, f.l(0.08f));
            fill(img, grown(wheel, f.l(0.06f)), Rgba{1, 1, 1, 1});
            fill(img, wheel, [&](float x, float y) { return hue(std::atan2(f.c.y - y, x - f.c.x) / (2 * kPi)); });
            fill(img, circle(f.c.x, f.c.y, f.l(0.14f)), Rgba{1, 1, 1, 1});
            break;
        }
        case ButtonIcon::reset: {
            fill(img, circle(f.c.x, f.c.y, f.l(0.2f)), [&](float x, float y) {
                return hue(std::atan2(f.c.y - y, x - f.c.x) / (2 * kPi));
            });
            draw_icon_shape(img, curved_arrow(f, 0.0f, 0.0f, 0.42f, 2.2f, -3.3f, 0.09f), f);
            break;
        }
        case ButtonIcon::back:
            draw_icon_shape(img, curved_arrow(f, 0.08f, -0.02f, 0.34f, -1.75f, 2.7f, 0.11f), f);
            break;
        case ButtonIcon::clear: {
            // Wiped streaks, then the eraser tilted over them.
            draw_icon_shape(img, unite(segment(f.p(-0.55f, -0.42f), f.p(0.05f, -0.42f), f.l(0.05f)),
                                       segment(f.p(-0.45f, -0.58f), f.p(-0.1f, -0.58f), f.l(0.05f))),
                            f);
            const float a = 0.6f, ca = std::cos(a), sa = std::sin(a);
            auto q = [&](float u, float v) { return f.p(0.08f + u * ca - v * sa, 0.08f + u * sa + v * ca); };
            const Shape body = grown(polygon({q(-0.42f, -0.2f), q(0.42f, -0.2f), q(0.42f, 0.2f), q(-0.42f, 0.2f)}), f.l(0.05f));
            const Shape sleeve = grown(polygon({q(-0.05f, -0.2f), q(0.42f, -0.2f), q(0.42f, 0.2f), q(-0.05f, 0.2f)}), f.l(0.05f));
            fill(img, translated(grown(body, f.l(0.04f)), f.l(0.02f), f.l(0.05f)), Rgba{0, 0, 0, 0.35f}, f.l(0.08f));
            fill(img, grown(body, f.l(0.05f)), Rgba{1, 1, 1, 1});
            fill(img, body, rgb(0xFF8FB1));
            fill(img, sleeve, rgb(0x4FC3F7));
            break;
        }
        case ButtonIcon::gallery:
            paint_gallery_icon(img, f);
            break;
        case ButtonIcon::camera:
            paint_camera_icon(img, f, button_colour(icon));
            break;
        case ButtonIcon::children: {
            // A big child and a small one: a head over round shoulders each.
            const Shape big = unite(circle(f.p(-0.2f, 0.28f).x, f.p(-0.2f, 0.28f).y, f.l(0.22f)),
                                    intersect(ellipse(f.p(-0.2f, -0.35f).x, f.p(-0.2f, -0.35f).y, f.l(0.36f), f.l(0.34f)),
                                              rounded_rect(f.p(-0.7f, 0).x, f.p(0, -0.02f).y, f.p(0.3f, 0).x,
                                                           f.p(0, -0.55f).y, 0)));
            const Shape small = unite(circle(f.p(0.33f, 0.12f).x, f.p(0.33f, 0.12f).y, f.l(0.17f)),
                                      intersect(ellipse(f.p(0.33f, -0.4f).x, f.p(0.33f, -0.4f).y, f.l(0.27f), f.l(0.28f)),
                                                rounded_rect(f.p(0, 0).x, f.p(0, -0.12f).y, f.p(0.7f, 0).x,
                                                             f.p(0, -0.55f).y, 0)));
            draw_icon_shape(img, unite(big, small), f);
            break;
        }
    }
}

}  // namespace

Rgba button_colour(ButtonIcon icon) {
    switch (icon) {
        case ButtonIcon::close: return rgb(0xE53935);
        case ButtonIcon::help: return rgb(0x1E88E5);
        case ButtonIcon::menu: return rgb(0xFFA000);
        case ButtonIcon::left:
        case ButtonIcon::right: return rgb(0x43A047);
        case ButtonIcon::color: return rgb(0x8E24AA);
        case ButtonIcon::reset: return rgb(0x00897B);
        case ButtonIcon::back: return rgb(0xF4511E);
        case ButtonIcon::clear: return rgb(0x3949AB);
        case ButtonIcon::gallery: return rgb(0xD81B60);
        case ButtonIcon::camera: return rgb(0x00ACC1);
        case ButtonIcon::children: return rgb(0x7CB342);
    }
    return rgb(0x888888);
}

void paint_button_icon(Image& img, ButtonIcon icon, Pt c, float r) { paint_icon(img, icon, IconFrame{c, r}); }

void paint_button(Image& img, ButtonIcon icon, Pt c, float r) {
    const IconFrame f{c, r};
    const Rgba base = button_colour(icon);
    // Rim, body lit from the top left, a glossy cap and a soft lower glow.
    fill(img, circle(c.x, c.y, r), darken(base, 0.35f));
    fill(img, circle(c.x, c.y, f.l(0.9f)),
         radial_gradient(f.p(-0.35f, 0.4f), f.l(1.5f), lighten(base, 0.35f), darken(base, 0.12f)));
    fill(img, ellipse(c.x, f.p(0, 0.48f).y, f.l(0.62f), f.l(0.34f)),
         linear_gradient(f.p(0, 0.82f), Rgba{1, 1, 1, 0.55f}, f.p(0, 0.16f), Rgba{1, 1, 1, 0.0f}));
    fill(img, ellipse(c.x, f.p(0, -0.62f).y, f.l(0.5f), f.l(0.18f)), Rgba{1, 1, 1, 0.12f}, f.l(0.2f));
    paint_icon(img, icon, f);
}
