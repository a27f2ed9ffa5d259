#pragma once

#include "anim/event.h"

class Object;

// The buttons and check boxes of the menus and of the base screen.

// What a menu button is: its artwork (`name`, from the language archive when
// localized, else from "langall.pak"), where it stands on its panel, what a
// click does (`on_click`, run with `param` and iparam1..3 = the numbers), the
// layer it answers on (1: first-level menu, 2: second-level dialog) and how
// large it grows under the pointer. Made as
//   Button_spec("button_ok", x, y, z, on_ok).param(container).localized()
struct Button_spec {
    const char* name;
    double x, y, z;
    void (*on_click)(void*);
    void* click_param = nullptr;
    int layer = 1;
    bool from_language = false;
    int i1 = 0, i2 = 0, i3 = 0;
    double hover_scale = 1.1;

    Button_spec(const char* artwork, double at_x, double at_y, double at_z, void (*click)(void*))
        : name(artwork), x(at_x), y(at_y), z(at_z), on_click(click) {}
    Button_spec& param(void* p) { return click_param = p, *this; }
    Button_spec& on_layer(int l) { return layer = l, *this; }
    Button_spec& localized() { return from_language = true, *this; }
    Button_spec& numbers(int a, int b = 0, int c = 0) { return i1 = a, i2 = b, i3 = c, *this; }
    Button_spec& grows_to(double s) { return hover_scale = s, *this; }
};

// A button made: its object (under the parent) and its vanishing slot,
// which is what a menu's close slot takes of it.
struct Made_button {
    Object* object;
    event_and_command vanish;
    operator event_and_command() const { return vanish; }
};

// A menu button under `parent`: slot 0 runs the click and the hover
// magnification; it vanishes through slot 1.
Made_button add_button(Object* parent, const Button_spec& b);

// The same, its arguments one by one.
event_and_command create_default_button_m(Object* parent, const char* name, double x, double y, double z,
                                          void (*on_click)(void*), void* click_param, int layer, bool localized,
                                          int i1, int i2, int i3, double hover_scale);

// A button that opens web link `link` (see the main menu) when clicked.
event_and_command create_default_url_button_m(Object* parent, const char* name, double x, double y, double z, int link,
                                              int ad, double hover_scale, int layer);

// A check box bound to a boolean option: the box toggles it, the tick shows it.
event_and_command create_default_checkbox_m(Object* parent, double x, double y, double z, bool* option);

// One entry of the language row: a button, or for the current language a
// label with the marker behind it (which vanishes through slot 0).
event_and_command create_default_lang_button_m(Object* parent, int lang, double x, double y, double z);

// A permanent button of the base screen under the current object.
void create_default_interface_button_m(const char* name, double x, double y, double z, void (*on_frame)(void*));

// A base-screen button shown while a condition holds; `process` answers:
// 1 go away now?, 2 hiding began, 3 click allowed?, 4 do it.
using process_fun = bool (*)(int code);
void create_default_hide_button_m(const char* name, double x, double y, double z, process_fun process);

void default_buttons_scale_f(void* param);
void default_menu_buttons_scale_f(void* param);
void default_processing_hide_button_f(void* param);
void checkbox_galochka_f(void* option);
void when_mouse_select_checkbox_f(void* option);

// Click action of a language entry (param: the main menu's panel).
void when_mouse_select_lang_button_f(void* panel);
// Click action of every web-link button.
void when_mouse_select_web_button_f(void* param);
