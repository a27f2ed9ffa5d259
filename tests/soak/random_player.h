#pragma once

#include <SDL/SDL.h>

#include <deque>
#include <random>
#include <vector>

// A child at the mouse and the keyboard, from a fixed seed: clicks on
// whatever can be clicked (tubes, regions, every button of every menu and
// dialog, the palette, the language row), clicks anywhere, double clicks,
// drags, wandering pointer moves, the game's keys (Escape, Return, F1, Tab,
// the arrows), clicks and keys in the same frame, and pauses that let panels
// settle. Each step is planned as the SDL events of the next few frames.
class Random_player {
public:
    struct Counts {
        unsigned long clicks = 0, object_clicks = 0, drags = 0, moves = 0, keys = 0, idle_frames = 0;
        unsigned long events() const { return clicks + drags + moves + keys; }
    };

    Random_player(unsigned seed, int width, int height);

    // Pushes this frame's events into SDL's queue, planning a new step when
    // the last one is done.
    void play_frame();
    const Counts& counts() const { return counts_; }

private:
    using Frame = std::vector<SDL_Event>;

    void plan();
    void click_something();
    void click_anywhere();
    void drag();
    void wander();
    void key(bool with_click);
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    static SDL_Event motion(int x, int y);
    static SDL_Event button(bool down);
    static SDL_Event keydown(SDLKey key);

    std::mt19937 rng_;
    int width_, height_;
    std::deque<Frame> plan_;
    Counts counts_;
};
