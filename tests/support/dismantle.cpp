#include "support/dismantle.h"

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
