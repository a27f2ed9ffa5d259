#include "ui/switch_settings.h"

#include <algorithm>

#include "anim/behaviours.h"
#include "anim/slot_builder.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "ui/buttons.h"
#include "ui/menu.h"

namespace {

constexpr double widget_y = -0.2;
constexpr double choice_x[3] = {3.1, 4.2, 5.3};
constexpr double row_z[2] = {2.62, 0.9};  // switches, pace
const char* const pictures[2][3] = {{"setup_switch0", "setup_switch1", "setup_switch2"},
                                    {"setup_speed0", "setup_speed1", "setup_speed2"}};

int32_t& setting(int row) { return row == 0 ? conf->switch_scanning : conf->scan_speed; }

event_and_command add_marker(Object* panel, int row) {
    Object* marker = new Object();
    marker->add("langall.pak", "setup_choice_cursor");
    Action follow = make_action(switch_choice_marker_f);
    follow.iparam1 = row;
    start_slot(marker, {follow});
    add_slot(marker, {make_action(unmerge_transparency_f)});
    panel->addlink(marker);
    return {&marker->event, 1};
}

}  // namespace

void add_switch_rows(Object* panel, std::vector<event_and_command>& widgets) {
    for (int row = 0; row < 2; ++row) {
        // The marker first: it is drawn behind the pictures.
        widgets.push_back(add_marker(panel, row));
        for (int value = 0; value < 3; ++value)
            widgets.push_back(add_button(panel, Button_spec(pictures[row][value], choice_x[value], widget_y, row_z[row],
                    when_mouse_select_switch_choice_f).numbers(row, value).grows_to(1.08)));
    }
}

void when_mouse_select_switch_choice_f(void*) {
    if (!clicked_on_layer(1)) return;
    const Action* a = Action_curent;
    int32_t& value = setting(a->iparam1);
    if (value == a->iparam2) return;  // chosen already: nothing happens
    play_button_sound();
    value = a->iparam2;
}

void switch_choice_marker_f(void*) {
    const int row = Action_curent->iparam1 == 0 ? 0 : 1;
    const int chosen = std::clamp(static_cast<int>(setting(row)), 0, 2);
    Object_curent->chposition(choice_x[chosen], widget_y + 0.1, row_z[row]);
}
