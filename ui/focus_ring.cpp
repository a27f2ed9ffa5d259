#include "ui/focus_ring.h"

#include <algorithm>

#include "anim/draw_hooks.h"
#include "scene/object.h"
#include "shell/scena.h"
#include "shell/screen_place.h"

namespace {

// The ring lies just behind the brush (17 units from the eye): drawn in
// the cursor root, whose children sit 100 units further in.
constexpr double ring_depth = 17.5;

// A window point carried to the cursor root's plane at `depth` from the eye.
void to_cursor_plane(double x, double y, double depth, double& cx, double& cy) {
    const double nx = (x / scena->width - 0.5) * 2.0, ny = (y / scena->height - 0.5) * 2.0;
    cx = -(nx * scena->get_x_coord(-depth));
    cy = ny * scena->get_y_coord(-depth);
}

// Window pixels to units of that plane.
double units(double pixels, double depth) { return pixels / scena->height * 2.0 * -scena->get_y_coord(-depth); }

}  // namespace

Object* make_focus_ring() {
    Object* ring = new Object();
    ring->add("interface.pak", "focus_ring");
    ring->addfun(disable_light, nullptr);
    ring->visible = false;
    return ring;
}

void place_focus_ring(Object* ring, const Screen_box& box) {
    if (!ring || !scena || scena->height <= 0) return;
    double x = 0, y = 0;
    to_cursor_plane(box.centre_x(), box.centre_y(), ring_depth, x, y);
    // Round the rectangle's corners, with a little room, never smaller than a fingertip.
    const double least = scena->height * 0.03;
    const double hx = units(std::max(box.width(), least) * 0.62 + 4, ring_depth);
    const double hy = units(std::max(box.height(), least) * 0.62 + 4, ring_depth);
    ring->chposition(x, y, 100.0 - ring_depth);
    ring->chscale(hx, hy, 1.0);
    ring->visible = true;
}

void hide_focus_ring(Object* ring) {
    if (ring) ring->visible = false;
}

void place_on_screen(Object* badge, double x, double y, double radius) {
    if (!badge || !scena || scena->height <= 0) return;
    double cx = 0, cy = 0;
    to_cursor_plane(x, y, ring_depth + 0.1, cx, cy);
    const double r = units(radius, ring_depth + 0.1);
    badge->chposition(cx, cy, 100.0 - ring_depth - 0.1);
    badge->chscale(r, r, 1.0);
}
