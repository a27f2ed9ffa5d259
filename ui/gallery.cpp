#include "ui/gallery.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "anim/draw_hooks.h"
#include "anim/slot_builder.h"
#include "game/navigation.h"
#include "game/own_import.h"
#include "game/page_catalogue.h"
#include "game/page_ready.h"
#include "game/picture_render.h"
#include "res/drawn_resources.h"
#include "save/config.h"
#include "scene/model.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/offscreen.h"
#include "shell/scena.h"
#include "ui/buttons.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"

namespace {

// The panel's layout, in its own frame (x right, z up); the artwork is
// drawn to the same numbers.
constexpr double column_x[5] = {-6.4, -3.2, 0.0, 3.2, 6.4};
constexpr double row_z[4] = {3.5, 0.65, -2.2, -5.05};
constexpr double widget_y = -0.2;
constexpr double mark_y = -0.05;  // marks lie on their thumbnail
constexpr double corner = 1.05;   // a mark's offset from a thumbnail's middle
constexpr double title_z = 5.72;
constexpr double close_x = 7.8;
constexpr double arrow_x[2] = {1.45, 2.5};
constexpr double count_x = 4.9;  // the middle of the count
constexpr double star_advance = 0.8, star_gap = 0.26;
constexpr double digit_advance = 0.56;
constexpr double slash_advance = 0.34, slash_gap = 0.14;
constexpr double hover_scale = 1.08;
constexpr int ring_steps = 24;
constexpr int add_tile = -1;          // the entry of the "+" tile
constexpr size_t kept_thumbnails = 48;  // textures kept between openings at most

// What the gallery keeps between openings: the framebuffer the thumbnails
// are drawn in, and for each picture drawn lately its texture and what it
// shows, so an opening draws only what changed.
struct Kept {
    Offscreen texture;
    uint64_t shows = 0;
    uint64_t used = 0;
};
struct Thumbnails {
    Offscreen work;
    std::map<int, Kept> kept;
    uint64_t clock = 0;

    bool ready() {
        if (work.ready()) return true;
        return work.create(thumbnail_pixels, thumbnail_pixels, scena && scena->multisampled ? 4 : 0, true);
    }
    // The texture of `picture`, made (and an old one let go) when needed.
    Kept* texture_for(int picture) {
        Kept& k = kept[picture];
        k.used = ++clock;
        if (!k.texture.ready() && !k.texture.create_texture(thumbnail_pixels, thumbnail_pixels)) return nullptr;
        while (kept.size() > kept_thumbnails) {
            auto oldest = kept.begin();
            for (auto it = kept.begin(); it != kept.end(); ++it)
                if (it->second.used < oldest->second.used) oldest = it;
            kept.erase(oldest);
        }
        return &kept[picture];
    }
    void release() {
        work.release();
        kept.clear();
    }
};
Thumbnails thumbnails;

// One opening of the gallery: its pictures, the page shown and its tiles.
struct Gallery {
    struct Tile {
        Object* object = nullptr;
        int picture = 0;  // 0: an empty place; add_tile: the "+" tile
        uint64_t painting = 0;
        bool drawn = false;
        bool framed = false, starred = false;
        int ring = 0;
        std::vector<Object*> marks;
        Object* import_ring = nullptr;
        int import_step = -1;
    };
    Object* container = nullptr;
    std::vector<int> entries;
    int page = 0, pages = 1;
    Tile tiles[gallery_tiles];
    bool detailed = false;
    int finished = 0, total = 0;
    bool open = false;
};
Gallery open_gallery;

// What a thumbnail shows, as a number: the picture, its variant, the mode
// and every record of its painting there (FNV-1a over their bytes).
uint64_t painting_signature(int picture, bool detailed) {
    uint64_t h = 14695981039346656037ull;
    auto mix = [&h](const void* bytes, size_t size) {
        const unsigned char* b = static_cast<const unsigned char*>(bytes);
        for (size_t i = 0; i < size; ++i) h = (h ^ b[i]) * 1099511628211ull;
    };
    const int mode[3] = {picture, detailed, conf->by_numbers};
    mix(mode, sizeof mode);
    const Painting painting = conf->painting(picture, conf->by_numbers, detailed);
    if (painting.numbered)
        for (const Piece_qor& p : *painting.numbered) {
            mix(&p.uid, sizeof p.uid);
            mix(&p.num, sizeof p.num);
        }
    if (painting.free)
        for (const Piece& p : *painting.free) {
            mix(&p.uid, sizeof p.uid);
            mix(&p.color, sizeof p.color);
        }
    if (painting.own_colours)
        for (const Custom_color& c : *painting.own_colours) {
            mix(&c.uid, sizeof c.uid);
            mix(&c.color, sizeof c.color);
        }
    return h == 0 ? 1 : h;
}

// A mark fades with its thumbnail (its only way to vanish with the menu).
void follow_alpha_f(void* tile) {
    const double a = static_cast<Object*>(tile)->alpha;
    if (Object_curent->alpha != a) Object_curent->setalfa(a);
}

Object* mark(Gallery::Tile& t, const char* name, double x, double z) {
    Object* m = new Object();
    m->add("langall.pak", name);
    m->chposition(x, mark_y, z);
    start_slot(m, {make_action(follow_alpha_f, 0.0, t.object)});
    t.object->addlink(m);
    t.marks.push_back(m);
    return m;
}

std::string ring_name(int step) {
    char name[32];
    std::snprintf(name, sizeof name, "gallery_ring%02d", step);
    return name;
}

void add_marks(Gallery::Tile& t, bool detailed) {
    t.framed = t.picture == conf->get_page();
    if (t.framed) mark(t, "gallery_frame", 0.0, 0.0);
    const Picture_progress p = picture_progress(t.picture, detailed);
    t.starred = p.finished();
    if (p.finished()) {
        mark(t, "gallery_star", corner, corner);
    } else if (p.begun()) {
        // At least one step for a begun picture, never the whole ring.
        int step = (p.painted * ring_steps + p.total / 2) / p.total;
        t.ring = step < 1 ? 1 : step > ring_steps - 1 ? ring_steps - 1 : step;
        mark(t, "gallery_ring_back", corner, corner);
        mark(t, ring_name(t.ring).c_str(), corner, corner);
    }
}

// Puts page `page` of the entries on the 20 tiles.
void show_page(Gallery& g, int page) {
    g.page = page;
    for (int i = 0; i < gallery_tiles; ++i) {
        Gallery::Tile& t = g.tiles[i];
        for (Object* m : t.marks) m->del();
        t.marks.clear();
        t.import_ring = nullptr;
        t.import_step = -1;
        t.framed = t.starred = false;
        t.ring = 0;
        const size_t at = static_cast<size_t>(page * gallery_tiles + i);
        t.picture = at < g.entries.size() ? g.entries[at] : 0;
        t.drawn = t.picture <= 0;
        t.painting = t.picture > 0 ? painting_signature(t.picture, g.detailed) : 0;
        if (!t.object->models.empty()) t.object->models[0]->show_texture(0);
        t.object->visible = t.picture > 0;  // the "+" tile is its own artwork
        if (t.picture > 0) add_marks(t, g.detailed);
        if (t.picture == add_tile) mark(t, "gallery_add", 0.0, 0.0);
    }
}

// A picture gone from the catalogue goes from the pages too.
void forget_entry(Gallery& g, int picture) {
    g.entries.erase(std::remove(g.entries.begin(), g.entries.end(), picture), g.entries.end());
    g.pages = std::max(1, (static_cast<int>(g.entries.size()) + gallery_tiles - 1) / gallery_tiles);
    show_page(g, std::min(g.page, g.pages - 1));
}

// "★ n / N" in the title row, from the glyphs of "langall.pak".
void add_count(Object* panel, int finished, int total, std::vector<event_and_command>& vanish) {
    std::vector<std::pair<std::string, double>> glyphs;
    glyphs.push_back({"gallery_count_star", star_advance});
    glyphs.push_back({"", star_gap});
    for (char c : std::to_string(finished)) glyphs.push_back({std::string("gallery_digit") + c, digit_advance});
    glyphs.push_back({"", slash_gap});
    glyphs.push_back({"gallery_slash", slash_advance});
    glyphs.push_back({"", slash_gap});
    for (char c : std::to_string(total)) glyphs.push_back({std::string("gallery_digit") + c, digit_advance});
    double width = 0.0;
    for (const auto& g : glyphs) width += g.second;
    double x = count_x - width / 2;
    for (const auto& [name, advance] : glyphs) {
        if (!name.empty()) {
            Object* o = new Object();
            o->add("langall.pak", name.c_str());
            o->chposition(x + advance / 2, widget_y, title_z);
            add_slot(o, {make_action(unmerge_transparency_f)});
            panel->addlink(o);
            vanish.push_back({&o->event, 1});
        }
        x += advance;
    }
}

// The pictures of the variant in the gallery's order, then the "+" tile
// where an import is offered.
std::vector<int> gallery_entries(bool detailed) {
    std::vector<int> entries;
    for (const Page_source& p : page_catalogue())
        if (p.has(detailed)) entries.push_back(p.number);
    if (own_import_offered()) entries.push_back(add_tile);
    return entries;
}

// The page that holds the picture on screen comes first.
int first_page(const std::vector<int>& entries) {
    int first = 0;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == conf->get_page()) first = static_cast<int>(i) / gallery_tiles;
    return first;
}

// Draws the thumbnail of `picture` into its kept texture unless it shows
// `painting` already; true when it drew.
bool draw_thumbnail(int picture, bool detailed, uint64_t painting, Kept* k) {
    if (!k || k->shows == painting) return false;
    Object* tree = build_painted_picture(picture, detailed);
    k->shows = draw_picture_offscreen(tree, thumbnails.work, k->texture) ? painting : 0;
    Object::destroy_tree(tree);
    return true;
}

double now_ms() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

void close_gallery() {
    if (!open_gallery.open) return;
    open_gallery.open = false;
    open_gallery.container->event.send(1);
    hits_layer1 = false;
}

}  // namespace

void create_gallery_f(void*) {
    Object* container = Object_curent;
    hits_layer1 = true;
    const event_and_command backdrop = create_transparent_background_m(nullptr);
    Object* panel = create_default_background_m("gallery_dialog", "gallery", 0.0, -81.5, 0.0);
    std::vector<event_and_command> parts{{&panel->event, 1}, backdrop};
    parts.push_back(add_button(panel, Button_spec("button_close", close_x, widget_y, title_z,
            when_mouse_select_button_cancel_f).param(container)));

    Gallery& g = open_gallery;
    g = Gallery();
    g.container = container;
    g.open = true;
    g.detailed = conf->detailed;
    g.entries = gallery_entries(g.detailed);
    for (int picture : g.entries)
        if (picture > 0) g.finished += picture_progress(picture, g.detailed).finished();
    g.total = static_cast<int>(std::count_if(g.entries.begin(), g.entries.end(), [](int e) { return e > 0; }));
    g.pages = (static_cast<int>(g.entries.size()) + gallery_tiles - 1) / gallery_tiles;
    for (int i = 0; i < gallery_tiles; ++i) {
        const Made_button tile = add_button(panel, Button_spec("gallery_thumb", column_x[i % 5], widget_y,
                row_z[i / 5], when_mouse_select_gallery_tile_f).numbers(i).grows_to(hover_scale));
        parts.push_back(tile.vanish);
        g.tiles[i].object = tile.object;
        g.tiles[i].object->scale_children = true;  // the marks lift with their thumbnail
        // A thumbnail shows the painting's own colours, unshaded.
        g.tiles[i].object->addfun(disable_light, nullptr);
    }
    show_page(g, first_page(g.entries));
    if (g.pages > 1)
        for (int side = 0; side < 2; ++side)
            parts.push_back(add_button(panel, Button_spec(side ? "gallery_arrow_right" : "gallery_arrow_left",
                    arrow_x[side], widget_y, title_z, when_mouse_select_gallery_arrow_f).numbers(side ? 1 : -1)));
    add_count(panel, g.finished, g.total, parts);

    // Thumbnails and the import under way are looked after by an object of
    // their own, which goes with the container.
    Object* keeper = new Object();
    start_slot(keeper, {make_action(gallery_draw_thumbnails_f, 0.0, &g)});
    container->addlink(keeper);
    add_close_slot(container, parts);
}

// Thumbnails until 30 ms have gone on them in this frame, at least one a
// frame, so the panel keeps growing while the pictures come; a thumbnail
// that already shows what it must (from an earlier opening) is kept. Also
// keeps the ring of an import under way on the "+" tile.
void gallery_draw_thumbnails_f(void* param) {
    Gallery& g = *static_cast<Gallery*>(param);
    // Closed by its close button or Escape: nothing more to look after, and
    // nothing may reach its objects once they are gone.
    if (g.open && menu_closing(g.container)) g.open = false;
    if (!g.open) return;
    for (Gallery::Tile& t : g.tiles) {
        if (t.picture != add_tile) continue;
        const int progress = own_import_progress();
        const int step = progress < 0 ? -1 : progress * ring_steps / 100;
        if (step == t.import_step) continue;
        if (t.import_ring) {
            t.marks.erase(std::remove(t.marks.begin(), t.marks.end(), t.import_ring), t.marks.end());
            t.import_ring->del();
        }
        t.import_ring = nullptr;
        t.import_step = step;
        if (step >= 0) t.import_ring = mark(t, ring_name(step < 1 ? 1 : step).c_str(), 0.0, -0.6);
    }
    if (!thumbnails.ready()) return;
    const double start = now_ms();
    bool any = false;
    for (Gallery::Tile& t : g.tiles) {
        if (t.drawn) continue;
        if (any && now_ms() - start > 30.0) return;
        // A picture whose archive has gone since the gallery opened leaves
        // its place to the ones after it.
        if (!page_ready(t.picture, g.detailed)) {
            forget_entry(g, t.picture);
            return;
        }
        Kept* k = thumbnails.texture_for(t.picture);
        if (draw_thumbnail(t.picture, g.detailed, t.painting, k)) any = true;
        if (k && k->shows == t.painting && !t.object->models.empty())
            t.object->models[0]->show_texture(k->texture.texture());
        t.drawn = true;
    }
}

// A thumbnail turns to its picture (or just closes, for the picture on
// screen); the "+" tile starts bringing in a picture of the child's own.
void when_mouse_select_gallery_tile_f(void*) {
    Gallery& g = open_gallery;
    if (!g.open || !clicked_on_layer(1)) return;
    const Gallery::Tile& t = g.tiles[Action_curent->iparam1];
    if (t.picture == 0) return;
    play_button_sound();
    if (t.picture == add_tile) {
        ask_parent([](int) { start_own_import(); }, 0);
        return;
    }
    if (t.picture != conf->get_page() && !page_ready(t.picture, g.detailed)) {
        forget_entry(g, t.picture);
        return;
    }
    if (t.picture != conf->get_page()) goto_page(t.picture);
    close_gallery();
}

void when_mouse_select_gallery_arrow_f(void*) {
    Gallery& g = open_gallery;
    if (!g.open || g.pages < 2 || !clicked_on_layer(1)) return;
    play_button_sound();
    show_page(g, (g.page + Action_curent->iparam1 + g.pages) % g.pages);
}

// The end of an import: the folder is read again and the new picture shown,
// the gallery closing if it is open.
void watch_own_import_f(void*) {
    bool ended = false;
    const int picture = take_own_import(ended);
    if (!ended || picture == 0) return;
    scan_own_pictures();
    goto_page(picture);
    close_gallery();
}

// The thumbnails of the page the gallery would open on, drawn ahead while
// the game rests, one a call, so that an opening finds them in place. Nothing
// on the screen shows them meanwhile, so what the drawing made and let go
// (the picture's archive, its textures, the thumbnail's content) changes
// nothing the next frame would draw: the count of such changes is put back.
bool gallery_draw_ahead() {
    if (open_gallery.open || !conf || !scena || !thumbnails.ready()) return false;
    const bool detailed = conf->detailed;
    const std::vector<int> entries = gallery_entries(detailed);
    const size_t from = static_cast<size_t>(first_page(entries)) * gallery_tiles;
    for (size_t i = from; i < entries.size() && i < from + gallery_tiles; ++i) {
        const int picture = entries[i];
        if (picture <= 0) continue;
        const uint64_t painting = painting_signature(picture, detailed);
        auto kept = thumbnails.kept.find(picture);
        if (kept != thumbnails.kept.end() && kept->second.shows == painting) continue;
        if (!page_ready(picture, detailed)) continue;
        const uint64_t generation = drawn_resources_generation;
        const bool drawn = draw_thumbnail(picture, detailed, painting, thumbnails.texture_for(picture));
        drawn_resources_generation = generation;
        return drawn;
    }
    return false;
}

void gallery_release() {
    open_gallery.open = false;
    thumbnails.release();
}

std::vector<Gallery_tile_view> gallery_view() {
    std::vector<Gallery_tile_view> view;
    if (!open_gallery.open) return view;
    for (const Gallery::Tile& t : open_gallery.tiles) {
        if (t.picture <= 0) continue;
        Gallery_tile_view v;
        v.picture = t.picture;
        v.tile = t.object;
        v.framed = t.framed;
        v.starred = t.starred;
        v.ring = t.ring;
        v.drawn = t.drawn;
        view.push_back(v);
    }
    return view;
}

std::pair<int, int> gallery_count() { return {open_gallery.finished, open_gallery.total}; }

Object* gallery_plus_tile() {
    if (!open_gallery.open) return nullptr;
    for (const Gallery::Tile& t : open_gallery.tiles)
        if (t.picture == add_tile) return t.object;
    return nullptr;
}
