// panelshots <data folder> <out folder>
//
// Starts the real game in a window of the desktop's size, opens every panel
// and dialog the way the game opens them, in each of the five languages, and
// saves a screenshot of each once it has fully emerged:
//
//   <out>/<en|de|es|ru|fr>/base.png       the base screen with every button shown
//   .../help.png                          the help screen
//   .../main_menu.png                     the main menu
//   .../about.png, clearall.png           the two dialogs over the main menu
//   .../colors.png                        the custom colour dialog
//   .../clear.png, quit.png               the two confirmations
//   .../picker.png, gate.png              who is painting, and the parent's gate over it
//
// The settings go to $XDG_CONFIG_HOME (give it a temporary folder); set
// SDL_AUDIODRIVER=dummy where there is no sound card.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "common/png_writer.h"
#include "game/page_table.h"
#include "ui/gallery.h"
#include "game/game_state.h"
#include "res/media.h"
#include "save/config.h"
#include "scene/draw_blend.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "ui/confirmations.h"
#include "ui/custom_colors.h"
#include "ui/help_screen.h"
#include "ui/interface_buttons.h"
#include "ui/main_menu.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"
#include "ui/profile_picker.h"
#include "save/profiles.h"
#include "save/languages.h"

namespace {


// Long enough for a panel to grow (500 ms) and its backdrop to darken.
constexpr unsigned kEmerge = 700;

void frame() {
    read_input();
    DrawGLScene();
}

void run_for(unsigned ms) {
    const Uint32 until = SDL_GetTicks() + ms;
    while (SDL_GetTicks() < until) frame();
}

// A new panel builds itself in its first frame and loads its artwork then,
// which can take longer than the whole emerging on a slow screen; the clock
// of its growing starts after that, so the wait does too.
void settle() {
    for (int i = 0; i < 3; ++i) frame();
    run_for(kEmerge);
    for (int i = 0; i < 2; ++i) frame();
}

template <typename Done>
bool run_until(Done done, unsigned ms) {
    const Uint32 until = SDL_GetTicks() + ms;
    while (!done() && SDL_GetTicks() < until) frame();
    return done();
}

// The pointer (and the brush with it) at a fraction of the window, or far
// outside it, where it neither covers a panel nor makes anything hover.
void pointer_at(double fx, double fy) {
    mouse.x = static_cast<int>(fx * scena->width);
    mouse.y = static_cast<int>(fy * scena->height);
}
void pointer_away() {
    mouse.x = -4 * scena->width;
    mouse.y = -4 * scena->height;
}

bool make_folder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

// One frame drawn as the game draws it, read back before the swap.
bool shoot(const std::string& path) {
    read_input();
    draw_scene();
    glFinish();
    const int w = scena->width, h = scena->height;
    const size_t row = static_cast<size_t>(w) * 3;
    std::vector<unsigned char> px(row * static_cast<size_t>(h)), flipped(px.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    for (int y = 0; y < h; ++y)
        std::copy_n(px.begin() + static_cast<long>(row * static_cast<size_t>(h - 1 - y)), row,
                    flipped.begin() + static_cast<long>(row * static_cast<size_t>(y)));
    SDL_GL_SwapBuffers();
    hits.recalc();
    const bool ok = write_png(path, flipped.data(), w, h, 3);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
    return ok;
}

// The containers under MENU_GLOBAL that are not on their way out.
std::vector<Object*> open_menus() {
    std::vector<Object*> list;
    for (Object* m : MENU_GLOBAL->links)
        if (!m->deleted) list.push_back(m);
    return list;
}

Object* newest_menu() {
    const std::vector<Object*> list = open_menus();
    return list.empty() ? nullptr : list.back();
}

// Sends `slot` of a menu container, then waits until it has gone.
void close_menu(Object* container, int slot) {
    if (!container) return;
    container->event.send(slot);
    if (!run_until([container] {
            for (Object* m : MENU_GLOBAL->links)
                if (m == container) return false;
            return true;
        }, 3000)) {
        std::fprintf(stderr, "panelshots: a menu did not close; removing it\n");
        container->del();
        run_for(200);
    }
}

// Every menu gone and the base screen answering clicks again.
void close_all() {
    for (Object* m : MENU_GLOBAL->links) m->del();
    run_until([] { return MENU_GLOBAL->links.empty(); }, 3000);
    hits_layer1 = hits_layer2 = false;
    menu_block = false;
}

// The menu button's own opener, given a click on it: the current object is a
// stand-in for the button, and the pick says the pointer is over it.
void click_menu_button() {
    Object stand_in;
    Object* const saved = Object_curent;
    Object_curent = &stand_in;
    hits.hit = &stand_in;
    mouse.left_click = true;
    when_mouse_select_menu_button_f(nullptr);
    mouse.left_click = false;
    hits.hit = nullptr;
    Object_curent = saved;
}

// As the base-screen buttons open a first-level menu.
void open_first_level(void (*build)(void*), int arg) {
    hits_layer1 = true;
    create_default_menu_m(build, arg);
}

// Everything that brings the four coming-and-going buttons: a loaded brush,
// a colour of one's own, a painted region and a step to undo.
void bring_all_buttons() {
    brush_clean = false;
    color_selected = 0;
    conf->set_custom_color(0, Color(0.95, 0.35, 0.6));
    color = conf->get_custom_color(0);
    conf->set_color(11, color, 0);
    signal_show_back_button = true;
}

bool shoot_language(const std::string& out, int language) {
    conf->set_language(language);
    const std::string dir = out + "/" + language_codes[language];
    if (!make_folder(dir)) {
        std::fprintf(stderr, "panelshots: cannot make %s\n", dir.c_str());
        return false;
    }
    bool ok = true;

    pointer_at(0.62, 0.55);
    run_for(300);
    ok = shoot(dir + "/base.png") && ok;
    pointer_away();

    open_first_level(create_help_screen_f, 0);
    settle();
    ok = shoot(dir + "/help.png") && ok;
    close_menu(newest_menu(), 1);
    close_all();

    click_menu_button();
    settle();
    ok = shoot(dir + "/main_menu.png") && ok;
    Object* main_menu = newest_menu();

    create_default_menu_m(create_menu_about_f, 0);
    settle();
    ok = shoot(dir + "/about.png") && ok;
    close_menu(newest_menu(), 1);
    hits_layer2 = false;

    create_default_menu_m(create_menu_clearall_f, 0);
    settle();
    ok = shoot(dir + "/clearall.png") && ok;
    close_menu(newest_menu(), 1);
    hits_layer2 = false;

    close_menu(main_menu, 1);
    close_all();

    open_first_level(create_change_colors_f, color_selected);
    settle();
    ok = shoot(dir + "/colors.png") && ok;
    close_menu(newest_menu(), 2);  // cancel: the brush keeps its colour
    close_all();

    open_first_level(create_clear_confirmation_f, 0);
    settle();
    ok = shoot(dir + "/clear.png") && ok;
    close_menu(newest_menu(), 1);
    close_all();

    open_first_level(create_exit_confirmation_f, 0);
    settle();
    ok = shoot(dir + "/quit.png") && ok;
    close_menu(newest_menu(), 1);
    close_all();

    // Who is painting (three children here), the gate over it, and the
    // picker a grown-up has opened for taking a child out.
    open_profile_picker();
    settle();
    ok = shoot(dir + "/picker.png") && ok;
    ask_parent([](int) {}, 0);
    settle();
    ok = shoot(dir + "/gate.png") && ok;
    close_menu(newest_menu(), 1);
    hits_layer2 = false;
    close_all();

    open_first_level(create_gallery_f, 0);
    settle();
    run_until([] {
        const std::vector<Gallery_tile_view> view = gallery_view();
        bool all = !view.empty();
        for (const Gallery_tile_view& v : view) all = all && v.drawn;
        return all;
    }, 10000);
    frame();
    ok = shoot(dir + "/gallery.png") && ok;
    close_menu(newest_menu(), 1);
    close_all();
    return ok;
}

// Some progress for the gallery to show: picture 3 finished, picture 7
// begun, in the simple variant; the picture on screen stays.
void paint_some_pictures() {
    const int32_t on_screen = conf->page_index;
    for (const auto& [picture, share] : {std::pair<int, double>{3, 1.0}, {7, 0.4}}) {
        conf->set_page(picture);
        std::vector<PageRegion> list = page_regions(page_figures[picture - 1].simple);
        size_t n = 0;
        for (const PageRegion& r : list) n += r.num != 9;
        n = static_cast<size_t>(share * static_cast<double>(n));
        for (const PageRegion& r : list)
            if (r.num != 9 && n > 0) {
                conf->set_color(r.id, Color(), r.num);
                --n;
            }
    }
    conf->page_index = on_screen;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data folder> <out folder>\n", argv[0]);
        return 2;
    }
    std::string data = argv[1];
    if (data.back() != '/') data += '/';
    const std::string out = argv[2];
    if (!make_folder(out)) {
        std::fprintf(stderr, "panelshots: cannot make %s\n", out.c_str());
        return 1;
    }
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);

    media.setpwd(data);
    {
        Profiles children = load_profiles();
        Profile added;
        for (int i = 0; i < 4; ++i) add_profile(children, added);
        save_profiles(children);
    }
    parent_gate_wanted = true;
    scena = new Scena(0, 0, 0);
    init_light();
    load_settings();
    conf->help_on_start = false;
    sound = new Sound();
    start_scene();
    pointer_away();

    // The picture and its tubes grow in, then the four buttons come.
    paint_some_pictures();
    run_for(1500);
    bring_all_buttons();
    run_for(1000);

    bool ok = true;
    for (int language = 0; language < 5; ++language) ok = shoot_language(out, language) && ok;

    exit_scene();
    for (int guard = 0; frame_loop_running() && guard < 500; ++guard) frame();
    draw_blend_models.models.clear();
    free_game();
    delete scena;
    scena = nullptr;
    return ok ? 0 : 1;
}
