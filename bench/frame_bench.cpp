// Measures how long the window takes to open, how fast the frame loop runs
// and how much memory the process holds. Needs a display (Xvfb will do).
//   frame_bench [frames]
#include <SDL/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

long resident_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 2000;

    const auto opening = Clock::now();
    scena = new Scena(0, 0, 0);
    create_roots();
    const double open_ms = ms_since(opening);

    for (int i = 0; i < 20; ++i) {  // warm up
        read_input();
        DrawGLScene();
    }
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        read_input();
        DrawGLScene();
    }
    const double loop_ms = ms_since(start);

    std::printf("window %dx%d opened in %.1f ms\n", scena->width, scena->height, open_ms);
    std::printf("empty frame loop: %d frames in %.1f ms = %.2f ms/frame, %.0f frames/s\n", frames, loop_ms,
                loop_ms / frames, frames * 1000.0 / loop_ms);
    std::printf("resident memory: %ld KiB\n", resident_kib());
    std::printf("multisampling: %s\n", scena->multisampled ? "4 samples" : "off (the retry without it was taken)");

    map->del();
    cursor->del();
    while (frame_loop_running()) DrawGLScene();
    delete map;
    delete cursor;
    delete scena;
    return 0;
}
