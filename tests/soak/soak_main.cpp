// Hours of a child's random play in one process: the real start-up, SDL
// events pushed by a random player with a fixed seed, the rules of
// Game_invariants checked after every frame, quits (the quit dialog, a web
// link, now and then one of our own) followed by a fresh start on the file
// just saved. Own pictures are made at the start; their archives are removed,
// damaged and put back as it plays, and the gallery's "+" tile has a
// stand-in chooser. Built with the sanitizers, a leak or a fault ends it too.
//   soak_test [--seconds N] [--seed S] [--size WxH]
// Prints what it went through; exits 1 at the first broken rule.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "res/media.h"
#include "save/config.h"
#include "save/profiles.h"
#include "ui/parent_gate.h"
#include "res/platform.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "shell/frame_loop.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "soak/folder_hazards.h"
#include "soak/game_invariants.h"
#include "soak/random_player.h"
#include "support/game_session.h"
#include "support/temp_folder.h"

namespace {

uint32_t stepped_now = 0;
// Every frame is 33 ms later than the last, however long it took to draw:
// the same seed plays the same game on any machine.
uint32_t stepped_clock() { return stepped_now += 33; }

void frame() {
    read_input();
    DrawGLScene();
}

int fail(const std::string& what, unsigned seed, unsigned long frame_number) {
    std::fprintf(stderr, "soak: seed %u, frame %lu: %s\n", seed, frame_number, what.c_str());
    return 1;
}

// The web links open this instead of a browser: it does nothing.
void fake_browser(const TempFolder& folder) {
    const std::string opener = folder.file("bin/xdg-open");
    mkdir(folder.file("bin").c_str(), 0700);
    std::ofstream(opener) << "#!/bin/sh\nexit 0\n";
    chmod(opener.c_str(), 0755);
    setenv("PATH", (folder.file("bin") + ":" + std::getenv("PATH")).c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 60.0;
    unsigned seed = 1;
    int width = 800, height = 600;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--seconds")) seconds = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seed")) seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--size")) std::sscanf(argv[i + 1], "%dx%d", &width, &height);
    }
    TempFolder folder;
    mkdir(folder.file("hazards").c_str(), 0700);
    setenv("HOME", folder.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    fake_browser(folder);
    std::srand(seed);
    media.setpwd(get_boundle_path() + "/../data/");
    // A window of its own size: smaller frames, more play per minute.
    scena = new Scena(width, height, 32);
    init_light();
    frame_clock = stepped_clock;

    // Own pictures beside the built-in ones, and what befalls their folder.
    Folder_hazards hazards(seed, folder.file("hazards"), 3);
    Random_player player(seed, width, height);
    Game_invariants rules;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    unsigned long frames = 0, starts = 0, child_changes = 0;
    // Three children paint here; a random click on "+" or "-" adds or
    // takes out more (the gate is a grown-up's, not the soak's, to answer).
    {
        Profiles children = load_profiles();
        Profile added;
        add_profile(children, added);
        add_profile(children, added);
        save_profiles(children);
    }
    parent_gate_wanted = false;
    session_start(true);  // a first start: the help screen comes up
    ++starts;
    while (elapsed() < seconds) {
        player.play_frame();
        hazards.play_frame();
        frame();
        ++frames;
        const std::string broken = rules.check_frame();
        if (!broken.empty()) return fail(broken, seed, frames);
        // Another child chosen on the picker: the last child's file holds
        // all they painted before the next child's scene stands.
        if (profile_change_pending()) {
            static Game_invariants* checking = nullptr;
            static std::string lost_by_leaving;
            checking = &rules;
            lost_by_leaving.clear();
            if (!session_next_child(frame, [] { lost_by_leaving = checking->check_saved_file(current_settings_path()); }))
                return fail("the next child's scene did not start", seed, frames);
            if (!lost_by_leaving.empty()) return fail(lost_by_leaving, seed, frames);
            ++child_changes;
            ++starts;
        }
        // The quit dialog or a web link ended the game; or every so often
        // we quit ourselves. Either way it starts again on what it saved.
        const bool ours = frames % 2500 == 0;
        if (map->deleted || ours) {
            session_quit(frame);
            const std::string lost = rules.check_saved_file(current_settings_path());
            if (!lost.empty()) return fail(lost, seed, frames);
            session_start(std::rand() % 2 == 0);
            // Now and then a child who plays with switches.
            if (std::rand() % 4 == 0) conf->switch_scanning = 1 + std::rand() % 2;
            ++starts;
        }
    }
    session_quit(frame);
    const std::string lost = rules.check_saved_file(current_settings_path());
    if (!lost.empty()) return fail(lost, seed, frames);

    const Random_player::Counts& c = player.counts();
    std::printf("soak: seed %u, %.0f s, %lu frames, %lu events (%lu clicks, %lu on objects, %lu drags, %lu moves, "
                "%lu keys), %lu starts, %lu picture changes, %lu saves read back, %lu quiet screens counted, "
                "at most %ld objects\n",
                seed, elapsed(), frames, c.events(), c.clicks, c.object_clicks, c.drags, c.moves, c.keys, starts,
                rules.picture_changes, rules.saves_checked, rules.quiet_checks, rules.most_objects);
    std::printf("soak: %lu changes of child, %zu children at the end\n", child_changes, load_profiles().list.size());
    std::printf("soak: %d own pictures made; their archives removed %lu times, damaged %lu, put back %lu\n",
                hazards.made, hazards.removed, hazards.damaged, hazards.restored);
    std::printf("soak: screens seen:");
    for (const std::string& s : rules.screens_seen) std::printf(" [%s]", s.c_str());
    std::printf("\n");
    if (Object::alive() != 0) return fail(std::to_string(Object::alive()) + " objects outlive the game", seed, frames);
    // The window stays open to the end: the driver's own allocations then
    // belong to a module the leak check is told to pass over.
    return 0;
}
