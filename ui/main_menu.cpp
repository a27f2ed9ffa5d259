#include "ui/main_menu.h"

#include <vector>

#include "anim/behaviours.h"
#include "anim/slot_builder.h"
#include "audio/sound.h"
#include "game/game_state.h"
#include "game/keepsakes.h"
#include "game/painting.h"
#include "save/config.h"
#include "save/machine_config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scene_loader.h"
#include "ui/buttons.h"
#include "ui/confirmations.h"
#include "ui/keepsake_feedback.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"
#include "ui/switch_settings.h"

namespace {

constexpr double widget_y = -0.2;
// Every widget stands a fingertip or more from its neighbours, so grown
// answering areas never meet.
constexpr double box_x = -5.3;
constexpr double language_x[5] = {-2.56, -1.28, 0.0, 1.28, 2.56};

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
    widgets.push_back(create_default_checkbox_m(panel, box_x, widget_y, 1.06, &conf->sound_on));
    widgets.push_back(create_default_checkbox_m(panel, box_x, widget_y, 0.14, &conf->music_on));
    widgets.push_back(create_default_checkbox_m(panel, box_x, widget_y, 2.9, &conf->by_numbers));
    widgets.push_back(create_default_checkbox_m(panel, box_x, widget_y, 1.98, &conf->detailed));
    widgets.push_back(add_option_watcher(panel));
    // Beside the options, and next after them for the keys and the switches.
    add_switch_rows(panel, widgets);

    widgets.push_back(add_button(panel, Button_spec("button_close", 5.6, widget_y, 3.75,
            when_mouse_select_button_cancel_send2_f).param(panel)));
    widgets.push_back(add_button(panel, Button_spec("setup_button_about", 0.0, widget_y, -1.1,
            when_mouse_select_about_button_f).localized()));
    widgets.push_back(add_button(panel, Button_spec("setup_button_clearall", 3.3, widget_y, -1.1,
            when_mouse_select_clearall_button_f).localized()));
    if (machine_settings.web_link)
        widgets.push_back(create_default_url_button_m(panel, "setup_button_web", -3.3, widget_y, -1.1, 0, 1, 1.1, 1));
    for (int i = 0; i < 5; ++i)
        widgets.push_back(create_default_lang_button_m(panel, i, language_x[i], widget_y, -2.75));
    // For the parent: the sheet of the picture on screen, to print.
    if (machine_settings.print) {
        const Made_button print_button = add_button(panel, Button_spec("setup_button_print", 0.0, widget_y, -3.87,
                when_mouse_select_print_button_f).localized());
        widgets.push_back(print_button.vanish);
        Object* print = print_button.object;
        print->event.send(add_slot(print, {make_action(shake_no_f, 0.0, &print_shake_pending)}));
    }

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
        if (!machine_settings.print || !start_sheet_keepsake()) print_shake_pending = true;
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
    std::vector<event_and_command> closing{{&panel->event, 1}, close};
    if (machine_settings.web_link) {
        closing.push_back(create_default_url_button_m(panel, "button_facebook", -2.0, widget_y, -0.25, 1, 1, 1.05, 2));
        closing.push_back(create_default_url_button_m(panel, "button_twitter", 2.45, widget_y, -0.25, 2, 1, 1.05, 2));
    }
    add_close_slot(container, closing);
}

void create_menu_clearall_f(void*) { build_dialog_question("menu_clearall", when_mouse_select_button_clearall_f); }

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
