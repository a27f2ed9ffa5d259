#include "game/tubes.h"

#include <cstdlib>
#include <string>

#include "anim/behaviours.h"
#include "anim/draw_hooks.h"
#include "anim/slot_builder.h"
#include "audio/sound.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/number_hints.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scene_loader.h"

namespace {

void play(const char* name) {
    if (sound) sound->play(name, false);
}

Object* make_holder(int i) {
    const TubePlace p = tube_place(i, COLORS_NUM, conf->by_numbers);
    Object* holder = new Object();
    holder->chposition(p.x, p.y, p.z);
    holder->chrot(-90.0, 0.0, 0.0);
    Action build = make_action(create_color_f);
    build.iparam1 = i;
    build.iparam2 = 1;
    start_slot(holder, {build});
    return holder;
}

// A puff of paint from a picked tube: rises, wobbles, shrinks and is gone in 0.7 s.
Object* make_click_bubble(const Randname<const char*>& names, Color colour) {
    Object* bubble = new Object();
    bubble->add("interface.pak", names.rand());
    bubble->setcolor(colour.r, colour.g, colour.b, 1.0);
    bubble->addfun(face_on_top, nullptr);
    bubble->chposition(0.0, 0.0, 3.1);

    auto axis_action = [](action_fun f, int axis) {
        Action a = make_action(f);
        a.iparam1 = axis;
        return a;
    };
    auto wobble = [&](int axis) {
        Action a = axis_action(move_sin, axis);
        a.dparam1 = (std::rand() % 20) / 10;
        a.dparam2 = (std::rand() % 50) / 10;
        return a;
    };
    auto drift = [&](int axis) {
        Action a = axis_action(move_linear, axis);
        a.dparam1 = (std::rand() % 40) / 10 - 2.0;
        return a;
    };
    Action die = make_action(die_after_msec);
    die.dparam1 = 700.0;
    Action rise = axis_action(move_linear, 2);
    rise.dparam1 = ((std::rand() % 60) / 10 + 2.0) * 1.4;
    // A braced list is evaluated left to right, so the draws keep their order.
    start_slot(bubble, {make_action(zoom_f), wobble(0), wobble(1), wobble(2), die, drift(0), drift(1), rise});
    return bubble;
}

void scale_both(Object* tube, Object* ribbon, double x, double y, double z) {
    tube->chscale(x, y, z);
    ribbon->chscale(x, y, z);
}

void add_scale_both(Object* tube, Object* ribbon, double d) {
    tube->addscale(d, d, d);
    ribbon->addscale(d, d, d);
}

}  // namespace

void create_colors_f(void*) {
    Object* root = Object_curent;
    if (conf->by_numbers) {
        for (int i = 0; i < COLORS_NUM; ++i) root->addlink(make_holder(i));
        return;
    }
    for (int i = 0; i < free_tube_count; ++i) {
        conf->set_const_color(i, free_palette_color(i));
        root->addlink(make_holder(i));
    }
}

void create_color_f(void*) {
    Action* a = Action_curent;
    Object* holder = Object_curent;
    const int i = a->iparam1;
    if (a->iparam2 == 0) {
        const Color k = conf->get_custom_color(i);
        if (k.eq(Color(a->dparam1, a->dparam2, a->dparam3))) return;
        static_cast<Object*>(a->param)->del();
    } else {
        a->iparam2 = 0;
    }

    Object* tube = new Object();
    a->param = tube;
    const Color k = conf->get_custom_color(i);
    a->dparam1 = k.r;
    a->dparam2 = k.g;
    a->dparam3 = k.b;

    Object* ribbon = new Object();
    ribbon->scale_children = true;
    ribbon->add("interface.pak", "lenta");
    ribbon->setcolor(k.r, k.g, k.b, 1.0);
    tube->addlink(ribbon);
    if (conf->by_numbers) {
        Object* label = new Object();
        label->add("interface.pak", ("tubik" + std::to_string(i + 1)).c_str());
        ribbon->addlink(label);
    }
    if (conf->by_numbers)
        tube->chrot(-26.553, 70.428, 52.833);
    else
        tube->chrot(39.716, 35.708, 89.14);
    tube->addfun(mouse_select, nullptr);
    tube->add("interface.pak", "tubik_no_num");

    Action select = make_action(when_brush_select_color_f, 0.0, ribbon);
    select.iparam1 = i + 1;
    select.dparam1 = k.r;
    select.dparam2 = k.g;
    select.dparam3 = k.b;
    start_slot(tube, {select, make_action(colors_scale_f, 0.0, ribbon)});
    add_slot(tube, {make_action(colors_click_scale_f, 0.0, ribbon)});
    add_slot(tube, {make_action(colors_hint_scale_f, 0.0, ribbon)});
    holder->addlink(tube);
}

void when_brush_select_color_f(void* param) {
    Action* a = Action_curent;
    Object* tube = Object_curent;
    Object* ribbon = static_cast<Object*>(param);
    const Color own(a->dparam1, a->dparam2, a->dparam3);

    if (shot && a->iparam1 == color_effect_num && effect_quality != 0) launch_burst(own, old_scena);

    if (hits.is_hit() && !hits_layer1) {
        if (tube->scale_x < 1.2) {
            add_scale_both(tube, ribbon, a->time / 300.0);
            if (tube->scale_x >= 1.2) scale_both(tube, ribbon, 1.2, 1.2, 1.2);
        }
        if (mouse.left_click) {
            play("banka.wav");
            note_tube_taken();
            const Randname<const char*> names = bubble_names();
            for (int b = 0; b < 20; ++b) tube->addlink(make_click_bubble(names, own));
            brush_clean = false;
            color_selected = a->iparam1 - 1;
            color = own;
            a->time = 0.0;
            tube->event.send(1);
            return;
        }
        a->time = 0.0;
        return;
    }

    if (tube->scale_x > 1.0) {
        add_scale_both(tube, ribbon, -a->time / 300.0);
        if (tube->scale_x <= 1.0) scale_both(tube, ribbon, 1.0, 1.0, 1.0);
    }
    a->time = 0.0;
    if (a->iparam1 == colors_hint) {
        colors_hint = 0;
        tube->event.send(2);
    }
}
