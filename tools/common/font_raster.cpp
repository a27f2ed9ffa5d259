#include "common/font_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

struct FontFace {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
};

namespace {

std::vector<uint32_t> decode_utf8(const std::string& s) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        uint32_t cp = c;
        int extra = 0;
        if (c >= 0xF0) {
            cp = c & 0x07;
            extra = 3;
        } else if (c >= 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if (c >= 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

void set_size(FT_Face face, float px) { FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(px * 64.0f)), 72, 72); }

void add_bitmap(const FT_Bitmap& bm, int left, int top, std::vector<float>& mask, int w, int h) {
    for (unsigned row = 0; row < bm.rows; ++row)
        for (unsigned col = 0; col < bm.width; ++col) {
            const int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
            if (x < 0 || y < 0 || x >= w || y >= h) continue;
            const float v = bm.buffer[row * static_cast<unsigned>(bm.pitch) + col] / 255.0f;
            float& m = mask[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
            m = std::min(1.0f, m + v);
        }
}

std::vector<float> box_blur(const std::vector<float>& src, int w, int h, int r) {
    if (r <= 0) return src;
    std::vector<float> tmp(src.size()), out(src.size());
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<float>& in = pass == 0 ? src : tmp;
        std::vector<float>& dst = pass == 0 ? tmp : out;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                int n = 0;
                for (int k = -r; k <= r; ++k) {
                    const int xx = pass == 0 ? x + k : x, yy = pass == 0 ? y : y + k;
                    if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
                    sum += in[static_cast<size_t>(yy) * static_cast<size_t>(w) + static_cast<size_t>(xx)];
                    ++n;
                }
                dst[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = sum / static_cast<float>(n);
            }
    }
    return out;
}

}  // namespace

Font::Font(const std::string& path) {
    auto* f = new FontFace;
    if (FT_Init_FreeType(&f->lib) != 0) {
        delete f;
        return;
    }
    if (FT_New_Face(f->lib, path.c_str(), 0, &f->face) != 0) {
        FT_Done_FreeType(f->lib);
        delete f;
        return;
    }
    face_ = f;
}

Font::~Font() {
    if (!face_) return;
    FT_Done_Face(face_->face);
    FT_Done_FreeType(face_->lib);
    delete face_;
}

// The kerning between two glyphs, in 26.6 fixed point; 0 where the face has none.
static FT_Pos kerning(FT_Face face, FT_UInt prev, FT_UInt gi) {
    if (!prev || !gi || !FT_HAS_KERNING(face)) return 0;
    FT_Vector k;
    FT_Get_Kerning(face, prev, gi, FT_KERNING_UNFITTED, &k);
    return k.x;
}

float Font::measure(const std::string& utf8, float px) const {
    if (!face_) return 0;
    FT_Face face = face_->face;
    set_size(face, px);
    FT_Pos pen = 0;
    FT_UInt prev = 0;
    for (uint32_t cp : decode_utf8(utf8)) {
        const FT_UInt gi = FT_Get_Char_Index(face, cp);
        pen += kerning(face, prev, gi);
        if (FT_Load_Glyph(face, gi, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0) pen += face->glyph->advance.x;
        prev = gi;
    }
    return static_cast<float>(pen) / 64.0f;
}

float Font::ascender(float px) const {
    if (!face_) return 0;
    return px * static_cast<float>(face_->face->ascender) / static_cast<float>(face_->face->units_per_EM);
}

float Font::descender(float px) const {
    if (!face_) return 0;
    return px * static_cast<float>(face_->face->descender) / static_cast<float>(face_->face->units_per_EM);
}

void Font::render_line(const std::string& utf8, float px, float x, float y, float stroke, std::vector<float>& mask,
                       int w, int h) const {
    if (!face_) return;
    FT_Face face = face_->face;
    set_size(face, px);
    FT_Stroker stroker = nullptr;
    if (stroke > 0) {
        FT_Stroker_New(face_->lib, &stroker);
        FT_Stroker_Set(stroker, static_cast<FT_Fixed>(std::lround(stroke * 64.0f)), FT_STROKER_LINECAP_ROUND,
                       FT_STROKER_LINEJOIN_ROUND, 0);
    }
    FT_Pos pen = static_cast<FT_Pos>(std::lround(x * 64.0f));
    const FT_Pos base = static_cast<FT_Pos>(std::lround(y * 64.0f));
    FT_UInt prev = 0;
    for (uint32_t cp : decode_utf8(utf8)) {
        const FT_UInt gi = FT_Get_Char_Index(face, cp);
        pen += kerning(face, prev, gi);
        prev = gi;
        if (FT_Load_Glyph(face, gi, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
        FT_GlyphSlot slot = face->glyph;
        const FT_Pos advance = slot->advance.x;
        // Sub-pixel placement: shift the outline by the pen's fraction.
        const FT_Pos fx = pen & 63, fy = 64 - (base & 63);
        const int ix = static_cast<int>(pen >> 6), iy = static_cast<int>((base + 63) >> 6);
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            if (stroker) {
                FT_Glyph glyph;
                if (FT_Get_Glyph(slot, &glyph) == 0) {
                    FT_Vector delta{fx, fy & 63};
                    FT_Glyph_Transform(glyph, nullptr, &delta);
                    if (FT_Glyph_StrokeBorder(&glyph, stroker, 0, 1) == 0 &&
                        FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1) == 0) {
                        auto* bg = reinterpret_cast<FT_BitmapGlyph>(glyph);
                        add_bitmap(bg->bitmap, ix + bg->left, iy - bg->top, mask, w, h);
                    }
                    FT_Done_Glyph(glyph);
                }
            } else {
                FT_Outline_Translate(&slot->outline, fx, fy & 63);
                if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0)
                    add_bitmap(slot->bitmap, ix + slot->bitmap_left, iy - slot->bitmap_top, mask, w, h);
            }
        }
        pen += advance;
    }
    if (stroker) FT_Stroker_Done(stroker);
}

const Font& regular_font() {
    static Font font(PINTABO_FONT_REGULAR);
    if (!font.ok()) {
        std::fprintf(stderr, "cannot load the font %s\n", PINTABO_FONT_REGULAR);
        std::exit(1);
    }
    return font;
}

const Font& bold_font() {
    static Font font(PINTABO_FONT_BOLD);
    if (!font.ok()) {
        std::fprintf(stderr, "cannot load the font %s\n", PINTABO_FONT_BOLD);
        std::exit(1);
    }
    return font;
}

namespace {

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

std::vector<std::string> wrap_lines(const Font& font, const std::string& text, float max_width, float px, bool wrap) {
    std::vector<std::string> lines;
    for (const std::string& para : split(text, '\n')) {
        if (!wrap) {
            lines.push_back(para);
            continue;
        }
        std::string line;
        for (const std::string& word : split(para, ' ')) {
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && font.measure(candidate, px) > max_width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TextBlock fit_text(const Font& font, const std::string& text, float max_width, float max_height, float px, bool wrap,
                   float line_spacing) {
    TextBlock b;
    for (float size = px;; size *= 0.95f) {
        b.px = size;
        b.lines = wrap_lines(font, text, max_width, size, wrap);
        b.width = 0;
        for (const std::string& l : b.lines) b.width = std::max(b.width, font.measure(l, size));
        b.line_advance = size * line_spacing;
        b.height = static_cast<float>(b.lines.size() - 1) * b.line_advance + font.ascender(size) - font.descender(size);
        if ((b.width <= max_width && b.height <= max_height) || size < 4.0f) return b;
    }
}

void draw_text(Image& img, const Font& font, const TextBlock& block, const Box& box, const TextStyle& style) {
    // The masks cover the box grown by whatever the outline and shadow add.
    const float grow = style.outline_width + std::fabs(style.shadow_dx) + std::fabs(style.shadow_dy) +
                       style.shadow_blur + block.px;
    const int ox = std::max(0, static_cast<int>(std::floor(box.x0 - grow)));
    const int oy = std::max(0, static_cast<int>(std::floor(box.y0 - grow)));
    const int ex = std::min(img.width(), static_cast<int>(std::ceil(box.x1 + grow)));
    const int ey = std::min(img.height(), static_cast<int>(std::ceil(box.y1 + grow)));
    const int w = ex - ox, h = ey - oy;
    if (w <= 0 || h <= 0) return;
    std::vector<float> fill_mask(static_cast<size_t>(w) * static_cast<size_t>(h), 0.0f);
    std::vector<float> stroke_mask;
    if (style.outline_width > 0) stroke_mask.assign(fill_mask.size(), 0.0f);

    const float top = (box.y0 + box.y1) / 2 - block.height / 2;
    float baseline = top + font.ascender(block.px) - static_cast<float>(oy);
    for (const std::string& line : block.lines) {
        const float lw = font.measure(line, block.px);
        float x = box.x0;
        if (style.align == Align::centre) x = (box.x0 + box.x1) / 2 - lw / 2;
        if (style.align == Align::right) x = box.x1 - lw;
        x -= static_cast<float>(ox);
        font.render_line(line, block.px, x, baseline, 0, fill_mask, w, h);
        if (!stroke_mask.empty()) font.render_line(line, block.px, x, baseline, style.outline_width, stroke_mask, w, h);
        baseline += block.line_advance;
    }

    const std::vector<float>& body = stroke_mask.empty() ? fill_mask : stroke_mask;
    if (style.shadow.a > 0 && (style.shadow_dx != 0 || style.shadow_dy != 0)) {
        const std::vector<float> soft = box_blur(body, w, h, static_cast<int>(std::lround(style.shadow_blur)));
        const int dx = static_cast<int>(std::lround(style.shadow_dx)), dy = static_cast<int>(std::lround(style.shadow_dy));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int sx = x - dx, sy = y - dy;
                if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
                const float v = soft[static_cast<size_t>(sy) * static_cast<size_t>(w) + static_cast<size_t>(sx)];
                if (v > 0) img.blend(ox + x, oy + y, style.shadow, v);
            }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
            if (!stroke_mask.empty() && stroke_mask[i] > 0) img.blend(ox + x, oy + y, style.outline, stroke_mask[i]);
            if (fill_mask[i] > 0) img.blend(ox + x, oy + y, style.colour, fill_mask[i]);
        }
}

float draw_text_fitted(Image& img, const Font& font, const std::string& text, const Box& box, float px,
                       const TextStyle& style, bool wrap) {
    const float pad = style.outline_width;
    const TextBlock block = fit_text(font, text, box.x1 - box.x0 - 2 * pad, box.y1 - box.y0 - 2 * pad, px, wrap);
    draw_text(img, font, block, box, style);
    return block.px;
}
