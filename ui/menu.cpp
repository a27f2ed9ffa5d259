#include "ui/menu.h"

#include <cmath>

#include "anim/slot_builder.h"
#include "audio/sound.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/startup.h"

namespace {

constexpr double half_pi = 1.57079632679489661923;

double t_now() { return Action_curent->time; }

// Lowers the alpha to `a`, never raising it.
void fade_down_to(Object* o, double a) {
    if (o->alpha > a) o->setalfa(a);
}

// The shared test of the close handlers; `first_level` asks for a
// first-level menu with no dialog over it.
bool close_fires(bool first_level) {
    if (menu_block) return false;
    const bool layer_ok = !first_level || (hits_layer1 && !hits_layer2);
    if (!layer_ok) return false;
    if (clicked_here()) return true;
    return take_key(key_escape);
}

void close_with(void* target, int slot, bool first_level) {
    if (!close_fires(first_level)) return;
    if (first_level)
        hits_layer1 = false;
    else
        hits_layer2 = false;
    play_button_sound();
    if (target) static_cast<Object*>(target)->event.send(slot);
}

}  // namespace

const char* language_pak() { return conf ? conf->langpak() : packnames[0]; }

void play_button_sound() {
    if (sound) sound->play("button.wav", false);
}

bool take_key(int sym) {
    if (!presskey(static_cast<SDLKey>(sym))) return false;
    lockkey();
    return true;
}

void create_default_menu_m(void (*build)(void*), int arg) {
    Object* container = new Object();
    Action a = make_action(build, -1.0);
    a.iparam1 = arg;
    start_slot(container, {a});
    if (MENU_GLOBAL) MENU_GLOBAL->addlink(container);
    else delete container;
}

event_and_command create_transparent_background_m(Object* parent) {
    Object* backdrop = new Object();
    backdrop->add("langall.pak", "menu_alpha");
    start_slot(backdrop, {make_action(plavnoe_narostanie_fona_f)});
    add_slot(backdrop, {make_action(plavnoe_zatuhanie_fona_f)});
    (parent ? parent : Object_curent)->addlink(backdrop);
    return {&backdrop->event, 1};
}

Object* create_default_background_m(const char* frame, const char* text, double x, double y, double z) {
    Object* panel = new Object();
    panel->chscale(0.001, 0.001, 0.001);
    panel->add("langall.pak", frame);
    panel->add(language_pak(), text);
    panel->chposition(x, y, z);
    Action emerge = make_action(emerge_scale_f);
    emerge.dparam1 = x;
    emerge.dparam2 = y;
    emerge.dparam3 = z;
    Action vanish = emerge;
    vanish.fun = unmerge_scale_f;
    start_slot(panel, {emerge});
    add_slot(panel, {vanish});
    panel->scale_children = true;
    Object_curent->addlink(panel);
    return panel;
}

void add_close_slot(Object* container, std::initializer_list<event_and_command> parts) {
    add_close_slot(container, std::vector<event_and_command>(parts));
}

void add_close_slot(Object* container, const std::vector<event_and_command>& parts) {
    container->event.create_slot();
    for (const event_and_command& part : parts) container->event.add_event_and_command(part);
    Action destroy = make_action(default_menu_destroy);
    destroy.dparam1 = 500.0;
    container->event.add_action(destroy);
}

bool menu_closing(const Object* container) {
    for (const Action& a : container->animate.actions)
        if (a.fun == default_menu_destroy) return true;
    return container->deleted;
}

void emerge_scale_f(void*) {
    const Action* a = Action_curent;
    Object* o = Object_curent;
    const double t = t_now();
    menu_block = t <= 150.0;
    if (t <= 500.0) {
        const double s = std::sin(t * half_pi / 500.0);
        o->chposition(s * a->dparam1, a->dparam2, s * a->dparam3);
        o->chscale(s, 1.0, s);
    } else {
        o->chposition(a->dparam1, a->dparam2, a->dparam3);
        o->chscale(1.0, 1.0, 1.0);
        Action_curent->set_rip();
    }
}

void unmerge_scale_f(void*) {
    const Action* a = Action_curent;
    Object* o = Object_curent;
    const double t = t_now();
    if (t <= 500.0) {
        menu_block = true;
        const double s = std::sin(t * half_pi / 500.0);
        o->chposition(a->dparam1 * (1.0 + s), a->dparam2, a->dparam3 * (1.0 + s));
        fade_down_to(o, 1.0 - t / 500.0);
        o->chscale(1.0 + s, 1.0, 1.0 + s);
    } else {
        menu_block = false;
        o->chposition(2.0 * a->dparam1, a->dparam2, 2.0 * a->dparam3);
        o->chscale(2.0, 1.0, 2.0);
        o->setalfa(0.0);
        Action_curent->set_rip();
    }
}

namespace {
// Half a second of alpha along `at(t)`, then `end` and the action is done.
template <typename Curve>
void fade_for_500(Curve at, double end) {
    const double t = t_now();
    if (t <= 500.0) {
        at(t);
    } else {
        Object_curent->setalfa(end);
        Action_curent->set_rip();
    }
}
}  // namespace

void unmerge_transparency_f(void*) {
    fade_for_500([](double t) { fade_down_to(Object_curent, 1.0 - t / 500.0); }, 0.0);
}

void plavnoe_narostanie_fona_f(void*) {
    fade_for_500([](double t) { Object_curent->setalfa(t / 500.0); }, 1.0);
}

void plavnoe_zatuhanie_fona_f(void*) {
    fade_for_500([](double t) { Object_curent->setalfa(1.0 - t / 500.0); }, 0.0);
}

void default_menu_destroy(void*) {
    if (t_now() > Action_curent->dparam1) {
        menu_block = false;
        Object_curent->del();
    }
}

void when_mouse_select_button_cancel_f(void* target) { close_with(target, 1, true); }
void when_mouse_select_button_cancel_send2_f(void* target) { close_with(target, 2, true); }
void when_mouse_select_button_cancel_layer1_f(void* target) { close_with(target, 1, false); }
