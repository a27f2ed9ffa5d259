#include "ui/profile_picker.h"

#include <vector>

#include "game/game_state.h"
#include <SDL/SDL.h>

#include "anim/slot_builder.h"
#include "res/name_texture.h"
#include "save/profiles.h"
#include "scene/model.h"
#include "save/settings_writer.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"

bool profiles_allowed = true;

namespace {

constexpr double widget_y = -0.2;
const char* const disc_names[8] = {"profile_disc0", "profile_disc1", "profile_disc2", "profile_disc3",
                                   "profile_disc4", "profile_disc5", "profile_disc6", "profile_disc7"};
const char* const animal_names[8] = {"profile_animal0", "profile_animal1", "profile_animal2", "profile_animal3",
                                     "profile_animal4", "profile_animal5", "profile_animal6", "profile_animal7"};

struct Picker {
    Object* container = nullptr;
    bool removing = false;  // a grown-up chose "-": a click takes a child out
    bool naming = false;    // a grown-up chose the pencil: a click names a child
    int to_remove = 0;
    int named = 0;          // the child whose name is being typed (0: none)
    std::string typed;
    Object* plates[most_profiles + 1] = {};  // by child number, while the picker stands
    int shown = 0;
};
Picker picker;

// Child i of n: one row of up to four, two rows for more.
void place(int i, int n, double& x, double& z) {
    const int in_row = n <= 4 ? n : (i < 4 ? 4 : n - 4);
    const int column = i % 4;
    x = 0.1 + (column - (in_row - 1) / 2.0) * 2.0;
    z = n <= 4 ? 0.4 : (i < 4 ? 1.3 : -1.3);
}

void close_picker() {
    if (!picker.container) return;
    hits_layer1 = false;
    picker.container->event.send(1);
    picker.container = nullptr;
}

void open_picker_as_it_is() {
    hits_layer1 = true;
    create_default_menu_m(create_profile_picker_f, 0);
}

// The picker as it is now, built again (after a child came or went, or a
// grown-up chose to name or take out children).
void rebuild() {
    close_picker();
    open_picker_as_it_is();
}

void add_child(int) {
    Profiles list = load_profiles();
    Profile added;
    if (add_profile(list, added) && save_profiles(list)) {
        picker.removing = false;
        rebuild();
    }
}

void start_removing(int) {
    picker.removing = true;
    picker.naming = false;
    rebuild();
}

void start_naming(int) {
    picker.naming = true;
    picker.removing = false;
    picker.named = 0;
    rebuild();
}

void show_name(int child, const std::string& name, bool typing) {
    Object* plate = child >= 1 && child <= most_profiles ? picker.plates[child] : nullptr;
    if (!plate || plate->models.empty()) return;
    const unsigned texture = typing ? typing_texture(name + "_") : name.empty() ? 0 : name_texture(name);
    plate->models[0]->show_texture(texture);
    plate->visible = typing || !name.empty();
}

// The name of a child as the list holds it.
std::string name_of(int child) {
    const Profiles list = load_profiles();
    const Profile* p = list.find(child);
    return p ? p->name : std::string();
}

// The last character of UTF-8 text goes.
void drop_last_character(std::string& s) {
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
    if (!s.empty()) s.pop_back();
}

void append_code_point(std::string& s, unsigned cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// While a name is typed the picker takes the keyboard: letters, Backspace,
// Return (keeps the name) and Escape (leaves it as it was).
void naming_keys_f(void*) {
    if (!picker.naming || picker.named == 0 || !keydown || keyused) return;
    const SDL_keysym& k = keyevent.key.keysym;
    const int child = picker.named;
    lockkey();
    if (k.sym == SDLK_RETURN || k.sym == SDLK_KP_ENTER) {
        Profiles list = load_profiles();
        for (Profile& p : list.list)
            if (p.number == child) p.name = profile_name_from(picker.typed);
        save_profiles(list);
        picker.named = 0;
        show_name(child, name_of(child), false);
        return;
    }
    if (k.sym == SDLK_ESCAPE) {
        picker.named = 0;
        show_name(child, name_of(child), false);
        return;
    }
    if (k.sym == SDLK_BACKSPACE) {
        drop_last_character(picker.typed);
    } else {
        const unsigned cp = k.unicode != 0 ? k.unicode : (k.sym >= 32 && k.sym < 127 ? static_cast<unsigned>(k.sym) : 0);
        if (cp >= 32 && cp != 127) {
            std::string longer = picker.typed;
            append_code_point(longer, cp);
            if (profile_name_from(longer) == longer) picker.typed = longer;
        }
    }
    show_name(child, picker.typed, true);
}

void create_remove_question_f(void*) {
    Object* container = Object_curent;
    hits_layer2 = true;
    Object* panel = create_default_background_m("dialog_background", "menu_remove_profile", 0.0, -82.5, 0.0);
    const event_and_command ok = add_button(panel, Button_spec("button_ok", -1.323, -0.171, -1.633,
            when_mouse_select_remove_child_ok_f).param(container).on_layer(2).localized());
    const event_and_command cancel = add_button(panel, Button_spec("button_cancel", 1.696, -0.171, -1.633,
            when_mouse_select_button_cancel_layer1_f).param(container).on_layer(2).localized());
    add_close_slot(container, {{&panel->event, 1}, ok, cancel});
}

}  // namespace

int picker_children_shown() { return picker.container ? picker.shown : 0; }

Object* picker_name_plate(int child) {
    return picker.container && child >= 1 && child <= most_profiles ? picker.plates[child] : nullptr;
}

bool picker_taking_keys() { return picker.container && picker.naming && picker.named != 0; }

// Opened anew, it is for choosing who paints.
void open_profile_picker() {
    picker.naming = picker.removing = false;
    open_picker_as_it_is();
}

void create_profile_picker_f(void*) {
    Object* container = Object_curent;
    if (menu_closing(container)) return;
    hits_layer1 = true;
    picker.container = container;
    const event_and_command backdrop = create_transparent_background_m(nullptr);
    Object* panel = create_default_background_m("picker_panel", "text_void", 0.0, -81.5, 0.0);
    std::vector<event_and_command> parts{{&panel->event, 1}, backdrop};
    // The keys of a name being typed come first, before any button's.
    Object* keys = new Object();
    start_slot(keys, {make_action(naming_keys_f)});
    panel->addlink(keys);
    for (Object*& plate : picker.plates) plate = nullptr;
    picker.named = 0;
    const Profiles list = load_profiles();
    const int n = static_cast<int>(list.list.size());
    picker.shown = n;
    for (int i = 0; i < n; ++i) {
        const Profile& child = list.list[static_cast<size_t>(i)];
        double x = 0, z = 0;
        place(i, n, x, z);
        const Made_button disc = add_button(panel, Button_spec(disc_names[child.colour], x, widget_y, z,
                when_mouse_select_child_f).param(container).numbers(child.number).grows_to(1.08));
        disc.object->add("langall.pak", animal_names[child.animal]);
        if (picker.removing && child.number != 1) {
            Object* mark = new Object();
            mark->add("langall.pak", "profile_remove");
            mark->chposition(0.62, 0.05, 0.62);
            mark->chscale(0.6, 0.6, 0.6);
            disc.object->addlink(mark);
        }
        parts.push_back(disc);
        // The name under the picture, when a grown-up gave one (and, while
        // naming, an empty plate for each child).
        Object* plate = new Object();
        plate->add("langall.pak", "profile_name_plate");
        plate->chposition(x, widget_y, z - 1.12);
        panel->addlink(plate);
        picker.plates[child.number] = plate;
        parts.push_back({&plate->event, add_slot(plate, {make_action(unmerge_transparency_f)})});
        show_name(child.number, child.name, false);
    }
    if (n < most_profiles)
        parts.push_back(add_button(panel, Button_spec("profile_add", -3.25, widget_y, -3.65,
                when_mouse_select_add_child_f).param(container)));
    parts.push_back(add_button(panel, Button_spec("profile_edit", 0.1, widget_y, -3.65,
            when_mouse_select_name_children_f).param(container)));
    if (n > 1)
        parts.push_back(add_button(panel, Button_spec("profile_remove", 3.45, widget_y, -3.65,
                when_mouse_select_remove_children_f).param(container)));
    parts.push_back(add_button(panel, Button_spec("button_close", 3.55, widget_y, 2.95,
            when_mouse_select_button_cancel_f).param(container)));
    add_close_slot(container, parts);
}

// iparam1: the child. The child painting now just closes the picker;
// another one's pictures come in their place.
void when_mouse_select_child_f(void* container) {
    if (menu_block || !clicked_on_layer(1) || container != picker.container) return;
    play_button_sound();
    const int child = Action_curent->iparam1;
    if (picker.naming) {
        if (picker.named != 0) show_name(picker.named, name_of(picker.named), false);
        picker.named = child;
        picker.typed = name_of(child);
        show_name(child, picker.typed, true);
        return;
    }
    if (picker.removing) {
        if (child == 1) return;  // the first child stays
        picker.to_remove = child;
        hits_layer2 = true;
        create_default_menu_m(create_remove_question_f, 0);
        return;
    }
    close_picker();
    if (child != current_profile()) request_profile_change(child);
}

void when_mouse_select_add_child_f(void* container) {
    if (menu_block || !clicked_on_layer(1) || container != picker.container) return;
    play_button_sound();
    ask_parent(add_child, 0);
}

void when_mouse_select_name_children_f(void* container) {
    if (menu_block || !clicked_on_layer(1) || container != picker.container) return;
    play_button_sound();
    if (picker.naming) {  // the pencil again: back to choosing
        picker.naming = false;
        rebuild();
        return;
    }
    ask_parent(start_naming, 0);
}

void when_mouse_select_remove_children_f(void* container) {
    if (menu_block || !clicked_on_layer(1) || container != picker.container) return;
    play_button_sound();
    if (picker.removing) {  // "-" again: back to choosing
        picker.removing = false;
        rebuild();
        return;
    }
    ask_parent(start_removing, 0);
}

// param: the question's container. The child's file stays beside as a
// backup; a child taken out while painting gives way to the first child.
void when_mouse_select_remove_child_ok_f(void* container) {
    if (menu_block) return;
    if (!clicked_here() && !take_key(key_return)) return;
    play_button_sound();
    hits_layer2 = false;
    static_cast<Object*>(container)->event.send(1);
    Profiles list = load_profiles();
    const int child = picker.to_remove;
    if (child == current_profile()) {
        // Its last painting is written before the file is set aside.
        save_progress();
        settings_writer.flush();
        request_profile_change(1, true);
    }
    if (!remove_profile(list, child) || !save_profiles(list)) return;
    picker.removing = list.several();
    rebuild();
}
