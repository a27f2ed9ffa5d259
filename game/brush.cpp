#include "game/brush.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "scene/object.h"
#include "shell/input.h"
#include "shell/scena.h"

void create_brush_f(void*) {
    Object* handle = new Object();
    handle->chrot(-125.0, 0.0, 180.0);
    handle->add("interface.pak", "kist_ruchka");
    start_slot(handle, {make_action(brush_mouse_f)});
    Object_curent->addlink(handle);

    Object* bristles = new Object();
    bristles->add("interface.pak", "kist_vors_color");
    start_slot(bristles, {make_action(brush_update_color_f)});
    handle->addlink(bristles);
}

// The pointer's place in -1..1 across the window, carried to the depth of
// the brush (17 units in front of the eye). Divided in floating point, so the
// brush moves smoothly rather than in three jumps across the screen.
void brush_mouse_f(void*) {
    if (!scena || scena->width <= 0 || scena->height <= 0) return;
    const double nx = (static_cast<double>(mouse.x) / scena->width - 0.5) * 2.0;
    const double ny = (static_cast<double>(mouse.y) / scena->height - 0.5) * 2.0;
    const double ex = scena->get_x_coord(-17.0);
    const double ey = scena->get_y_coord(-17.0);
    Object_curent->chposition(-(nx * ex), ny * ey, 83.0);
}

void brush_update_color_f(void*) {
    Object_curent->setcolor(color);
    if (brush_clean)
        Object_curent->chscale(0.92, 0.92, 1.0);
    else
        Object_curent->chscale(1.0, 1.0, 1.0);
}
