#include "ui/parent_gate.h"

#include <random>

#include "anim/slot_builder.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "ui/buttons.h"
#include "ui/menu.h"

bool parent_gate_wanted = true;

namespace {

constexpr double widget_y = -0.2;
const char* const key_names[9] = {"gate_key1", "gate_key2", "gate_key3", "gate_key4", "gate_key5",
                                  "gate_key6", "gate_key7", "gate_key8", "gate_key9"};
const char* const word_names[9] = {"gate_word1", "gate_word2", "gate_word3", "gate_word4", "gate_word5",
                                   "gate_word6", "gate_word7", "gate_word8", "gate_word9"};
constexpr double word_x[3] = {-2.45, 0.2, 2.85};
constexpr double word_z = 1.1;
constexpr double key_x[3] = {-2.8, -1.78, -0.76};
constexpr double key_z[3] = {0.15, -0.87, -1.89};

struct Gate {
    void (*then)(int) = nullptr;
    int arg = 0;
    int asked[3] = {0, 0, 0};
    int answered = 0;
    Object* words[3] = {nullptr, nullptr, nullptr};
    Object* container = nullptr;
};
Gate gate;

std::mt19937& dice() {
    static std::mt19937 d(std::random_device{}());
    return d;
}

// Three different numbers, never in a row up or down (1 2 3 reads like a
// pattern a child may find by chance).
void choose_numbers() {
    std::uniform_int_distribution<int> nine(1, 9);
    do {
        for (int& n : gate.asked) n = nine(dice());
    } while (gate.asked[0] == gate.asked[1] || gate.asked[1] == gate.asked[2] || gate.asked[0] == gate.asked[2] ||
             (gate.asked[1] - gate.asked[0] == gate.asked[2] - gate.asked[1] &&
              (gate.asked[1] - gate.asked[0] == 1 || gate.asked[1] - gate.asked[0] == -1)));
    gate.answered = 0;
}

Object* word(Object* panel, int i) {
    Object* w = new Object();
    w->add(language_pak(), word_names[gate.asked[i] - 1]);
    w->chposition(word_x[i], widget_y, word_z);
    panel->addlink(w);
    return w;
}

}  // namespace

int parent_gate_number(int i) { return gate.container && i >= 0 && i < 3 ? gate.asked[i] : 0; }

void ask_parent(void (*then)(int), int arg) {
    if (!parent_gate_wanted) {
        then(arg);
        return;
    }
    gate.then = then;
    gate.arg = arg;
    gate.container = nullptr;  // until the new dialog stands
    hits_layer2 = true;  // taken at once: no second dialog from the same frame
    create_default_menu_m(create_parent_gate_f, 0);
}

void create_parent_gate_f(void*) {
    Object* container = Object_curent;
    hits_layer2 = true;
    choose_numbers();
    gate.container = container;
    Object* panel = create_default_background_m("dialog_background", "gate", 0.0, -82.5, 0.0);
    std::vector<event_and_command> parts{{&panel->event, 1}};
    for (int i = 0; i < 3; ++i) {
        gate.words[i] = word(panel, i);
        parts.push_back({&gate.words[i]->event, add_slot(gate.words[i], {make_action(unmerge_transparency_f)})});
    }
    for (int d = 1; d <= 9; ++d)
        parts.push_back(add_button(panel, Button_spec(key_names[d - 1], key_x[(d - 1) % 3], widget_y, key_z[(d - 1) / 3],
                                                      when_mouse_select_gate_key_f)
                                              .param(container)
                                              .numbers(d)
                                              .on_layer(2)));
    parts.push_back(add_button(panel, Button_spec("button_cancel", 2.55, widget_y, -1.89,
                                                  when_mouse_select_button_cancel_layer1_f)
                                          .param(container)
                                          .on_layer(2)
                                          .localized()));
    add_close_slot(container, parts);
}

// param: the gate's container. A key answers the next number; the third
// right one closes the gate and lets the action through.
void when_mouse_select_gate_key_f(void* container) {
    if (menu_block || !clicked_on_layer(2) || container != gate.container) return;
    play_button_sound();
    const int pressed = Action_curent->iparam1;
    if (pressed != gate.asked[gate.answered]) {
        gate.answered = 0;
        for (Object* w : gate.words) w->setalfa(1.0);
        return;
    }
    gate.words[gate.answered]->setalfa(0.3);  // this one is done
    if (++gate.answered < 3) return;
    gate.container = nullptr;
    hits_layer2 = false;
    static_cast<Object*>(container)->event.send(1);
    if (gate.then) gate.then(gate.arg);
}
