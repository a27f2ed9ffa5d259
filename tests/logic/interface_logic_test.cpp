// The interface's moving parts without a window: panels growing and
// vanishing, the coming-and-going buttons, undo.
#include <cmath>

#include "game/painting.h"
#include "logic/game_fixture.h"
#include "shell/frame_loop.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/confirmations.h"
#include "ui/interface_buttons.h"
#include "ui/menu.h"

namespace {

class Interface : public GameRules {
protected:
    void SetUp() override {
        GameRules::SetUp();
        reset_interface_state();
    }
};

TEST_F(Interface, PanelGrowsOutOfTheCentreHoldingClicksOffOnlyAtFirst) {
    Object panel;
    Action a{1, true, 0.0};
    a.dparam1 = 2.0;
    a.dparam2 = -81.5;
    a.dparam3 = 4.0;
    a.time = 100.0;
    run(emerge_scale_f, a, panel, false, false);
    EXPECT_TRUE(menu_block);
    const double s = std::sin(100.0 * 1.5707963267948966 / 500.0);
    EXPECT_NEAR(panel.pos_x, 2.0 * s, 1e-12);
    EXPECT_DOUBLE_EQ(panel.pos_y, -81.5);
    EXPECT_NEAR(panel.scale_z, s, 1e-12);
    EXPECT_DOUBLE_EQ(panel.scale_y, 1.0);
    a.time = 151.0;
    run(emerge_scale_f, a, panel, false, false);
    EXPECT_FALSE(menu_block);
    a.time = 501.0;
    run(emerge_scale_f, a, panel, false, false);
    EXPECT_DOUBLE_EQ(panel.pos_z, 4.0);
    EXPECT_DOUBLE_EQ(panel.scale_x, 1.0);
    EXPECT_TRUE(a.rip());
}

TEST_F(Interface, PanelVanishesSwellingToTwiceItsSizeAndFadingOut) {
    Object panel;
    Action a{1, true, 0.0};
    a.dparam1 = 2.0;
    a.dparam2 = -81.5;
    a.dparam3 = 4.0;
    a.time = 250.0;
    run(unmerge_scale_f, a, panel, false, false);
    EXPECT_TRUE(menu_block);
    EXPECT_DOUBLE_EQ(panel.alpha, 0.5);
    a.time = 501.0;
    run(unmerge_scale_f, a, panel, false, false);
    EXPECT_FALSE(menu_block);
    EXPECT_DOUBLE_EQ(panel.pos_x, 4.0);
    EXPECT_DOUBLE_EQ(panel.pos_z, 8.0);
    EXPECT_DOUBLE_EQ(panel.scale_x, 2.0);
    EXPECT_DOUBLE_EQ(panel.alpha, 0.0);

    Object widget;
    widget.setalfa(0.3);
    Action fade{1, true, 0.0};
    fade.time = 100.0;
    run(unmerge_transparency_f, fade, widget, false, false);
    EXPECT_DOUBLE_EQ(widget.alpha, 0.3) << "a fade never raises the alpha";

    Object container;
    Action destroy{1, true, 0.0};
    destroy.dparam1 = 500.0;
    menu_block = true;
    destroy.time = 500.0;
    run(default_menu_destroy, destroy, container, false, false);
    EXPECT_FALSE(container.deleted);
    destroy.time = 501.0;
    run(default_menu_destroy, destroy, container, false, false);
    EXPECT_TRUE(container.deleted);
    EXPECT_FALSE(menu_block);
}

// A stand-in owner of a coming-and-going button.
struct Owner {
    static inline bool go = false;
    static inline bool shown = true;
    static inline int done = 0;
    static bool process(int code) {
        switch (code) {
            case 1: return go;
            case 2: shown = false; return true;
            case 3: return shown;
            case 4: ++done; return true;
            default: return false;
        }
    }
};

TEST_F(Interface, HideButtonGrowsInMagnifiesAndShrinksAwayRefusingLateClicks) {
    Owner::go = false;
    Owner::shown = true;
    Owner::done = 0;
    Object button;
    button.chscale(0.3, 0.3, 0.3);
    Action a{1, true, 0.0};
    a.iparam2 = 1;
    a.param = reinterpret_cast<void*>(&Owner::process);
    auto step = [&](double dt, bool hovered, bool click) {
        a.time = dt;
        run(default_processing_hide_button_f, a, button, hovered, click);
    };
    step(300.0, false, false);
    EXPECT_DOUBLE_EQ(button.scale_x, 0.8);
    step(300.0, false, false);
    EXPECT_DOUBLE_EQ(button.scale_x, 1.0) << "stops exactly at full size";
    EXPECT_EQ(a.iparam2, 0);
    step(55.0, true, false);
    EXPECT_DOUBLE_EQ(button.scale_x, 1.05);
    step(100.0, true, true);
    EXPECT_DOUBLE_EQ(button.scale_x, 1.1);
    EXPECT_EQ(Owner::done, 1);

    Owner::go = true;  // the condition ends with the pointer on the button
    step(60.0, true, true);
    EXPECT_FALSE(Owner::shown);
    EXPECT_EQ(Owner::done, 1) << "a click while hiding does nothing";
    EXPECT_DOUBLE_EQ(button.scale_x, 1.0);
    EXPECT_EQ(button.animate.actions.size(), 1u) << "the 450 ms removal is on its way";
    step(5000.0, false, false);
    EXPECT_DOUBLE_EQ(button.scale_x, 0.01);
}

TEST_F(Interface, HideButtonHoveredWhileAppearingKeepsItsScaleUntilHoveredAgain) {
    Owner::go = false;
    Owner::shown = true;
    Object button;
    button.chscale(0.3, 0.3, 0.3);
    Action a{1, true, 0.0};
    a.iparam2 = 1;
    a.param = reinterpret_cast<void*>(&Owner::process);
    a.time = 880.0;  // hovered: the hover rate all the way
    run(default_processing_hide_button_f, a, button, true, false);
    EXPECT_DOUBLE_EQ(button.scale_x, 1.1);
    EXPECT_EQ(a.iparam2, 0);

    Object other;
    other.chscale(0.3, 0.3, 0.3);
    Action b{1, true, 0.0};
    b.iparam2 = 1;
    b.param = a.param;
    b.time = 825.0;
    run(default_processing_hide_button_f, b, other, true, false);
    EXPECT_DOUBLE_EQ(other.scale_x, 1.05);
    b.time = 100.0;
    run(default_processing_hide_button_f, b, other, false, false);
    EXPECT_DOUBLE_EQ(other.scale_x, 1.05) << "still appearing: no shrink yet";
}

TEST_F(Interface, ThreeUndoStepsComeBackInReverseOrder) {
    conf->by_numbers = false;
    brush_clean = false;
    Object region;
    Action paint{1, true, 0.0};
    paint.iparam2 = 0;
    const Color first(0.1, 0.2, 0.3), second(0.4, 0.5, 0.6), third(0.7, 0.8, 0.9);
    for (const Color& c : {first, second, third}) {
        color = c;
        paint.iparam1 = 11;
        run(when_brush_select_scena_f, paint, region, true, true);
    }
    color = first;
    paint.iparam1 = 12;
    run(when_brush_select_scena_f, paint, region, true, true);
    ASSERT_EQ(bb_old_objects_state.size(), 4u);

    show_back_button = true;
    ASSERT_TRUE(process_back_button_f(3));
    process_back_button_f(4);
    EXPECT_TRUE(conf->get_color(12).eq(Color(1.0, 1.0, 1.0)));
    process_back_button_f(4);
    EXPECT_TRUE(conf->get_color(11).eq(second));
    process_back_button_f(4);
    EXPECT_TRUE(conf->get_color(11).eq(first));
    EXPECT_TRUE(signal_show_back_button);
    process_back_button_f(4);
    EXPECT_TRUE(conf->get_color(11).eq(Color(1.0, 1.0, 1.0)));
    EXPECT_FALSE(signal_show_back_button) << "the history is used up";
    EXPECT_TRUE(process_back_button_f(1)) << "the button goes";
}

TEST_F(Interface, ResettingColoursGivesALoadedBrushItsTubesOwnColourAgain) {
    conf->set_custom_color(2, Color(1.0, 0.0, 0.0));
    pick_tube(2);
    ASSERT_TRUE(color.eq(Color(1.0, 0.0, 0.0)));
    show_reset_button = true;
    EXPECT_FALSE(process_reset_button_f(1));
    process_reset_button_f(4);
    EXPECT_TRUE(process_reset_button_f(1));
    EXPECT_TRUE(color.eq(palette_color(page_figures[0].palette[2])));
}

TEST_F(Interface, ConfirmationsRefuseReturnWhileTheirPanelMoves) {
    Object button;
    Action ok{1, true, 0.0};
    Object root;
    map = &root;
    menu_block = true;
    keydown = true;
    keyused = false;
    keyevent.key.keysym.sym = SDLK_RETURN;
    run(when_mouse_select_button_ok_f, ok, button, true, true);
    EXPECT_FALSE(root.deleted);
    EXPECT_FALSE(keyused) << "the key is left for others";
    menu_block = false;
    run(when_mouse_select_button_ok_f, ok, button, false, false);
    EXPECT_TRUE(root.deleted) << "Return quits";
    EXPECT_TRUE(keyused);
    map = nullptr;
    keydown = false;
}

}  // namespace
