// The main menu on the real game: its options, the language row, the
// clear-all and about dialogs and the links that leave for the web site.
#include "ui/main_menu.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "game/page_table.h"
#include "save/config.h"
#include "shell/frame_clock.h"
#include "shell/startup.h"
#include "game/navigation.h"
#include "ui/buttons.h"
#include "ui/interface_buttons.h"
#include "ui/menu.h"
#include "ui/web_links.h"
#include "window/game_scene.h"

namespace {

class MainMenu : public GameScene {
protected:
    // Through the menu button; the panel has grown in afterwards.
    void open_menu() {
        frames(2);
        click_on(child_running(map->links.at(1), when_mouse_select_menu_button_f));
        ASSERT_TRUE(run_until([] { return panel() != nullptr; }));
        ASSERT_NO_FATAL_FAILURE(settle());
    }
    void settle() {
        ASSERT_TRUE(run_until([] { return still(MENU_GLOBAL); }));
    }

    static Object* container() { return MENU_GLOBAL->links.empty() ? nullptr : MENU_GLOBAL->links.front(); }
    // The main menu's newest panel (the one with the five slots).
    static Object* panel() {
        Object* c = container();
        if (!c) return nullptr;
        for (auto o = c->links.rbegin(); o != c->links.rend(); ++o)
            if (!(*o)->deleted && (*o)->event.slot_on.size() == 5) return *o;
        return nullptr;
    }
    static size_t panels() {
        size_t n = 0;
        for (Object* o : container()->links) n += o->event.slot_on.size() == 5;
        return n;
    }
    // Check boxes in the order built: sound, music, by numbers, detailed.
    static Object* box(size_t i) { return panel()->links.at(2 * i); }
    static Object* button(action_fun fun, int i1 = -1) { return child_running(panel(), fun, i1); }

    // A dialog over the menu: the newest container.
    static Object* dialog_panel() { return MENU_GLOBAL->links.back()->links.at(0); }

    // An opener in PATH that writes the address it was given to `log`.
    std::string fake_opener() {
        const std::string log = folder.file("opened.txt");
        {
            std::ofstream script(folder.file("xdg-open"));
            script << "#!/bin/sh\nprintf '%s' \"$1\" > '" << log << ".part'\n/bin/mv '" << log << ".part' '" << log
                   << "'\n";
        }
        chmod(folder.file("xdg-open").c_str(), 0755);
        old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", folder.path().c_str(), 1);
        return log;
    }
    static std::string wait_for(const std::string& file) {
        std::string got;
        for (int i = 0; i < 200 && got.empty(); ++i) {
            std::ifstream in(file);
            std::getline(in, got, '\0');
            if (got.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        return got;
    }
    void TearDown() override {
        if (!old_path.empty()) setenv("PATH", old_path.c_str(), 1);
        GameScene::TearDown();
    }
    std::string old_path;
};

TEST_F(MainMenu, CheckBoxesSwitchSoundAndMusic) {
    ASSERT_NO_FATAL_FAILURE(open_menu());
    EXPECT_TRUE(hits_layer1);
    const bool sound_on = conf->sound_on, music_on = conf->music_on;
    click_on(box(0));
    EXPECT_EQ(conf->sound_on, !sound_on);
    click_on(box(1));
    EXPECT_EQ(conf->music_on, !music_on);
    frame();
    EXPECT_EQ(panel()->links.at(3)->alpha, music_on ? 0.0 : 1.0) << "the music tick follows the option";
    click_on(box(0));
    click_on(box(1));
    EXPECT_EQ(conf->sound_on, sound_on);
    EXPECT_EQ(conf->music_on, music_on);
}

TEST_F(MainMenu, DetailedBoxRebuildsThePictureInItsOtherVariantKeepingTheTubes) {
    ASSERT_NO_FATAL_FAILURE(open_menu());
    const std::vector<Object*> tubes_before = tubes();
    const Object* picture_before = picture();
    ASSERT_FALSE(conf->detailed);
    click_on(box(3));
    EXPECT_TRUE(conf->detailed);
    frames(3);
    EXPECT_NE(picture(), picture_before);
    EXPECT_EQ(regions().size(), page_regions(page_figures[0].detailed).size());
    EXPECT_EQ(conf->get_quality(), page_figures[0].detailed.total);
    EXPECT_EQ(tubes(), tubes_before) << "the same tube objects";
    EXPECT_TRUE(hits_layer1) << "the menu stays open";
}

TEST_F(MainMenu, NumbersBoxTurnsToFreeColouringWithItsEighteenTubes) {
    ASSERT_NO_FATAL_FAILURE(open_menu());
    ASSERT_EQ(tubes().size(), 9u);
    click_on(box(2));
    EXPECT_FALSE(conf->by_numbers);
    frames(3);
    EXPECT_EQ(tubes().size(), 18u);
    EXPECT_FALSE(conf->detailed);
}

TEST_F(MainMenu, CloseButtonTakesTheWholeMenuAway) {
    ASSERT_NO_FATAL_FAILURE(open_menu());
    click_on(button(when_mouse_select_button_cancel_send2_f));
    EXPECT_FALSE(hits_layer1);
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
}

TEST_F(MainMenu, LanguageChangeBuildsThePanelAgainInTheNewLanguageAndIsSaved) {
    ASSERT_NO_FATAL_FAILURE(open_menu());
    ASSERT_EQ(conf->language, 0);
    Object* old_panel = panel();
    EXPECT_EQ(button(when_mouse_select_lang_button_f, 0), nullptr) << "English is marked, not a button";
    click_on(button(when_mouse_select_lang_button_f, 1));
    EXPECT_EQ(conf->language, 1);
    ASSERT_TRUE(run_until([old_panel] { return panel() != nullptr && panel() != old_panel; }))
        << "a second panel comes";
    Object* new_panel = panel();
    EXPECT_EQ(new_panel->added_paks, (std::vector<std::string>{"langall.pak", "langde.pak"}));
    EXPECT_EQ(button(when_mouse_select_lang_button_f, 1), nullptr) << "German is marked now";
    EXPECT_NE(button(when_mouse_select_lang_button_f, 0), nullptr);
    EXPECT_TRUE(run_until([] { return panels() == 1u; })) << "the old panel goes";
    EXPECT_TRUE(hits_layer1);
    EXPECT_FALSE(container()->deleted) << "the menu stays open";

    quit();
    start();
    EXPECT_EQ(conf->language, 1);
}

// While the panel is rebuilt in a new language, the old panel answers
// nothing; a close once the new one is up takes the new one away as every
// close does; and the option watchers end with their panel.
TEST_F(MainMenu, TheOldPanelIsDeafDuringALanguageChangeAndItsWatchersEndWithIt) {
    step_clock(16);
    ASSERT_NO_FATAL_FAILURE(open_menu());
    Object* old_panel = panel();
    const auto spanish = inside(button(when_mouse_select_lang_button_f, 2)).at(0);
    click_on(button(when_mouse_select_lang_button_f, 1));
    // Clicks on the old Spanish entry and Escape, every frame until the new
    // panel is there.
    push_motion(spanish.first, spanish.second);
    while (panel() == old_panel) {
        push_button(true, SDL_BUTTON_LEFT);
        push_button(false, SDL_BUTTON_LEFT);
        push_key(SDLK_ESCAPE);
        frame();
        ASSERT_EQ(conf->language, 1);
        ASSERT_TRUE(hits_layer1);
    }
    Object* german = panel();
    ASSERT_NO_FATAL_FAILURE(settle());
    EXPECT_EQ(panels(), 1u);

    // Closed, and then the game switches to free colouring (as the help
    // screen's mode button does) while the panel is still vanishing: the
    // picture is rebuilt once, not again by the closed menu's watcher.
    push_key(SDLK_ESCAPE);
    frame();
    EXPECT_FALSE(hits_layer1);
    bool vanishing = false;
    for (const Action& a : german->animate.actions) vanishing |= a.fun == unmerge_scale_f;
    EXPECT_TRUE(vanishing) << "the new panel vanishes";
    const Object* before = picture();
    conf->by_numbers = false;
    default_page();
    int rebuilds = 0;
    for (int i = 0; i < 40; ++i) {
        frame();
        if (picture() != before) ++rebuilds, before = picture();
    }
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(tubes().size(), 18u);
}

TEST_F(MainMenu, ClearAllWipesEveryPictureAndRebuildsThisOneKeepingTheTubes) {
    frames(2);
    conf->set_color(11, Color(), 0);
    conf->by_numbers = false;
    conf->set_color(12, Color(0.5, 0.5, 0.5), 0);
    conf->by_numbers = true;
    ASSERT_NO_FATAL_FAILURE(open_menu());
    const std::vector<Object*> tubes_before = tubes();
    const Object* picture_before = picture();

    click_on(button(when_mouse_select_clearall_button_f));
    EXPECT_EQ(MENU_GLOBAL->links.size(), 2u);
    frame();
    EXPECT_TRUE(hits_layer2);
    ASSERT_NO_FATAL_FAILURE(settle());
    click_on(box(0));  // the menu under the dialog does not answer
    EXPECT_TRUE(conf->sound_on);
    push_key(SDLK_RETURN);
    frame();
    EXPECT_FALSE(hits_layer2);
    EXPECT_TRUE(hits_layer1) << "the main menu stays";
    EXPECT_TRUE(conf->is_clean());
    conf->by_numbers = false;
    EXPECT_TRUE(conf->is_clean()) << "free colouring too";
    conf->by_numbers = true;
    frames(2);
    EXPECT_NE(picture(), picture_before);
    EXPECT_EQ(tubes(), tubes_before);
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.size() == 1u; })) << "the dialog goes";
    EXPECT_FALSE(container()->deleted);
}

TEST_F(MainMenu, WebButtonOpensTheSiteInTheMenuLanguageAndLeavesTheGame) {
    conf->language = 3;
    const std::string log = fake_opener();
    ASSERT_NO_FATAL_FAILURE(open_menu());
    click_on(button(when_mouse_select_web_button_f, 0));
    EXPECT_TRUE(map->deleted) << "the game ends";
    EXPECT_EQ(wait_for(log), web_address(0, 3));
}

TEST_F(MainMenu, AboutDialogLinksAnswerOnlyOverTheMenu) {
    const std::string log = fake_opener();
    ASSERT_NO_FATAL_FAILURE(open_menu());
    click_on(button(when_mouse_select_about_button_f));
    ASSERT_NO_FATAL_FAILURE(settle());
    EXPECT_TRUE(hits_layer2);
    Object* about = dialog_panel();
    ASSERT_EQ(about->added_paks, (std::vector<std::string>{"langall.pak", "langen.pak"}));
    click_on(child_running(about, when_mouse_select_web_button_f, 2));
    EXPECT_TRUE(map->deleted);
    EXPECT_EQ(wait_for(log), web_address(2, 0));
}

TEST_F(MainMenu, AboutDialogClosesBackToTheMenu) {
    ASSERT_NO_FATAL_FAILURE(open_menu());
    click_on(button(when_mouse_select_about_button_f));
    ASSERT_NO_FATAL_FAILURE(settle());
    click_on(button(when_mouse_select_button_cancel_send2_f));  // under the dialog: refused
    EXPECT_TRUE(hits_layer1);
    click_on(child_running(dialog_panel(), when_mouse_select_button_cancel_layer1_f));
    EXPECT_FALSE(hits_layer2);
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.size() == 1u; }));
    ASSERT_NO_FATAL_FAILURE(settle());
    EXPECT_TRUE(hits_layer1);
    click_on(box(0));
    EXPECT_FALSE(conf->sound_on) << "the menu answers again";
}

}  // namespace
