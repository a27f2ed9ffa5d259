#include "shell/offscreen.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

Offscreen::~Offscreen() { release(); }

bool Offscreen::available() {
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && (std::strstr(extensions, "GL_ARB_framebuffer_object") ||
                          (std::strstr(extensions, "GL_EXT_framebuffer_object") &&
                           std::strstr(extensions, "GL_EXT_framebuffer_blit")));
}

bool Offscreen::create(int w, int h, int samples, bool depth) {
    release();
    if (w <= 0 || h <= 0 || !available()) return false;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
    if (w > largest || h > largest) return false;
    if (samples > 1) {
        GLint most = 0;
        glGetIntegerv(GL_MAX_SAMPLES, &most);
        if (samples > most) samples = most;
    }
    samples_ = samples > 1 ? samples : 0;
    width_ = w;
    height_ = h;
    GLint before = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    glGenFramebuffers(1, &fbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glGenRenderbuffers(1, &colour_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, GL_RGBA8, w, h);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    if (depth) {
        glGenRenderbuffers(1, &depth_);
        glBindRenderbuffer(GL_RENDERBUFFER, depth_);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, GL_DEPTH_COMPONENT24, w, h);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(before));
    if (!complete) release();
    return complete;
}

bool Offscreen::create_texture(int w, int h) {
    release();
    if (w <= 0 || h <= 0 || !available()) return false;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (w > largest || h > largest) return false;
    width_ = w;
    height_ = h;
    GLint before = 0, bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glGenerateMipmap(GL_TEXTURE_2D);
    glGenFramebuffers(1, &fbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture_, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(before));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    if (!complete) release();
    return complete;
}

void Offscreen::mipmap() const {
    if (!texture_) return;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
}

void Offscreen::release() {
    if (texture_) glDeleteTextures(1, &texture_);
    texture_ = 0;
    if (depth_) glDeleteRenderbuffers(1, &depth_);
    if (colour_) glDeleteRenderbuffers(1, &colour_);
    if (fbo_) glDeleteFramebuffers(1, &fbo_);
    fbo_ = colour_ = depth_ = 0;
    width_ = height_ = samples_ = 0;
}

void Offscreen::draw_here() {
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glViewport(0, 0, width_, height_);
}

void Offscreen::draw_to_window(int window_width, int window_height) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, window_width, window_height);
}

bool Offscreen::take_window() {
    if (!fbo_) return false;
    GLint before = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(before));
    return true;
}

// A driver may refuse a resolve whose rectangle moves (older GL asked for
// the same place on both sides): the error says so.
bool Offscreen::take_window(int x, int y, int w, int h) {
    if (!fbo_ || w > width_ || h > height_) return false;
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }
    GLint before = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo_);
    glBlitFramebuffer(x, y, x + w, y + h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(before));
    return glGetError() == GL_NO_ERROR;
}

bool Offscreen::resolve_into(Offscreen& into) const {
    if (!fbo_ || !into.fbo_ || into.width_ != width_ || into.height_ != height_) return false;
    GLint before = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, into.fbo_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(before));
    return true;
}

// The lower-left w x h pixels, packed tight, in `format`; the bindings
// and the pack alignment as they were.
void Offscreen::read_pixels(int w, int h, unsigned format, std::vector<unsigned char>& out) const {
    out.resize(static_cast<size_t>(w > 0 ? w : 0) * static_cast<size_t>(h > 0 ? h : 0) * 4);
    if (out.empty()) return;
    GLint before = 0, alignment = 4;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, format, GL_UNSIGNED_BYTE, out.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(before));
}

void Offscreen::read(std::vector<unsigned char>& rgba) const { read_pixels(width_, height_, GL_RGBA, rgba); }

void Offscreen::read_bgra(int w, int h, std::vector<unsigned char>& bgra) const {
    read_pixels(w < width_ ? w : width_, h < height_ ? h : height_, GL_BGRA, bgra);
}
