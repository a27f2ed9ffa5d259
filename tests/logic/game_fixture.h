#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "anim/action.h"
#include "audio/sound.h"
#include "game/game_state.h"
#include "game/page_table.h"
#include "res/media.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scene_loader.h"
#include "support/temp_folder.h"
#include "support/test_archive.h"
#include "support/wav_files.h"

// The colouring game's rules on objects without a window: stand-in artwork
// (squares whose texture is missing, so no GL is touched), the four painting
// sounds on SDL's dummy driver, and the settings folder in a temporary place.
// Picture 1 is on screen in paint-by-numbers mode with its nine tubes.
class GameRules : public ::testing::Test {
protected:
    TempFolder folder;

    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
        setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
        std::vector<Entry> effects;
        for (const char* n : {"scena.wav", "scena_false.wav", "finish.wav", "banka.wav"})
            effects.push_back({n, wav_constant_s16_stereo(20, 100)});
        write_archive(folder.file("sound.pak"), effects);
        std::vector<Entry> art;
        for (const char* n : {"buble1", "buble2", "buble3", "buble4", "buble5", "lenta", "tubik_no_num", "tubik1",
                              "tubik2", "tubik3", "tubik4", "tubik5", "tubik6", "tubik7", "tubik8", "tubik9"})
            art.push_back({n, square_object(1.0f, 0.0f, "none")});
        write_archive(folder.file("interface.pak"), art);
        media.setpwd(folder.prefix());

        reset_game_state();
        reset_scene_requests();
        conf = new Config();
        conf->by_numbers = true;
        show_picture(1);
        for (Channel& c : ::sounds) c = Channel{};
        sound = new Sound();
        SDL_PauseAudio(1);  // channels stay busy: at most five sounds per test
        hits_layer1 = hits_layer2 = false;
        mouse = MouseState();
        CURENT_TIME = 1000;
    }

    void TearDown() override {
        delete sound;
        sound = nullptr;
        delete conf;
        conf = nullptr;
        hits.hit = nullptr;
        Object_curent = nullptr;
        Action_curent = nullptr;
        wav_close_archive("sound.pak");
        wav_close_archive("interface.pak");
        media.setpwd("0");
    }

    // What a page builder does to the state, without building objects.
    void show_picture(int picture) {
        const PageFigures& f = page_figures[picture - 1];
        conf->set_page(picture);
        COLORS_NUM = f.tubes;
        if (conf->by_numbers)
            for (int i = 0; i < f.tubes; ++i) conf->set_const_color(i, palette_color(f.palette[i]));
        conf->set_quality(f.simple.total);
    }

    // Loads the brush as a click on tube number num + 1 does.
    void pick_tube(int num) {
        brush_clean = false;
        color_selected = num;
        color = conf->get_custom_color(num);
    }

    // Runs `fun` once as the action `a` of `object`, the object under the
    // pointer when `hovered`, with a click when `click`.
    static void run(action_fun fun, Action& a, Object& object, bool hovered, bool click) {
        a.fun = fun;
        hits.hit = hovered ? &object : nullptr;
        mouse.left_click = click;
        Object_curent = &object;
        Action_curent = &a;
        fun(a.param);
        mouse.left_click = false;
    }

    // The sounds asked for so far, in the order of their first play.
    static bool played(const char* name) {
        const auto& n = sound->sound_names;
        return std::find(n.begin(), n.end(), name) != n.end();
    }
    static size_t sounds_played() { return sound->sound_names.size(); }
};
