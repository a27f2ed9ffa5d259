// The base screen's buttons and keys on the real game: the quit question,
// the modal layers, clearing after confirmation.
#include "game/game_state.h"
#include "res/platform.h"
#include "save/config.h"
#include "shell/scene_loader.h"
#include "shell/startup.h"
#include "support/file_bytes.h"
#include "ui/interface_buttons.h"
#include "ui/menu.h"
#include "window/game_scene.h"

namespace {

class Interface : public GameScene {
protected:
    // The permanent buttons in their order: quit, help, menu, left, right.
    static Object* permanent(size_t i) { return map->links.at(1)->links.at(i); }
    // The coming-and-going button standing at x.
    static Object* shown_at(double x) {
        for (Object* b : map->links.at(1)->links)
            if (b->pos_x == x && !b->deleted) return b;
        return nullptr;
    }
    static size_t menus_open() {
        size_t n = 0;
        for (Object* m : MENU_GLOBAL->links) n += !m->deleted;
        return n;
    }
    void key(SDLKey k) {
        push_key(k);
        frame();
    }
};

TEST_F(Interface, EscapeAsksBeforeQuittingAndASecondEscapeCancels) {
    frames(2);
    key(SDLK_ESCAPE);
    frame();
    EXPECT_EQ(menus_open(), 1u);
    EXPECT_TRUE(hits_layer1);
    run_for(400);
    key(SDLK_ESCAPE);
    EXPECT_FALSE(hits_layer1);
    EXPECT_EQ(menus_open(), 1u) << "still vanishing";
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); })) << "the dialog goes after half a second";
    EXPECT_FALSE(menu_block);
    EXPECT_TRUE(frame_loop_running());
}

TEST_F(Interface, EscapeThenReturnQuitsAndWritesTheSettings) {
    frames(2);
    key(SDLK_ESCAPE);
    run_for(300);
    key(SDLK_RETURN);
    EXPECT_TRUE(map->deleted);
    for (int guard = 0; frame_loop_running() && guard < 100; ++guard) frame();
    EXPECT_FALSE(frame_loop_running());
    EXPECT_FALSE(read_bytes(get_cfg_path()).empty());
}

TEST_F(Interface, BaseScreenIgnoresClicksAndKeysWhileAMenuIsOpen) {
    frames(2);
    key(SDLK_ESCAPE);
    run_for(400);
    ASSERT_EQ(menus_open(), 1u);
    click_on(permanent(1));  // help
    key(SDLK_F1);
    key(SDLK_RIGHT);
    frame();
    EXPECT_EQ(menus_open(), 1u);
    EXPECT_EQ(conf->get_page(), 1);
}

TEST_F(Interface, KeyAndClickInOneFrameOpenOneDialog) {
    frames(2);
    const auto points = inside(permanent(0));
    ASSERT_FALSE(points.empty());
    push_motion(points[0].first, points[0].second);
    frames(2);
    push_key(SDLK_F1);
    push_button(true, SDL_BUTTON_LEFT);
    frame();
    frame();
    EXPECT_EQ(menus_open(), 1u);
}

TEST_F(Interface, ArrowsTurnPagesAndClearAsksFirst) {
    frames(2);
    key(SDLK_RIGHT);
    frames(2);
    EXPECT_EQ(conf->get_page(), 2);
    key(SDLK_LEFT);
    frames(2);
    EXPECT_EQ(conf->get_page(), 1);

    // Something painted: the clear button comes.
    brush_clean = false;
    color_selected = 0;
    color = conf->get_custom_color(0);
    conf->set_color(11, color, 0);
    run_for(800);
    ASSERT_TRUE(show_clean_button);
    Object* clear = shown_at(7.3);
    ASSERT_NE(clear, nullptr);
    click_on(clear);
    frame();
    EXPECT_EQ(menus_open(), 1u);
    EXPECT_FALSE(conf->is_clean()) << "nothing is cleared before OK";
    run_for(400);
    Object* old_picture = old_scena;
    key(SDLK_RETURN);
    frames(2);
    EXPECT_TRUE(conf->is_clean());
    EXPECT_NE(old_scena, old_picture) << "rebuilt uncoloured";
    EXPECT_FALSE(brush_clean) << "the brush stays loaded";
    EXPECT_TRUE(run_until([] { return shown_at(7.3) == nullptr; })) << "the clear button hides";
    EXPECT_FALSE(show_clean_button);
}

}  // namespace
