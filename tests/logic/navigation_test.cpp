// Turning pages: which builder is asked for, and what the request keeps.
#include "game/navigation.h"
#include "game/pages.h"
#include "game/painting.h"
#include "logic/game_fixture.h"

namespace {

class Navigation : public GameRules {
protected:
    // The request as the scene loader will see it.
    void expect_request(page_builder builder) {
        EXPECT_TRUE(nado_meniat_scenu);
        EXPECT_EQ(novaia_scena, builder);
        nado_meniat_scenu = false;
    }
};

TEST_F(Navigation, ArrowsWrapAroundInTheVariantDetailedSelects) {
    nado_meniat_scenu = false;
    show_picture(20);
    next_page();
    expect_request(page01_f);
    show_picture(1);
    prev_page();
    expect_request(page20_f);

    conf->detailed = true;
    next_page();
    expect_request(hpage02_f);
    prev_page();
    expect_request(hpage20_f);
    show_picture(20);
    next_page();
    expect_request(hpage01_f);
}

TEST_F(Navigation, PaintByNumbersStartsCleanWhileFreeColouringKeepsBrushAndTubes) {
    nado_meniat_scenu = false;
    signal_show_back_button = true;
    next_page();
    expect_request(page02_f);
    EXPECT_FALSE(signal_show_back_button);
    EXPECT_FALSE(no_clean_brush);
    EXPECT_FALSE(ne_trogat_banki);

    conf->by_numbers = false;
    signal_show_back_button = true;
    goto_page(7);
    expect_request(page07_f);
    EXPECT_FALSE(signal_show_back_button);
    EXPECT_TRUE(no_clean_brush);
    EXPECT_TRUE(ne_trogat_banki);
}

TEST_F(Navigation, UnknownPicturesRequestNothing) {
    nado_meniat_scenu = false;
    for (int n : {0, 21, -3}) goto_page(n);
    EXPECT_FALSE(nado_meniat_scenu);
    EXPECT_EQ(novaia_scena, page01_f);

    conf->set_default(true);  // no picture on screen
    next_page();
    prev_page();
    EXPECT_FALSE(nado_meniat_scenu);
}

TEST_F(Navigation, WithoutAPictureToShowAgainPicture1ComesInTheVariantTheSettingsSay) {
    conf->set_default(true);
    conf->detailed = true;
    nado_meniat_scenu = false;
    default_page();
    expect_request(hpage01_f);
    conf->detailed = false;
    default_page();
    expect_request(page01_f);
}

TEST_F(Navigation, DefaultPageRebuildsThePictureOnScreenTouchingNothingElse) {
    nado_meniat_scenu = false;
    show_picture(13);
    conf->by_numbers = false;
    signal_show_back_button = true;
    conf->detailed = true;
    default_page();
    expect_request(hpage13_f);
    EXPECT_TRUE(signal_show_back_button);
    EXPECT_FALSE(no_clean_brush);
    EXPECT_FALSE(ne_trogat_banki);
}

TEST_F(Navigation, MenuWatchersRebuildWhenModeOrVariantIsSwitched) {
    nado_meniat_scenu = false;
    show_picture(5);
    Object watcher;
    Action mode{1, true, 0.0};
    mode.iparam1 = conf->by_numbers;
    Action variant{1, true, 0.0};
    variant.iparam1 = conf->detailed;

    run(redraw_scene_when_check_f, mode, watcher, false, false);
    run(redraw_scene_when_check_complex_f, variant, watcher, false, false);
    EXPECT_FALSE(nado_meniat_scenu) << "nothing switched, nothing rebuilt";

    signal_show_back_button = true;
    conf->by_numbers = false;
    run(redraw_scene_when_check_f, mode, watcher, false, false);
    EXPECT_TRUE(nado_meniat_scenu);
    EXPECT_FALSE(ne_trogat_banki) << "a new mode brings new tubes";
    EXPECT_FALSE(signal_show_back_button);
    EXPECT_EQ(mode.iparam1, 0);
    nado_meniat_scenu = false;

    conf->detailed = true;
    run(redraw_scene_when_check_complex_f, variant, watcher, false, false);
    expect_request(hpage05_f);
    EXPECT_TRUE(ne_trogat_banki) << "both variants share the tubes";
    run(redraw_scene_when_check_complex_f, variant, watcher, false, false);
    EXPECT_FALSE(nado_meniat_scenu) << "the switch is acted on once";
}

}  // namespace
