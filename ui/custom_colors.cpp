#include "ui/custom_colors.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "ui/buttons.h"
#include "ui/menu.h"

namespace {

// A pick takes three draws (palette, hover swatch, current swatch). A cancel
// that comes in between (Escape or the close button in the frame of the
// click or the next) must not put the old colour back on the brush while the
// tube keeps the new one: once a click is taken, the pick completes and the
// cancel only closes the dialog. Only one colours dialog is ever open.
struct Pick {
    bool under_way = false;        // the palette took a click
    bool cancel_meanwhile = false; // the close button fired after that
};
Pick pick;

// A swatch tinted `c` under the panel; slot 0 holds `on_send` (not sent).
Object* swatch(Object* panel, const char* name, Color c, Action on_send) {
    Object* o = new Object();
    o->add("interface.pak", name);
    o->setcolor(c);
    add_slot(o, {on_send});
    add_slot(o, {make_action(unmerge_transparency_f)});
    panel->addlink(o);
    return o;
}

}  // namespace

void create_change_colors_f(void*) {
    Object* container = Object_curent;
    const int n = Action_curent->iparam1;
    hits_layer1 = true;
    pick = Pick();
    const event_and_command backdrop = create_transparent_background_m(nullptr);
    Object* panel = create_default_background_m("colors_dialog", "text_void", 0.0, -81.5, 0.0);
    const Color old = conf->get_custom_color(n);

    Action apply = make_action(apply_color_and_exit_f, -1.0, container);
    apply.iparam1 = n;
    Object* current = swatch(panel, "color_const", old, apply);
    Object* hover = swatch(panel, "color_hover", old, make_action(change_const_color_f, -1.0, current));

    Object* palette = new Object();
    palette->add("interface.pak", "palitra_gradient");
    palette->add("interface.pak", "palitra_colors");
    palette->addfun(mouse_select, nullptr);
    start_slot(palette, {make_action(create_palitra_f, 0.0, hover)});
    add_slot(palette, {make_action(unmerge_transparency_f)});
    panel->addlink(palette);

    const event_and_command close = add_button(panel, Button_spec("button_close", 4.296, -0.2, 2.994,
            when_mouse_select_button_cancel_send2_f).param(container));

    add_close_slot(
        container,
        {{&panel->event, 1}, {&current->event, 1}, {&hover->event, 1}, {&palette->event, 1}, backdrop, close});
    Action restore = make_action(load_old_colors_f, -1.0);
    restore.dparam1 = old.r;
    restore.dparam2 = old.g;
    restore.dparam3 = old.b;
    add_slot(container, {restore});
    container->event.add_event_and_command(container->event, 1);
}

// A dialog already closing (its layer released) takes no colour any more.
void create_palitra_f(void* hover) {
    if (menu_block || !hits_layer1 || pick.under_way || !hits.is_hit()) return;
    Object* swatch = static_cast<Object*>(hover);
    swatch->setcolor(mouse_hover_pixel);
    if (!mouse.left_click) return;
    play_button_sound();
    pick.under_way = true;
    swatch->event.send(0);
}

// The brush takes the colour together with the tube, when the pick is
// applied, so the two never disagree for a frame.
void change_const_color_f(void* current) {
    Object* swatch = static_cast<Object*>(current);
    swatch->setcolor(Object_curent->rgb);
    swatch->event.send(0);
}

void apply_color_and_exit_f(void* container) {
    const int n = Action_curent->iparam1;
    const Color chosen = Object_curent->rgb;
    if (!chosen.eq(conf->get_custom_color(n))) conf->set_custom_color(n, chosen);
    color = chosen;
    // A cancel that came meanwhile has closed the dialog and released its
    // layer already; by now another dialog may hold it.
    if (!pick.cancel_meanwhile) {
        static_cast<Object*>(container)->event.send(1);
        hits_layer1 = false;
    }
    pick = Pick();
}

// The container is drawn before the swatches, so a cancel is seen here
// before the pick it overtook is applied.
void load_old_colors_f(void*) {
    if (pick.under_way) {
        pick.cancel_meanwhile = true;
        return;
    }
    const Action* a = Action_curent;
    color = Color(a->dparam1, a->dparam2, a->dparam3);
}
