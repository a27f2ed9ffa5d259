#pragma once

#include <string>
#include <vector>

#include "game/page_table.h"
#include "window/window_scene.h"

// The real game in the shared window: the start-up sequence with the built
// archives, the settings file in a temporary XDG_CONFIG_HOME, and the quit
// that writes it. Tests drive it with pushed SDL events, frame by frame.
class GameScene : public WindowScene {
protected:
    // The help screen opens at a first start; most tests play without it.
    bool help_at_start = false;
    // The parent's gate guards what it guards only in the tests of the gate.
    bool parent_gate = false;
    uint32_t (*real_clock)() = nullptr;

    void SetUp() override;
    void TearDown() override;

    void start();
    // exit_scene, then frames until both roots are dismantled, then the singletons go.
    void quit();

    // Frames until at least `ms` milliseconds of game time have passed.
    void run_for(unsigned ms);
    // From now on every frame is exactly `ms_per_frame` later than the one
    // before, however long it takes to draw (until the test ends).
    void step_clock(unsigned ms_per_frame);
    // Frames until `done()` holds, for at most `ms` milliseconds; whether it held.
    template <typename Done>
    bool run_until(Done done, unsigned ms = 10000) {
        const Uint32 until = SDL_GetTicks() + ms;
        while (!done() && SDL_GetTicks() < until) frame();
        return done();
    }

    // Moves the pointer to (x, y), lets the pick catch up, clicks there.
    void click_at(int x, int y);

    // Moves to a point inside `o` and clicks there.
    void click_on(const Object* o);

    // Clicks every paintable region of the picture on screen (regions
    // listed as `list` says) with the brush loaded as its tube would load
    // it; returns how many took their colour.
    int paint_every_region(const std::vector<PageRegion>& list);

    // The base-screen button that comes and goes through `process`, or null.
    static Object* hide_button(bool (*process)(int));

    // No panel under `o` is growing or vanishing any more.
    static bool still(const Object* o);
    // The first child of `parent` running `fun` (with iparam1 == i1 unless i1 < 0).
    static Object* child_running(const Object* parent, void (*fun)(void*), int i1 = -1);

    // Screen points inside an object's first model, largest triangles first,
    // counted from the top left; from the matrix its last draw used.
    static std::vector<std::pair<int, int>> inside(const Object* object);

    // The region of the picture on screen named `name` (colorNelM).
    static Object* region(const std::string& name);
    // A point of the object where the screen shows the bare sheet: white,
    // away from numbers and outlines; (-1, -1) when there is none.
    static std::pair<int, int> white_point(const Object* object);
    // Colours within a few steps of 8 bits of each other.
    static bool near(Color got, Color want);

    static Object* picture();              // the picture root on screen
    static std::vector<Object*> regions(); // its regions, in build order
    static std::vector<Object*> tubes();   // the tube objects, tube 1 first
};
