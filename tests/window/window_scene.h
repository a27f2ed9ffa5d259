#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <vector>

#include "res/media.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "support/temp_folder.h"

// A fresh pair of roots for each test, drawn by the game's own frame function
// in the shared window; test artwork goes into archives in a temporary folder.
class WindowScene : public ::testing::Test {
public:
    // A parameter of the bound 2D texture's level 0, and that level's texels as RGBA.
    static int texture_level0(unsigned what);
    static std::vector<unsigned char> bound_texels();

protected:
    TempFolder folder;

    void SetUp() override;
    void TearDown() override;

    // One turn of the game's loop: input, then the frame.
    void frame();
    void frames(int n) {
        for (int i = 0; i < n; ++i) frame();
    }
    static void push(const SDL_Event& e) {
        SDL_Event copy = e;
        SDL_PushEvent(&copy);
    }
    static void push_motion(int x, int y);
    static void push_button(bool down, int button);
    static void push_key(SDLKey key);
    // The colour the screen shows at (x, y), counted from the top left.
    static Color pixel(int x, int y);

    // An object holding `entry` of `pak` with the picking hook, linked under `parent`.
    Object* pickable(Object* parent, const char* pak, const char* entry, double z);

    int cx() const { return scena->width / 2; }
    int cy() const { return scena->height / 2; }
};
