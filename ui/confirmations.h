#pragma once

// The two questions asked before what cannot be undone: clearing the
// picture and quitting. OK also answers to Return, Cancel to Escape.
void create_clear_confirmation_f(void* param);
void create_exit_confirmation_f(void* param);
void when_mouse_select_button_clear_f(void* container);
void when_mouse_select_button_ok_f(void* param);

// A question over a menu (the second level), OK and Cancel on layer 2, in
// the current object (its container); OK runs `on_ok` with the container.
void build_dialog_question(const char* text, void (*on_ok)(void*));
