#pragma once

#include <vector>

// A framebuffer of our own beside the window's (GL_EXT_framebuffer_object,
// offered by Mesa, its software renderer included): drawing that must not
// show (pictures drawn small for the gallery, a picture drawn large to be
// saved) and a resolved copy of the window's multisampled pixels.
class Offscreen {
public:
    Offscreen() = default;
    ~Offscreen();
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    // Colour (RGBA, 8 bits a channel) and, with `depth`, a 24-bit depth
    // buffer of w x h pixels, with `samples` samples each (0 or 1: none).
    // False, holding nothing, where the driver cannot make it.
    bool create(int w, int h, int samples, bool depth);
    // Colour only, held in a texture the scene can show (with mipmaps,
    // remade by mipmap()).
    bool create_texture(int w, int h);
    unsigned texture() const { return texture_; }
    // The texture's smaller levels, after something was drawn or resolved into it.
    void mipmap() const;
    void release();
    bool ready() const { return fbo_ != 0; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Drawing goes here (and the viewport is set to its size) until
    // draw_to_window() is called.
    void draw_here();
    static void draw_to_window(int window_width, int window_height);

    // The window's back buffer, resolved, into this framebuffer (same size).
    bool take_window();
    // Its rectangle (x, y from the bottom left, w, h), resolved, into this
    // framebuffer's bottom left corner (at least as large).
    bool take_window(int x, int y, int w, int h);
    // Resolves this (multisampled) framebuffer into `into` (single-sampled, same size).
    bool resolve_into(Offscreen& into) const;
    // RGBA rows from the bottom, of a single-sampled framebuffer.
    void read(std::vector<unsigned char>& rgba) const;
    // Its bottom left w x h pixels, GL_BGRA bytes, rows from the bottom.
    void read_bgra(int w, int h, std::vector<unsigned char>& bgra) const;

    // Whether framebuffer objects are offered at all.
    static bool available();

private:
    void read_pixels(int w, int h, unsigned format, std::vector<unsigned char>& out) const;
    unsigned fbo_ = 0, colour_ = 0, depth_ = 0, texture_ = 0;
    int width_ = 0, height_ = 0, samples_ = 0;
};
