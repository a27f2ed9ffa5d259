// The running game: its real start-up, then picture 9 (the one with the most
// regions) in both variants, idle and during the completion effect; over
// the detailed variant, the pointer moving continuously in each way of
// drawing (brush alone over a kept scene, whole frames only when something
// changed, every frame whole as before), the game resting for 10 s with
// nothing moving, and for reference a bare full redraw: the same recorded
// meshes drawn straight with GL every frame, with the one-pixel read-back and
// a selection pass over all of them. Prints tab-separated rows that
// bench/run-game-bench.sh gathers into a table:
//   frames  <screen> <picture> <state> <frames> <frames/s> <p50 ms> <p99 ms> <processor ms per frame>
//   rest    <screen> <seconds> <processor % of one core> <frames drawn>
//   gallery <screen> <opening> <ms to every thumbnail> <ms to the panel grown in> <longest frame ms>
//           <processor ms per frame> <most processor ms of a frame>
//   process <screen> <ms to the first frame> <peak resident KiB> <samples>
// A frame is read_input() + DrawGLScene(), as in the game's loop; where the
// game paces its loop (the pointer moving, resting) the bench does too, so
// the frame times there show the cadence and the processor time the cost.
// Needs a display; the window takes the screen's size. The settings are those
// of a player who has turned the help screen off, in a temporary folder that
// is removed at the end.
//   game_bench [frames per measurement, 500 when not given] [pointer | gallery]
// With "pointer" only the detailed picture's pointer rows in partial
// presentation and the bare full redraw are measured, with "gallery" only
// the gallery's openings: for quick comparisons while working on them.
#include <SDL/SDL.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/effects.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/page_table.h"
#include "process_stats.h"
#include "scene/draw_list.h"
#include "shell/frame_pacer.h"
#include "shell/presenter.h"
#include "res/media.h"
#include "res/platform.h"
#include "shell/hits.h"
#include <GL/glu.h>
#include "save/config.h"
#include "save/settings_file.h"
#include "shell/frame_clock.h"
#include "shell/frame_loop.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "ui/gallery.h"
#include "ui/menu.h"
#include "scene/object.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int picture = 9;
constexpr double settle_ms = 1500.0;       // a new picture's tubes rise; the last bubbles (1.3 s at most) go
constexpr double effect_limit_ms = 120000.0;  // twelve bursts take 2.4 s of game time, 150 frames: at 2 frames/s (a busy machine) 75 s

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

// The pointer on a circle over the picture, a few pixels further each frame.
void move_pointer(int step) {
    const double a = step * 0.05;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(scena->width / 2 + scena->height * 0.25 * std::cos(a));
    e.motion.y = static_cast<Uint16>(scena->height / 2 + scena->height * 0.25 * std::sin(a));
    SDL_PushEvent(&e);
}

// Frames as the game's loop runs them, paced; the time of each is from one
// frame's start to the next, the processor time that of the frame itself.
template <typename Before>
Frames paced_frames(int count, Before before) {
    Frames f;
    Frame_pacer pacer;
    auto last = Clock::now();
    for (int i = 0; i < count; ++i) {
        before(i);
        const double cpu = process_cpu_ms();
        read_input();
        DrawGLScene();
        f.cpu_ms += process_cpu_ms() - cpu;
        pacer.wait_for_next_frame();
        const auto now = Clock::now();
        f.wall_ms.push_back(std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
    return f;
}

// One mesh as a plain fixed-function loop draws it: every switch, the
// material, the texture and the colour set for each.
void bare_draw(const Draw_record& r) {
    r.lighting ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
    r.lighting && (r.lights & 1) ? glEnable(GL_LIGHT1) : glDisable(GL_LIGHT1);
    r.depth_test ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    r.alpha_test ? glEnable(GL_ALPHA_TEST) : glDisable(GL_ALPHA_TEST);
    r.blend ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
    glDepthMask(r.blend ? GL_FALSE : GL_TRUE);
    glLoadMatrixd(r.matrix);
    float block[13];
    std::memcpy(block, r.material + 4, sizeof block);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, block[12]);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, block + 8);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, block + 4);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, block);
    glBindTexture(GL_TEXTURE_2D, r.texture);
    glPushAttrib(GL_CURRENT_BIT);
    glDisable(GL_COLOR_MATERIAL);
    glColor4d(r.rgba[0], r.rgba[1], r.rgba[2], r.blend ? r.rgba[3] : 1.0);
    glEnable(GL_COLOR_MATERIAL);
    glTexCoordPointer(2, GL_FLOAT, 0, r.texcoords);
    glVertexPointer(3, GL_FLOAT, 0, r.vertices);
    glNormalPointer(GL_FLOAT, 0, r.normals);
    glDrawArrays(GL_TRIANGLES, 0, 3 * r.triangles);
    glPopAttrib();
}

void bare_draw_all(const Draw_list& list) {
    for (const Draw_record& r : list.records) bare_draw(r);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

// The reference: the same meshes the game recorded, drawn straight every
// frame as a plain OpenGL loop draws them: clear, scene, one pixel read
// back, brush, swap, and a selection pass over every mesh of the scene.
Frames bare_full_redraw(int count) {
    const Draw_list scene = recorded_scene();
    const Draw_list brush = recorded_cursor();
    std::vector<GLuint> select(4096);
    Frames f;
    for (int i = 0; i < count; ++i) {
        const double cpu = process_cpu_ms();
        const auto t = Clock::now();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        bare_draw_all(scene);
        glFlush();
        GLfloat pixel[3];
        glReadPixels(scena->width / 2, scena->height / 2, 1, 1, GL_RGB, GL_FLOAT, pixel);
        bare_draw_all(brush);
        SDL_GL_SwapBuffers();
        glSelectBuffer(static_cast<GLsizei>(select.size()), select.data());
        glRenderMode(GL_SELECT);
        glInitNames();
        glPushName(0);
        GLdouble projection[16];
        GLint viewport[4];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        gluPickMatrix(scena->width / 2.0, scena->height / 2.0, 2.0, 2.0, viewport);
        glMultMatrixd(projection);
        glMatrixMode(GL_MODELVIEW);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        GLuint name = 0;
        for (const Draw_record& r : scene.records) {
            glLoadName(name++);
            glLoadMatrixd(r.matrix);
            glVertexPointer(3, GL_FLOAT, 0, r.vertices);
            glDrawArrays(GL_TRIANGLES, 0, 3 * r.triangles);
        }
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glRenderMode(GL_RENDER);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        f.wall_ms.push_back(ms_since(t));
        f.cpu_ms += process_cpu_ms() - cpu;
    }
    return f;
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

const char* mode_name(Presenter::Mode m) {
    switch (m) {
        case Presenter::Mode::partial: return "pointer moving, brush redrawn alone";
        case Presenter::Mode::swap: return "pointer moving, partial presentation off";
        default: return "pointer moving, every frame whole (PINTABO_DRAW=full)";
    }
}

void measure_pointer_and_rest(const std::string& what, int frames) {
    const Presenter::Mode before = presenter.mode();
    for (Presenter::Mode m : {Presenter::Mode::partial, Presenter::Mode::swap, Presenter::Mode::full}) {
        presenter.set_mode(m);
        paced_frames(30, move_pointer);  // the brush is on its way
        report(what, mode_name(m), paced_frames(frames, move_pointer));
    }
    presenter.set_mode(before);
    report(what, "bare full redraw of the same meshes", bare_full_redraw(frames));

    // Nothing moves: the game's loop for ten seconds, as it runs.
    presenter.force_full();
    frames_for(settle_ms);
    const double cpu = process_cpu_ms();
    const auto start = Clock::now();
    const unsigned long drawn = presenter.whole_frames + presenter.brush_frames;
    paced_frames(600, [](int) {});
    const double wall = ms_since(start);
    std::printf("rest\t%s\t%.1f\t%.2f\t%lu\n", screen().c_str(), wall / 1000.0,
                100.0 * (process_cpu_ms() - cpu) / wall, presenter.whole_frames + presenter.brush_frames - drawn);
    std::fflush(stdout);
}

// A panel under `o` still growing in.
bool emerging(const Object* o) {
    for (const Action& a : o->animate.actions)
        if (a.fun == emerge_scale_f) return true;
    for (const Object* c : o->links)
        if (emerging(c)) return true;
    return false;
}

// The gallery opened with Tab: the time until every thumbnail shows its
// picture, until the panel has grown in, and the longest frame meanwhile;
// the first time with nothing kept, the second with the thumbnails kept.
void measure_gallery() {
    for (int round = 1; round <= 2; ++round) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = SDLK_g;
        SDL_PushEvent(&e);
        const auto start = Clock::now();
        const double cpu_before = process_cpu_ms();
        int frames = 0;
        double drawn_ms = -1.0, longest = 0.0, longest_cpu = 0.0;
        while (ms_since(start) < 10000.0) {
            const auto t = Clock::now();
            const double cpu = process_cpu_ms();
            frame();
            ++frames;
            longest = std::max(longest, ms_since(t));
            longest_cpu = std::max(longest_cpu, process_cpu_ms() - cpu);
            const std::vector<Gallery_tile_view> view = gallery_view();
            bool all = !view.empty();
            for (const Gallery_tile_view& v : view) all = all && v.drawn;
            if (all && drawn_ms < 0.0) drawn_ms = ms_since(start);
            if (all && !emerging(MENU_GLOBAL)) break;
        }
        std::printf("gallery\t%s\t%d\t%.0f\t%.0f\t%.0f\t%.1f\t%.1f\n", screen().c_str(), round, drawn_ms,
                    ms_since(start), longest, (process_cpu_ms() - cpu_before) / std::max(1, frames), longest_cpu);
        std::fflush(stdout);
        SDL_Event esc = e;
        esc.key.keysym.sym = SDLK_ESCAPE;
        SDL_PushEvent(&esc);
        frames_for(1200.0);
    }
}

// False, with the reason on standard error, when the picture did not come
// up or the effect did not launch all its bursts: the figures would not be
// of what they say.
std::string only;  // "pointer", "gallery" or empty: everything

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

    if (only == "pointer") {
        presenter.set_mode(Presenter::Mode::partial);
        paced_frames(30, move_pointer);
        report(what, mode_name(Presenter::Mode::partial), paced_frames(frames, move_pointer));
        if (!std::getenv("PINTABO_BENCH_BRUSH_ONLY"))
            report(what, "bare full redraw of the same meshes", bare_full_redraw(frames));
        return true;
    }
    if (only == "gallery") {
        measure_gallery();
        return true;
    }
    Frames idle;
    for (int i = 0; i < frames; ++i) frame(&idle);
    report(what, "idle", idle);

    // From the start of the effect to the launch of its last burst: bubbles
    // of four to six bursts are alive at once.
    // The same bubbles in the same places every run: a fixed seed, and game
    // time stepping 16 ms a frame whatever a frame takes.
    Frames effect;
    std::srand(9);
    uint32_t (*real_clock)() = frame_clock;
    static uint32_t stepped = 0;
    stepped = CURENT_TIME;
    frame_clock = [] { return stepped += 16; };
    while (effect.wall_ms.size() < static_cast<size_t>(frames)) {
        start_completion_effect(1, COLORS_NUM);
        const auto start = Clock::now();
        while (effect_quality != 0 && ms_since(start) < effect_limit_ms) frame(&effect);
        if (effect_quality != 0) {
            std::fprintf(stderr, "the completion effect left %d of its bursts unlaunched\n", effect_quality);
            return false;
        }
        for (int i = 0; i < 100; ++i) frame();  // 1.6 s of game time: the last bubbles go
    }
    frame_clock = real_clock;
    report(what, "completion effect", effect);
    if (detailed) {
        measure_pointer_and_rest(what, frames);
        measure_gallery();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    if (argc > 2) only = argv[2];

    char folder[] = "/tmp/pintabo-bench.XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    setenv("XDG_DATA_HOME", folder, 1);
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
    if (std::getenv("PINTABO_BENCH_STARTUP_ONLY")) {
        if (const char* smaps = std::getenv("PINTABO_BENCH_SMAPS")) {
            std::ifstream from("/proc/self/smaps");
            std::ofstream(smaps) << from.rdbuf();
        }
        std::printf("process\t%s\t%.0f\t%ld\t%s\n", screen().c_str(), first_frame_ms, status_kib("VmHWM"),
                    scena->multisampled ? "4" : "0");
        std::fflush(stdout);
        std::_Exit(0);
    }

    const bool measured = only.empty() ? measure_variant(false, frames) && measure_variant(true, frames)
                                       : measure_variant(true, frames);
    std::printf("process\t%s\t%.0f\t%ld\t%s\n", screen().c_str(), first_frame_ms, status_kib("VmHWM"),
                scena->multisampled ? "4" : "0");
    // PINTABO_BENCH_SMAPS=FILE keeps the memory map as it stands at the end,
    // to see what holds the memory.
    if (const char* smaps = std::getenv("PINTABO_BENCH_SMAPS")) {
        std::ifstream from("/proc/self/smaps");
        std::ofstream(smaps) << from.rdbuf();
        const struct mallinfo2 heap = mallinfo2();
        std::fprintf(stderr, "heap: %zu KiB in use, %zu KiB free in it, %zu KiB in mmap'd blocks\n",
                     heap.uordblks / 1024, heap.fordblks / 1024, heap.hblkhd / 1024);
        size_t open_bytes = 0, textures = 0;
        for (size_t i = 0; i < media.packs.size(); ++i) {
            size_t bytes = 0;
            for (const raw& f : media.packs[i]->files) bytes += f.size;
            open_bytes += bytes;
            for (unsigned long t : media.packs[i]->images) textures += t != 0;
            std::fprintf(stderr, "  %s %zu KiB\n", media.pack_names[i].c_str(), bytes / 1024);
        }
        std::fprintf(stderr, "archives open: %zu KiB, %zu textures made of them\n", open_bytes / 1024, textures);
    }

    exit_scene();
    while (frame_loop_running()) DrawGLScene();
    shutdown_game();
    std::filesystem::remove_all(folder);
    return measured ? 0 : 1;
}
