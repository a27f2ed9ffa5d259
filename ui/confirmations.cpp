#include "ui/confirmations.h"

#include "game/game_state.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scene_loader.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/menu.h"

namespace {

// Backdrop, panel with `text`, OK at the left and Cancel at the right.
void build_question(const char* text, double depth, void (*on_ok)(void*), void* ok_param) {
    Object* container = Object_curent;
    hits_layer1 = true;
    const event_and_command backdrop = create_transparent_background_m(nullptr);
    Object* panel = create_default_background_m("dialog_background", text, 0.0, -81.5, 0.0);
    const event_and_command ok = add_button(panel, Button_spec("button_ok", -1.323, depth, -1.633, on_ok)
            .param(ok_param).localized());
    const event_and_command cancel = add_button(panel, Button_spec("button_cancel", 1.696, depth, -1.633,
            when_mouse_select_button_cancel_f).param(container).localized());
    add_close_slot(container, {{&panel->event, 1}, backdrop, ok, cancel});
}

// OK answers a click on it or Return, never while a panel is moving.
bool ok_fires() {
    if (menu_block) return false;
    if (clicked_here()) return true;
    return take_key(key_return);
}

}  // namespace

void build_dialog_question(const char* text, void (*on_ok)(void*)) {
    Object* container = Object_curent;
    hits_layer2 = true;
    Object* panel = create_default_background_m("dialog_background", text, 0.0, -82.5, 0.0);
    const event_and_command ok = add_button(panel, Button_spec("button_ok", -1.323, -0.171, -1.633, on_ok)
            .param(container).on_layer(2).localized());
    const event_and_command cancel = add_button(panel, Button_spec("button_cancel", 1.696, -0.171, -1.633,
            when_mouse_select_button_cancel_layer1_f).param(container).on_layer(2).localized());
    add_close_slot(container, {{&panel->event, 1}, ok, cancel});
}

void create_clear_confirmation_f(void*) {
    build_question("menu_clear", -0.171, when_mouse_select_button_clear_f, Object_curent);
}

void create_exit_confirmation_f(void*) { build_question("menu_exit", -0.2, when_mouse_select_button_ok_f, nullptr); }

void when_mouse_select_button_clear_f(void* container) {
    if (!ok_fires()) return;
    play_button_sound();
    if (conf->by_numbers) request_picture_again(Keeping::tubes_and_brush);
    conf->clear_color();
    static_cast<Object*>(container)->event.send(1);
    hits_layer1 = false;
    signal_show_back_button = false;
}

void when_mouse_select_button_ok_f(void*) {
    if (!ok_fires()) return;
    exit_scene();
}
