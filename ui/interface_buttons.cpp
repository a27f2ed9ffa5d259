#include "ui/interface_buttons.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/confirmations.h"
#include "ui/custom_colors.h"
#include "game/keepsakes.h"
#include "ui/gallery.h"
#include "ui/keepsake_feedback.h"
#include "ui/help_screen.h"
#include "ui/main_menu.h"
#include "ui/menu.h"
#include "ui/profile_picker.h"

bool show_colors_button = false;
bool show_reset_button = false;
bool show_back_button = false;
bool show_clean_button = false;
bool show_camera_button = false;

namespace {

constexpr double button_depth = 61.0;
constexpr int key_f1 = SDLK_F1;
constexpr int key_gallery = SDLK_g;  // Tab moves the keyboard's focus
constexpr int key_right = SDLK_RIGHT;
constexpr int key_left = SDLK_LEFT;
constexpr int key_page_up = SDLK_PAGEUP;
constexpr int key_page_down = SDLK_PAGEDOWN;

double top_row() { return -0.92 - scena->get_y_coord(-39.0); }

// A permanent button fires on a click on the base screen, or on one of its
// keys while no menu or dialog is open (which the button then takes).
bool permanent_fires(int key, int other_key = 0) {
    if (clicked_on_layer(0)) return true;
    if (hits_layer1 || hits_layer2) return false;
    return (key != 0 && take_key(key)) || (other_key != 0 && take_key(other_key));
}

// Opens a first-level menu. The layer is taken at once, so a key and a click
// in the same frame cannot open a second one before the first is built.
void open_first_level(void (*build)(void*), int arg) {
    hits_layer1 = true;
    create_default_menu_m(build, arg);
}

// Shows a coming-and-going button when its condition holds and it is not shown.
void offer(bool wanted, bool& shown, const char* name, double x, process_fun process) {
    if (!wanted || shown) return;
    create_default_hide_button_m(name, x, top_row(), button_depth, process);
    shown = true;
}

}  // namespace

void reset_interface_state() {
    show_colors_button = show_reset_button = show_back_button = show_clean_button = show_camera_button = false;
    hits_layer1 = hits_layer2 = false;
    menu_block = false;
}

void create_buttons_f(void*) {
    const double xl = scena->get_x_coord(-39.0);
    const double xr = scena->get_x_coord(39.0);
    const double y = top_row();
    create_default_interface_button_m("knopka_close", -0.92 - xl - 0.1, y, button_depth, select_quit_button_f);
    create_default_interface_button_m("knopka_help", 2.9 - xr + 0.1, y, button_depth, when_mouse_select_help_button_f);
    create_default_interface_button_m("knopka_menu", 0.92 - xr + 0.1, y, button_depth, when_mouse_select_menu_button_f);
    create_default_interface_button_m("knopka_gallery", 4.88 - xr + 0.1, y, button_depth, when_mouse_select_gallery_button_f);
    if (profiles_allowed)
        create_default_interface_button_m("knopka_profiles", 6.86 - xr + 0.1, y, button_depth,
                                          when_mouse_select_profiles_button_f);
    create_default_interface_button_m("knopka_left", 14.973, -13.155, button_depth, when_mouse_select_left_button_f);
    create_default_interface_button_m("knopka_right", 14.973, -13.155, button_depth, when_mouse_select_right_button_f);
}

void create_colors_button_f(void*) {
    offer(!brush_clean, show_colors_button, "knopka_color", -7.5, process_colors_button_f);
}
void create_reset_button_f(void*) {
    offer(conf->exist_custom_colors(), show_reset_button, "knopka_reset", -3.7, process_reset_button_f);
}
void create_back_button_f(void*) {
    offer(signal_show_back_button, show_back_button, "knopka_back", 4.3, process_back_button_f);
}
void create_clear_button_f(void*) {
    offer(!conf->is_clean(), show_clean_button, "knopka_clear", 7.3, process_clear_button_f);
}
// The camera comes with the first painted region, the same as the clear
// button, and shakes "no" when a picture could not be saved.
void create_camera_button_f(void*) {
    if (conf->is_clean() || show_camera_button) return;
    offer(true, show_camera_button, "knopka_camera", 0.3, process_camera_button_f);
    Object* button = Object_curent->links.back();
    button->event.send(add_slot(button, {make_action(shake_no_f, 0.0, &camera_shake_pending)}));
}

bool process_colors_button_f(int code) {
    switch (code) {
        case 1: return brush_clean;
        case 2: show_colors_button = false; return true;
        case 3: return show_colors_button;
        case 4: open_first_level(create_change_colors_f, color_selected); return true;
        default: return code != 0;
    }
}

// A brush loaded from a tube whose colour was reset takes the tube's own
// colour again, so it paints what the tube now shows.
bool process_reset_button_f(int code) {
    switch (code) {
        case 1: return !conf->exist_custom_colors();
        case 2: show_reset_button = false; return true;
        case 3: return show_reset_button;
        case 4:
            conf->reset_custom_colors();
            if (!brush_clean) color = conf->get_custom_color(color_selected);
            return true;
        default: return code != 0;
    }
}

// Undo: the last painting step is taken back; with the last one gone the
// button hides, and hiding empties the history.
bool process_back_button_f(int code) {
    switch (code) {
        case 1: return !signal_show_back_button;
        case 2:
            bb_old_objects_state.clear();
            show_back_button = false;
            return true;
        case 3: return show_back_button;
        case 4:
            if (bb_old_objects_state.empty()) {
                signal_show_back_button = false;
                return true;
            }
            conf->set_color(bb_old_objects_state.back().uid, bb_old_objects_state.back().color, 0);
            bb_old_objects_state.pop_back();
            if (bb_old_objects_state.empty()) signal_show_back_button = false;
            return true;
        default: return code != 0;
    }
}

bool process_camera_button_f(int code) {
    switch (code) {
        case 1: return conf->is_clean();
        case 2: show_camera_button = false; return true;
        case 3: return show_camera_button && !keepsake_busy();
        case 4: start_picture_keepsake(); return true;
        default: return code != 0;
    }
}

bool process_clear_button_f(int code) {
    switch (code) {
        case 1: return conf->is_clean();
        case 2: show_clean_button = false; return true;
        case 3: return show_clean_button;
        case 4: open_first_level(create_clear_confirmation_f, 0); return true;
        default: return code != 0;
    }
}

void select_quit_button_f(void*) {
    if (!permanent_fires(key_escape)) return;
    play_button_sound();
    open_first_level(create_exit_confirmation_f, 0);
}

void when_mouse_select_help_button_f(void*) {
    if (!permanent_fires(key_f1)) return;
    play_button_sound();
    open_first_level(create_help_screen_f, 0);
}

void when_mouse_select_gallery_button_f(void*) {
    if (!permanent_fires(key_gallery)) return;
    play_button_sound();
    open_first_level(create_gallery_f, 0);
}

void when_mouse_select_profiles_button_f(void*) {
    if (!permanent_fires(0)) return;
    play_button_sound();
    open_profile_picker();
}

void when_mouse_select_left_button_f(void*) {
    if (!permanent_fires(key_left, key_page_up)) return;
    play_button_sound();
    prev_page();
}

void when_mouse_select_right_button_f(void*) {
    if (!permanent_fires(key_right, key_page_down)) return;
    play_button_sound();
    next_page();
}

// The main menu's container is made here with its backdrop; its close slot
// fades the backdrop and deletes the container half a second later, the way
// every menu goes, so the panel's hold on menu clicks is released with it.
void when_mouse_select_menu_button_f(void*) {
    if (!permanent_fires(0)) return;
    play_button_sound();
    hits_layer1 = true;
    Object* container = new Object();
    const event_and_command backdrop = create_transparent_background_m(container);
    start_slot(container, {make_action(create_menu_first_f, -1.0)});
    add_close_slot(container, {backdrop});
    MENU_GLOBAL->addlink(container);
}
