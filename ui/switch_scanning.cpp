#include "ui/switch_scanning.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/choice_facts.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/screen_place.h"
#include "ui/choices.h"
#include "ui/focus_ring.h"
#include "ui/keyboard_play.h"

namespace {

struct Group {
    Choice_group kind;
    std::vector<Object*> items;  // and a "back" step after them
    size_t first = 0;            // where the highlight starts within it
};

struct Scan {
    bool inside = false;      // within a group (else over the groups)
    size_t group = 0, item = 0;
    Choice_group inside_kind = Choice_group::tubes;
    uint32_t last_press = 0, last_step = 0;
    bool pressed_once = false;
    int waiting = 0;  // frames to wait for the group a choice leads to
    double anchor_x = -1, anchor_y = -1;  // where the last region was chosen
    std::vector<Choice_group> kinds_seen;
    Scan_counts counts;
};
Scan scan;

std::vector<Object*> nearest_first(std::vector<Object*> items, double x, double y) {
    std::vector<std::pair<double, Object*>> d;
    for (Object* o : items) {
        double ox = 0, oy = 0;
        if (screen_point(o, ox, oy)) d.push_back({std::hypot(ox - x, oy - y), o});
    }
    std::stable_sort(d.begin(), d.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    items.clear();
    for (const auto& p : d) items.push_back(p.second);
    return items;
}

// The groups the screen offers now, each with what may be chosen in it.
std::vector<Group> groups_now() {
    std::vector<Group> groups;
    const int number = brush_number();
    const bool numbers = conf && conf->by_numbers;
    const std::vector<Choice> list = choices_on_screen();
    // By numbers, the numbers that still have regions to paint.
    bool needed[10] = {};
    for (const Choice& c : list) {
        Region_facts r;
        if (c.group == Choice_group::picture && region_facts(c.object, r) && !r.painted && r.num >= 0 && r.num < 10)
            needed[r.num] = true;
    }
    for (const Choice& c : list) {
        if (c.group == Choice_group::picture) {
            Region_facts r;
            // By numbers only where the brush's paint belongs; nothing with a clean brush.
            if (numbers && (number < 0 || !region_facts(c.object, r) || r.num != number || r.painted)) continue;
        }
        if (groups.empty() || groups.back().kind != c.group) groups.push_back({c.group, {}});
        groups.back().items.push_back(c.object);
    }
    for (Group& g : groups) {
        // The tubes start at the first whose number is still to paint.
        if (g.kind == Choice_group::tubes && numbers)
            for (size_t i = 0; i < g.items.size(); ++i) {
                const int n = tube_number(g.items[i]) - 1;
                if (n >= 0 && n < 10 && needed[n]) {
                    g.first = i;
                    break;
                }
            }
        if (g.kind == Choice_group::picture && numbers) {
            double x = scan.anchor_x, y = scan.anchor_y;
            if (x < 0) x = mouse.x, y = mouse.y;
            g.items = nearest_first(g.items, x, y);
        }
    }
    return groups;
}

bool union_box(const std::vector<Object*>& items, Screen_box& out) {
    bool any = false;
    for (const Object* o : items) {
        Screen_box b;
        if (!screen_box(o, b)) continue;
        if (!any) out = b;
        out.x0 = std::min(out.x0, b.x0), out.y0 = std::min(out.y0, b.y0);
        out.x1 = std::max(out.x1, b.x1), out.y1 = std::max(out.y1, b.y1);
        any = true;
    }
    return any;
}

void go_inside(const std::vector<Group>& groups, size_t g) {
    scan.inside = true;
    scan.group = g;
    scan.item = groups[g].first;
    scan.inside_kind = groups[g].kind;
}

void step(const std::vector<Group>& groups) {
    ++scan.counts.steps;
    if (!scan.inside) {
        scan.group = (scan.group + 1) % groups.size();
        return;
    }
    // One group alone (a dialog) has no "back": there is nowhere else to go.
    const size_t places = groups[scan.group].items.size() + (groups.size() > 1 ? 1 : 0);
    scan.item = (scan.item + 1) % places;
}

void choose(const std::vector<Group>& groups) {
    if (!scan.inside) {
        go_inside(groups, scan.group);
        return;
    }
    const Group& g = groups[scan.group];
    if (scan.item >= g.items.size()) {  // "back"
        scan.inside = false;
        return;
    }
    Object* o = g.items[scan.item];
    ++scan.counts.choices;
    choose_on_screen(o);
    if (g.kind == Choice_group::tubes) {
        // A tube taken: on to where its paint belongs.
        for (size_t i = 0; i < groups.size(); ++i)
            if (groups[i].kind == Choice_group::picture) {
                scan.inside_kind = Choice_group::picture;
                scan.inside = true;
                scan.group = i;
                scan.item = 0;
                return;
            }
        // The picture's group shows once the brush carries the paint.
        scan.inside_kind = Choice_group::picture;
        scan.inside = true;
        scan.group = groups.size();
        scan.item = 0;
        scan.waiting = 3;
        return;
    }
    if (g.kind == Choice_group::picture) {
        screen_point(o, scan.anchor_x, scan.anchor_y);
        scan.item = 0;  // the nearest one left comes first again
        return;
    }
    scan.inside = false;  // a button: its screen may change
    scan.group = 0;
}

// After the screen changed (a dialog came or went, a group emptied), the
// scan goes on from where it makes sense.
void settle(const std::vector<Group>& groups) {
    std::vector<Choice_group> kinds;
    for (const Group& g : groups) kinds.push_back(g.kind);
    if (scan.inside) {
        // Into the group of the kind it was in, wherever that now stands.
        const auto it = std::find(kinds.begin(), kinds.end(), scan.inside_kind);
        if (it == kinds.end() && scan.waiting > 0) {
            --scan.waiting;
            return;
        }
        const auto tubes = std::find(kinds.begin(), kinds.end(), Choice_group::tubes);
        if (it == kinds.end() && scan.inside_kind == Choice_group::picture && tubes != kinds.end()) {
            // Every region of the brush's number is painted: on to the next tube wanted.
            go_inside(groups, static_cast<size_t>(tubes - kinds.begin()));
        } else if (it == kinds.end()) {
            scan.inside = false;
            scan.group = 0;
        } else {
            scan.waiting = 0;
            scan.group = static_cast<size_t>(it - kinds.begin());
            const size_t places = groups[scan.group].items.size() + (groups.size() > 1 ? 1 : 0);
            if (scan.item >= places) scan.item = 0;
        }
    } else if (kinds != scan.kinds_seen || scan.group >= groups.size()) {
        scan.group = 0;
    }
    // A screen of one group (a dialog) is scanned within at once.
    if (!scan.inside && groups.size() == 1) go_inside(groups, 0);
    scan.kinds_seen = kinds;
}

}  // namespace

uint32_t scan_interval_ms(int speed) {
    static const uint32_t paces[3] = {2500, 1500, 800};
    return paces[speed < 0 ? 0 : speed > 2 ? 2 : speed];
}

void switch_scanning_frame(Object* ring) {
    const std::vector<Group> groups = groups_now();
    if (groups.empty()) {
        hide_focus_ring(ring);
        return;
    }
    settle(groups);
    const bool two = conf->switch_scanning == 2;
    if (keydown && !keyused) {
        const SDLKey key = keyevent.key.keysym.sym;
        const bool select = key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_KP_ENTER;
        if (select) {
            lockkey();
            if (scan.pressed_once && CURENT_TIME - scan.last_press < scan_debounce_ms) {
                ++scan.counts.ignored;
            } else {
                scan.pressed_once = true;
                scan.last_press = CURENT_TIME;
                ++scan.counts.presses;
                if (two && key == SDLK_SPACE)
                    step(groups);
                else
                    choose(groups);
                scan.last_step = CURENT_TIME;
            }
        }
    }
    if (!two && CURENT_TIME - scan.last_step >= scan_interval_ms(conf->scan_speed)) {
        scan.last_step = CURENT_TIME;
        if (scan.group < groups.size()) step(groups);
    }
    // The highlight: round a group, or round the thing within it ("back":
    // round the group again).
    Screen_box box;
    bool placed = false;
    if (scan.group < groups.size()) {
        const Group& g = groups[scan.group];
        if (scan.inside && scan.item < g.items.size()) {
            placed = screen_extent(g.items[scan.item], box);
            point_at(g.items[scan.item]);
        } else {
            placed = union_box(g.items, box);
        }
    }
    if (placed)
        place_focus_ring(ring, box);
    else
        hide_focus_ring(ring);
}

void reset_switch_scanning() { scan = Scan(); }

Scan_view scan_view() {
    Scan_view v;
    const std::vector<Group> groups = groups_now();
    if (scan.group >= groups.size()) return v;
    v.inside = scan.inside;
    v.group = static_cast<int>(groups[scan.group].kind);
    if (scan.inside && scan.item < groups[scan.group].items.size()) v.item = groups[scan.group].items[scan.item];
    return v;
}

const Scan_counts& scan_counts() { return scan.counts; }
