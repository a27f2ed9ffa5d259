#include "ui/main_menu.h"

#include <vector>

#include "anim/behaviours.h"
#include "anim/slot_builder.h"
#include "audio/sound.h"
#include "game/game_state.h"
#include "game/keepsakes.h"
#include "game/painting.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scene_loader.h"
#include "ui/buttons.h"
#include "ui/keepsake_feedback.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"

namespace {

constexpr double widget_y = -0.2;
constexpr double language_x[5] = {-2.401, -1.17, 0.061, 1.292, 2.523};

Action watching(action_fun fun, bool value) {
    Action a = make_action(fun);
    a.iparam1 = value;
    return a;
}

// Switches the music, the mode and the variant as soon as their boxes are
// ticked. It stops when the panel starts to vanish (its slot 1): a mode
// switched afterwards, on the help screen say, is not its business.
event_and_command add_option_watcher(Object* panel) {
    Object* watcher = new Object();
    start_slot(watcher, {watching(play_music_f, conf->music_on), watching(redraw_scene_when_check_f, conf->by_numbers),
                         watching(redraw_scene_when_check_complex_f, conf->detailed)});
    add_slot(watcher, {});
    watcher->event.add_idmove({1, 2});
    panel->addlink(watcher);
    return {&watcher->event, 1};
}

// Slot 2 closes the whole menu, slot 3 swaps the panel for one in the newly
// chosen language (the container builds it again 250 ms later, while this
// one vanishes), slot 4 makes the panel and its widgets vanish.
void add_panel_slots(Object* container, Object* panel, const std::vector<event_and_command>& widgets) {
    add_slot(panel, {});
    panel->event.add_event_and_command(container->event, 1);
    panel->event.add_event_and_command(panel->event, menu_slot_vanish);

    Action destroy = make_action(default_menu_destroy);
    destroy.dparam1 = 500.0;
    Action rebuild = make_action(send_command_after_msec, 0.0, container);
    rebuild.iparam1 = 0;
    rebuild.dparam1 = 250.0;
    add_slot(panel, {destroy, rebuild});
    panel->event.add_event_and_command(panel->event, menu_slot_vanish);

    add_slot(panel, {});
    panel->event.add_event_and_command(panel->event, 1);
    for (const event_and_command& w : widgets) panel->event.add_event_and_command(w);
}

}  // namespace

// Runs in the menu's container (the current object). A container already
// closing builds nothing: its panel is going, not coming.
void create_menu_first_f(void*) {
    Object* container = Object_curent;
    if (menu_closing(container)) return;
    hits_layer1 = true;
    Object* panel = create_default_background_m("menu_dialog", "setup", 0.0, -81.5, 0.0);

    std::vector<event_and_command> widgets;
    widgets.push_back(create_default_checkbox_m(panel, -3.202, widget_y, 0.924, &conf->sound_on));
    widgets.push_back(create_default_checkbox_m(panel, -3.202, widget_y, 0.292, &conf->music_on));
    widgets.push_back(create_default_checkbox_m(panel, -3.202, widget_y, 2.272, &conf->by_numbers));
    widgets.push_back(create_default_checkbox_m(panel, -3.202, widget_y, 1.589, &conf->detailed));
    widgets.push_back(add_option_watcher(panel));

    widgets.push_back(add_button(panel, Button_spec("button_close", 3.434, widget_y, 2.316,
            when_mouse_select_button_cancel_send2_f).param(panel)));
    widgets.push_back(add_button(panel, Button_spec("setup_button_about", 2.246, widget_y, -0.73,
            when_mouse_select_about_button_f).localized()));
    widgets.push_back(add_button(panel, Button_spec("setup_button_clearall", 2.246, widget_y, 0.659,
            when_mouse_select_clearall_button_f).localized()));
    widgets.push_back(create_default_url_button_m(panel, "setup_button_web", -1.324, widget_y, -0.73, 0, 1, 1.1, 1));
    for (int i = 0; i < 5; ++i)
        widgets.push_back(create_default_lang_button_m(panel, i, language_x[i], widget_y, -2.582));
    // For the parent: the sheet of the picture on screen, to print.
    const Made_button print_button = add_button(panel, Button_spec("setup_button_print", 0.061, widget_y, -3.904,
            when_mouse_select_print_button_f).localized());
    widgets.push_back(print_button.vanish);
    Object* print = print_button.object;
    print->event.send(add_slot(print, {make_action(shake_no_f, 0.0, &print_shake_pending)}));

    add_panel_slots(container, panel, widgets);
}

void when_mouse_select_lang_button_f(void* panel) {
    if (!clicked_on_layer(1)) return;
    play_button_sound();
    conf->set_language(Action_curent->iparam1);
    static_cast<Object*>(panel)->event.send(menu_slot_language);
}

// Printing, the about dialog (with its links to the web) and clearing every
// picture are for a grown-up: each asks at the parent's gate first.
void when_mouse_select_print_button_f(void*) {
    if (!clicked_on_layer(1)) return;
    play_button_sound();
    ask_parent([](int) {
        if (!start_sheet_keepsake()) print_shake_pending = true;
    }, 0);
}

void when_mouse_select_about_button_f(void*) {
    if (!clicked_on_layer(1)) return;
    play_button_sound();
    ask_parent([](int) {
        hits_layer2 = true;  // taken at once: no second dialog from the same frame
        create_default_menu_m(create_menu_about_f, 0);
    }, 0);
}

void when_mouse_select_clearall_button_f(void*) {
    if (!clicked_on_layer(1)) return;
    play_button_sound();
    ask_parent([](int) {
        hits_layer2 = true;  // taken at once: no second dialog from the same frame
        create_default_menu_m(create_menu_clearall_f, 0);
    }, 0);
}

void create_menu_about_f(void*) {
    Object* container = Object_curent;
    hits_layer2 = true;
    Object* panel = create_default_background_m("dialog_background", "about", 0.0, -82.5, 0.0);
    const event_and_command close = add_button(panel, Button_spec("button_close", 0.255, widget_y, -2.305,
            when_mouse_select_button_cancel_layer1_f).param(container).on_layer(2).localized());
    const event_and_command facebook =
        create_default_url_button_m(panel, "button_facebook", -2.0, widget_y, -0.25, 1, 1, 1.05, 2);
    const event_and_command twitter =
        create_default_url_button_m(panel, "button_twitter", 2.45, widget_y, -0.25, 2, 1, 1.05, 2);
    add_close_slot(container, {{&panel->event, 1}, close, facebook, twitter});
}

void create_menu_clearall_f(void*) {
    Object* container = Object_curent;
    hits_layer2 = true;
    Object* panel = create_default_background_m("dialog_background", "menu_clearall", 0.0, -82.5, 0.0);
    const event_and_command ok = add_button(panel, Button_spec("button_ok", -1.323, -0.171, -1.633,
            when_mouse_select_button_clearall_f).param(container).on_layer(2).localized());
    const event_and_command cancel = add_button(panel, Button_spec("button_cancel", 1.696, -0.171, -1.633,
            when_mouse_select_button_cancel_layer1_f).param(container).on_layer(2).localized());
    add_close_slot(container, {{&panel->event, 1}, ok, cancel});
}

// Wipes the painting of every picture in every mode. In paint by numbers the
// picture on screen is built again (its regions show only once painted); the
// brush and the tubes stay. The main menu stays open.
void when_mouse_select_button_clearall_f(void* container) {
    if (menu_block) return;
    if (!clicked_here() && !take_key(key_return)) return;
    play_button_sound();
    if (conf->by_numbers) request_picture_again(Keeping::tubes_and_brush);
    conf->clearall_color();
    static_cast<Object*>(container)->event.send(1);
    hits_layer2 = false;
    signal_show_back_button = false;
}
