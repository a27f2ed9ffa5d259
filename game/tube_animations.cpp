#include <cmath>

#include "game/tubes.h"
#include "scene/object.h"

namespace {

// Every tube animation sets the same scale on the tube and its ribbon, and
// ends by settling on `rest`.
template <typename Shape>
void animate_scale(void* param, double length, double rest, Shape shape) {
    Object* tube = Object_curent;
    Object* ribbon = static_cast<Object*>(param);
    const double t = Action_curent->time;
    double x = rest, y = rest, z = rest;
    if (t <= length)
        shape(t, x, y, z);
    else
        Action_curent->set_rip();
    tube->chscale(x, y, z);
    ribbon->chscale(x, y, z);
}

}  // namespace

void colors_scale_f(void* param) {
    animate_scale(param, 700.0, 1.0, [](double t, double& x, double& y, double& z) {
        x = y = z = std::sin(t * 1.57079632679489 / 700.0);
    });
}

void colors_click_scale_f(void* param) {
    animate_scale(param, 300.0, 1.2, [](double t, double& x, double& y, double& z) {
        const double s = std::sin(t * 6.28318530717956 / 300.0);
        x = y = 1.2 - 0.03 * s;
        z = 1.2 + 0.04 * s;
    });
}

void colors_hint_scale_f(void* param) {
    animate_scale(param, 400.0, 1.0, [](double t, double& x, double& y, double& z) {
        x = y = z = 1.0 - 0.07 * std::sin(t * 6.28318530717956 / 400.0);
    });
}
