// The same scripted session played twice, once drawing every frame whole as
// the game always did and once drawing only what changed (frames left as
// they were, the brush redrawn alone over the kept scene and shown by
// itself), on a clock the test steps, so both see the same times and the
// same bubbles. The screens the X server shows at the same moments must
// agree but for a few pixels of antialiasing along the brush's edge: this is
// what keeps a forgotten change from leaving a frozen or stale screen.
#include <cstdlib>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/navigation.h"
#include "game/page_table.h"
#include "save/config.h"
#include "shell/presenter.h"
#include "ui/switch_scanning.h"
#include "ui/interface_buttons.h"
#include "window/game_scene.h"
#include "window/x_screen.h"

namespace {

struct Shot {
    std::string moment;
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
};

class RedrawDifferential : public GameScene {
protected:
    void SetUp() override {
        help_at_start = true;
        GameScene::SetUp();
    }

    std::vector<Shot> shots;

    void shoot(const std::string& moment) {
        Shot s;
        s.moment = moment;
        ASSERT_TRUE(x_screen_image(s.rgb, s.width, s.height));
        shots.push_back(std::move(s));
    }

    void click_tube(int number) {
        const auto points = inside(tubes().at(static_cast<size_t>(number - 1)));
        ASSERT_FALSE(points.empty());
        click_at(points[0].first, points[0].second);
    }

    void hover(const Object* o) {
        const auto points = inside(o);
        ASSERT_FALSE(points.empty());
        push_motion(points[0].first, points[0].second);
    }

    static Object* base_button(void (*on_frame)(void*)) { return child_running(map->links.at(1), on_frame); }

    // From a first start (the help screen up) to the bubbles of a finished
    // picture, in the drawing mode given.
    void play(Presenter::Mode mode) {
        quit();
        std::remove((folder.path() + "/pintabo/com.quillfen.pintabo.cfg").c_str());
        presenter.set_mode(mode);
        std::srand(11);
        step_clock(33);
        start();
        push_motion(cx(), cy());
        run_for(700);
        shoot("the help screen over picture 1");
        push_key(SDLK_ESCAPE);
        run_for(700);
        shoot("help closed");

        hover(tubes().at(2));
        run_for(300);
        shoot("tube 3 hovered");
        click_tube(3);
        run_for(300);
        shoot("tube 3 picked");
        int painted = 0;
        for (const char* name : {"color3el1", "color3el2", "color3el3"}) {
            const auto [x, y] = white_point(region(name));
            if (x < 0) continue;
            click_at(x, y);
            painted += 1;
            run_for(250);
        }
        ASSERT_GT(painted, 0);
        shoot("regions painted, fading in");
        run_for(600);
        shoot("regions painted");
        run_for(3000);  // the new colours have settled
        for (int step = 0; step < 12; ++step) {
            push_motion(cx() - cy() / 3 + step * cy() / 18, cy() - cy() / 4 + step * cy() / 30);
            frame();
        }
        shoot("the brush crossing the still picture");
        const auto [wx, wy] = white_point(region("color5el1"));
        ASSERT_GE(wx, 0);
        click_at(wx, wy);
        run_for(100);
        shoot("a wrong click: tube 5 pulses");

        hover(base_button(when_mouse_select_menu_button_f));
        run_for(300);
        shoot("menu button hovered");
        click_on(base_button(when_mouse_select_menu_button_f));
        run_for(250);
        shoot("menu emerging");
        run_for(500);
        shoot("menu open");
        push_key(SDLK_ESCAPE);
        run_for(200);
        shoot("menu vanishing");
        run_for(600);
        shoot("menu gone");

        push_key(SDLK_RIGHT);
        run_for(300);
        shoot("picture 2 coming");
        run_for(800);
        shoot("picture 2");

        // Picture 13, the one with fewest regions, painted to its end.
        goto_page(13);
        run_for(800);
        paint_every_region(page_regions(page_figures[12].simple));
        ASSERT_TRUE(conf->is_finish());
        run_for(100);
        shoot("the first bubbles");
        run_for(600);
        shoot("bubbles everywhere");
        push_motion(cx() / 2, cy() / 2);
        run_for(2500);
        shoot("the bubbles gone, the brush moved");

        // Without the mouse: the focus, a tube by its digit, a region by
        // Enter, the arrows; the sparkles after two wrong clicks; the
        // gallery's tiles; a switch's scan stepping by itself.
        goto_page(4);
        run_for(900);
        push_key(SDLK_TAB);
        run_for(200);
        shoot("the focus shows");
        push_key(SDLK_2);
        run_for(300);
        shoot("tube 2 taken by its digit");
        push_key(SDLK_RETURN);
        run_for(700);
        shoot("a region painted by Enter");
        push_key(SDLK_UP);
        run_for(200);
        shoot("the focus moved up");
        const auto [ox, oy] = white_point(region("color1el1"));
        ASSERT_GE(ox, 0);
        click_at(ox, oy);
        click_at(ox, oy);
        run_for(400);
        shoot("two wrong clicks: sparkles where tube 2's paint belongs");
        push_key(SDLK_g);
        run_for(1200);
        push_key(SDLK_TAB);
        push_key(SDLK_RIGHT);
        run_for(300);
        shoot("the focus on a gallery tile");
        push_key(SDLK_ESCAPE);
        run_for(900);
        conf->switch_scanning = 1;
        run_for(1600);
        shoot("one switch: the highlight stepped by itself");
        conf->switch_scanning = 0;
    }
};

// Pixels that differ by more than a few steps of 8 bits in any channel.
int differing(const Shot& a, const Shot& b) {
    int n = 0;
    for (size_t i = 0; i + 2 < a.rgb.size(); i += 3)
        for (int c = 0; c < 3; ++c)
            if (std::abs(static_cast<int>(a.rgb[i + c]) - static_cast<int>(b.rgb[i + c])) > 6) {
                ++n;
                break;
            }
    return n;
}

// PINTABO_DIFFERENTIAL_KEEP=FOLDER keeps the screens that disagree, as PPM.
void keep(const Shot& s, const std::string& name) {
    const char* folder = std::getenv("PINTABO_DIFFERENTIAL_KEEP");
    if (!folder) return;
    FILE* f = std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", s.width, s.height);
    std::fwrite(s.rgb.data(), 1, s.rgb.size(), f);
    std::fclose(f);
}

TEST_F(RedrawDifferential, DrawingOnlyWhatChangedShowsTheSameScreens) {
    ASSERT_NO_FATAL_FAILURE(play(Presenter::Mode::full));
    std::vector<Shot> whole = std::move(shots);
    shots.clear();
    const unsigned long brush_before = presenter.brush_frames, rested_before = presenter.rested_frames;
    ASSERT_NO_FATAL_FAILURE(play(Presenter::Mode::partial));
    presenter.set_mode(Presenter::Mode::partial);
    EXPECT_GT(presenter.brush_frames, brush_before) << "the brush was redrawn alone at times";
    EXPECT_GT(presenter.rested_frames, rested_before) << "frames were left as they were at times";
    ASSERT_EQ(shots.size(), whole.size());
    for (size_t i = 0; i < shots.size(); ++i) {
        ASSERT_EQ(shots[i].rgb.size(), whole[i].rgb.size());
        const int differ = differing(shots[i], whole[i]);
        EXPECT_LE(differ, 24) << shots[i].moment;
        if (differ > 24) {
            keep(whole[i], std::to_string(i) + "-whole");
            keep(shots[i], std::to_string(i) + "-partial");
        }
    }
    // The session shows something new at every moment: a screen that froze
    // would show the same twice.
    for (size_t i = 1; i < whole.size(); ++i) EXPECT_GT(differing(whole[i], whole[i - 1]), 24) << whole[i].moment;
}

}  // namespace
