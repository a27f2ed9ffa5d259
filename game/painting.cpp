#include "game/painting.h"

#include <cmath>

#include "audio/sound.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/number_hints.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scene_loader.h"

namespace {

void play(const char* name) {
    if (sound) sound->play(name, false);
}

// Moves the shown colour a frame's share towards the stored one. A frame of
// half a second or more (after the machine slept) lands exactly on it, and
// so does a colour within a quarter of a screen step of it: the approach
// would otherwise go on for ever in steps nobody can see, and the picture
// would never be still.
void fade(Object* region, Color target, double dt) {
    double f = dt / 500.0;
    if (f > 1.0) f = 1.0;
    Color c = region->rgb;
    if (c.eq(target)) return;
    c.r += (target.r - c.r) * f;
    c.g += (target.g - c.g) * f;
    c.b += (target.b - c.b) * f;
    constexpr double unseen = 1.0 / 1024.0;
    if (std::abs(target.r - c.r) < unseen && std::abs(target.g - c.g) < unseen && std::abs(target.b - c.b) < unseen)
        c = target;
    region->setcolor(c);
}

void paint(Object* region, int id, int num) {
    region->visible = true;
    conf->set_color(id, color, num);
}

void click_free(Object* region, int id, int num, Color target) {
    if (brush_clean) return;
    if (color.eq(target) && conf->get_color_state(id)) return;
    play("scena.wav");
    signal_show_back_button = true;
    bb_old_objects_state.push_back(Piece{id, target});
    paint(region, id, num);
}

void click_by_numbers(Object* region, int id, int num, Color target) {
    const bool coloured = conf->get_color_state(id);
    const Color own = conf->get_custom_color(num);
    if (!brush_clean && (!color.eq(target) || !coloured) && color.eq(own) && color_selected == num) {
        paint(region, id, num);
        note_right_click();
        if (!conf->is_finish()) {
            play("scena.wav");
            return;
        }
        play("finish.wav");
        start_completion_effect(num + 1, COLORS_NUM);
        save_progress();
        return;
    }
    if (coloured) return;
    play("scena_false.wav");
    note_wrong_click();
    // Fixed regions have no tube to point at.
    if (num < COLORS_NUM) colors_hint = num + 1;
}

}  // namespace

void when_brush_select_scena_f(void*) {
    Action* a = Action_curent;
    Object* region = Object_curent;
    const int id = a->iparam1;
    const int num = a->iparam2;
    const Color target = conf->get_color(id);
    fade(region, target, a->time);
    a->time = 0.0;

    if (!clicked_on_layer(0)) return;
    if (conf->by_numbers)
        click_by_numbers(region, id, num, target);
    else
        click_free(region, id, num, target);
}

void redraw_scene_when_check_f(void*) {
    Action* a = Action_curent;
    if (conf->by_numbers != (a->iparam1 != 0)) {
        request_picture_again(Keeping::nothing);
        signal_show_back_button = false;
    }
    a->iparam1 = conf->by_numbers;
}

void redraw_scene_when_check_complex_f(void*) {
    Action* a = Action_curent;
    if (conf->detailed == (a->iparam1 != 0)) return;
    default_page(Keeping::tubes);
    signal_show_back_button = false;
    a->iparam1 = conf->detailed;
}
