#include "preview_scenes.h"
#include "save/config.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "anim/draw_hooks.h"
#include "assetbuild/layout.h"
#include "res/media.h"
#include "scene/object.h"
#include "shell/scena.h"

// The places below are the game's own, as its builders use them.

namespace {

const char* kLang = "langen.pak";
int kLanguage = 0;

Object* make(Object* parent, const char* pak, const char* name, double x, double y, double z) {
    Object* o = new Object();
    if (pak) o->add(pak, name);
    o->chposition(x, y, z);
    parent->addlink(o);
    return o;
}

Object* turned(Object* o) {
    o->chrot(-90, 0, 0);
    return o;
}

struct Edges {
    double xl, xr, yb;
};

Edges edges() { return {scena->get_x_coord(-39.0), scena->get_x_coord(39.0), scena->get_y_coord(-39.0)}; }

bool archive_exists(const char* name) { return access((media.pwd + name).c_str(), R_OK) == 0; }

void add_picture(Object* map) {
    Object* root = turned(make(map, nullptr, nullptr, 0, 0, 0));
    if (archive_exists("page01.pak")) {
        make(root, "page01.pak", "block", 0, 0, 0);
        Object* overlay = make(root, "page01.pak", "list_nums", 0, 0, 0);
        overlay->add("page01.pak", "list_kontur");
    }
    // A burst of bubbles over the picture, as a finished picture releases them.
    const double colours[4][3] = {{0.95, 0.3, 0.3}, {0.3, 0.6, 1.0}, {1.0, 0.85, 0.2}, {0.4, 0.85, 0.4}};
    unsigned r = 12345;
    for (int i = 0; i < 30; ++i) {
        r = r * 1103515245u + 12345u;
        const unsigned r1 = (r >> 8) % 78;
        r = r * 1103515245u + 12345u;
        const unsigned r2 = (r >> 8) % 68;
        const std::string name = "buble" + std::to_string(i % 5 + 1);
        Object* b = make(root, "interface.pak", name.c_str(), r1 / 5.0 - 5.0, -77.0, r2 / 5.0 - 6.35);
        b->addfun(face_on_top, nullptr);
        b->chscale(0.1 + 0.2 * (i % 3) / 2.0, 0.1 + 0.2 * (i % 3) / 2.0, 0.1 + 0.2 * (i % 3) / 2.0);
        b->setcolor(colours[i % 4][0], colours[i % 4][1], colours[i % 4][2], 1.0);
    }
}

void add_buttons(Object* map, bool all) {
    Object* builder = make(map, nullptr, nullptr, 0, 0, 0);
    const Edges e = edges();
    const double top = -0.92 - e.yb;
    turned(make(builder, "interface.pak", "knopka_close", -0.92 - e.xl - 0.1, top, 61));
    turned(make(builder, "interface.pak", "knopka_help", 2.9 - e.xr + 0.1, top, 61));
    turned(make(builder, "interface.pak", "knopka_menu", 0.92 - e.xr + 0.1, top, 61));
    turned(make(builder, "interface.pak", "knopka_left", 14.973, -13.155, 61));
    turned(make(builder, "interface.pak", "knopka_right", 14.973, -13.155, 61));
    if (!all) return;
    turned(make(builder, "interface.pak", "knopka_color", -7.5, top, 61));
    turned(make(builder, "interface.pak", "knopka_reset", -3.7, top, 61));
    turned(make(builder, "interface.pak", "knopka_back", 4.3, top, 61));
    turned(make(builder, "interface.pak", "knopka_clear", 7.3, top, 61));
    // The gallery and the camera in the gap of the top row.
    turned(make(builder, "interface.pak", "knopka_gallery", -0.7, top, 61));
    turned(make(builder, "interface.pak", "knopka_camera", 1.3, top, 61));
}

Object* add_tube(Object* root, int i, bool numbers, double x, double y, double z, const double* colour) {
    Object* holder = turned(make(root, nullptr, nullptr, x, y, z));
    Object* tube = new Object();
    Object* ribbon = make(tube, "interface.pak", "lenta", 0, 0, 0);
    ribbon->scale_children = true;
    ribbon->setcolor(colour[0], colour[1], colour[2], 1.0);
    if (numbers) {
        const std::string label = "tubik" + std::to_string(i + 1);
        make(ribbon, "interface.pak", label.c_str(), 0, 0, 0);
        tube->chrot(-26.553, 70.428, 52.833);
    } else {
        tube->chrot(39.716, 35.708, 89.14);
    }
    tube->add("interface.pak", "tubik_no_num");
    holder->addlink(tube);
    return tube;
}

void add_tubes(Object* map, bool numbers) {
    Object* tube_holder = make(map, nullptr, nullptr, 0, 0, 0);
    tube_holder->addfun(add_light, nullptr);
    Object* root = make(tube_holder, nullptr, nullptr, 0, 0, 0);
    if (numbers) {
        // Picture 1's palette, nine tubes.
        const int hex[9] = {0x93C700, 0xDFFF66, 0x23AF01, 0x6F0484, 0x5B00E7, 0x00BDDB, 0xFFD200, 0xFF9000, 0x6DDAF9};
        const double ys[9] = {5.282, 3.929, 2.576, 1.224, -0.129, -1.482, -2.835, -4.188, -5.541};
        for (int i = 0; i < 9; ++i) {
            const double c[3] = {((hex[i] >> 16) & 255) / 255.0, ((hex[i] >> 8) & 255) / 255.0, (hex[i] & 255) / 255.0};
            add_tube(root, i, true, -9.857, ys[i], 77.0, c);
        }
        return;
    }
    const int free_palette[18][3] = {{255, 255, 255}, {255, 255, 0}, {255, 204, 51}, {255, 153, 0}, {255, 0, 0}, {255, 102, 102},
                                     {255, 204, 204}, {204, 0, 204}, {153, 51, 204}, {0, 0, 255},   {102, 0, 153},  {0, 204, 255},
                                     {0, 204, 153},   {102, 153, 102}, {204, 204, 0}, {153, 204, 0}, {102, 102, 0}, {51, 51, 51}};
    const double even_y[9] = {5.426, 4.0, 2.575, 1.149, -0.277, -1.703, -3.128, -4.554, -5.98};
    const double odd_y[9] = {5.575, 4.149, 2.724, 1.298, -0.128, -1.554, -2.979, -4.405, -5.831};
    for (int i = 0; i < 18; ++i) {
        const double c[3] = {free_palette[i][0] / 256.0, free_palette[i][1] / 256.0, free_palette[i][2] / 256.0};
        add_tube(root, i, false, i % 2 ? -9.983 : -11.54, i % 2 ? odd_y[i / 2] : even_y[i / 2], 75.0, c);
    }
}

void add_brush(Object* cursor, double nx, double ny, const double* colour) {
    Object* builder = make(cursor, nullptr, nullptr, 0, 0, 0);
    const double ex = scena->get_x_coord(-17.0), ey = scena->get_y_coord(-17.0);
    Object* handle = make(builder, "interface.pak", "kist_ruchka", -(nx * ex), ny * ey, 83.0);
    handle->chrot(-125.0, 0.0, 180.0);
    Object* bristles = make(handle, "interface.pak", "kist_vors_color", 0, 0, 0);
    bristles->setcolor(colour[0], colour[1], colour[2], 1.0);
}

void base_screen(Object* map, Object* cursor, bool numbers, bool all_buttons = true) {
    turned(make(map, "interface.pak", "fon", 0, 0, 0));
    add_buttons(map, all_buttons);
    add_picture(map);
    add_tubes(map, numbers);
    const double red[3] = {0.9, 0.15, 0.2};
    add_brush(cursor, 0.62, 0.5, red);
}

Object* menu_global(Object* map) { return turned(make(map, nullptr, nullptr, 0, 0, 0)); }

Object* panel(Object* container, const char* frame, const char* text, double y) {
    Object* p = make(container, "langall.pak", frame, 0, y, 0);
    p->add(kLang, text);
    p->scale_children = true;
    return p;
}

void check_box(Object* parent, double x, double z, bool on) {
    make(parent, "langall.pak", "unchecked", x, -0.2, z);
    Object* tick = make(parent, "langall.pak", "checked", x, -0.2, z);
    tick->setalfa(on ? 1.0 : 0.0);
}

void main_menu(Object* menus) {
    Object* container = make(menus, nullptr, nullptr, 0, 0, 0);
    make(container, "langall.pak", "menu_alpha", 0, 0, 0);
    Object* p = panel(container, "menu_dialog", "setup", -81.5);
    using namespace layout;
    check_box(p, sound_box.x, sound_box.z, true);
    check_box(p, music_box.x, music_box.z, false);
    check_box(p, numbers_box.x, numbers_box.z, true);
    check_box(p, detailed_box.x, detailed_box.z, false);
    make(p, "langall.pak", "button_close", menu_close.x, -0.2, menu_close.z);
    make(p, kLang, "setup_button_about", about_button.x, -0.2, about_button.z);
    make(p, kLang, "setup_button_clearall", clearall_button.x, -0.2, clearall_button.z);
    make(p, kLang, "setup_button_web", web_button.x, -0.2, web_button.z);
    make(p, kLang, "setup_button_print", print_button.x, -0.2, print_button.z);
    const char* labels[5] = {"setup_lang_en", "setup_lang_de", "setup_lang_es", "setup_lang_ru", "setup_lang_fr"};
    for (int i = 0; i < 5; ++i) {
        if (i == kLanguage) make(p, "langall.pak", "setup_lang_cursor", language_x[i], -0.2 + 0.1, language_z);
        make(p, "langall.pak", labels[i], language_x[i], -0.2, language_z);
    }
    // Switches off, the middle pace.
    const char* rows[2][3] = {{"setup_switch0", "setup_switch1", "setup_switch2"},
                              {"setup_speed0", "setup_speed1", "setup_speed2"}};
    const double rows_z[2] = {switches_z, speed_z};
    for (int r = 0; r < 2; ++r) {
        make(p, "langall.pak", "setup_choice_cursor", choice_x[r == 0 ? 0 : 1], -0.2 + 0.1, rows_z[r]);
        for (int i = 0; i < 3; ++i) make(p, "langall.pak", rows[r][i], choice_x[i], -0.2, rows_z[r]);
    }
}

void confirmation(Object* menus, const char* text, double y, double widget_y) {
    Object* container = make(menus, nullptr, nullptr, 0, 0, 0);
    if (y > -82) make(container, "langall.pak", "menu_alpha", 0, 0, 0);
    Object* p = panel(container, "dialog_background", text, y);
    make(p, kLang, "button_ok", -1.323, widget_y, -1.633);
    make(p, kLang, "button_cancel", 1.696, widget_y, -1.633);
}

void about(Object* menus) {
    Object* container = make(menus, nullptr, nullptr, 0, 0, 0);
    Object* p = panel(container, "dialog_background", "about", -82.5);
    make(p, kLang, "button_close", 0.255, -0.2, -2.305);
    make(p, kLang, "button_facebook", -2.0, -0.2, -0.25);
    make(p, kLang, "button_twitter", 2.45, -0.2, -0.25);
}

void help(Object* menus) {
    Object* container = make(menus, nullptr, nullptr, 0, 0, 0);
    const double top = -0.92 - edges().yb;
    make(container, "interface.pak", "knopka_color", -7.5, -61.005, top);
    make(container, "interface.pak", "knopka_back", 4.3, -61.005, top);
    make(container, "interface.pak", "knopka_clear", 7.3, -61.005, top);
    make(container, "langall.pak", "menu_alpha", 0, 0, 0);
    Object* holder = make(container, nullptr, nullptr, 0, 0, 0);
    Object* p = panel(container, "help_dialog", "help", -81.5);
    make(p, "langall.pak", "help_select", -3.494, -0.2, -0.44);
    make(p, kLang, "help_mode1", -3.494, -0.2, -0.44);
    make(p, kLang, "help_mode2", 0.136, -0.2, -0.44);
    make(p, kLang, "help_mode3", 3.767, -0.2, -0.44);
    make(holder, kLang, "help_bg", 0, -81.5, 0);
    make(p, kLang, "button_ok", 0.136, -0.2, -3.212);
    check_box(p, -3.428, -4.17, true);
}

void colors(Object* menus) {
    Object* container = make(menus, nullptr, nullptr, 0, 0, 0);
    make(container, "langall.pak", "menu_alpha", 0, 0, 0);
    Object* p = panel(container, "colors_dialog", "text_void", -81.5);
    Object* current = make(p, "interface.pak", "color_const", 0, 0, 0);
    current->setcolor(0.9, 0.15, 0.2, 1.0);
    Object* hover = make(p, "interface.pak", "color_hover", 0, 0, 0);
    hover->setcolor(0.2, 0.5, 0.95, 1.0);
    Object* palette = make(p, "interface.pak", "palitra_gradient", 0, 0, 0);
    palette->add("interface.pak", "palitra_colors");
    make(p, "langall.pak", "button_close", 4.296, -0.2, 2.994);
}

// The gallery's first page: 19 thumbnails (tinted, where the game shows
// its pictures), the tile that adds one, the marks, the count "★ 7 / 20".
void gallery(Object* menus) {
    using namespace layout;
    Object* container = make(menus, nullptr, nullptr, 0, 0, 0);
    make(container, "langall.pak", "menu_alpha", 0, 0, 0);
    Object* p = panel(container, "gallery_dialog", "gallery", -81.5);
    const double tints[6][3] = {{1.0, 0.93, 0.75}, {0.82, 0.93, 1.0}, {0.85, 1.0, 0.85},
                                {1.0, 0.86, 0.9},  {0.93, 0.88, 1.0}, {1.0, 1.0, 1.0}};
    const int finished[] = {2, 5, 11}, begun[][2] = {{6, 12}, {8, 3}, {13, 20}, {16, 1}};
    for (int i = 0; i < 20; ++i) {
        const double x = gallery_columns_x[i % 5], z = gallery_rows_z[i / 5];
        if (i == 19) {
            make(p, "langall.pak", "gallery_add", x, -0.2, z);
            continue;
        }
        Object* thumb = make(p, "langall.pak", "gallery_thumb", x, -0.2, z);
        thumb->setcolor(tints[i % 6][0], tints[i % 6][1], tints[i % 6][2], 1.0);
        if (i == 7) make(p, "langall.pak", "gallery_frame", x, -0.2, z);
        const double corner = gallery_thumb_size / 2 - 0.12;
        for (int f : finished)
            if (f == i) make(p, "langall.pak", "gallery_star", x + corner, -0.3, z + corner);
        for (const auto& b : begun)
            if (b[0] == i) {
                make(p, "langall.pak", "gallery_ring_back", x + corner, -0.3, z + corner);
                char name[32];
                std::snprintf(name, sizeof name, "gallery_ring%02d", b[1]);
                make(p, "langall.pak", name, x + corner, -0.3, z + corner);
            }
    }
    make(p, "langall.pak", "button_close", gallery_close.x, -0.2, gallery_close.z);
    make(p, "langall.pak", "gallery_arrow_left", gallery_arrow_left.x, -0.2, gallery_arrow_left.z);
    make(p, "langall.pak", "gallery_arrow_right", gallery_arrow_right.x, -0.2, gallery_arrow_right.z);
    // "★ 7 / 20", ending at the count's right edge.
    struct Glyph {
        const char* name;
        double before, advance, after;
    };
    const Glyph glyphs[] = {{"gallery_count_star", 0, gallery_star_advance, gallery_star_gap},
                            {"gallery_digit7", 0, gallery_digit_advance, 0},
                            {"gallery_slash", gallery_slash_gap, gallery_slash_advance, gallery_slash_gap},
                            {"gallery_digit2", 0, gallery_digit_advance, 0},
                            {"gallery_digit0", 0, gallery_digit_advance, 0}};
    double width = 0;
    for (const Glyph& g : glyphs) width += g.before + g.advance + g.after;
    double x = gallery_count.x1 - width;
    for (const Glyph& g : glyphs) {
        x += g.before;
        make(p, "langall.pak", g.name, x + g.advance / 2, -0.2, gallery_band_z);
        x += g.advance + g.after;
    }
}

void closeup(Object* map, Object* cursor) {
    turned(make(map, "interface.pak", "fon", 0, 0, 0));
    // Tubes and bubbles four times nearer than the game has them.
    Object* near_root = make(map, nullptr, nullptr, 0, 0, 0);
    near_root->addfun(add_light, nullptr);
    Object* group = make(near_root, nullptr, nullptr, 0, 0, 88.0);
    group->chscale(0.45, 0.45, 0.45);
    group->scale_children = true;
    const double green[3] = {0.36, 0.78, 0.0}, pink[3] = {1.0, 0.4, 0.4};
    add_tube(group, 6, true, -6.0, 3.0, 0.0, green);
    add_tube(group, 0, false, -6.0, -3.5, 0.0, pink);
    const double bubble[3] = {0.3, 0.6, 1.0};
    for (int i = 0; i < 5; ++i) {
        const std::string name = "buble" + std::to_string(i + 1);
        Object* b = make(near_root, "interface.pak", name.c_str(), -1.0 + i * 1.6, 4.0, 88.0);
        b->addfun(face_on_top, nullptr);
        b->chscale(0.3, 0.3, 0.3);
        b->setcolor(bubble[0], bubble[1], bubble[2], 1.0);
    }
    const double brush_colour[3] = {0.2, 0.45, 1.0};
    add_brush(cursor, 0.3, 0.3, brush_colour);
}

}  // namespace

bool build_scene(const std::string& name, int language, Object* map, Object* cursor) {
    kLanguage = language >= 0 && language < 5 ? language : 0;
    kLang = packnames[kLanguage];
    if (name == "base") {
        base_screen(map, cursor, true);
    } else if (name == "free") {
        base_screen(map, cursor, false);
    } else if (name == "menu") {
        base_screen(map, cursor, true, false);
        main_menu(menu_global(map));
    } else if (name == "about" || name == "clearall") {
        base_screen(map, cursor, true, false);
        Object* menus = menu_global(map);
        main_menu(menus);
        if (name == "about")
            about(menus);
        else
            confirmation(menus, "menu_clearall", -82.5, -0.171);
    } else if (name == "exit" || name == "clear") {
        base_screen(map, cursor, true);
        confirmation(menu_global(map), name == "exit" ? "menu_exit" : "menu_clear", -81.5, name == "exit" ? -0.2 : -0.171);
    } else if (name == "help") {
        base_screen(map, cursor, true, false);
        help(menu_global(map));
    } else if (name == "colors") {
        base_screen(map, cursor, true);
        colors(menu_global(map));
    } else if (name == "gallery") {
        base_screen(map, cursor, true, false);
        gallery(menu_global(map));
    } else if (name == "closeup") {
        closeup(map, cursor);
    } else {
        return false;
    }
    return true;
}
