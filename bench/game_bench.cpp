// The running game: its real start-up, then picture 9 (the one with the most
// regions) in both variants, idle and during the completion effect. Prints
// tab-separated rows that bench/run-game-bench.sh gathers into a table:
//   frames  <screen> <picture> <state> <frames> <frames/s> <p50 ms> <p99 ms> <processor ms per frame>
//   process <screen> <ms to the first frame> <peak resident KiB> <samples>
// A frame is read_input() + DrawGLScene(), as in the game's loop. Needs a
// display; the window takes the screen's size. The settings are those of a
// player who has turned the help screen off, in a temporary folder that is
// removed at the end.
//   game_bench [frames per measurement, 500 when not given]
// The completion effect is measured from its start to its last burst, and
// started again, once its bubbles are gone, until that many frames are held.
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/effects.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/page_table.h"
#include "process_stats.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_file.h"
#include "shell/frame_loop.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int picture = 9;
constexpr double settle_ms = 1500.0;       // a new picture's tubes rise; the last bubbles (1.3 s at most) go
constexpr double effect_limit_ms = 30000.0;  // twelve bursts take 2.4 s at 200 ms apart, more at few frames/s

double ms_since(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

// Frame times, and the processor time all our threads (Mesa's rasterisers
// among them) spent on those frames: on a busy machine the wall-clock times
// grow, the processor time much less.
struct Frames {
    std::vector<double> wall_ms;
    double cpu_ms = 0.0;
};

void frame(Frames* into = nullptr) {
    const double cpu = process_cpu_ms();
    const auto t = Clock::now();
    read_input();
    DrawGLScene();
    if (!into) return;
    into->wall_ms.push_back(ms_since(t));
    into->cpu_ms += process_cpu_ms() - cpu;
}

void frames_for(double ms) {
    const auto start = Clock::now();
    while (ms_since(start) < ms) frame();
}

std::string screen() { return std::to_string(scena->width) + "x" + std::to_string(scena->height); }

void report(const std::string& what, const char* state, const Frames& f) {
    const std::vector<double>& times = f.wall_ms;
    double total = 0.0;
    for (double t : times) total += t;
    const double n = static_cast<double>(times.size());
    std::printf("frames\t%s\t%s\t%s\t%zu\t%.1f\t%.2f\t%.2f\t%.2f\n", screen().c_str(), what.c_str(), state,
                times.size(), n * 1000.0 / total, percentile(times, 50.0), percentile(times, 99.0), f.cpu_ms / n);
    std::fflush(stdout);
}

// False, with the reason on standard error, when the picture did not come
// up or the effect did not launch all its bursts: the figures would not be
// of what they say.
bool measure_variant(bool detailed, int frames) {
    conf->detailed = detailed;
    goto_page(picture);
    frames_for(settle_ms);
    if (conf->get_page() != picture || COLORS_NUM != page_figures[picture - 1].tubes) {
        std::fprintf(stderr, "picture %d did not come up\n", picture);
        return false;
    }
    const PageVariant& v = detailed ? page_figures[picture - 1].detailed : page_figures[picture - 1].simple;
    const std::string what = "picture " + std::to_string(picture) + (detailed ? " detailed (" : " simple (") +
                             std::to_string(v.total) + " regions)";

    Frames idle;
    for (int i = 0; i < frames; ++i) frame(&idle);
    report(what, "idle", idle);

    // From the start of the effect to the launch of its last burst: bubbles
    // of four to six bursts are alive at once.
    Frames effect;
    while (effect.wall_ms.size() < static_cast<size_t>(frames)) {
        start_completion_effect(1, COLORS_NUM);
        const auto start = Clock::now();
        while (effect_quality != 0 && ms_since(start) < effect_limit_ms) frame(&effect);
        if (effect_quality != 0) {
            std::fprintf(stderr, "the completion effect left %d of its bursts unlaunched\n", effect_quality);
            return false;
        }
        frames_for(settle_ms);
    }
    report(what, "completion effect", effect);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

    char folder[] = "/tmp/pintabo-bench.XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Config returning;
    returning.help_on_start = false;
    if (!save_settings_file(returning, get_cfg_path())) return 1;

    start_game();
    // The brush over the picture, so the colour under it is read back each frame.
    SDL_WarpMouse(static_cast<Uint16>(scena->width / 2), static_cast<Uint16>(scena->height / 2));
    read_input();
    DrawGLScene();
    const double first_frame_ms = ms_since_process_start();

    const bool measured = measure_variant(false, frames) && measure_variant(true, frames);
    std::printf("process\t%s\t%.0f\t%ld\t%s\n", screen().c_str(), first_frame_ms, status_kib("VmHWM"),
                scena->multisampled ? "4" : "0");

    exit_scene();
    while (frame_loop_running()) DrawGLScene();
    shutdown_game();
    std::filesystem::remove_all(folder);
    return measured ? 0 : 1;
}
