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
// Its pieces, by where their artwork's quarter lies in the ring's picture:
// row 0 the top, column 0 the left; the middle is empty.
const char* const piece_names[3][3] = {{"focus_ring_tl", "focus_ring_t", "focus_ring_tr"},
                                       {"focus_ring_l", nullptr, "focus_ring_r"},
                                       {"focus_ring_bl", "focus_ring_b", "focus_ring_br"}};
// Pixels at 768 rows: a corner piece's side (its band 14/64 of it), and how
// far the ring's outer edge stands out from the thing it is round.
constexpr double corner_px = 50.0, room_px = 12.0;

void hide_pieces(Object* ring) {
    for (Object* piece : ring->links) piece->visible = false;
}

// Puts a piece over the window rectangle (x0, y0)-(x1, y1).
void cover(Object* piece, double x0, double y0, double x1, double y1) {
    if (x1 - x0 < 0.5 || y1 - y0 < 0.5) {
        piece->visible = false;
        return;
    }
    double x = 0, y = 0;
    to_cursor_plane((x0 + x1) / 2, (y0 + y1) / 2, ring_depth, x, y);
    piece->chposition(x, y, 100.0 - ring_depth);
    piece->chscale(cursor_plane_units((x1 - x0) / 2, ring_depth), cursor_plane_units((y1 - y0) / 2, ring_depth), 1.0);
    piece->visible = true;
}

}  // namespace

Object* make_focus_ring() {
    Object* ring = new Object();
    for (const auto& row : piece_names)
        for (const char* name : row) {
            if (!name) continue;
            Object* piece = new Object();
            piece->add("interface.pak", name);
            piece->addfun(disable_light, nullptr);
            piece->visible = false;
            ring->addlink(piece);
        }
    return ring;
}

void place_focus_ring(Object* ring, const Screen_box& box) {
    if (!ring || !scena || scena->height <= 0 || scena->width <= 0) return;
    const double px = scena->height / 768.0, least = Hits::fingertip_px * px;
    const double room = room_px * px;
    // Round the rectangle, never smaller than a fingertip, with a little room.
    double w = std::max(box.width(), least) + 2 * room, h = std::max(box.height(), least) + 2 * room;
    // Never off the window: a thing at its edge (the lowest tube) keeps its
    // ring in view, and a ring round a whole group runs along the edges.
    const auto inside = [](double centre, double& size, double window) {
        size = std::min(size, window - 2);
        return std::clamp(centre, size / 2 + 1, window - size / 2 - 1);
    };
    const double cx = inside(box.centre_x(), w, scena->width), cy = inside(box.centre_y(), h, scena->height);
    const double c = std::min({corner_px * px, w / 2, h / 2});
    const double xs[4] = {cx - w / 2, cx - w / 2 + c, cx + w / 2 - c, cx + w / 2};
    const double ys[4] = {cy - h / 2, cy - h / 2 + c, cy + h / 2 - c, cy + h / 2};
    // The cursor's frame may run the other way from the window's: each piece
    // goes where its quarter of the picture shows the right way round.
    double left = 0, right = 0, top = 0, bottom = 0;
    to_cursor_plane(0, 0, ring_depth, left, top);
    to_cursor_plane(scena->width, scena->height, ring_depth, right, bottom);
    const bool flip_x = right < left, flip_y = top < bottom;
    size_t i = 0;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            if (!piece_names[row][column] || i >= ring->links.size()) continue;
            const int r = flip_y ? 2 - row : row, k = flip_x ? 2 - column : column;
            cover(ring->links[i++], xs[k], ys[r], xs[k + 1], ys[r + 1]);
        }
}

void hide_focus_ring(Object* ring) {
    if (ring) hide_pieces(ring);
}
