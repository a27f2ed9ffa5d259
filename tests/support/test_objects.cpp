#include "support/test_objects.h"

#include "scene/object.h"

int dismantle(Object& root) {
    root.del();
    int frames = 0;
    while (!root.dead && frames < 100) {
        root.draw();
        ++frames;
    }
    return frames;
}

Object* object_running(action_fun fun) {
    Object* o = new Object();
    o->event.create_slot();
    Action a(1, true, 0.0);
    a.fun = fun;
    o->event.add_action(a);
    o->event.send(0);
    return o;
}
