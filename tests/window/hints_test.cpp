// Friendlier play for small hands and eyes, in the real game: "where is my
// number?" sparkles, a tick on a finished tube, a click near a region of the
// brush's number painting it, a tap judged where it lands, and buttons that
// answer a fingertip without two answering for the same place.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "game/choice_facts.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/number_hints.h"
#include "save/config.h"
#include "shell/screen_place.h"
#include "shell/startup.h"
#include "ui/menu.h"
#include "ui/choices.h"
#include "ui/gallery.h"
#include "ui/interface_buttons.h"
#include "ui/main_menu.h"
#include "ui/parent_gate.h"
#include "window/game_scene.h"

namespace {

class Hints : public GameScene {
protected:
    void SetUp() override {
        GameScene::SetUp();
        step_clock(33);
        run_for(600);
    }

    // The regions of the picture with 0-based number n, painted or not.
    static std::vector<Object*> of_number(int n, bool painted) {
        std::vector<Object*> out;
        for (const Choice& c : choices_on_screen()) {
            Region_facts r;
            if (c.group == Choice_group::picture && region_facts(c.object, r) && r.num == n && r.painted == painted)
                out.push_back(c.object);
        }
        return out;
    }

    // The sparkles showing now (the hints' holder under the cursor root keeps
    // them in its first child).
    static std::vector<Object*> visible_sparkles() {
        std::vector<Object*> out;
        for (Object* o : cursor->links)
            if (!o->animate.actions.empty() && o->animate.actions[0].fun == number_hints_f && !o->links.empty())
                for (Object* s : o->links[0]->links)
                    if (s->visible) out.push_back(s);
        return out;
    }

    void take_tube(int n) {
        click_on(tubes().at(static_cast<size_t>(n)));
        ASSERT_EQ(brush_number(), n);
    }

    // Motion and press in the same frame, as a touch screen sends a tap.
    void tap(int x, int y) {
        push_motion(x, y);
        push_button(true, SDL_BUTTON_LEFT);
        push_button(false, SDL_BUTTON_LEFT);
        frames(3);
    }
    void tap_on(const Object* o) {
        double x = 0, y = 0;
        ASSERT_TRUE(screen_point(o, x, y));
        tap(static_cast<int>(x), static_cast<int>(y));
    }
};

TEST_F(Hints, SparklesComeAfterAWaitAndAfterTwoWrongClicksAndATickOnAFinishedTube) {
    ASSERT_NO_FATAL_FAILURE(take_tube(0));
    const size_t left = of_number(0, false).size();
    ASSERT_GT(left, 0u);
    run_for(hint_after_ms - 1000);
    EXPECT_EQ(hint_sparkles_shown(), 0) << "not before the wait";
    run_for(1500);
    EXPECT_EQ(hint_sparkles_shown(), static_cast<int>(left)) << "one on each region still to paint with 1";
    // Each sparkle lies well inside a region of 1, most of its star clear of
    // the outlines (12 pixels all round its middle, at 768 rows).
    const std::vector<Object*> sparkles = visible_sparkles();
    EXPECT_EQ(sparkles.size(), left);
    const double heart = 12.0 * scena->height / 768.0;
    for (const Object* s : sparkles) {
        Screen_box b;
        ASSERT_TRUE(screen_box(s, b));
        const double x = b.centre_x(), y = b.centre_y();
        int inside = 0;
        for (const Object* region : of_number(0, false)) {
            bool all_round = true;
            for (int k = 0; k < 16; ++k) {
                const double a = k * M_PI / 8;
                all_round = all_round && screen_distance(region, x + heart * std::cos(a), y + heart * std::sin(a)) == 0;
            }
            inside += all_round;
        }
        EXPECT_EQ(inside, 1) << "a sparkle at " << x << ", " << y;
    }
    run_for(hint_lasts_ms);
    EXPECT_EQ(hint_sparkles_shown(), 0) << "for a moment only";
    // Two wrong clicks in a row: at once.
    const std::vector<Object*> other = of_number(1, false);
    ASSERT_FALSE(other.empty());
    click_on(other[0]);
    EXPECT_EQ(hint_sparkles_shown(), 0);
    click_on(other[0]);
    frames(2);
    EXPECT_EQ(hint_sparkles_shown(), static_cast<int>(left));
    // All of number 1 painted: its tube wears the tick, and no sparkle is left.
    EXPECT_EQ(tube_ticks_shown(), 0);
    for (Object* r : of_number(0, false)) click_on(r);
    ASSERT_TRUE(of_number(0, false).empty());
    frames(2);
    EXPECT_EQ(tube_ticks_shown(), 1);
    EXPECT_EQ(hint_sparkles_shown(), 0);
}

// A click a few pixels off a region of the brush's number (on its outline,
// on the sheet beside it) paints it; one well away does not.
TEST_F(Hints, AClickJustBesideARegionOfTheBrushsNumberPaintsIt) {
    ASSERT_NO_FATAL_FAILURE(take_tube(0));
    const std::vector<Object*> targets = of_number(0, false);
    ASSERT_FALSE(targets.empty());
    const double near_px = forgiving_px * scena->height / 768.0;
    // A point a few pixels off a region of number 1, on none of them (on
    // the sheet, an outline or a region of another number).
    const auto off_all = [&](double x, double y) {
        for (const Object* o : targets)
            if (screen_distance(o, x, y) < 2.0) return false;
        return true;
    };
    int cx = -1, cy = -1;
    for (const Object* target : targets) {
        double x = 0, y = 0;
        if (!screen_point(target, x, y)) continue;
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            double px = x, py = y;
            for (int step = 0; step < 400 && screen_distance(target, px, py) < 2.5; ++step) px += dx, py += dy;
            if (screen_distance(target, px, py) < near_px * 0.8 && off_all(px, py)) {
                cx = static_cast<int>(std::lround(px)), cy = static_cast<int>(std::lround(py));
                break;
            }
        }
        if (cx >= 0) break;
    }
    ASSERT_GE(cx, 0) << "a point just beside a region of number 1";
    const size_t painted = of_number(0, true).size();
    click_at(cx, cy);
    EXPECT_EQ(of_number(0, true).size(), painted + 1) << "the region beside the click took the paint";
    EXPECT_EQ(colors_hint, 0) << "and no tube waves as at a wrong click";
    // Far off, nothing changes.
    click_at(2, scena->height - 2);
    EXPECT_EQ(of_number(0, true).size(), painted + 1);
}

// Taps: the pointer jumps and presses at once. Whatever the pointer rested
// on before, the tap answers where it lands, on every kind of target.
TEST_F(Hints, ATapIsJudgedWhereItLands) {
    // A tube, then a region of its number, each tapped from far away.
    push_motion(scena->width - 5, scena->height - 5);
    frames(3);
    tap_on(tubes().at(0));
    EXPECT_EQ(brush_number(), 0);
    push_motion(5, 5);
    frames(3);
    const std::vector<Object*> targets = of_number(0, false);
    ASSERT_FALSE(targets.empty());
    Region_facts r;
    ASSERT_TRUE(region_facts(targets.front(), r));
    tap_on(targets.front());
    EXPECT_TRUE(conf->get_color_state(r.id));
    // The gallery: the pointer rests on a tile, a tap outside the panel
    // turns to no picture; a tap on another tile turns to that one.
    push_key(SDLK_g);
    ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
    const Object* tile5 = gallery_view().at(4).tile;
    double x = 0, y = 0;
    ASSERT_TRUE(screen_point(tile5, x, y));
    push_motion(static_cast<int>(x), static_cast<int>(y));
    frames(3);
    tap(scena->width - 3, scena->height - 3);
    EXPECT_NE(conf->get_page(), 5) << "the tap outside the panel is not a click on the tile the pointer left";
    if (hits_layer1) {
        ASSERT_TRUE(screen_point(gallery_view().at(4).tile, x, y));
        push_motion(static_cast<int>(x), static_cast<int>(y));
        frames(3);
        tap_on(gallery_view().at(8).tile);
        run_for(800);
        EXPECT_EQ(conf->get_page(), 9) << "the tapped tile's picture";
    }
    // A base-screen button and a dialog's button, each tapped from far away.
    Object* menu = child_running(map->links.at(1), when_mouse_select_menu_button_f);
    ASSERT_NE(menu, nullptr);
    run_for(800);
    tap_on(menu);
    ASSERT_TRUE(run_until([] { return hits_layer1 && still(MENU_GLOBAL); }));
    Object* close = nullptr;
    for (const Choice& c : choices_on_screen())
        if (c.object->animate.actions.size() && c.object->animate.actions[0].fun == when_mouse_select_button_cancel_send2_f)
            close = c.object;
    ASSERT_NE(close, nullptr);
    push_motion(2, 2);
    frames(2);
    tap_on(close);
    EXPECT_TRUE(run_until([] { return !hits_layer1; }));
}

// Every button answers at least a fingertip (44 pixels at 1024x768, in
// proportion here), and no two answer for the same place: on the base
// screen, the gallery, the main menu, the parent's gate and a dialog.
TEST_F(Hints, ButtonsAnswerAFingertipAndNoTwoOverlap) {
    const double least = Hits::fingertip_px * scena->height / 768.0 - 0.5;
    const auto check = [&](const char* screen) {
        std::vector<std::array<double, 4>> areas;
        for (const Choice& c : choices_on_screen()) {
            if (c.group == Choice_group::tubes || c.group == Choice_group::picture) continue;
            bool grown = false;
            for (const fun_and_param& f : c.object->funs) grown |= f.fun == mouse_select_grown;
            EXPECT_TRUE(grown) << screen << ": a button that does not grow";
            std::array<double, 4> a{};
            ASSERT_TRUE(Hits::grown_area(c.object, a[0], a[1], a[2], a[3]));
            EXPECT_GE(a[2] - a[0], least) << screen;
            EXPECT_GE(a[3] - a[1], least) << screen;
            areas.push_back(a);
        }
        int overlaps = 0;
        for (size_t i = 0; i < areas.size(); ++i)
            for (size_t j = i + 1; j < areas.size(); ++j)
                overlaps += areas[i][0] < areas[j][2] - 0.5 && areas[j][0] < areas[i][2] - 0.5 &&
                            areas[i][1] < areas[j][3] - 0.5 && areas[j][1] < areas[i][3] - 0.5;
        EXPECT_EQ(overlaps, 0) << screen;
    };
    ASSERT_NO_FATAL_FAILURE(take_tube(0));
    run_for(800);
    check("base screen");
    push_key(SDLK_g);
    ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
    check("gallery");
    push_key(SDLK_ESCAPE);
    ASSERT_TRUE(run_until([] { return !hits_layer1 && MENU_GLOBAL->links.empty(); }));
    run_for(300);
    click_on(child_running(map->links.at(1), when_mouse_select_menu_button_f));
    ASSERT_TRUE(run_until([] { return hits_layer1 && still(MENU_GLOBAL); }));
    run_for(600);
    check("main menu");
    Object* about = nullptr;
    for (const Choice& c : choices_on_screen())
        if (!c.object->animate.actions.empty() && c.object->animate.actions[0].fun == when_mouse_select_about_button_f)
            about = c.object;
    ASSERT_NE(about, nullptr);
    // The about dialog is for a grown-up: first the parent's gate, its keypad.
    parent_gate_wanted = true;
    click_on(about);
    ASSERT_TRUE(run_until([] { return parent_gate_number(0) != 0 && still(MENU_GLOBAL); }));
    run_for(600);
    check("parent's gate");
    for (int i = 0; i < 3; ++i) {
        Object* key = nullptr;
        for (const Choice& c : choices_on_screen())
            if (!c.object->animate.actions.empty() && c.object->animate.actions[0].fun == when_mouse_select_gate_key_f &&
                c.object->animate.actions[0].iparam1 == parent_gate_number(i))
                key = c.object;
        ASSERT_NE(key, nullptr);
        click_on(key);
        frames(2);
    }
    parent_gate_wanted = false;
    ASSERT_TRUE(run_until([] { return parent_gate_number(0) == 0 && hits_layer2 && still(MENU_GLOBAL); }));
    run_for(600);
    check("about dialog");
}

}  // namespace
