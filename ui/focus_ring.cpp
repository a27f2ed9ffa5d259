#include "ui/focus_ring.h"

#include <algorithm>

#include "anim/draw_hooks.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/scena.h"
#include "shell/screen_place.h"

namespace {
// The ring lies just behind the brush (17 units from the eye).
constexpr double ring_depth = 17.5;
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
    // Round the rectangle's corners, with a little room, never smaller than a fingertip.
    const double least = Hits::fingertip_px * scena->height / 768.0;
    const double half_w = std::max(box.width(), least) * 0.62 + 4, half_h = std::max(box.height(), least) * 0.62 + 4;
    // A thing at the window's edge (the lowest tube) keeps its ring in view:
    // the ring's band (at 0.8 of its half size) moves inwards, never off the window.
    const auto inside = [](double centre, double half, double size) {
        const double band = half * 0.8 + 3;
        return 2 * band >= size ? size / 2 : std::clamp(centre, band, size - band);
    };
    double x = 0, y = 0;
    to_cursor_plane(inside(box.centre_x(), half_w, scena->width), inside(box.centre_y(), half_h, scena->height), ring_depth,
                    x, y);
    const double hx = cursor_plane_units(half_w, ring_depth), hy = cursor_plane_units(half_h, ring_depth);
    ring->chposition(x, y, 100.0 - ring_depth);
    ring->chscale(hx, hy, 1.0);
    ring->visible = true;
}

void hide_focus_ring(Object* ring) {
    if (ring) ring->visible = false;
}
