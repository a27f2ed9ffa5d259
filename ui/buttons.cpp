#include "ui/buttons.h"

#include <string>

#include "anim/behaviours.h"
#include "anim/slot_builder.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "ui/menu.h"

namespace {

// The click action of a menu widget runs under an id of its own, so the
// widget's vanishing slot can end it: a widget that is going away (its menu
// closing, its panel rebuilt in another language) answers no click or key
// from the frame its vanishing starts.
constexpr int32_t click_id = 2;

Action click_action(void (*on_click)(void*), void* param) {
    Action a = make_action(on_click, 0.0, param);
    a.id = click_id;
    return a;
}

// The vanishing slot of a widget: fades it and ends its click action.
int add_vanish_slot(Object* widget) {
    const int slot = add_slot(widget, {make_action(unmerge_transparency_f)});
    widget->event.add_idmove({click_id, 2});
    return slot;
}

const char* const lang_labels[5] = {"setup_lang_en", "setup_lang_de", "setup_lang_es", "setup_lang_ru",
                                    "setup_lang_fr"};

Object* clickable(const char* pak, const char* name, double x, double y, double z) {
    Object* o = new Object();
    o->addfun(mouse_select_grown, nullptr);
    o->add(pak, name);
    o->chposition(x, y, z);
    return o;
}

Action hover_action(int layer, double largest) {
    Action a = make_action(default_menu_buttons_scale_f);
    a.iparam1 = layer;
    a.dparam1 = largest;
    return a;
}

// Grows towards `top` while hovered and shrinks back to 1.0 otherwise, at
// 1/1100 per millisecond.
void magnify(Object* o, bool hovered, double dt, double top) {
    if (hovered && o->scale_x < top) {
        const double s = o->scale_x + dt / 1100.0;
        o->chscale(s > top ? top : s, s > top ? top : s, s > top ? top : s);
    } else if (!hovered && o->scale_x > 1.0) {
        const double s = o->scale_x - dt / 1100.0;
        o->chscale(s < 1.0 ? 1.0 : s, s < 1.0 ? 1.0 : s, s < 1.0 ? 1.0 : s);
    }
}

void set_scale(Object* o, double s) { o->chscale(s, s, s); }

}  // namespace

Made_button add_button(Object* parent, const Button_spec& b) {
    Object* button = clickable(b.from_language ? language_pak() : "langall.pak", b.name, b.x, b.y, b.z);
    Action click = click_action(b.on_click, b.click_param);
    click.iparam1 = b.i1;
    click.iparam2 = b.i2;
    click.iparam3 = b.i3;
    start_slot(button, {click, hover_action(b.layer, b.hover_scale)});
    parent->addlink(button);
    add_vanish_slot(button);
    return {button, {&button->event, 1}};
}

event_and_command create_default_button_m(Object* parent, const char* name, double x, double y, double z,
                                          void (*on_click)(void*), void* click_param, int layer, bool localized,
                                          int i1, int i2, int i3, double hover_scale) {
    Button_spec b(name, x, y, z, on_click);
    b.param(click_param).on_layer(layer).numbers(i1, i2, i3).grows_to(hover_scale);
    b.from_language = localized;
    return add_button(parent, b);
}

event_and_command create_default_url_button_m(Object* parent, const char* name, double x, double y, double z, int link,
                                              int ad, double hover_scale, int layer) {
    Object* button = clickable(language_pak(), name, x, y, z);
    Action click = click_action(when_mouse_select_web_button_f, nullptr);
    click.iparam1 = link;
    click.iparam2 = ad;
    click.iparam3 = layer;
    start_slot(button, {click, hover_action(layer, hover_scale)});
    add_vanish_slot(button);
    parent->addlink(button);
    return {&button->event, 1};
}

event_and_command create_default_checkbox_m(Object* parent, double x, double y, double z, bool* option) {
    Object* tick = new Object();
    tick->add("langall.pak", "checked");
    tick->chposition(x, y, z);
    Action show = make_action(checkbox_galochka_f, 0.0, option);
    show.iparam1 = !*option;
    start_slot(tick, {show});
    add_slot(tick, {make_action(unmerge_transparency_f)});

    Object* box = clickable("langall.pak", "unchecked", x, y, z);
    start_slot(box, {click_action(when_mouse_select_checkbox_f, option)});
    add_vanish_slot(box);
    box->event.add_event_and_command(tick->event, 1);

    parent->addlink(box);
    parent->addlink(tick);
    return {&box->event, 1};
}

event_and_command create_default_lang_button_m(Object* parent, int lang, double x, double y, double z) {
    if (lang < 0 || lang > 4) lang = 0;
    if (lang != conf->language_index())
        return add_button(parent, Button_spec(lang_labels[lang], x, y, z, when_mouse_select_lang_button_f)
                .param(parent).numbers(lang));
    Object* label = new Object();
    label->add("langall.pak", lang_labels[lang]);
    label->chposition(x, y, z);
    add_slot(label, {make_action(unmerge_transparency_f)});

    Object* marker = new Object();
    marker->add("langall.pak", "setup_lang_cursor");
    marker->chposition(x, y + 0.1, z);
    add_slot(marker, {make_action(unmerge_transparency_f)});
    marker->event.add_event_and_command(label->event, 0);

    parent->addlink(marker);
    parent->addlink(label);
    return {&marker->event, 0};
}

void create_default_interface_button_m(const char* name, double x, double y, double z, void (*on_frame)(void*)) {
    Object* button = clickable("interface.pak", name, x, y, z);
    button->chrot(-90.0, 0.0, 0.0);
    start_slot(button, {make_action(on_frame), make_action(default_buttons_scale_f)});
    Object_curent->addlink(button);
}

void create_default_hide_button_m(const char* name, double x, double y, double z, process_fun process) {
    Object* button = new Object();
    button->addfun(mouse_select_grown, nullptr);
    set_scale(button, 0.3);
    button->add("interface.pak", name);
    button->chrot(-90.0, 0.0, 0.0);
    button->chposition(x, y, z);
    Action a = make_action(default_processing_hide_button_f, 0.0, reinterpret_cast<void*>(process));
    a.iparam1 = 0;
    a.iparam2 = 1;
    start_slot(button, {a});
    Object_curent->addlink(button);
}

void default_buttons_scale_f(void*) {
    magnify(Object_curent, hits.is_hit() && !hits_layer1, Action_curent->time, 1.1);
    Action_curent->time = 0.0;
}

void default_menu_buttons_scale_f(void*) {
    Action* a = Action_curent;
    bool hovered = false;
    if (a->iparam1 == 1) hovered = hits.is_hit() && hits_layer1 && !hits_layer2;
    if (a->iparam1 == 2) hovered = hits.is_hit();
    magnify(Object_curent, hovered, a->time, a->dparam1);
    a->time = 0.0;
}

void default_processing_hide_button_f(void* param) {
    Action* a = Action_curent;
    Object* o = Object_curent;
    const process_fun process = reinterpret_cast<process_fun>(param);
    const double dt = a->time;
    bool hiding_began = false;
    if (a->iparam1 == 0 && process(1)) {
        a->iparam1 = 1;
        process(2);
        hiding_began = true;
    }
    const bool hovered = hits.is_hit() && !hits_layer1;
    if (hovered && mouse.left_click && process(3)) {
        play_button_sound();
        process(4);
    }
    if (hovered && a->iparam1 == 0) {
        const double s = o->scale_x + dt / 1100.0;
        if (s >= 1.1) {
            set_scale(o, 1.1);
            a->iparam2 = 0;
        } else {
            set_scale(o, s);
        }
    } else if (a->iparam2 == 1 && a->iparam1 == 0) {
        if (o->scale_x < 1.0) {
            const double s = o->scale_x + dt / 600.0;
            if (s >= 1.0) {
                set_scale(o, 1.0);
                a->iparam2 = 0;
            } else {
                set_scale(o, s);
            }
        }
    } else if (a->iparam1 == 1) {
        const double s = o->scale_x - dt / 600.0;
        set_scale(o, s < 0.01 ? 0.01 : s);
    } else if (o->scale_x > 1.0) {
        const double s = o->scale_x - dt / 1100.0;
        set_scale(o, s < 1.0 ? 1.0 : s);
    }
    a->time = 0.0;
    if (hiding_began) {
        Action die = make_action(die_after_msec);
        die.dparam1 = 450.0;
        o->event.send(add_slot(o, {die}));
    }
}

void checkbox_galochka_f(void* option) {
    Action* a = Action_curent;
    const bool value = *static_cast<bool*>(option);
    if (value == (a->iparam1 != 0)) return;
    a->iparam1 = value;
    Object_curent->setalfa(value ? 1.0 : 0.0);
}

void when_mouse_select_checkbox_f(void* option) {
    if (!clicked_on_layer(1)) return;
    play_button_sound();
    bool* value = static_cast<bool*>(option);
    *value = !*value;
}
