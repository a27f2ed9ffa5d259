#include "ui/help_screen.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/scene_loader.h"
#include "ui/buttons.h"
#include "ui/menu.h"

namespace {

constexpr double widget_y = -0.2;
constexpr double mode_x[3] = {-3.494, 0.136, 3.767};
constexpr double mode_z = -0.44;

// A copy of a top-row button, standing where the button does.
Object* button_copy(Object* container, const char* name, double x, double z) {
    Object* copy = new Object();
    copy->add("interface.pak", name);
    copy->chposition(x, -61.005, z);
    start_slot(copy, {make_action(plavnoe_narostanie_fona_f)});
    add_slot(copy, {make_action(plavnoe_zatuhanie_fona_f)});
    container->addlink(copy);
    return copy;
}

Object* mode_marker(Object* panel) {
    Object* marker = new Object();
    marker->add("langall.pak", "help_select");
    marker->setalfa(0.0);
    start_slot(marker, {make_action(help_screen_select_f)});
    add_slot(marker, {make_action(unmerge_transparency_f)});
    panel->addlink(marker);
    return marker;
}

Object* explanation(Object* holder) {
    Object* picture = new Object();
    picture->add(language_pak(), "help_bg");
    picture->chposition(0.0, -81.5, 0.0);
    start_slot(picture, {make_action(plavnoe_narostanie_fona_f)});
    add_slot(picture, {make_action(plavnoe_zatuhanie_fona_f)});
    holder->addlink(picture);
    return picture;
}

void place(Object* marker, double x, double z, double alpha) {
    marker->chposition(x, widget_y, z);
    marker->setalfa(alpha);
}

}  // namespace

void create_help_screen_f(void*) {
    Object* container = Object_curent;
    hits_layer1 = true;
    // The top row stands 0.92 below the screen's upper edge at the buttons' depth.
    const double top_row = -0.92 - scena->get_y_coord(-39.0);
    Object* copies[3] = {button_copy(container, "knopka_color", -7.5, top_row),
                         button_copy(container, "knopka_back", 4.3, top_row),
                         button_copy(container, "knopka_clear", 7.3, top_row)};

    const event_and_command backdrop = create_transparent_background_m(nullptr);
    Object* picture_holder = new Object();
    container->addlink(picture_holder);
    Object* panel = create_default_background_m("help_dialog", "help", 0.0, -81.5, 0.0);
    Object* marker = mode_marker(panel);
    event_and_command modes[3];
    for (int m = 1; m <= 3; ++m) {
        const char* name[3] = {"help_mode1", "help_mode2", "help_mode3"};
        modes[m - 1] = add_button(panel, Button_spec(name[m - 1], mode_x[m - 1], widget_y, mode_z,
                when_mouse_select_help_screen_button_f).param(panel).localized().numbers(m).grows_to(1.05));
    }
    Object* picture = explanation(picture_holder);
    const event_and_command ok = add_button(panel, Button_spec("button_ok", 0.136, widget_y, -3.212,
            when_mouse_select_button_cancel_f).param(container).localized());
    const event_and_command start_box = create_default_checkbox_m(panel, -3.428, widget_y, -4.17, &conf->help_on_start);

    add_close_slot(container, {{&copies[0]->event, 1},
                               {&copies[1]->event, 1},
                               {&copies[2]->event, 1},
                               {&panel->event, 1},
                               {&picture->event, 1},
                               {&marker->event, 1},
                               backdrop,
                               ok,
                               modes[0],
                               modes[1],
                               modes[2],
                               start_box});
}

// Free colouring has no detailed mode to mark: the marker goes out of sight.
void help_screen_select_f(void*) {
    Object* marker = Object_curent;
    const bool detailed = conf->detailed, numbers = conf->by_numbers;
    if (!detailed && numbers)
        place(marker, mode_x[0], mode_z, 1.0);
    else if (!detailed)
        place(marker, mode_x[2], mode_z, 1.0);
    else if (numbers)
        place(marker, mode_x[1], mode_z, 1.0);
    else
        place(marker, mode_x[2], mode_z - 40.0, 0.0);
}

void when_mouse_select_help_screen_button_f(void*) {
    if (!clicked_on_layer(1)) return;
    const int mode = Action_curent->iparam1;
    const bool numbers = mode != 3, detailed = mode == 2;
    if (conf->by_numbers == numbers && conf->detailed == detailed) return;
    play_button_sound();
    conf->detailed = detailed;
    // The tubes stay when only the variant changes; the picture on screen
    // is built again in the new mode.
    const bool mode_changes = conf->by_numbers != numbers;
    conf->by_numbers = numbers;
    default_page(mode_changes ? Keeping::nothing : Keeping::tubes);
    signal_show_back_button = false;
}
