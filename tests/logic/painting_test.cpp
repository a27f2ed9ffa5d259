// Painting a region: when a click paints, what it records and what it plays.
#include "game/effects.h"
#include "game/painting.h"
#include "logic/game_fixture.h"
#include "res/platform.h"
#include "save/settings_writer.h"
#include "support/file_bytes.h"

namespace {

class Painting : public GameRules {
protected:
    Object region;
    Action a{1, true, 0.0};

    // A click on the region with id `id` and colour number `num`.
    void click(int id, int num, bool hovered = true) {
        a.iparam1 = id;
        a.iparam2 = num;
        run(when_brush_select_scena_f, a, region, hovered, true);
    }
};

TEST_F(Painting, RightTubePaintsAndWrongTubeAsksTheRightOneToShowItself) {
    region.visible = false;
    pick_tube(2);
    click(31, 2);
    EXPECT_TRUE(conf->get_color_state(31));
    EXPECT_TRUE(region.visible);
    EXPECT_TRUE(conf->get_color(31).eq(palette_color(0x23AF01)));
    EXPECT_TRUE(played("scena.wav"));
    EXPECT_EQ(colors_hint, 0);

    Object other;
    other.visible = false;
    a.iparam1 = 51;
    a.iparam2 = 4;
    run(when_brush_select_scena_f, a, other, true, true);
    EXPECT_FALSE(conf->get_color_state(51));
    EXPECT_FALSE(other.visible);
    EXPECT_TRUE(played("scena_false.wav"));
    EXPECT_EQ(colors_hint, 5);
}

TEST_F(Painting, TheColourAloneIsNotEnoughTheTubeNumberMustMatch) {
    // Tube 2 repainted in tube 3's colour by the child: still the wrong tube.
    conf->set_custom_color(1, conf->get_custom_color(2));
    pick_tube(1);
    click(31, 2);
    EXPECT_FALSE(conf->get_color_state(31));
    EXPECT_EQ(colors_hint, 3);
}

TEST_F(Painting, CleanBrushIsAWrongClickAndColouredRegionsNeverChange) {
    click(11, 0);
    EXPECT_FALSE(conf->get_color_state(11));
    EXPECT_EQ(colors_hint, 1);
    EXPECT_TRUE(played("scena_false.wav"));

    pick_tube(0);
    click(11, 0);
    ASSERT_TRUE(conf->get_color_state(11));
    colors_hint = 0;
    const size_t before = sounds_played();
    for (int tube : {0, 3}) {
        pick_tube(tube);
        click(11, 0);
    }
    brush_clean = true;
    click(11, 0);
    EXPECT_TRUE(conf->get_color(11).eq(palette_color(0x93C700)));
    EXPECT_EQ(sounds_played(), before);
    EXPECT_EQ(colors_hint, 0);
}

TEST_F(Painting, FixedRegionsAreNeverPaintedAndPointAtNoTube) {
    for (int tube = 0; tube < 9; ++tube) {
        pick_tube(tube);
        click(101, 9);
    }
    EXPECT_FALSE(conf->get_color_state(101));
    EXPECT_EQ(colors_hint, 0);
}

TEST_F(Painting, NothingHappensUnderADialogOrAwayFromThePointerButColoursStillFade) {
    pick_tube(0);
    hits_layer1 = true;
    region.setcolor(0.8, 0.8, 0.8, 1.0);
    a.time = 250.0;
    click(11, 0);
    EXPECT_FALSE(conf->get_color_state(11));
    EXPECT_DOUBLE_EQ(region.rgb.r, 0.9);  // half way to white in 250 ms
    hits_layer1 = false;
    click(11, 0, false);
    EXPECT_FALSE(conf->get_color_state(11));
    EXPECT_EQ(sounds_played(), 0u);
    EXPECT_EQ(a.time, 0.0) << "the action keeps one frame's step";
}

TEST_F(Painting, ALongFrameLandsOnTheColourInsteadOfOvershooting) {
    region.setcolor(0.8, 0.8, 0.8, 1.0);
    a.time = 4000.0;  // the machine slept
    click(11, 0, false);
    EXPECT_DOUBLE_EQ(region.rgb.r, 1.0);
    EXPECT_DOUBLE_EQ(region.rgb.g, 1.0);
}

TEST_F(Painting, TheLastRegionFinishesThePictureStartsTheBurstsAndSaves) {
    conf->set_quality(2);
    pick_tube(3);
    click(41, 3);
    EXPECT_FALSE(shot);
    click(42, 3);
    EXPECT_TRUE(played("finish.wav"));
    EXPECT_TRUE(shot);
    EXPECT_EQ(color_effect_num, 4);
    EXPECT_EQ(effect_quality, 12);
    EXPECT_EQ(color_effect_order.items, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3}));
    settings_writer.flush();
    const std::vector<unsigned char> saved = read_bytes(get_cfg_path());
    ASSERT_FALSE(saved.empty()) << "a finished picture is written at once";
    std::ifstream in(get_cfg_path(), std::ios::binary);
    const Config back(in);
    EXPECT_EQ(back.pieces_qor.at(0).size(), 2u);
}

// A detailed picture keeps its painting in tables of its own: it counts as
// begun after one region (so the clear button comes) and as finished on its
// last region, whatever the simple variant holds.
TEST_F(Painting, ADetailedPictureIsBegunFinishedAndClearedByItsOwnTable) {
    const PageVariant& detailed = page_figures[12].detailed;
    conf->detailed = true;
    show_picture(13);
    conf->set_quality(detailed.total);
    std::vector<PageRegion> list = page_regions(detailed);
    list.erase(std::remove_if(list.begin(), list.end(), [](const PageRegion& r) { return r.num == 9; }), list.end());
    ASSERT_EQ(static_cast<int>(list.size()), detailed.total);
    for (size_t i = 0; i < list.size(); ++i) {
        pick_tube(list[i].num);
        click(list[i].id, list[i].num);
        ASSERT_TRUE(conf->get_color_state(list[i].id)) << list[i].name;
        ASSERT_FALSE(conf->is_clean());
        if (i + 1 < list.size()) {
            ASSERT_FALSE(conf->is_finish()) << "after " << i + 1;
        }
    }
    EXPECT_TRUE(conf->is_finish());
    EXPECT_EQ(effect_quality, 12) << "the bubbles start";
    conf->detailed = false;
    EXPECT_TRUE(conf->is_clean()) << "the simple variant is untouched";
    conf->detailed = true;
    conf->clear_color();
    EXPECT_TRUE(conf->is_clean());
    EXPECT_FALSE(conf->is_finish());
}

TEST_F(Painting, FreeColouringPaintsAnyRegionAndRemembersWhatItCovered) {
    conf->by_numbers = false;
    click(11, 0);
    EXPECT_FALSE(conf->get_color_state(11)) << "a clean brush paints nothing";

    brush_clean = false;
    color = Color(0.5, 0.25, 0.0);
    click(101, 9);
    ASSERT_TRUE(conf->get_color_state(101)) << "fixed regions are paintable in free colouring";
    EXPECT_TRUE(signal_show_back_button);
    ASSERT_EQ(bb_old_objects_state.size(), 1u);
    EXPECT_EQ(bb_old_objects_state[0].uid, 101);
    EXPECT_TRUE(bb_old_objects_state[0].color.eq(Color(1.0, 1.0, 1.0)));

    click(101, 9);
    EXPECT_EQ(bb_old_objects_state.size(), 1u) << "the same colour again is no step";

    color = Color(0.0, 0.0, 1.0);
    click(101, 9);
    ASSERT_EQ(bb_old_objects_state.size(), 2u);
    EXPECT_TRUE(bb_old_objects_state[1].color.eq(Color(0.5, 0.25, 0.0)));
    EXPECT_TRUE(conf->get_color(101).eq(Color(0.0, 0.0, 1.0)));
    EXPECT_TRUE(played("scena.wav"));
}

}  // namespace
