#include "game/choice_facts.h"

#include "game/game_state.h"
#include "game/painting.h"
#include "game/tubes.h"
#include "save/config.h"
#include "scene/object.h"

namespace {

const Action* running(const Object* o, action_fun fun) {
    for (const Action& a : o->animate.actions)
        if (a.fun == fun) return &a;
    return nullptr;
}

}  // namespace

bool region_facts(const Object* o, Region_facts& out) {
    const Action* a = o ? running(o, when_brush_select_scena_f) : nullptr;
    if (!a) return false;
    out.id = a->iparam1;
    out.num = a->iparam2;
    out.painted = conf && conf->get_color_state(a->iparam1);
    return true;
}

int tube_number(const Object* o) {
    const Action* a = o ? running(o, when_brush_select_color_f) : nullptr;
    return a ? a->iparam1 : 0;
}

int brush_number() {
    if (!conf || !conf->by_numbers || brush_clean) return -1;
    return color_selected;
}
