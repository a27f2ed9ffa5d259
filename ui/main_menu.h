#pragma once

// The main menu (options, language, about, clear all, the web site) and the
// two dialogs it opens. The menu button of the base screen opens the
// container and its backdrop; create_menu_first_f builds the panel in it,
// again after every change of language.

void create_menu_first_f(void* param);
void create_menu_about_f(void* param);
void create_menu_clearall_f(void* param);

// Click actions of the main menu's buttons.
void when_mouse_select_about_button_f(void* param);
void when_mouse_select_clearall_button_f(void* param);
// The print button: the printable sheet of the picture on screen.
void when_mouse_select_print_button_f(void* param);
// The OK of the clear-all dialog (param: its container).
void when_mouse_select_button_clearall_f(void* container);

// The main menu panel's slots beyond emerging (0) and vanishing (1).
constexpr int menu_slot_close = 2;
constexpr int menu_slot_language = 3;
constexpr int menu_slot_vanish = 4;
