#include "anim/animate.h"

#include <iterator>

#include "shell/frame_clock.h"

Animate::Animate() : now(CURENT_TIME) {}

void Animate::add(Action action) {
    action.coordin = &offset;
    if (walking_)
        incoming_.push_back(action);
    else
        actions.push_back(action);
}

void Animate::make() {
    before = now;
    now = CURENT_TIME;
    offset.empty();

    double elapsed = static_cast<double>(static_cast<uint32_t>(now - before)) * speed;
    if (elapsed < 0.0) elapsed = 0.0;
    if (elapsed > 4294967295.0) elapsed = 4294967295.0;
    const uint32_t dt = static_cast<uint32_t>(elapsed);

    walking_ = true;
    size_t i = 0;
    for (;;) {
        if (i >= actions.size()) {
            if (incoming_.empty()) break;
            actions.insert(actions.end(), std::make_move_iterator(incoming_.begin()),
                           std::make_move_iterator(incoming_.end()));
            incoming_.clear();
            continue;
        }
        if (actions[i].rip()) {
            actions.erase(actions.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        actions[i].animate(dt);
        ++i;
    }
    walking_ = false;

    offset.move();
}

// Commands by id also reach actions appended during the current walk.
template <typename F>
static void for_id(std::vector<Action>& a, std::vector<Action>& b, int id, F f) {
    for (Action& x : a)
        if (x.id == id) f(x);
    for (Action& x : b)
        if (x.id == id) f(x);
}

void Animate::start_id(int id) { for_id(actions, incoming_, id, [](Action& a) { a.start(); }); }
void Animate::stop_id(int id) { for_id(actions, incoming_, id, [](Action& a) { a.stop(); }); }
void Animate::set_rip_id(int id) { for_id(actions, incoming_, id, [](Action& a) { a.set_rip(); }); }
