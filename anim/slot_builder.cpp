#include "anim/slot_builder.h"

#include "scene/object.h"

Action make_action(action_fun fun, double duration, void* param) {
    Action a(1, true, duration);
    a.fun = fun;
    a.param = param;
    return a;
}

int add_slot(Object* object, std::initializer_list<Action> actions) {
    const int slot = object->event.create_slot();
    for (const Action& a : actions) object->event.add_action(a);
    return slot;
}

void start_slot(Object* object, std::initializer_list<Action> actions) { object->event.send(add_slot(object, actions)); }
