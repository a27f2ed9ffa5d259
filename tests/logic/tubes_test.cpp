// The paint tubes: where they stand, hover, pick, hint and rebuild.
#include <cmath>

#include "game/tubes.h"
#include "logic/game_fixture.h"
#include "support/test_objects.h"

namespace {

class Tubes : public GameRules {
protected:
    Object root;
    void TearDown() override {
        dismantle(root);
        GameRules::TearDown();
    }

    // Builds the tubes as the scene loader's fresh tube root does, and runs
    // every holder once so each has made its tube.
    std::vector<Object*> build() {
        Object_curent = &root;
        create_colors_f(nullptr);
        for (Object* holder : root.links) {
            Action& a = holder->animate.actions.at(0);
            run(create_color_f, a, *holder, false, false);
        }
        return root.links;
    }
    static Object* tube_of(Object* holder) { return holder->links.back(); }
    static Action& select_action(Object* tube) { return tube->animate.actions.at(0); }
};

TEST(TubePlaces, RowsFollowTheTubeCountAndFreeTubesStandInTwoColumns) {
    const double y7[7] = {3.929, 2.576, 1.224, -0.129, -1.482, -2.835, -4.188};
    for (int i = 0; i < 7; ++i) {
        const TubePlace p = tube_place(i, 7, true);
        EXPECT_DOUBLE_EQ(p.x, -9.857);
        EXPECT_DOUBLE_EQ(p.y, y7[i]);
        EXPECT_DOUBLE_EQ(p.z, 77.0);
    }
    EXPECT_DOUBLE_EQ(tube_place(0, 2, true).x, -2.5);
    EXPECT_DOUBLE_EQ(tube_place(1, 2, true).x, 0.0);
    EXPECT_DOUBLE_EQ(tube_place(16, 18, false).y, -5.98);
    EXPECT_DOUBLE_EQ(tube_place(17, 18, false).x, -9.983);
    EXPECT_DOUBLE_EQ(tube_place(17, 18, false).z, 75.0);
    EXPECT_DOUBLE_EQ(free_palette_color(0).r, 0.99609375) << "free white still counts as paint";
    EXPECT_DOUBLE_EQ(free_palette_color(2).g, 204 / 256.0);
}

TEST_F(Tubes, PaintByNumbersMakesOneLabelledTubePerColour) {
    COLORS_NUM = 7;
    const std::vector<Object*> holders = build();
    ASSERT_EQ(holders.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        Object* tube = tube_of(holders[static_cast<size_t>(i)]);
        EXPECT_EQ(tube->added_paks.size(), 1u);
        ASSERT_EQ(tube->links.size(), 1u);
        Object* ribbon = tube->links[0];
        EXPECT_TRUE(ribbon->scale_children);
        EXPECT_TRUE(ribbon->rgb.eq(conf->get_custom_color(i)));
        EXPECT_EQ(ribbon->links.size(), 1u) << "the number label";
        EXPECT_EQ(select_action(tube).iparam1, i + 1);
        EXPECT_DOUBLE_EQ(holders[static_cast<size_t>(i)]->pos_y, tube_place(i, 7, true).y);
    }
}

TEST_F(Tubes, FreeColouringMakesEighteenUnlabelledTubesAndTheSharedPalette) {
    conf->by_numbers = false;
    conf->set_page(1);
    const std::vector<Object*> holders = build();
    ASSERT_EQ(holders.size(), 18u);
    for (int i = 0; i < 18; ++i) {
        EXPECT_TRUE(conf->get_custom_color(i).eq(free_palette_color(i)));
        EXPECT_TRUE(tube_of(holders[static_cast<size_t>(i)])->links[0]->links.empty());
    }
}

TEST_F(Tubes, HoverGrowsToExactly1Point2AndLeavingShrinksBackToExactly1) {
    Object* tube = tube_of(build()[0]);
    Object* ribbon = tube->links[0];
    tube->chscale(1.0, 1.0, 1.0);
    Action& a = select_action(tube);
    a.time = 30.0;
    run(when_brush_select_color_f, a, *tube, true, false);
    EXPECT_DOUBLE_EQ(tube->scale_x, 1.1);
    EXPECT_DOUBLE_EQ(ribbon->scale_y, 1.1);
    EXPECT_EQ(a.time, 0.0);
    a.time = 45.0;
    run(when_brush_select_color_f, a, *tube, true, false);
    EXPECT_DOUBLE_EQ(tube->scale_x, 1.2);
    a.time = 30.0;
    run(when_brush_select_color_f, a, *tube, false, false);
    EXPECT_DOUBLE_EQ(tube->scale_z, 1.1);
    a.time = 1000.0;
    run(when_brush_select_color_f, a, *tube, false, false);
    EXPECT_DOUBLE_EQ(tube->scale_x, 1.0);
    EXPECT_DOUBLE_EQ(ribbon->scale_x, 1.0);
}

TEST_F(Tubes, PickingLoadsTheBrushSquishesAndPuffsBubbles) {
    const Color mine(0.2, 0.4, 0.6);
    conf->set_custom_color(3, mine);
    Object* tube = tube_of(build()[3]);
    const size_t children = tube->links.size();
    Action& a = select_action(tube);
    run(when_brush_select_color_f, a, *tube, true, true);
    EXPECT_EQ(color_selected, 3);
    EXPECT_FALSE(brush_clean);
    EXPECT_TRUE(color.eq(mine)) << "the user's replacement colour";
    EXPECT_TRUE(played("banka.wav"));
    EXPECT_EQ(tube->links.size() - children, 20u);
    EXPECT_EQ(tube->animate.actions.size(), 3u) << "the squish started beside the standing two";

    hits_layer1 = true;
    color_selected = 0;
    run(when_brush_select_color_f, select_action(tube), *tube, true, true);
    EXPECT_EQ(color_selected, 0) << "no picking under a dialog";
}

TEST_F(Tubes, WrongClickHintPulsesOnceTheTubeIsNoLongerHovered) {
    Object* tube = tube_of(build()[5]);
    const size_t standing = tube->animate.actions.size();
    colors_hint = 6;
    run(when_brush_select_color_f, select_action(tube), *tube, true, false);
    EXPECT_EQ(colors_hint, 6);
    run(when_brush_select_color_f, select_action(tube), *tube, false, false);
    EXPECT_EQ(colors_hint, 0);
    EXPECT_EQ(tube->animate.actions.size(), standing + 1);
}

TEST_F(Tubes, AChangedPaletteColourRebuildsOnlyThatTube) {
    std::vector<Object*> holders = build();
    Object* before2 = tube_of(holders[2]);
    Object* before3 = tube_of(holders[3]);
    conf->set_custom_color(2, Color(1.0, 0.0, 0.0));
    for (Object* holder : holders) run(create_color_f, holder->animate.actions.at(0), *holder, false, false);
    EXPECT_TRUE(before2->deleted);
    EXPECT_FALSE(before3->deleted);
    EXPECT_EQ(holders[3]->links.size(), 1u);
    ASSERT_EQ(holders[2]->links.size(), 2u);
    EXPECT_TRUE(tube_of(holders[2])->links[0]->rgb.eq(Color(1.0, 0.0, 0.0)));
}

TEST_F(Tubes, AnimationsSettleOnTheirRestingScale) {
    Object* tube = tube_of(build()[0]);
    Object* ribbon = tube->links[0];
    Action a{1, true, 0.0};
    a.param = ribbon;
    a.time = 350.0;
    run(colors_scale_f, a, *tube, false, false);
    EXPECT_NEAR(tube->scale_x, std::sin(3.14159265358979 / 4), 1e-9);
    a.time = 701.0;
    run(colors_scale_f, a, *tube, false, false);
    EXPECT_DOUBLE_EQ(ribbon->scale_x, 1.0);
    EXPECT_TRUE(a.rip());

    Action squish{1, true, 0.0};
    squish.param = ribbon;
    squish.time = 75.0;  // a quarter period: sine 1
    run(colors_click_scale_f, squish, *tube, false, false);
    EXPECT_NEAR(tube->scale_x, 1.17, 1e-9);
    EXPECT_NEAR(tube->scale_z, 1.24, 1e-9);

    Action pulse{1, true, 0.0};
    pulse.param = ribbon;
    pulse.time = 100.0;
    run(colors_hint_scale_f, pulse, *tube, false, false);
    EXPECT_NEAR(ribbon->scale_y, 0.93, 1e-9);
    pulse.time = 401.0;
    run(colors_hint_scale_f, pulse, *tube, false, false);
    EXPECT_DOUBLE_EQ(tube->scale_x, 1.0);
}

}  // namespace
