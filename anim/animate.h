#pragma once

#include <cstdint>
#include <vector>

#include "anim/action.h"
#include "scene/coordin.h"

// The running actions of one scene object and its transient per-frame offset.
class Animate {
public:
    uint32_t now;
    uint32_t before = 0;
    double speed = 1.0;
    Coordin offset;
    std::vector<Action> actions;

    Animate();

    void add(Action action);
    void make();
    void start_id(int id);
    void stop_id(int id);
    void set_rip_id(int id);

private:
    // While make() walks the list, a behaviour may append to it (by sending a
    // slot of its own object). Those actions wait here so that the record of
    // the running behaviour never moves; the walk takes them in afterwards and
    // still advances them in the same frame.
    std::vector<Action> incoming_;
    bool walking_ = false;
};
