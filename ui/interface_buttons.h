#pragma once

// The buttons of the base screen: quit, help, menu and the page arrows
// always; custom colours, reset colours, back (undo) and clear only while
// they apply. Escape, F1 and the arrow keys do what their buttons do.

extern bool show_colors_button;
extern bool show_reset_button;
extern bool show_back_button;
extern bool show_clean_button;
extern bool show_camera_button;

// No button shown, no menu open; for a game started again in the same process.
void reset_interface_state();

// Run by the interface-button builder: once, and every frame for the four
// buttons that come and go.
void create_buttons_f(void* param);
void create_colors_button_f(void* param);
void create_reset_button_f(void* param);
void create_back_button_f(void* param);
void create_clear_button_f(void* param);
void create_camera_button_f(void* param);

// The four codes of the coming-and-going buttons (see create_default_hide_button_m).
bool process_colors_button_f(int code);
bool process_reset_button_f(int code);
bool process_back_button_f(int code);
bool process_clear_button_f(int code);
bool process_camera_button_f(int code);

// Click actions of the permanent buttons.
void select_quit_button_f(void* param);
void when_mouse_select_help_button_f(void* param);
void when_mouse_select_menu_button_f(void* param);
void when_mouse_select_left_button_f(void* param);
void when_mouse_select_right_button_f(void* param);
void when_mouse_select_gallery_button_f(void* param);
void when_mouse_select_profiles_button_f(void* param);
