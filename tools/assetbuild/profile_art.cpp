#include <cmath>
#include <string>

#include "archives.h"
#include "button_art.h"
#include "common/font_raster.h"
#include "common/mesh_builders.h"
#include "materials.h"
#include "panel_art.h"
#include "profile_parts.h"

// The picker's round pictures, one colour disc and one animal face per
// child (the game lays the face over the disc), its "add" and "remove"
// discs, and the parent's gate's number keys. None carries words.

namespace {

struct Face {
    Pt c;
    float r;
    Pt p(float u, float v) const { return {c.x + u * r, c.y - v * r}; }
    float l(float k) const { return k * r; }
};

const Rgba kEye = rgb(0x2B2B2B);
const Rgba kWhite{1, 1, 1, 1};

void eyes(Image& img, const Face& f, float spread, float height, float size) {
    for (float side : {-1.0f, 1.0f}) {
        const Pt e = f.p(side * spread, height);
        fill(img, circle(e.x, e.y, f.l(size)), kEye);
        fill(img, circle(e.x - f.l(size * 0.3f), e.y - f.l(size * 0.35f), f.l(size * 0.35f)), kWhite);
    }
}

void smile(Image& img, const Face& f, float height, float width) {
    const Pt m = f.p(0, height);
    fill(img, arc(m.x, m.y - f.l(0.12f), f.l(width), f.l(0.035f), 0.35f * 3.14159f, 0.65f * 3.14159f), kEye);
}

void nose(Image& img, const Face& f, float height, float w, Rgba c) {
    const Pt n = f.p(0, height);
    fill(img, ellipse(n.x, n.y, f.l(w), f.l(w * 0.7f)), c);
}

Shape head(const Face& f, float rx, float ry, float v = 0) {
    const Pt c = f.p(0, v);
    return ellipse(c.x, c.y, f.l(rx), f.l(ry));
}

// Eight friendly faces, each told apart by its ears and colours.
void paint_animal(Image& img, int animal, const Face& f) {
    switch (animal) {
        case 0: {  // a cat: pointed ears, orange
            const Rgba fur = rgb(0xFFA24C);
            for (float s : {-1.0f, 1.0f})
                fill(img, polygon({f.p(s * 0.62f, 0.2f), f.p(s * 0.6f, 0.85f), f.p(s * 0.15f, 0.52f)}), fur);
            fill(img, head(f, 0.62f, 0.55f, -0.05f), fur);
            eyes(img, f, 0.25f, 0.02f, 0.09f);
            nose(img, f, -0.17f, 0.07f, rgb(0xE57373));
            for (float s : {-1.0f, 1.0f})
                for (float k : {-0.05f, 0.05f})
                    fill(img, segment(f.p(s * 0.22f, -0.2f + k), f.p(s * 0.62f, -0.16f + k * 2.5f), f.l(0.012f)), kEye);
            smile(img, f, -0.22f, 0.12f);
            break;
        }
        case 1: {  // a dog: long floppy ears, brown
            const Rgba fur = rgb(0xC8915A), ear = rgb(0x7B4F2C);
            fill(img, head(f, 0.55f, 0.6f), fur);
            for (float s : {-1.0f, 1.0f}) {
                const Pt e = f.p(s * 0.58f, 0.05f);
                fill(img, ellipse(e.x, e.y, f.l(0.17f), f.l(0.42f)), ear);
            }
            fill(img, head(f, 0.28f, 0.22f, -0.3f), rgb(0xF1D2AE));
            eyes(img, f, 0.22f, 0.12f, 0.085f);
            nose(img, f, -0.2f, 0.1f, kEye);
            smile(img, f, -0.3f, 0.11f);
            break;
        }
        case 2: {  // a rabbit: tall ears, white
            const Rgba fur = rgb(0xF4F1EE), inner = rgb(0xF8BBD0);
            for (float s : {-1.0f, 1.0f}) {
                const Pt e = f.p(s * 0.22f, 0.62f);
                fill(img, ellipse(e.x, e.y, f.l(0.14f), f.l(0.4f)), fur);
                fill(img, ellipse(e.x, e.y, f.l(0.07f), f.l(0.3f)), inner);
            }
            fill(img, head(f, 0.52f, 0.48f, -0.2f), fur);
            eyes(img, f, 0.2f, -0.1f, 0.08f);
            nose(img, f, -0.28f, 0.06f, rgb(0xEC407A));
            smile(img, f, -0.34f, 0.1f);
            break;
        }
        case 3: {  // a bear: round ears, dark brown
            const Rgba fur = rgb(0x8D6E63);
            for (float s : {-1.0f, 1.0f}) {
                const Pt e = f.p(s * 0.45f, 0.45f);
                fill(img, circle(e.x, e.y, f.l(0.2f)), fur);
                fill(img, circle(e.x, e.y, f.l(0.1f)), rgb(0xD7B49E));
            }
            fill(img, head(f, 0.6f, 0.55f, -0.05f), fur);
            fill(img, head(f, 0.26f, 0.2f, -0.27f), rgb(0xD7B49E));
            eyes(img, f, 0.23f, 0.05f, 0.08f);
            nose(img, f, -0.2f, 0.08f, kEye);
            smile(img, f, -0.28f, 0.1f);
            break;
        }
        case 4: {  // a frog: eyes on top, green
            const Rgba skin = rgb(0x66BB6A);
            for (float s : {-1.0f, 1.0f}) {
                const Pt e = f.p(s * 0.3f, 0.35f);
                fill(img, circle(e.x, e.y, f.l(0.22f)), skin);
                fill(img, circle(e.x, e.y, f.l(0.14f)), kWhite);
            }
            fill(img, head(f, 0.65f, 0.45f, -0.15f), skin);
            eyes(img, f, 0.3f, 0.35f, 0.07f);
            const Pt m = f.p(0, -0.08f);
            fill(img, arc(m.x, m.y, f.l(0.38f), f.l(0.04f), 0.2f * 3.14159f, 0.8f * 3.14159f), rgb(0x1B5E20));
            break;
        }
        case 5: {  // an owl: ear tufts, big eyes
            const Rgba feathers = rgb(0xA1887F);
            for (float s : {-1.0f, 1.0f})
                fill(img, polygon({f.p(s * 0.55f, 0.25f), f.p(s * 0.5f, 0.75f), f.p(s * 0.2f, 0.42f)}), feathers);
            fill(img, head(f, 0.6f, 0.58f, -0.05f), feathers);
            for (float s : {-1.0f, 1.0f}) {
                const Pt e = f.p(s * 0.25f, 0.05f);
                fill(img, circle(e.x, e.y, f.l(0.22f)), rgb(0xFFF8E1));
            }
            eyes(img, f, 0.25f, 0.05f, 0.11f);
            fill(img, polygon({f.p(-0.08f, -0.15f), f.p(0.08f, -0.15f), f.p(0, -0.32f)}), rgb(0xFFB300));
            break;
        }
        case 6: {  // a mouse: big round ears, grey
            const Rgba fur = rgb(0xB0BEC5);
            for (float s : {-1.0f, 1.0f}) {
                const Pt e = f.p(s * 0.5f, 0.4f);
                fill(img, circle(e.x, e.y, f.l(0.3f)), fur);
                fill(img, circle(e.x, e.y, f.l(0.19f)), rgb(0xF8BBD0));
            }
            fill(img, head(f, 0.5f, 0.48f, -0.12f), fur);
            eyes(img, f, 0.2f, -0.02f, 0.075f);
            nose(img, f, -0.3f, 0.07f, rgb(0xEC407A));
            for (float s : {-1.0f, 1.0f})
                fill(img, segment(f.p(s * 0.12f, -0.3f), f.p(s * 0.55f, -0.25f), f.l(0.012f)), kEye);
            break;
        }
        default: {  // a pig: pink, with a snout
            const Rgba skin = rgb(0xF48FB1);
            for (float s : {-1.0f, 1.0f})
                fill(img, polygon({f.p(s * 0.55f, 0.2f), f.p(s * 0.5f, 0.65f), f.p(s * 0.2f, 0.45f)}), rgb(0xEC6D9B));
            fill(img, head(f, 0.62f, 0.55f, -0.05f), skin);
            const Pt s = f.p(0, -0.2f);
            fill(img, ellipse(s.x, s.y, f.l(0.24f), f.l(0.16f)), rgb(0xF06292));
            for (float k : {-1.0f, 1.0f}) fill(img, circle(s.x + k * f.l(0.08f), s.y, f.l(0.04f)), rgb(0xAD1457));
            eyes(img, f, 0.24f, 0.12f, 0.08f);
            break;
        }
    }
}

// The children's colours: bright, and far enough apart to tell.
const int kDiscColours[profile_looks] = {0xE53935, 0x1E88E5, 0xFDD835, 0x43A047,
                                         0x8E24AA, 0xFB8C00, 0x00ACC1, 0xD81B60};

void paint_disc(Image& img, Pt c, float r, Rgba base) {
    fill(img, circle(c.x, c.y + r * 0.05f, r), Rgba{0, 0, 0, 0.25f}, r * 0.08f);
    fill(img, circle(c.x, c.y, r), kWhite);
    fill(img, circle(c.x, c.y, r * 0.9f),
         radial_gradient({c.x - r * 0.3f, c.y - r * 0.35f}, r * 1.6f, lighten(base, 0.3f), darken(base, 0.15f)));
}

Sheet disc_sheet(double r) { return Sheet(-r * 1.08, r * 1.08, -r * 1.08, r * 1.08, 256.0 / (2.16 * r)); }

}  // namespace

void add_profile_artwork(ArchiveBuilder& pak) {
    const double r = profile_art::disc_radius;
    for (int i = 0; i < profile_looks; ++i) {
        Sheet disc = disc_sheet(r);
        paint_disc(disc.image(), disc.at(0, 0), disc.len(r), rgb(kDiscColours[i]));
        add_sheet_object(pak, "profile_disc" + std::to_string(i), disc, 0.0, blended_material());
        Sheet face = disc_sheet(r);
        paint_animal(face.image(), i, Face{face.at(0, 0), face.len(r * 0.82)});
        face.image().bleed_edges();
        add_sheet_object(pak, "profile_animal" + std::to_string(i), face, 0.02, blended_material());
    }
    // Add: a white plus on a soft grey disc. Remove: a white minus on red.
    for (bool add : {true, false}) {
        const double rr = profile_art::small_radius;
        Sheet s = disc_sheet(rr);
        const Pt c = s.at(0, 0);
        const float len = s.len(rr);
        paint_disc(s.image(), c, len, add ? rgb(0x90A4AE) : rgb(0xE53935));
        Shape mark = segment({c.x - len * 0.45f, c.y}, {c.x + len * 0.45f, c.y}, len * 0.1f);
        if (add) mark = unite(mark, segment({c.x, c.y - len * 0.45f}, {c.x, c.y + len * 0.45f}, len * 0.1f));
        fill(s.image(), mark, kWhite);
        add_sheet_object(pak, add ? "profile_add" : "profile_remove", s, 0.0, blended_material());
    }
    // Name: a white pencil on amber, for a grown-up giving a child a name.
    {
        const double rr = profile_art::small_radius;
        Sheet s = disc_sheet(rr);
        const Pt c = s.at(0, 0);
        const float len = s.len(rr);
        paint_disc(s.image(), c, len, rgb(0xFFA000));
        const Pt tip{c.x - len * 0.42f, c.y + len * 0.42f}, end{c.x + len * 0.38f, c.y - len * 0.38f};
        fill(s.image(), segment(tip, end, len * 0.14f), kWhite);
        fill(s.image(), polygon({tip, {tip.x + len * 0.1f, tip.y - len * 0.28f}, {tip.x + len * 0.28f, tip.y - len * 0.1f}}),
             rgb(0x5D4037));
        add_sheet_object(pak, "profile_edit", s, 0.0, blended_material());
    }
    // The plate a child's name is drawn on while the game runs: a bare
    // quad whose whole texture the game replaces.
    {
        const double w = profile_art::name_width, h = w * 112.0 / 512.0;
        Mesh plate = flat_quad(pak.add_texture("profile_name_plate.png", Image(4, 4)), -w / 2, w / 2, -h / 2, h / 2, 0.03);
        plate.material = blended_material();
        pak.add_object("profile_name_plate", {plate});
    }
    // The gate's keys: a big dark figure on an ivory key.
    for (int d = 1; d <= 9; ++d) {
        const double rk = profile_art::key_radius;
        Sheet s = disc_sheet(rk);
        const Pt c = s.at(0, 0);
        const float len = s.len(rk);
        paint_disc(s.image(), c, len, rgb(0xFFF3C4));
        TextStyle style;
        style.colour = rgb(0x263238);
        const Box box{c.x - len, c.y - len * 0.7f, c.x + len, c.y + len * 0.7f};
        draw_text_fitted(s.image(), bold_font(), std::to_string(d), box, len * 1.1f, style, false);
        add_sheet_object(pak, "gate_key" + std::to_string(d), s, 0.0, blended_material());
    }
}

