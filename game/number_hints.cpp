#include "game/number_hints.h"

#include <cmath>
#include <vector>

#include "anim/draw_hooks.h"
#include "game/choice_facts.h"
#include "game/game_state.h"
#include "game/painting.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/scene_loader.h"
#include "shell/screen_place.h"

namespace {

struct Hints {
    uint32_t waiting_since = 0;  // the brush's number has waited for a right click since
    bool waiting = false;
    int wrong_in_a_row = 0;
    uint32_t shimmer_from = 0;
    bool shimmering = false;
    int sparkles = 0, ticks = 0;
    // Where each region's sparkle stands, found once a shimmer (the
    // picture stands still under it).
    std::vector<std::pair<const Object*, std::pair<double, double>>> spots;
};
Hints hints;

// The regions of the picture on screen (its region container's children).
std::vector<Object*> picture_regions() {
    std::vector<Object*> out;
    if (!old_scena || old_scena->deleted) return out;
    for (Object* part : old_scena->links)
        for (Object* region : part->links) {
            Region_facts r;
            if (!region->deleted && region_facts(region, r)) out.push_back(region);
        }
    return out;
}

// The badges are made once, all at the start, so a screen always holds
// as many objects whatever shows.
constexpr size_t most_sparkles = 48;
constexpr size_t most_ticks = 10;

void fill(Object* holder, size_t count, const char* entry) {
    while (holder->links.size() < count) {
        Object* o = new Object();
        o->add("interface.pak", entry);
        o->addfun(disable_light, nullptr);
        o->visible = false;
        holder->addlink(o);
    }
}

Object* badge(Object* holder, size_t i) { return i < holder->links.size() ? holder->links[i] : nullptr; }

void hide_from(Object* holder, size_t from) {
    for (size_t i = from; i < holder->links.size(); ++i) holder->links[i]->visible = false;
}

// Well inside the region, away from its outline and its neighbours, beside
// its number.
bool spot_of(const Object* region, double& x, double& y) {
    for (const auto& [r, at] : hints.spots)
        if (r == region) return x = at.first, y = at.second, true;
    double clearance = 0;
    if (!screen_inner_point(region, x, y, &clearance)) return false;
    // Up and to the right of the middle, where the region's number stands,
    // so the number still shows; half as near the outline at the most.
    x += clearance * 0.35, y -= clearance * 0.35;
    hints.spots.push_back({region, {x, y}});
    return true;
}

// Sparkles, twinkling, on the regions still to paint with number n.
void show_sparkles(Object* holder, int n, double phase) {
    size_t shown = 0;
    const double px = scena->height / 768.0;
    for (Object* region : picture_regions()) {
        Region_facts r;
        double x = 0, y = 0;
        if (shown >= most_sparkles) break;
        if (!region_facts(region, r) || r.num != n || r.painted || !spot_of(region, x, y)) continue;
        Object* s = badge(holder, shown++);
        const double beat = 0.5 + 0.5 * std::sin(phase * 2 * M_PI * 1.5 + shown);
        place_on_screen(s, x, y, (18.0 + 8.0 * beat) * px, 17.7);
        s->setalfa(0.55 + 0.45 * beat);
        s->visible = true;
    }
    hide_from(holder, shown);
    hints.sparkles = static_cast<int>(shown);
}

// Ticks on the tubes whose regions are all painted.
void show_ticks(Object* holder) {
    int ticks = 0;
    size_t used = 0;
    if (conf->by_numbers && old_colors && !old_colors->deleted && conf->get_page() != 0) {
        std::vector<int> left(10, 0);
        for (Object* region : picture_regions()) {
            Region_facts r;
            if (region_facts(region, r) && !r.painted && r.num >= 0 && r.num < 10) ++left[static_cast<size_t>(r.num)];
        }
        const double px = scena->height / 768.0;
        std::vector<Object*> tubes;
        for (Object* h : old_colors->links)
            for (Object* t : h->links)
                if (tube_number(t) > 0) tubes.push_back(t);
            else
                for (Object* inner : t->links)
                    if (tube_number(inner) > 0) tubes.push_back(inner);
        for (Object* t : tubes) {
            const int n = tube_number(t) - 1;
            Screen_box b;
            if (used >= most_ticks) break;
            if (t->deleted || n < 0 || n >= 10 || left[static_cast<size_t>(n)] > 0 || !screen_box(t, b)) continue;
            Object* tick = badge(holder, used++);
            place_on_screen(tick, b.x1 - 4 * px, b.y0 + 10 * px, 11 * px, 17.65);
            tick->visible = true;
            ++ticks;
        }
    }
    hide_from(holder, used);
    hints.ticks = ticks;
}

}  // namespace

void note_right_click() {
    hints.waiting_since = CURENT_TIME;
    hints.wrong_in_a_row = 0;
    hints.shimmering = false;
}

void note_wrong_click() {
    if (++hints.wrong_in_a_row >= 2 && !hints.shimmering) {
        hints.shimmering = true;
        hints.shimmer_from = CURENT_TIME;
    }
}

void note_tube_taken() {
    hints.waiting_since = CURENT_TIME;
    hints.waiting = true;
    hints.wrong_in_a_row = 0;
}

// param: the holder of the ticks; its first child holds the sparkles.
void number_hints_f(void*) {
    Object* holder = Object_curent;
    if (holder->links.empty()) {
        holder->addlink(new Object());
        holder->addlink(new Object());
        fill(holder->links[0], most_sparkles, "hint_sparkle");
        fill(holder->links[1], most_ticks, "tube_tick");
    }
    Object* sparkles = holder->links[0];
    Object* ticks = holder->links[1];
    if (!conf || !scena) return;
    const int n = brush_number();
    const bool base_screen = !hits_layer1 && !hits_layer2;
    if (n < 0) {
        hints.waiting = hints.shimmering = false;
        hints.wrong_in_a_row = 0;
    } else if (!hints.waiting) {
        hints.waiting = true;
        hints.waiting_since = CURENT_TIME;
    }
    if (n >= 0 && !hints.shimmering && CURENT_TIME - hints.waiting_since >= hint_after_ms) {
        hints.shimmering = true;
        hints.shimmer_from = CURENT_TIME;
    }
    if (hints.shimmering && CURENT_TIME - hints.shimmer_from >= hint_lasts_ms) {
        hints.shimmering = false;
        hints.waiting_since = CURENT_TIME;  // and again after another wait
        hints.wrong_in_a_row = 0;
    }
    if (hints.shimmering && base_screen && n >= 0) {
        show_sparkles(sparkles, n, (CURENT_TIME - hints.shimmer_from) / 1000.0);
    } else {
        hide_from(sparkles, 0);
        hints.sparkles = 0;
        hints.spots.clear();
    }
    if (base_screen)
        show_ticks(ticks);
    else
        hide_from(ticks, 0), hints.ticks = 0;
}

void forgiving_click_f(void*) {
    if (!mouse.left_click || hits_layer1 || hits_layer2 || !scena) return;
    const int n = brush_number();
    if (n < 0) return;
    // Only what lies on the picture: a button or a tube answers as it is.
    Region_facts r;
    const Object* hit = hits.hit;
    const std::vector<Object*> regions = picture_regions();
    bool on_picture = hit == nullptr;
    for (const Object* part : old_scena ? old_scena->links : std::vector<Object*>{})
        on_picture = on_picture || part == hit;
    for (const Object* region : regions) on_picture = on_picture || region == hit;
    if (!on_picture) return;
    for (const Object* region : regions)
        if (region == hit && region_facts(region, r) && r.num == n && !r.painted) return;  // right as it is
    const double reach = forgiving_px * scena->height / 768.0;
    Object* best = nullptr;
    double nearest = reach;
    for (Object* region : regions) {
        if (!region_facts(region, r) || r.num != n || r.painted) continue;
        Screen_box b;
        if (!screen_box(region, b) || mouse.x < b.x0 - reach || mouse.x > b.x1 + reach || mouse.y < b.y0 - reach ||
            mouse.y > b.y1 + reach)
            continue;
        const double d = screen_distance(region, mouse.x, mouse.y);
        if (d <= nearest) nearest = d, best = region;
    }
    if (best) hits.hit = best;
}

int hint_sparkles_shown() { return hints.sparkles; }

int tube_ticks_shown() { return hints.ticks; }

void reset_number_hints() { hints = Hints(); }
