#include "digit_glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>

namespace {

struct Walker {
    std::vector<Ring> rings;
    Pt last;
};

Pt pt(const FT_Vector* v) { return {static_cast<double>(v->x), static_cast<double>(v->y)}; }

int move_to(const FT_Vector* to, void* user) {
    Walker* w = static_cast<Walker*>(user);
    w->rings.emplace_back();
    w->last = pt(to);
    w->rings.back().push_back(w->last);
    return 0;
}

int line_to(const FT_Vector* to, void* user) {
    Walker* w = static_cast<Walker*>(user);
    w->last = pt(to);
    w->rings.back().push_back(w->last);
    return 0;
}

int conic_to(const FT_Vector* c, const FT_Vector* to, void* user) {
    Walker* w = static_cast<Walker*>(user);
    const Pt a = w->last, b = pt(c), e = pt(to);
    for (int i = 1; i <= 8; ++i) {
        const double t = i / 8.0, u = 1 - t;
        w->rings.back().push_back(a * (u * u) + b * (2 * u * t) + e * (t * t));
    }
    w->last = e;
    return 0;
}

int cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    Walker* w = static_cast<Walker*>(user);
    const Pt a = w->last, b = pt(c1), c = pt(c2), e = pt(to);
    for (int i = 1; i <= 10; ++i) {
        const double t = i / 10.0, u = 1 - t;
        w->rings.back().push_back(a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + e * (t * t * t));
    }
    w->last = e;
    return 0;
}

}  // namespace

DigitGlyphs::DigitGlyphs(const std::string& font_path) {
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) return;
    FT_Face face;
    if (FT_New_Face(lib, font_path.c_str(), 0, &face)) {
        FT_Done_FreeType(lib);
        return;
    }
    ok_ = true;
    const FT_Outline_Funcs funcs{move_to, line_to, conic_to, cubic_to, 0, 0};
    // Each digit stands exactly one unit high, so that no number comes out
    // smaller than the size asked for.
    for (int d = 0; d < 10 && ok_; ++d) {
        if (FT_Load_Char(face, '0' + d, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING)) {
            ok_ = false;
            break;
        }
        Walker w;
        FT_Outline_Decompose(&face->glyph->outline, &funcs, &w);
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (Ring& r : w.rings) {
            if (r.size() > 1 && r.front().x == r.back().x && r.front().y == r.back().y) r.pop_back();
            for (const Pt& p : r) {
                x0 = std::min(x0, p.x);
                y0 = std::min(y0, p.y);
                x1 = std::max(x1, p.x);
                y1 = std::max(y1, p.y);
            }
        }
        const double height = y1 - y0;
        const Pt centre{(x0 + x1) / 2, (y0 + y1) / 2};
        for (Ring& r : w.rings)
            for (Pt& p : r) p = (p - centre) * (1.0 / height);
        rings_[d] = w.rings;
        width_[d] = (x1 - x0) / height;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
}
