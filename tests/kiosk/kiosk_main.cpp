// A school's kiosk: the machine's file says quit = no and print = no, the
// user's file import = no, the command line --web-link=no. Thousands of
// random clicks and keys (the soak's player, with Escape and Q thrown in
// besides) must find no way out of the game: the game never starts to end,
// no quit button, "Print pages", web link or "+" tile is ever there to be
// chosen, and no child process is ever started (stand-ins for the file
// choosers, the opener and the printer record any run, and the process's
// children are counted by the kernel).
//   kiosk_test [--events N] [--seed S]
// Exits 1 at the first way out found.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "res/media.h"
#include "res/platform.h"
#include "save/machine_config.h"
#include "scene/object.h"
#include "shell/command_line.h"
#include "shell/frame_clock.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "ui/choices.h"
#include "ui/gallery.h"
#include "ui/interface_buttons.h"
#include "ui/buttons.h"
#include "ui/main_menu.h"
#include "soak/random_player.h"
#include "support/game_session.h"
#include "support/temp_folder.h"

namespace {

int fail(const std::string& what) {
    std::fprintf(stderr, "kiosk: %s\n", what.c_str());
    return 1;
}

void write(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

// Programs the game could run, each recording its own run in `record`.
void stand_ins(const TempFolder& folder, const std::string& record) {
    mkdir(folder.file("bin").c_str(), 0700);
    for (const char* name : {"zenity", "kdialog", "xdg-open", "lp", "lpr", "pintabo-import", "pintabo-sheets"}) {
        const std::string path = folder.file(std::string("bin/") + name);
        write(path, "#!/bin/sh\necho \"" + std::string(name) + " $*\" >> '" + record + "'\nexit 0\n");
        chmod(path.c_str(), 0755);
    }
    setenv("PATH", (folder.file("bin") + ":" + std::getenv("PATH")).c_str(), 1);
}

// What a child must never be able to choose, anywhere in the scene.
const char* way_out(const Object* o) {
    if (o->deleted) return nullptr;
    for (const Action& a : o->animate.actions) {
        if (a.fun == select_quit_button_f) return "the quit button";
        if (a.fun == when_mouse_select_print_button_f) return "\"Print pages\"";
        if (a.fun == when_mouse_select_web_button_f) return "a web link";
    }
    for (const Object* child : o->links)
        if (const char* found = way_out(child)) return found;
    return nullptr;
}

bool main_menu_open() {
    for (const Choice& c : choices_on_screen())
        for (const Action& a : c.object->animate.actions)
            if (a.fun == when_mouse_select_about_button_f) return true;
    return false;
}

SDL_Event key_event(SDLKey key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    return e;
}

bool file_exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

}  // namespace

int main(int argc, char** argv) {
    unsigned long events_wanted = 2000;
    unsigned seed = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--events")) events_wanted = std::strtoul(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--seed")) seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
    }
    TempFolder folder;
    const std::string record = folder.file("programs-run");
    setenv("HOME", folder.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
    setenv("XDG_CONFIG_DIRS", folder.file("xdg").c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    stand_ins(folder, record);
    mkdir(folder.file("xdg").c_str(), 0700);
    mkdir(folder.file("xdg/pintabo").c_str(), 0700);
    mkdir(folder.file("pintabo").c_str(), 0700);
    write(folder.file("xdg/pintabo/pintabo.conf"), "# the school's machine\nquit = no\nprint = no\nwindow = 320x240\n");
    write(folder.file("pintabo/pintabo.conf"), "import = no\n");

    const char* const game_argv[] = {"pintabo", "--web-link=no"};
    if (take_command_line(2, game_argv) != -1) return fail("the settings were refused");
    const Machine_settings& m = machine_settings;
    if (m.quit || m.print || m.import || m.web_link || m.fullscreen)
        return fail("the settings did not reach the game");

    media.setpwd(get_boundle_path() + "/../data/");
    scena = new Scena(m.window_width, m.window_height, 32, false);
    init_light();
    frame_clock = replay_clock;
    void (*const frame)() = session_frame;

    // First, with the buttons there, the search for a way out finds one.
    {
        const Machine_settings kiosk = machine_settings;
        machine_settings = Machine_settings();
        session_start(false);
        for (int i = 0; i < 5; ++i) frame();
        const bool found = way_out(map) != nullptr;
        session_quit(frame);
        machine_settings = kiosk;
        if (!found) return fail("with the usual settings no quit button is found: the search cannot see one");
    }

    Random_player player(seed, m.window_width, m.window_height);
    std::srand(seed);
    session_start(true);
    unsigned long frames = 0, extra_keys = 0, menu_frames = 0, gallery_frames = 0;
    const auto events = [&] { return player.counts().clicks + player.counts().keys + extra_keys; };
    while (events() < events_wanted) {
        player.play_frame();
        // Escape and Q, the keys a child tries to get out with.
        if (std::rand() % 5 == 0) {
            SDL_Event e = key_event(std::rand() % 2 ? SDLK_ESCAPE : SDLK_q);
            SDL_PushEvent(&e);
            ++extra_keys;
        }
        frame();
        ++frames;
        if (!frame_loop_running() || map->deleted) return fail("the game began to end at frame " + std::to_string(frames));
        if (const char* found = way_out(map)) return fail(std::string(found) + " is there at frame " + std::to_string(frames));
        if (gallery_plus_tile()) return fail("the gallery offers its \"+\" tile at frame " + std::to_string(frames));
        if (main_menu_open()) ++menu_frames;
        if (!gallery_view().empty()) ++gallery_frames;
    }
    session_quit(frame);

    std::printf("kiosk: seed %u, %lu frames, %lu clicks (%lu on objects), %lu keys, %lu Escape or Q, "
                "%lu frames in the main menu, %lu in the gallery\n",
                seed, frames, player.counts().clicks, player.counts().object_clicks, player.counts().keys, extra_keys,
                menu_frames, gallery_frames);
    if (menu_frames == 0) return fail("the main menu was never opened: its buttons went untried");
    if (gallery_frames == 0) return fail("the gallery was never opened: its tiles went untried");

    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    const bool running = waitpid(-1, nullptr, WNOHANG) != -1 || errno != ECHILD;
    if (file_exists(record) || children.ru_maxrss != 0 || running) {
        std::ifstream in(record);
        std::string line, ran;
        while (std::getline(in, line)) ran += " [" + line + "]";
        return fail("a child process was started:" + ran);
    }

    // The watch can see a run: the opener, started the way a web link starts it.
    visit_site("https://pintabo.example.org/");
    for (int i = 0; i < 100 && !file_exists(record); ++i) usleep(50000);
    getrusage(RUSAGE_CHILDREN, &children);
    if (!file_exists(record) || children.ru_maxrss == 0) return fail("a program run is not seen");
    // The window stays open to the end, as in the soak.
    return 0;
}
