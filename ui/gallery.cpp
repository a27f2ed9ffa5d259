#include "ui/gallery.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "anim/slot_builder.h"
#include "game/navigation.h"
#include "game/page_table.h"
#include "game/pages.h"
#include "game/picture_render.h"
#include "save/config.h"
#include "scene/model.h"
#include "scene/object.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/offscreen.h"
#include "shell/scena.h"
#include "ui/buttons.h"
#include "ui/menu.h"

namespace {

// The panel's layout, in its own frame (x right, z up); the artwork is
// drawn to the same numbers.
constexpr double column_x[5] = {-6.4, -3.2, 0.0, 3.2, 6.4};
constexpr double row_z[4] = {3.5, 0.65, -2.2, -5.05};
constexpr double widget_y = -0.2;
constexpr double mark_y = -0.05;          // marks lie on their thumbnail
constexpr double corner = 1.05;           // a mark's offset from a thumbnail's middle
constexpr double title_z = 5.72;
constexpr double close_x = 7.8;
constexpr double count_x = 4.9;           // the middle of the count
constexpr double digit_advance = 0.42;
constexpr double slash_advance = 0.36;
constexpr double star_advance = 0.8;
constexpr double count_gap = 0.14;
constexpr double hover_scale = 1.08;
constexpr int ring_steps = 24;

// What the gallery keeps between openings: a texture per tile, what each
// shows, and the framebuffer the thumbnails are drawn in.
struct Thumbnails {
    Offscreen work;
    Offscreen tiles[gallery_tiles];
    uint64_t shows[gallery_tiles] = {};
    bool ready = false;

    bool make() {
        if (ready) return true;
        const int samples = scena && scena->multisampled ? 4 : 0;
        if (!work.create(thumbnail_pixels, thumbnail_pixels, samples, true)) return false;
        for (Offscreen& t : tiles)
            if (!t.create_texture(thumbnail_pixels, thumbnail_pixels)) return false;
        ready = true;
        return true;
    }
    void release() {
        work.release();
        for (Offscreen& t : tiles) t.release();
        for (uint64_t& s : shows) s = 0;
        ready = false;
    }
};
Thumbnails thumbnails;

// One opening of the gallery: the tiles shown and those still to draw.
struct Gallery {
    struct Tile {
        int picture = 0;
        Object* object = nullptr;
        uint64_t painting = 0;  // what the thumbnail must show
        bool drawn = false;
        bool framed = false, starred = false;
        int ring = 0;
    };
    std::vector<Tile> tiles;
    bool detailed = false;
    int finished = 0, total = 0;
};

Object* mark(Object* tile, const char* name, double x, double z, std::vector<event_and_command>& vanish) {
    Object* m = new Object();
    m->add("langall.pak", name);
    m->chposition(x, mark_y, z);
    add_slot(m, {make_action(unmerge_transparency_f)});
    tile->addlink(m);
    vanish.push_back({&m->event, 1});
    return m;
}

void add_marks(Gallery::Tile& t, bool detailed, std::vector<event_and_command>& vanish) {
    Object* tile = t.object;
    tile->scale_children = true;  // the marks lift with their thumbnail
    t.framed = t.picture == conf->get_page();
    if (t.framed) mark(tile, "gallery_frame", 0.0, 0.0, vanish);
    const Picture_progress p = picture_progress(t.picture, detailed);
    t.starred = p.finished();
    if (p.finished()) {
        mark(tile, "gallery_star", corner, corner, vanish);
    } else if (p.begun()) {
        // At least one step for a begun picture, never the whole ring.
        int step = (p.painted * ring_steps + p.total / 2) / p.total;
        if (step < 1) step = 1;
        if (step > ring_steps - 1) step = ring_steps - 1;
        t.ring = step;
        mark(tile, "gallery_ring_back", corner, corner, vanish);
        char name[32];
        std::snprintf(name, sizeof name, "gallery_ring%02d", step);
        mark(tile, name, corner, corner, vanish);
    }
}

// "★ n / N" in the title row, from the glyphs of "langall.pak".
void add_count(Object* panel, int finished, int total, std::vector<event_and_command>& vanish) {
    std::vector<std::pair<std::string, double>> glyphs;
    glyphs.push_back({"gallery_count_star", star_advance});
    glyphs.push_back({"", count_gap});
    for (char c : std::to_string(finished)) glyphs.push_back({std::string("gallery_digit") + c, digit_advance});
    glyphs.push_back({"", count_gap});
    glyphs.push_back({"gallery_slash", slash_advance});
    glyphs.push_back({"", count_gap});
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
    for (size_t i = 0; i < conf->pages.size(); ++i) {
        if (conf->pages[i] != picture) continue;
        for (const Piece_qor& p : detailed ? conf->hpieces_qor[i] : conf->pieces_qor[i]) {
            mix(&p.uid, sizeof p.uid);
            mix(&p.num, sizeof p.num);
        }
        for (const Piece& p : detailed ? conf->hpieces[i] : conf->pieces[i]) {
            mix(&p.uid, sizeof p.uid);
            mix(&p.color, sizeof p.color);
        }
        for (const Custom_color& c : conf->custom_colors_qor[i]) {
            mix(&c.uid, sizeof c.uid);
            mix(&c.color, sizeof c.color);
        }
    }
    return h == 0 ? 1 : h;
}

double now_ms() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

}  // namespace

void create_gallery_f(void*) {
    Object* container = Object_curent;
    hits_layer1 = true;
    const event_and_command backdrop = create_transparent_background_m(nullptr);
    Object* panel = create_default_background_m("gallery_dialog", "gallery", 0.0, -81.5, 0.0);
    std::vector<event_and_command> parts{{&panel->event, 1}, backdrop};
    parts.push_back(create_default_button_m(panel, "button_close", close_x, widget_y, title_z,
                                            when_mouse_select_button_cancel_f, container, 1, false, 0, 0, 0, 1.1));

    Gallery* gallery = &open_gallery;
    *gallery = Gallery();
    gallery->detailed = conf->detailed;
    int finished = 0;
    for (int i = 0; i < page_count && i < gallery_tiles; ++i) {
        const int picture = pages_order[i];
        const event_and_command tile =
            create_default_button_m(panel, "gallery_thumb", column_x[i % 5], widget_y, row_z[i / 5],
                                    when_mouse_select_gallery_tile_f, container, 1, false, picture, 0, 0, hover_scale);
        parts.push_back(tile);
        Gallery::Tile t;
        t.picture = picture;
        t.object = panel->links.back();
        t.painting = painting_signature(picture, gallery->detailed);
        add_marks(t, gallery->detailed, parts);
        finished += t.starred;
        gallery->tiles.push_back(t);
    }
    gallery->finished = finished;
    gallery->total = page_count;
    add_count(panel, finished, page_count, parts);

    // The thumbnails are drawn by an object of their own, which goes with
    // the container: its tiles are never drawn into once they are freed.
    Object* painter = new Object();
    start_slot(painter, {make_action(gallery_draw_thumbnails_f, 0.0, gallery)});
    container->addlink(painter);
    add_close_slot(container, parts);
}

// Thumbnails until 30 ms have gone on them in this frame, at least one a
// frame, so the panel keeps growing while the pictures come; a thumbnail
// that already shows what it must (from an earlier opening) is kept.
void gallery_draw_thumbnails_f(void* param) {
    Gallery* gallery = static_cast<Gallery*>(param);
    if (!thumbnails.make()) {
        Action_curent->set_rip();
        return;
    }
    const double start = now_ms();
    size_t done = 0;
    for (size_t i = 0; i < gallery->tiles.size(); ++i) {
        Gallery::Tile& t = gallery->tiles[i];
        if (t.drawn) {
            ++done;
            continue;
        }
        Offscreen& into = thumbnails.tiles[i];
        if (thumbnails.shows[i] != t.painting) {
            if (done > 0 && now_ms() - start > 30.0) return;
            Object* picture = build_painted_picture(t.picture, gallery->detailed);
            thumbnails.shows[i] = draw_picture_offscreen(picture, thumbnails.work, into) ? t.painting : 0;
            Object::destroy_tree(picture);
        }
        if (thumbnails.shows[i] == t.painting && !t.object->models.empty())
            t.object->models[0]->show_texture(into.texture());
        t.drawn = true;
        ++done;
    }
    Action_curent->set_rip();
}

void when_mouse_select_gallery_tile_f(void* container) {
    if (menu_block || !hits.is_hit() || !hits_layer1 || hits_layer2 || !mouse.left_click) return;
    play_button_sound();
    const int picture = Action_curent->iparam1;
    if (picture != conf->get_page()) goto_page(picture);
    static_cast<Object*>(container)->event.send(1);
    hits_layer1 = false;
}

void gallery_release() { thumbnails.release(); }

std::vector<Gallery_tile_view> gallery_view() {
    std::vector<Gallery_tile_view> view;
    for (const Gallery::Tile& t : open_gallery.tiles) {
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
