#pragma once

#include "anim/event.h"

class Object;

// The buttons and check boxes of the menus and of the base screen.

// A menu button: artwork from the language archive when `localized`, else
// from "langall.pak"; slot 0 runs `on_click` (iparam1..3 = i1..i3, param =
// click_param) and the hover magnification of `layer` (1: first-level menu,
// 2: second-level dialog) up to `hover_scale`. Vanishes through slot 1.
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
