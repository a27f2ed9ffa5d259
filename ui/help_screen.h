#pragma once

// The help screen: what the top-row buttons do (bright copies of them over
// the dimmed screen, with arrows in the explanatory picture), the three ways
// to play as buttons, and whether help opens at start.

// Runs in the container of create_default_menu_m(create_help_screen_f, 0).
void create_help_screen_f(void* param);

// The marker behind the mode that is on (every frame).
void help_screen_select_f(void* param);

// A mode button (iparam1: 1 by numbers, simple; 2 by numbers, detailed;
// 3 free colouring, simple). Switches the game to it; the screen stays.
void when_mouse_select_help_screen_button_f(void* panel);
