#pragma once

#include <vector>

#include "scene/draw_list.h"
#include "shell/offscreen.h"

// Puts a recorded frame on the screen, drawing only what changed:
//  - a frame whose scene and brush are what the screen already shows is
//    neither drawn nor swapped;
//  - when only the brush moved over a scene that stands still, the scene
//    kept from the last full frame (an image in memory) is put back where
//    the brush was and where it goes, the brush is drawn there, and only
//    that rectangle is shown: where GL draws in software, its samples alone
//    are resolved, read back and put onto the window directly, so no cost
//    of the frame grows with the screen; elsewhere with
//    GLX_MESA_copy_sub_buffer (a full frame where neither is offered);
//  - anything else is drawn whole and swapped.
// The colour under the pointer comes from the kept image; without one (the
// scene moved this frame) it is read back before the brush is drawn.
class Presenter {
public:
    enum class Mode {
        full,     // every frame drawn and swapped, as if nothing were ever the same
        swap,     // unchanged frames skipped, every drawn frame whole
        partial,  // and a brush over a still scene redrawn alone
    };

    // From PINTABO_DRAW ("full", "swap"; partial otherwise, where offered).
    Presenter();

    Mode mode() const { return mode_; }
    void set_mode(Mode m);

    // The next frame is drawn whole, whatever it holds (an expose, the
    // focus regained, a new mode).
    void force_full() { forced_ = true; }

    // Shows the frame as the mode allows. Returns whether anything was drawn.
    bool present(const Draw_list& scene, const Draw_list& cursor);
    // Draws the whole frame into the back buffer and swaps nothing (tools
    // and tests that read the back buffer).
    void draw_whole(const Draw_list& scene, const Draw_list& cursor);

    // Gives back the framebuffers of its own, while the window's GL is
    // still there (the window closes).
    void release();

    // Frames drawn whole, brush-only updates, frames left as they were.
    unsigned long whole_frames = 0, brush_frames = 0, rested_frames = 0;

private:
    void draw_scene_part(const Draw_list& scene, bool keep);
    void hover_from_image();
    void draw_brush_only(const Draw_list& cursor);
    bool show_rectangle(int x0, int y0, int w, int h);
    bool brush_only_offered();

    Mode mode_;
    bool forced_ = true;
    bool have_last_ = false;
    Draw_list last_scene_, last_cursor_;
    bool image_valid_ = false;
    Offscreen resolved_;  // the window's samples blended, for the kept image
    int image_w_ = 0, image_h_ = 0;
    std::vector<unsigned char> image_;  // RGBA rows from the bottom, the scene without the brush
    bool brush_known_ = false;
    int brush_box_[4] = {0, 0, 0, 0};   // where the brush was last shown
    // The brush's rectangle resolved, and its pixels as they go onto the window.
    Offscreen shown_;
    std::vector<unsigned char> shown_pixels_;
};

extern Presenter presenter;
