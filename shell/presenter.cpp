#include "shell/presenter.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "shell/frame_loop.h"
#include "shell/input.h"
#include "shell/partial_present.h"
#include "shell/scena.h"

Presenter presenter;

namespace {

Presenter::Mode mode_from_environment() {
    const char* asked = std::getenv("PINTABO_DRAW");
    if (asked && !std::strcmp(asked, "full")) return Presenter::Mode::full;
    if (asked && !std::strcmp(asked, "swap")) return Presenter::Mode::swap;
    return Presenter::Mode::partial;
}

bool pointer_inside() { return scena && mouse.x >= 0 && mouse.y >= 0 && mouse.x < scena->width && mouse.y < scena->height; }

// The colour under the pointer read off the back buffer as it is now.
void hover_from_back_buffer() {
    if (!pointer_inside()) return;
    GLfloat pixel[3] = {0.0f, 0.0f, 0.0f};
    glReadPixels(mouse.x, scena->height - 1 - mouse.y, 1, 1, GL_RGB, GL_FLOAT, pixel);
    mouse_hover_pixel = Color(pixel[0], pixel[1], pixel[2]);
}

}  // namespace

Presenter::Presenter() : mode_(mode_from_environment()) {}

void Presenter::set_mode(Mode m) {
    mode_ = m;
    forced_ = true;
}

void Presenter::draw_scene_part(const Draw_list& scene, bool keep) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene.issue();
    image_valid_ = false;
    // The window's samples are resolved into a framebuffer of our own and
    // read from there: a read straight off a multisampled back buffer may
    // give one sample of each pixel instead of their blend.
    // The framebuffer goes as soon as the image is read: at the screen's size
    // it holds as much memory as the image itself.
    if (keep && resolved_.create(scena->width, scena->height, 0, false)) {
        image_w_ = scena->width;
        image_h_ = scena->height;
        resolved_.take_window();
        resolved_.read(image_);
        resolved_.release();
        image_valid_ = true;
        hover_from_image();
    } else {
        hover_from_back_buffer();
    }
}

// As the back buffer would give it: each channel v / 255 in single precision.
void Presenter::hover_from_image() {
    if (!image_valid_ || !pointer_inside()) return;
    const size_t at =
        (static_cast<size_t>(scena->height - 1 - mouse.y) * static_cast<size_t>(image_w_) + static_cast<size_t>(mouse.x)) * 4;
    mouse_hover_pixel = Color(static_cast<float>(image_[at]) / 255.0f, static_cast<float>(image_[at + 1]) / 255.0f,
                              static_cast<float>(image_[at + 2]) / 255.0f);
}

// The rectangle (x0, y0, w, h) of the back buffer shown without the copy
// GLX offers (which resolves all of a multisampled back buffer, whatever
// the rectangle): its samples alone resolved into a framebuffer of our own,
// read back and put onto the window. False where that is not offered.
bool Presenter::show_rectangle(int x0, int y0, int w, int h) {
    if (!direct_present_available()) return false;
    // Made a little larger than asked, so a brush that grows a little does
    // not make it anew.
    if (shown_.width() < w || shown_.height() < h) {
        const int fw = std::max(w, shown_.width()) + 32, fh = std::max(h, shown_.height()) + 32;
        if (!shown_.create(fw, fh, 0, false)) return false;
    }
    if (!shown_.take_window(x0, y0, w, h)) return false;
    shown_.read_bgra(w, h, shown_pixels_);
    return direct_present(x0, y0, w, h, shown_pixels_.data());
}

void Presenter::release() {
    resolved_.release();
    shown_.release();
    image_valid_ = false;
    forced_ = true;
}

bool Presenter::brush_only_offered() { return direct_present_available() || partial_present_available(); }

void Presenter::draw_whole(const Draw_list& scene, const Draw_list& cursor) {
    draw_scene_part(scene, false);
    cursor.issue();
}

// The kept scene goes back under the old and the new place of the brush,
// the brush is drawn at the new one, and only that rectangle is shown.
void Presenter::draw_brush_only(const Draw_list& cursor) {
    int box[4];
    const bool shown = cursor.bounds(box);
    int x0 = shown ? box[0] : brush_box_[0], y0 = shown ? box[1] : brush_box_[1];
    int x1 = shown ? box[2] : brush_box_[2], y1 = shown ? box[3] : brush_box_[3];
    if (brush_known_) {
        x0 = std::min(x0, brush_box_[0]);
        y0 = std::min(y0, brush_box_[1]);
        x1 = std::max(x1, brush_box_[2]);
        y1 = std::max(y1, brush_box_[3]);
    }
    // A pixel's margin for the edges' antialiasing, within the window.
    x0 = std::max(0, x0 - 2);
    y0 = std::max(0, y0 - 2);
    x1 = std::min(image_w_, x1 + 2);
    y1 = std::min(image_h_, y1 + 2);
    if (x1 > x0 && y1 > y0) {
        const int w = x1 - x0, h = y1 - y0;
        glPushAttrib(GL_ENABLE_BIT | GL_PIXEL_MODE_BIT | GL_SCISSOR_BIT);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, image_w_);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, x0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, y0);
        glWindowPos2i(x0, y0);
        glDrawPixels(w, h, GL_RGBA, GL_UNSIGNED_BYTE, image_.data());
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glEnable(GL_SCISSOR_TEST);
        glScissor(x0, y0, w, h);
        glClear(GL_DEPTH_BUFFER_BIT);
        glPopAttrib();
        glEnable(GL_SCISSOR_TEST);
        glScissor(x0, y0, w, h);
        cursor.issue();
        glDisable(GL_SCISSOR_TEST);
        if (!show_rectangle(x0, y0, w, h)) partial_present(x0, y0, w, h);
    }
    brush_known_ = shown;
    if (shown) std::copy(box, box + 4, brush_box_);
    hover_from_image();
}

bool Presenter::present(const Draw_list& scene, const Draw_list& cursor) {
    if (mode_ == Mode::full) {
        draw_whole(scene, cursor);
        SDL_GL_SwapBuffers();
        ++whole_frames;
        return true;
    }
    const bool scene_same = !forced_ && have_last_ && scene.same_as(last_scene_);
    const bool cursor_same = !forced_ && have_last_ && cursor.same_as(last_cursor_);
    forced_ = false;
    bool drawn = true;
    if (scene_same && cursor_same) {
        hover_from_image();
        ++rested_frames;
        drawn = false;
    } else if (scene_same && image_valid_ && mode_ == Mode::partial && brush_only_offered()) {
        draw_brush_only(cursor);
        ++brush_frames;
    } else {
        // A scene that stood still since the last frame is kept for the
        // brush; one that moves is not worth the copy.
        draw_scene_part(scene, mode_ == Mode::partial && scene_same && brush_only_offered());
        cursor.issue();
        SDL_GL_SwapBuffers();
        int box[4];
        brush_known_ = cursor.bounds(box);
        if (brush_known_) std::copy(box, box + 4, brush_box_);
        ++whole_frames;
    }
    last_scene_ = scene;
    last_cursor_ = cursor;
    have_last_ = true;
    return drawn;
}
