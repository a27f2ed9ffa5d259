#include "ui/keepsake_feedback.h"

#include <cmath>

#include "anim/behaviours.h"
#include "anim/slot_builder.h"
#include "audio/sound.h"
#include "game/keepsakes.h"
#include "scene/object.h"
#include "ui/menu.h"

bool camera_shake_pending = false;
bool print_shake_pending = false;

namespace {

constexpr double shake_ms = 400.0;
constexpr double shake_degrees = 14.0;
constexpr double flash_y = -83.0;  // in front of every menu, behind the brush

// A white screen fading out in half a second, in a frame turned like the
// menus'; it takes no clicks.
void flash(Object* parent) {
    Object* frame = new Object();
    frame->chrot(-90.0, 0.0, 0.0);
    Object* white = new Object();
    white->add("interface.pak", "camera_flash");
    white->chposition(0.0, flash_y, 0.0);
    start_slot(white, {make_action(plavnoe_zatuhanie_fona_f)});
    frame->addlink(white);
    Action go = make_action(die_after_msec);
    go.dparam1 = 520.0;
    start_slot(frame, {go});
    parent->addlink(frame);
}

}  // namespace

void watch_keepsakes_f(void*) {
    const Keepsake_outcome o = take_keepsake_result();
    if (o.result == Keepsake::saved && o.picture) {
        flash(Object_curent);
        if (sound) sound->play("camera.wav", false);
    } else if (o.result == Keepsake::failed) {
        (o.picture ? camera_shake_pending : print_shake_pending) = true;
    }
}

// The button turns about the line of sight and back, less and less.
void shake_no_f(void* pending) {
    Action* a = Action_curent;
    bool* flag = static_cast<bool*>(pending);
    if (a->iparam1 == 0) {
        a->time = 0.0;
        if (!*flag) return;
        *flag = false;
        a->iparam1 = 1;
    }
    const double t = a->time;
    Object* o = Object_curent;
    if (t >= shake_ms) {
        o->rot_y = 0.0;
        a->iparam1 = 0;
        return;
    }
    o->rot_y = shake_degrees * (1.0 - t / shake_ms) * std::sin(t * 2.0 * 3.14159265358979 / 100.0);
}
