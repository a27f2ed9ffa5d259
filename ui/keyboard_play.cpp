#include "ui/keyboard_play.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/choice_facts.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/screen_place.h"
#include "ui/choices.h"
#include "ui/focus_ring.h"
#include "ui/profile_picker.h"
#include "ui/switch_scanning.h"

namespace {

bool shown = false;
Object* at = nullptr;
// After a tube is taken or a region painted, the focus goes on to the
// nearest region still to paint with that number, once the click is done.
int on_to_picture = 0;  // frames left to wait for it

bool point_of(const Object* o, double& x, double& y) { return o && screen_point(o, x, y); }

// The order Tab goes in: the list as it stands, but on the picture with a
// loaded brush only the unpainted regions of its number, nearest first.
std::vector<Object*> tab_order(const std::vector<Choice>& list) {
    const int number = brush_number();
    double fx = mouse.x, fy = mouse.y;
    point_of(at, fx, fy);
    std::vector<Object*> order, regions;
    for (const Choice& c : list) {
        if (c.group != Choice_group::picture) {
            order.push_back(c.object);
            continue;
        }
        Region_facts r;
        if (number < 0 || (region_facts(c.object, r) && r.num == number && !r.painted)) regions.push_back(c.object);
    }
    if (number >= 0) {
        std::vector<std::pair<double, Object*>> by_distance;
        for (Object* o : regions) {
            double x = 0, y = 0;
            if (point_of(o, x, y)) by_distance.push_back({std::hypot(x - fx, y - fy), o});
        }
        std::stable_sort(by_distance.begin(), by_distance.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        regions.clear();
        for (const auto& d : by_distance) regions.push_back(d.second);
    }
    // The regions keep the picture's place in the list: after the tubes.
    auto after_tubes = order.begin();
    for (const Choice& c : list)
        if (c.group == Choice_group::tubes) ++after_tubes;
    order.insert(after_tubes, regions.begin(), regions.end());
    return order;
}

// The first region of the order (the nearest one to paint), or null.
Object* first_region(const std::vector<Object*>& order, const std::vector<Choice>& list) {
    for (Object* o : order)
        for (const Choice& c : list)
            if (c.object == o && c.group == Choice_group::picture) return o;
    return nullptr;
}

Object* step(const std::vector<Object*>& order, const std::vector<Choice>& list, int by) {
    if (order.empty()) return nullptr;
    const auto it = std::find(order.begin(), order.end(), at);
    // On a region left out of the order (painted, another number): on to
    // the nearest one to paint.
    Region_facts r;
    if (it == order.end() && by > 0 && region_facts(at, r))
        if (Object* next = first_region(order, list)) return next;
    if (it == order.end()) return by > 0 ? order.front() : order.back();
    const long n = static_cast<long>(order.size());
    return order[static_cast<size_t>(((it - order.begin()) + by + n) % n)];
}

// The nearest choice in direction (dx, dy) from the focus, straight ahead
// counting less than off to the side.
Object* towards(const std::vector<Choice>& list, double dx, double dy) {
    double fx = 0, fy = 0;
    if (!point_of(at, fx, fy)) return list.empty() ? nullptr : list.front().object;
    Object* best = nullptr;
    double best_score = 1e18;
    for (const Choice& c : list) {
        if (c.object == at) continue;
        double x = 0, y = 0;
        if (!point_of(c.object, x, y)) continue;
        const double along = (x - fx) * dx + (y - fy) * dy, across = std::abs((x - fx) * dy - (y - fy) * dx);
        if (along <= 1.0) continue;
        const double score = along + 2.0 * across;
        if (score < best_score) best_score = score, best = c.object;
    }
    return best ? best : at;
}

bool in_list(const std::vector<Choice>& list, const Object* o) {
    return std::any_of(list.begin(), list.end(), [o](const Choice& c) { return c.object == o; });
}

Object* tube(const std::vector<Choice>& list, int n) {
    for (const Choice& c : list)
        if (c.group == Choice_group::tubes && tube_number(c.object) == n) return c.object;
    return nullptr;
}

void go_to(Object* o) {
    at = o;
    point_at(o);
}

void keys(const std::vector<Choice>& list) {
    if (!keydown || keyused) return;
    const SDLKey key = keyevent.key.keysym.sym;
    const bool shift = (keyevent.key.keysym.mod & KMOD_SHIFT) != 0;
    const bool base_screen = !hits_layer1 && !hits_layer2;
    if (key == SDLK_TAB) {
        lockkey();
        const std::vector<Object*> order = tab_order(list);
        if (!shown || !at) {
            go_to(at ? at : (order.empty() ? nullptr : order.front()));
        } else {
            go_to(step(order, list, shift ? -1 : 1));
        }
        shown = true;
        return;
    }
    if (base_screen && key >= SDLK_0 && key <= SDLK_9) {
        if (Object* t = tube(list, key == SDLK_0 ? 10 : key - SDLK_0)) {
            lockkey();
            shown = true;
            at = t;
            choose_on_screen(t);
            on_to_picture = 3;
        }
        return;
    }
    if (key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_KP_ENTER) {
        if (!shown || !at) {
            // The first press shows the focus; Return keeps its meaning in a dialog.
            shown = true;
            const std::vector<Object*> order = tab_order(list);
            go_to(order.empty() ? nullptr : order.front());
            if (key == SDLK_SPACE) lockkey();
            return;
        }
        lockkey();
        Region_facts r;
        if (tube_number(at) != 0 || (region_facts(at, r) && !r.painted && r.num == brush_number())) on_to_picture = 3;
        choose_on_screen(at);
        return;
    }
    if (!shown) return;
    double dx = 0, dy = 0;
    if (key == SDLK_LEFT) dx = -1;
    if (key == SDLK_RIGHT) dx = 1;
    if (key == SDLK_UP) dy = -1;
    if (key == SDLK_DOWN) dy = 1;
    if (dx == 0 && dy == 0) return;
    lockkey();
    go_to(towards(list, dx, dy));
}

}  // namespace

void point_at(Object* o) {
    double x = 0, y = 0;
    if (!point_of(o, x, y)) return;
    mouse.x = static_cast<int>(std::lround(x));
    mouse.y = static_cast<int>(std::lround(y));
}

void choose_on_screen(Object* o) {
    if (!o) return;
    point_at(o);
    hits.aim_at(o);
    click_next_frame();
}

void keyboard_play_f(void* param) {
    Object* ring = static_cast<Object*>(param);
    // A grown-up typing a child's name: every key is theirs.
    if (picker_taking_keys()) {
        shown = false;
        hide_focus_ring(ring);
        return;
    }
    if (conf && conf->switch_scanning != 0) {
        shown = false;
        switch_scanning_frame(ring);
        return;
    }
    if (pointer_moved_by_hand()) shown = false;
    const bool wants_keys = keydown && !keyused;
    if (!shown && !wants_keys) {
        hide_focus_ring(ring);
        return;
    }
    const std::vector<Choice> list = choices_on_screen();
    // What the focus was on may be gone (its screen closed): never touched again.
    if (!in_list(list, at)) at = nullptr;
    if (on_to_picture > 0 && shown) {
        // The click of the frame before has been taken by now.
        Region_facts r;
        const bool done = (tube_number(at) != 0 && brush_number() == tube_number(at) - 1) ||
                          (region_facts(at, r) && r.painted);
        if (done) {
            on_to_picture = 0;
            if (Object* next = first_region(tab_order(list), list)) go_to(next);
        } else {
            --on_to_picture;
        }
    }
    keys(list);
    if (shown && !at) go_to(list.empty() ? nullptr : list.front().object);
    Screen_box box;
    if (shown && at && screen_box(at, box))
        place_focus_ring(ring, box);
    else
        hide_focus_ring(ring);
}

bool keyboard_focus_shown() { return shown; }

Object* keyboard_focus() { return shown ? at : nullptr; }

void reset_keyboard_play() {
    shown = false;
    at = nullptr;
    on_to_picture = 0;
    reset_switch_scanning();
}
