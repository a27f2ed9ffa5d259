#include "game/effects.h"

#include <cstdlib>

#include "anim/draw_hooks.h"
#include "anim/slot_builder.h"
#include "scene/object.h"

bool shot = false;
int32_t color_effect_num = 0;
int32_t effect_quality = 0;
Randname<int32_t> color_effect_order;

Randname<const char*> bubble_names() {
    Randname<const char*> names;
    for (const char* n : {"buble1", "buble2", "buble3", "buble4", "buble5"}) names.push_back(n);
    return names;
}

void start_completion_effect(int tube, int tubes) {
    color_effect_num = tube;
    color_effect_order.empty();
    effect_quality = 12;
    if (tubes > 0)
        for (int k = 0; k < 12; ++k) color_effect_order.push_back(k % tubes + 1);
    shot = true;
}

void launch_burst(Color colour, Object* root) {
    shot = false;
    --effect_quality;
    color_effect_num = color_effect_order.rand_del();
    if (!root) return;
    const Randname<const char*> names = bubble_names();

    Object* timer = new Object();
    start_slot(timer, {make_action(shot_flag_f)});
    root->addlink(timer);

    for (int i = 0; i < 50; ++i) {
        Object* bubble = new Object();
        bubble->add("interface.pak", names.rand());
        bubble->setcolor(colour.r, colour.g, colour.b, 1.0);
        bubble->addfun(face_on_top, nullptr);
        const int r1 = std::rand();
        const int r2 = std::rand();
        bubble->chposition((r1 % 78) / 5.0 - 5.0, -77.0, (r2 % 68) / 5.0 - 6.35);
        Action life = make_action(last_effect_f);
        life.dparam1 = 700 + (std::rand() % 600);
        start_slot(bubble, {life});
        root->addlink(bubble);
    }
}

void shot_flag_f(void*) {
    if (Action_curent->time > 200.0) {
        shot = true;
        Object_curent->del();
    }
}

void last_effect_f(void*) {
    const double t = Action_curent->time;
    const double d = Action_curent->dparam1;
    if (t > 0.6 * d) Object_curent->setalfa(1.0 + (t - 0.6 * d) / (-0.4 * d));
    if (t < d) {
        const double s = t / d * 0.3;
        Object_curent->chscale(s, s, s);
    } else {
        Object_curent->del();
    }
}

void zoom_f(void*) {
    const double s = (Action_curent->time / -700.0 + 1.3) * 0.3;
    Object_curent->chscale(s, s, s);
}
