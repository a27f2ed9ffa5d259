#include "anim/behaviours.h"

#include <GL/gl.h>

#include <cmath>

#include "anim/action.h"
#include "scene/coordin.h"
#include "scene/object.h"

float LightPosition[4] = {0.0f, 0.0f, 0.0f, 1.0f};

namespace {

void add_on_axis(Coordin* c, int axis, double v, bool rotation) {
    if (!c || axis < 0 || axis > 2) return;
    const double x = axis == 0 ? v : 0.0, y = axis == 1 ? v : 0.0, z = axis == 2 ? v : 0.0;
    if (rotation)
        c->addrot(x, y, z);
    else
        c->addposition(x, y, z);
}

}  // namespace

void set_light(void*) {
    const int n = Action_curent->iparam1;
    if (n < 1 || n > 4) return;
    glLightfv(static_cast<GLenum>(GL_LIGHT0 + n), GL_POSITION, LightPosition);
}

void die_after_msec(void*) {
    if (Action_curent->time > Action_curent->dparam1) Object_curent->del();
}

void move_sin(void*) {
    const Action* a = Action_curent;
    add_on_axis(a->coordin, a->iparam1, a->dparam1 * std::sin(a->dparam3 + a->time * a->dparam2 / 1000.0), false);
}

void move_linear(void*) {
    const Action* a = Action_curent;
    add_on_axis(a->coordin, a->iparam1, a->time * a->dparam1 / 1000.0, false);
}

void move_linear_global(void*) {
    Action* a = Action_curent;
    add_on_axis(Object_curent, a->iparam1, a->time * a->dparam1 / 1000.0, false);
    a->time = 0.0;
}

void move_exp(void*) {
    const Action* a = Action_curent;
    add_on_axis(a->coordin, a->iparam1, a->dparam1 * (1.0 - std::exp(a->dparam2 * a->time / 1000.0)), false);
}

void rot_linear(void*) {
    const Action* a = Action_curent;
    add_on_axis(a->coordin, a->iparam1, a->time * a->dparam1 / 1000.0 + a->dparam2, true);
}

void rot_linear_global(void*) {
    Action* a = Action_curent;
    add_on_axis(Object_curent, a->iparam1, a->time * a->dparam1 / 1000.0 + a->dparam2, true);
    a->time = 0.0;
}

void rot_sin(void*) {
    const Action* a = Action_curent;
    add_on_axis(a->coordin, a->iparam1, a->dparam1 * std::sin(a->dparam3 + a->time * a->dparam2 / 1000.0), true);
}

// The send may append to this very object's actions; the record is re-read
// through Action_curent afterwards, which stays valid (see Animate::add).
void send_command_after_msec(void* param) {
    Action* a = Action_curent;
    if (!(a->time > a->dparam1)) return;
    if (param) static_cast<Object*>(param)->event.send(a->iparam1);
    a->set_rip();
}

void mac_reinit_function_lib_static_variables() {
    LightPosition[0] = 0.0f;
    LightPosition[1] = 0.0f;
    LightPosition[2] = 0.0f;
    LightPosition[3] = 1.0f;
}
