#pragma once

#include <string>
#include <vector>

#include "common/image.h"
#include "common/shapes.h"

// Text rasterising with FreeType: measuring, word wrapping, shrinking a text
// until it fits a box, and drawing it into an Image with an optional outline
// and soft shadow. Sizes are in pixels of the target image.

struct FontFace;

class Font {
public:
    explicit Font(const std::string& path);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool ok() const { return face_ != nullptr; }
    // Advance width of one line of UTF-8 text, kerning included.
    float measure(const std::string& utf8, float px) const;
    float ascender(float px) const;
    float descender(float px) const;  // negative: below the baseline

    // Adds the coverage of one line, with its baseline starting at (x, y), to
    // `mask` (w x h values 0 to 1); a positive `stroke` draws the glyphs'
    // outlines grown by that many pixels instead of the glyphs themselves.
    void render_line(const std::string& utf8, float px, float x, float y, float stroke, std::vector<float>& mask, int w,
                     int h) const;

private:
    FontFace* face_ = nullptr;
};

// The regular and bold DejaVu Sans faces, loaded once.
const Font& regular_font();
const Font& bold_font();

// A text broken into lines at one size.
struct TextBlock {
    float px = 0;
    std::vector<std::string> lines;
    float width = 0;   // widest line
    float height = 0;  // from the first line's ascender to the last line's descender
    float line_advance = 0;
};

// Breaks `text` at spaces (and at '\n') so that no line is wider than
// `max_width`, starting at size `px` and shrinking it until the whole block
// fits `max_width` x `max_height`. With `wrap` false only '\n' breaks lines.
TextBlock fit_text(const Font& font, const std::string& text, float max_width, float max_height, float px,
                   bool wrap = true, float line_spacing = 1.15f);

enum class Align { left, centre, right };

struct TextStyle {
    Rgba colour{0, 0, 0, 1};
    Rgba outline{1, 1, 1, 1};
    float outline_width = 0;  // pixels; 0 for none
    Rgba shadow{0, 0, 0, 0.35f};
    float shadow_dx = 0, shadow_dy = 0;  // pixels; both 0 for no shadow
    float shadow_blur = 2;
    Align align = Align::centre;
};

// Draws a fitted block in `box`, centred vertically, aligned horizontally.
void draw_text(Image& img, const Font& font, const TextBlock& block, const Box& box, const TextStyle& style);
// fit_text and draw_text in one; returns the size used.
float draw_text_fitted(Image& img, const Font& font, const std::string& text, const Box& box, float px,
                       const TextStyle& style, bool wrap = true);
