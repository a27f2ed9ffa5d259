// Play without a mouse in the real game: a picture painted to its bubbles
// with the keyboard alone, every screen reached by keys, and the same
// picture finished with two switches and with one.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>

#include "game/choice_facts.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/keepsakes.h"
#include "game/navigation.h"
#include "game/page_table.h"
#include "save/config.h"
#include "shell/frame_clock.h"
#include "ui/choices.h"
#include "ui/gallery.h"
#include "ui/interface_buttons.h"
#include "ui/keyboard_play.h"
#include "ui/main_menu.h"
#include "ui/switch_scanning.h"
#include "ui/switch_settings.h"
#include "window/game_scene.h"

namespace {

class KeyboardPlay : public GameScene {
protected:
    int presses = 0;

    void press(SDLKey key, int after = 4) {
        push_key(key);
        ++presses;
        frames(after);
    }

    // Regions of the picture on screen still to paint with 0-based number n.
    static int left_to_paint(int n) {
        int left = 0;
        for (const Choice& c : choices_on_screen()) {
            Region_facts r;
            if (c.group == Choice_group::picture && region_facts(c.object, r) && r.num == n && !r.painted) ++left;
        }
        return left;
    }

    // Tab (then Shift+Tab, if need be) until the focus is on an object
    // whose first action is `fun`; false when it never comes.
    bool tab_to(void (*fun)(void*)) {
        for (int i = 0; i < 80; ++i) {
            const Object* at = keyboard_focus();
            if (at && !at->animate.actions.empty() && at->animate.actions[0].fun == fun) return true;
            press(SDLK_TAB, 2);
        }
        return false;
    }

    // What a child who waits for the highlight presses "choose" on: the
    // group it wants (the tubes, or the picture once the brush carries the
    // paint of regions still to paint), then within it the tube it wants or
    // any region offered (all of them are of its number), or "back" out of
    // a group it does not want.
    static bool worth_choosing(bool want_region, int tube) {
        const Scan_view v = scan_view();
        const int wanted = static_cast<int>(want_region ? Choice_group::picture : Choice_group::tubes);
        if (!v.inside) return v.group == wanted;
        if (v.group != wanted) return v.item == nullptr;
        return want_region ? v.item != nullptr : tube_number(v.item) == tube;
    }

    // Keepsakes of that kind in the pictures folder (HOME/Pictures/pintabo).
    int files_ending(const std::string& ext) const {
        int n = 0;
        if (DIR* d = opendir(folder.file("Pictures/pintabo").c_str())) {
            while (const dirent* e = readdir(d)) {
                const std::string name = e->d_name;
                n += name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
            }
            closedir(d);
        }
        return n;
    }

    void picture_13_simple() {
        goto_page(13);
        run_for(800);
        ASSERT_EQ(conf->get_page(), 13);
        ASSERT_FALSE(conf->detailed);
    }
};

TEST_F(KeyboardPlay, TheDigitsAndEnterPaintAPictureToItsBubbles) {
    picture_13_simple();
    const PageFigures& f = page_figures[12];
    const int regions = f.simple.total;
    press(SDLK_TAB);
    EXPECT_TRUE(keyboard_focus_shown()) << "the first Tab shows the focus";
    for (int tube = 1; tube <= f.tubes; ++tube) {
        press(tube == 10 ? SDLK_0 : static_cast<SDLKey>(SDLK_0 + tube));
        ASSERT_FALSE(brush_clean);
        ASSERT_EQ(brush_number(), tube - 1) << "digit " << tube << " takes that tube";
        for (int guard = 0; left_to_paint(tube - 1) > 0 && guard < 60; ++guard) press(SDLK_RETURN);
        ASSERT_EQ(left_to_paint(tube - 1), 0) << "tube " << tube;
    }
    EXPECT_TRUE(conf->is_finish());
    frames(2);
    EXPECT_GT(picture()->links.size(), 3u + 50u) << "the bubbles fly";
    std::printf("keyboard: %d regions painted with %d key presses\n", regions, presses);
}

// With paint in the brush, Tab goes through every region still to paint
// with its number, nearest first, each once, and then on to the buttons.
TEST_F(KeyboardPlay, TabWalksEveryRegionOfTheBrushsNumberOnceAndGoesOn) {
    picture_13_simple();
    press(SDLK_1, 8);
    ASSERT_EQ(brush_number(), 0);
    const int count = left_to_paint(0);
    ASSERT_GT(count, 2);
    std::set<const Object*> seen;
    Region_facts r;
    for (int i = 0; i < count + 2 && region_facts(keyboard_focus(), r); ++i) {
        EXPECT_EQ(r.num, 0);
        seen.insert(keyboard_focus());
        press(SDLK_TAB, 2);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), count) << "every region of number 1, each once";
    EXPECT_FALSE(region_facts(keyboard_focus(), r)) << "and then off the picture";
    EXPECT_EQ(tube_number(keyboard_focus()), 0) << "on to the buttons";
}

TEST_F(KeyboardPlay, EveryScreenIsReachedWithKeysAlone) {
    const std::string old_home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("HOME", folder.path().c_str(), 1);
    std::ofstream(folder.file("xdg-open")) << "#!/bin/sh\nexit 0\n";
    chmod(folder.file("xdg-open").c_str(), 0755);
    setenv("PATH", (folder.path() + ":" + old_path).c_str(), 1);
    // The main menu, its button chosen with the focus, and in it "Print pages".
    ASSERT_TRUE(tab_to(when_mouse_select_menu_button_f));
    press(SDLK_RETURN, 30);
    ASSERT_TRUE(hits_layer1) << "the main menu opened";
    ASSERT_TRUE(tab_to(when_mouse_select_print_button_f));
    press(SDLK_RETURN, 4);
    keepsake_wait();
    EXPECT_EQ(files_ending(".pdf"), 1) << "the sheet was printed";
    press(SDLK_ESCAPE, 40);
    EXPECT_FALSE(hits_layer1) << "Escape closes it as before";
    // The gallery by its key; its tiles by the arrows.
    press(SDLK_g, 40);
    ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
    press(SDLK_TAB, 2);
    ASSERT_FALSE(gallery_view().empty());
    EXPECT_EQ(keyboard_focus(), gallery_view().front().tile) << "the focus starts on the first tile";
    press(SDLK_RIGHT, 2);
    EXPECT_EQ(keyboard_focus(), gallery_view().at(1).tile) << "Right goes to the tile beside it";
    press(SDLK_RETURN, 60);
    EXPECT_FALSE(hits_layer1) << "choosing a tile turns to its picture";
    run_for(800);
    EXPECT_EQ(conf->get_page(), 2);
    // The camera, once something is painted.
    press(SDLK_1);
    press(SDLK_RETURN, 30);
    ASSERT_FALSE(conf->is_clean());
    ASSERT_TRUE(run_until([] {
        const Object* camera = hide_button(process_camera_button_f);
        return camera && camera->scale_x >= 1.0;
    }));
    for (int i = 0; i < 40 && keyboard_focus() != hide_button(process_camera_button_f); ++i) press(SDLK_TAB, 2);
    ASSERT_EQ(keyboard_focus(), hide_button(process_camera_button_f));
    press(SDLK_RETURN, 4);
    keepsake_wait();
    EXPECT_EQ(files_ending(".png"), 1) << "the picture was saved";
    setenv("HOME", old_home.c_str(), 1);
    setenv("PATH", old_path.c_str(), 1);
}

// Two switches: Space steps, Enter chooses; one switch: the highlight steps
// by itself every 1.5 s and Space chooses when it is on the right place.
TEST_F(KeyboardPlay, OneOrTwoSwitchesFinishPicture13) {
    for (int switches : {2, 1}) {
        quit();
        start();
        step_clock(33);
        conf->switch_scanning = switches;
        conf->scan_speed = 1;
        reset_switch_scanning();
        picture_13_simple();
        conf->clear_color();
        goto_page(12);
        run_for(400);
        goto_page(13);
        run_for(800);
        const PageFigures& f = page_figures[12];
        // A press bouncing on the switch (two within 0.3 s) counts once.
        {
            const Scan_counts b = scan_counts();
            push_key(SDLK_SPACE);
            frame();
            push_key(SDLK_SPACE);
            frames(12);
            EXPECT_EQ(scan_counts().presses - b.presses, 1u);
            EXPECT_EQ(scan_counts().ignored - b.ignored, 1u);
            if (switches == 2) {
                // That step is undone by going round: the scan starts afresh.
                reset_switch_scanning();
                frames(2);
            }
        }
        const uint32_t started = CURENT_TIME;
        const Scan_counts before = scan_counts();
        // A child's plan: wait for the tube of the next number to paint, take
        // it, then take every region offered (nearest first).
        for (int guard = 0; !conf->is_finish() && guard < 4000; ++guard) {
            int tube_left = -1;
            for (int n = 0; n < f.tubes && tube_left < 0; ++n)
                if (left_to_paint(n) > 0) tube_left = n;
            const bool want_region = brush_number() == tube_left && tube_left >= 0;
            const bool choose = worth_choosing(want_region, tube_left + 1);
            if (switches == 2)
                press(choose ? SDLK_RETURN : SDLK_SPACE, 12);
            else if (choose)
                press(SDLK_SPACE, 12);
            else
                frames(3);
        }
        EXPECT_TRUE(conf->is_finish()) << switches << " switches";
        const Scan_counts& c = scan_counts();
        const unsigned long used = c.presses - before.presses;
        std::printf("%d switch(es): %d regions with %lu presses (%.2f a region), %.1f s of play\n", switches,
                    f.simple.total, used, static_cast<double>(used) / f.simple.total,
                    (CURENT_TIME - started) / 1000.0);
        if (switches == 2) EXPECT_LE(static_cast<double>(used) / f.simple.total, 3.0);
    }
}

// The settings' switch rows answer the mouse, the keyboard's focus and the
// switches they turn on: a click turns on two switches, the switches step
// to "none" and choose it, and Tab and Enter then set the fastest pace.
TEST_F(KeyboardPlay, TheSwitchRowsAnswerTheMouseTheKeysAndTheSwitches) {
    step_clock(33);
    run_for(400);
    click_on(child_running(map->links.at(1), when_mouse_select_menu_button_f));
    ASSERT_TRUE(run_until([] { return hits_layer1 && still(MENU_GLOBAL); }));
    run_for(600);
    // The six pictures are choices of the menu, found by their row and value.
    const auto picture = [](int row, int value) -> Object* {
        for (const Choice& c : choices_on_screen()) {
            const auto& actions = c.object->animate.actions;
            if (!actions.empty() && actions[0].fun == when_mouse_select_switch_choice_f &&
                actions[0].iparam1 == row && actions[0].iparam2 == value)
                return c.object;
        }
        return nullptr;
    };
    for (int row = 0; row < 2; ++row)
        for (int value = 0; value < 3; ++value) ASSERT_NE(picture(row, value), nullptr) << row << " " << value;
    ASSERT_EQ(conf->switch_scanning, 0);
    click_on(picture(0, 2));
    EXPECT_EQ(conf->switch_scanning, 2) << "a click on two switches";
    // Space steps through the menu's widgets until "none" is highlighted; Enter chooses it.
    push_motion(2, 2);
    frames(12);
    Object* none = picture(0, 0);
    int steps = 0;
    for (; steps < 60 && scan_view().item != none; ++steps) press(SDLK_SPACE, 12);
    ASSERT_EQ(scan_view().item, none) << "the switches reach every picture";
    press(SDLK_RETURN, 12);
    EXPECT_EQ(conf->switch_scanning, 0) << "the switches turned themselves off";
    // Off again, the keyboard's focus goes there too.
    ASSERT_EQ(conf->scan_speed, 1);
    Object* fast = picture(1, 2);
    for (int i = 0; i < 60 && keyboard_focus() != fast; ++i) press(SDLK_TAB, 2);
    ASSERT_EQ(keyboard_focus(), fast);
    press(SDLK_RETURN, 6);
    EXPECT_EQ(conf->scan_speed, 2) << "Enter on the hare";
    EXPECT_EQ(conf->switch_scanning, 0) << "the pace alone changed";
}

}  // namespace
