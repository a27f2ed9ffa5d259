// The help screen as a first start shows it: the ways to play as buttons,
// the marker on the one that is on, and the box that keeps it from opening.
#include "ui/help_screen.h"

#include "game/page_table.h"
#include "save/config.h"
#include "shell/scene_loader.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/menu.h"
#include "window/game_scene.h"

namespace {

class HelpScreen : public GameScene {
protected:
    HelpScreen() { help_at_start = true; }

    // The help screen's panel: the container's child that runs its mode buttons.
    static Object* panel() {
        if (MENU_GLOBAL->links.empty()) return nullptr;
        for (Object* o : MENU_GLOBAL->links.front()->links)
            if (child_running(o, when_mouse_select_help_screen_button_f)) return o;
        return nullptr;
    }
    static Object* mode_button(int m) { return child_running(panel(), when_mouse_select_help_screen_button_f, m); }
    static Object* marker() { return child_running(panel(), help_screen_select_f); }
    // The screen has been built and its panel has grown in.
    void settle() {
        ASSERT_TRUE(run_until([] { return panel() != nullptr && still(MENU_GLOBAL); }));
    }
};

TEST_F(HelpScreen, FirstStartOpensItOverTheGameWithTheModeOnMarked) {
    ASSERT_NO_FATAL_FAILURE(settle());
    EXPECT_TRUE(hits_layer1);
    EXPECT_EQ(panel()->added_paks, (std::vector<std::string>{"langall.pak", "langen.pak"}));
    EXPECT_EQ(marker()->pos_x, mode_button(1)->pos_x);
    EXPECT_EQ(marker()->alpha, 1.0);
    // Free colouring has no detailed mode: nothing is marked then.
    conf->by_numbers = false;
    conf->detailed = true;
    frame();
    EXPECT_EQ(marker()->alpha, 0.0);
    conf->detailed = false;
    frame();
    EXPECT_EQ(marker()->pos_x, mode_button(3)->pos_x);
    EXPECT_EQ(marker()->pos_z, mode_button(3)->pos_z);
    EXPECT_EQ(marker()->alpha, 1.0);
}

TEST_F(HelpScreen, ModeButtonsSwitchTheGameAndTheActiveOneDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(settle());
    const std::vector<Object*> tubes_before = tubes();
    ASSERT_EQ(tubes_before.size(), 9u);

    click_on(mode_button(2));
    EXPECT_TRUE(conf->by_numbers);
    EXPECT_TRUE(conf->detailed);
    frames(2);
    EXPECT_EQ(conf->get_quality(), page_figures[0].detailed.total);
    EXPECT_EQ(tubes(), tubes_before) << "only the variant changed: the same tubes";
    EXPECT_EQ(marker()->pos_x, mode_button(2)->pos_x);

    const Object* shown = picture();
    click_on(mode_button(2));
    EXPECT_FALSE(nado_meniat_scenu);
    frames(2);
    EXPECT_EQ(picture(), shown) << "the active mode builds nothing";

    click_on(mode_button(3));
    EXPECT_FALSE(conf->by_numbers);
    EXPECT_FALSE(conf->detailed);
    frames(2);
    EXPECT_EQ(tubes().size(), 18u);
    EXPECT_TRUE(hits_layer1) << "the help screen stays";
    EXPECT_FALSE(MENU_GLOBAL->links.front()->deleted);
}

TEST_F(HelpScreen, UntickedStartBoxKeepsItClosedAtTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(settle());
    click_on(child_running(panel(), when_mouse_select_checkbox_f));
    EXPECT_FALSE(conf->help_on_start);
    click_on(child_running(panel(), when_mouse_select_button_cancel_f));
    EXPECT_FALSE(hits_layer1);
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));

    quit();
    start();
    frames(2);
    EXPECT_FALSE(conf->help_on_start);
    EXPECT_TRUE(MENU_GLOBAL->links.empty());
    EXPECT_FALSE(hits_layer1);
}

}  // namespace
