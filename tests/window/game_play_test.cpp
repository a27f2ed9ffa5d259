// Paint by numbers through the real game: start-up, tubes, painting, the
// finishing bubbles and progress kept across a restart.
#include <cmath>

#include "game/effects.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/page_table.h"
#include "game/tubes.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_writer.h"
#include "shell/scene_loader.h"
#include "support/file_bytes.h"
#include "window/game_scene.h"

namespace {

class GamePlay : public GameScene {
protected:
    void pick_tube(int number) {
        const auto points = inside(tubes().at(static_cast<size_t>(number - 1)));
        ASSERT_FALSE(points.empty());
        click_at(points[0].first, points[0].second);
    }
};

TEST_F(GamePlay, FirstStartShowsPicture1WithNineTubes) {
    frames(2);
    EXPECT_EQ(conf->get_page(), 1);
    EXPECT_EQ(COLORS_NUM, 9);
    EXPECT_EQ(conf->get_quality(), 45);
    ASSERT_NE(picture(), nullptr);
    EXPECT_EQ(picture()->links.size(), 3u) << "sheet, regions, overlay";
    EXPECT_EQ(regions().size(), 46u);
    ASSERT_EQ(tubes().size(), 9u);
    for (Object* tube : tubes()) EXPECT_FALSE(tube->models.empty());
    EXPECT_TRUE(brush_clean);
}

TEST_F(GamePlay, TubeLoadsTheBrushAndTheRightRegionTakesItsColour) {
    run_for(800);  // the tubes have grown in
    pick_tube(3);
    EXPECT_EQ(color_selected, 2);
    EXPECT_FALSE(brush_clean);
    EXPECT_TRUE(color.eq(palette_color(page_figures[0].palette[2])));

    Object* target = region("color3el1");
    ASSERT_NE(target, nullptr);
    const auto [x, y] = white_point(target);
    ASSERT_GE(x, 0) << "no bare point found in the region";
    click_at(x, y);
    EXPECT_TRUE(conf->get_color_state(31));
    push_motion(2, 2);  // the brush out of the way
    run_for(3000);
    EXPECT_TRUE(near(pixel(x, y), palette_color(page_figures[0].palette[2])))
        << pixel(x, y).r << " " << pixel(x, y).g << " " << pixel(x, y).b;
}

TEST_F(GamePlay, WrongClickMakesTheRightTubePulse) {
    run_for(800);
    pick_tube(3);
    Object* wrong = region("color5el1");
    ASSERT_NE(wrong, nullptr);
    const auto [x, y] = white_point(wrong);
    ASSERT_GE(x, 0);
    click_at(x, y);
    EXPECT_FALSE(conf->get_color_state(51));
    frame();
    EXPECT_EQ(colors_hint, 0) << "tube 5 took the hint";
    bool pulsing = false;
    for (const Action& a : tubes().at(4)->animate.actions) pulsing |= a.fun == colors_hint_scale_f;
    EXPECT_TRUE(pulsing);
}

TEST_F(GamePlay, PaintingEveryRegionOfPicture13FiresTheCompletionChain) {
    goto_page(13);
    run_for(800);
    ASSERT_EQ(conf->get_page(), 13);
    EXPECT_EQ(paint_every_region(page_regions(page_figures[12].simple)), 21);
    EXPECT_TRUE(conf->is_finish());
    frames(2);
    EXPECT_GT(picture()->links.size(), 3u + 50u) << "the first burst is out";
    EXPECT_TRUE(run_until([] { return effect_quality == 0; })) << "all twelve bursts launched";
}

// Requests to keep the tubes (a variant change, a clear) overtaken in the
// same frame, before the picture is rebuilt, by a change of mode or of
// picture: the tubes must be those of the mode and the picture that show.
TEST_F(GamePlay, AKeepTheTubesRequestOvertakenInTheSameFrameStillGivesTheRightTubes) {
    run_for(800);
    ASSERT_TRUE(conf->by_numbers);
    ASSERT_EQ(tubes().size(), 9u);
    // The detailed option's watcher asks for the picture in the other
    // variant with the tubes kept; the help screen's free colouring button
    // then switches the mode.
    conf->detailed = true;
    default_page();
    ne_trogat_banki = true;
    conf->by_numbers = false;
    run_for(800);
    EXPECT_EQ(tubes().size(), 18u) << "free colouring's tubes";
    conf->detailed = false;
    default_page();
    ne_trogat_banki = true;
    conf->by_numbers = true;
    run_for(800);
    EXPECT_EQ(tubes().size(), 9u) << "picture 1's tubes";

    // A clear asks to keep the tubes of picture 1; a turn to picture 18,
    // which has seven, follows.
    ASSERT_EQ(page_figures[17].tubes, 7);
    nado_meniat_scenu = ne_trogat_banki = true;
    goto_page(18);
    run_for(800);
    ASSERT_EQ(conf->get_page(), 18);
    EXPECT_EQ(tubes().size(), 7u);
}

TEST_F(GamePlay, FreeColouringKeepsBrushAndTubesAcrossPicturesAndSavesOnEachChange) {
    conf->by_numbers = false;
    nado_meniat_scenu = true;  // the first picture, now in free colouring
    run_for(800);
    const std::vector<Object*> before = tubes();
    ASSERT_EQ(before.size(), 18u);
    pick_tube(5);
    EXPECT_EQ(color_selected, 4);
    auto saved_page = [] {
        settings_writer.flush();
        const std::vector<unsigned char> bytes = read_bytes(get_cfg_path());
        return Config(bytes.data(), bytes.size()).get_page();
    };
    EXPECT_EQ(saved_page(), 1) << "the picture shown is saved";

    next_page();
    frames(2);
    EXPECT_EQ(saved_page(), 2) << "and so is the next";
    EXPECT_EQ(conf->get_page(), 2);
    EXPECT_EQ(tubes(), before) << "the same tube objects";
    EXPECT_FALSE(brush_clean);
    EXPECT_TRUE(color.eq(free_palette_color(4)));
    EXPECT_EQ(picture()->links.at(2)->added_paks, (std::vector<std::string>{"interface.pak", "page02.pak"}))
        << "outlines over the number-less overlay";
}

TEST_F(GamePlay, ProgressWrittenAtQuitIsShownAtTheNextStart) {
    run_for(800);
    pick_tube(1);
    Object* target = region("color1el1");
    const auto [x, y] = white_point(target);
    ASSERT_GE(x, 0);
    click_at(x, y);
    ASSERT_TRUE(conf->get_color_state(11));
    quit();
    EXPECT_FALSE(read_bytes(get_cfg_path()).empty());

    start();
    frames(2);
    EXPECT_EQ(conf->get_page(), 1);
    EXPECT_TRUE(conf->get_color_state(11));
    Object* again = region("color1el1");
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->visible);
    EXPECT_FALSE(region("color1el2")->visible);
}

}  // namespace
