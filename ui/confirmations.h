#pragma once

// The two questions asked before what cannot be undone: clearing the
// picture and quitting. OK also answers to Return, Cancel to Escape.
void create_clear_confirmation_f(void* param);
void create_exit_confirmation_f(void* param);
void when_mouse_select_button_clear_f(void* container);
void when_mouse_select_button_ok_f(void* param);
