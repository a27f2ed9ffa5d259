#pragma once

#include <cstddef>
#include <vector>

// A colour with straight (not premultiplied) alpha, each channel 0 to 1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

inline Rgba rgb(int hex, float alpha = 1.0f) {
    return {((hex >> 16) & 0xFF) / 255.0f, ((hex >> 8) & 0xFF) / 255.0f, (hex & 0xFF) / 255.0f, alpha};
}
Rgba mix(const Rgba& a, const Rgba& b, float t);
Rgba lighten(const Rgba& c, float amount);  // towards white
Rgba darken(const Rgba& c, float amount);   // towards black
Rgba with_alpha(const Rgba& c, float a);

// A floating-point RGBA canvas; (0, 0) is the top-left pixel.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    int width() const { return w_; }
    int height() const { return h_; }
    bool empty() const { return w_ == 0 || h_ == 0; }
    Rgba get(int x, int y) const { return px_[index(x, y)]; }
    void set(int x, int y, Rgba c) { px_[index(x, y)] = c; }
    // Source-over compositing of `c` whose alpha is further scaled by `coverage`.
    void blend(int x, int y, const Rgba& c, float coverage);
    // Draws `src` with its top-left corner at (x, y), source-over.
    void draw(const Image& src, int x, int y, float opacity = 1.0f);
    // Scales every alpha value by `k`.
    void fade(float k);
    // Gives fully transparent pixels the colour of their nearest visible
    // neighbours, so that texture filtering and mipmaps do not pull dark
    // fringes into the edges of see-through artwork.
    void bleed_edges(int passes = 8);

    // 8-bit rows top first, 3 (RGB) or 4 (RGBA) bytes per pixel.
    std::vector<unsigned char> bytes(int channels) const;
    // Half the size in each direction, averaging 2x2 blocks (alpha-weighted).
    Image halved() const;

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x); }
    int w_ = 0, h_ = 0;
    std::vector<Rgba> px_;
};
