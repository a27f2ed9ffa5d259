// Two children on one account through the real picker and the parent's
// gate: their pictures stay apart (painting, clearing all, the gallery), the
// file from before there were children stays the first child's byte for
// byte, a child taken out leaves a backup, and every door for grown-ups
// asks at the gate.
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "game/keepsakes.h"
#include "game/page_table.h"
#include "save/config.h"
#include "save/profiles.h"
#include "save/settings_file.h"
#include "scene/model.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "support/game_session.h"
#include "ui/buttons.h"
#include "ui/gallery.h"
#include "ui/interface_buttons.h"
#include "ui/main_menu.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"
#include "ui/profile_picker.h"
#include "ui/web_links.h"
#include "window/game_scene.h"

namespace {

std::string child_file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool child_file_exists(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0;
}

class ProfilesTest : public GameScene {
protected:
    std::string first_file;  // the settings file as a game before children wrote it

    // Picture 3 half painted by the one child there was, picture 3 on screen.
    void SetUp() override {
        parent_gate = true;
        GameScene::SetUp();
        quit();
        Config saved;
        saved.help_on_start = false;
        saved.set_page(3);
        std::vector<PageRegion> list = page_regions(page_figures[2].simple);
        list.erase(std::remove_if(list.begin(), list.end(), [](const PageRegion& r) { return r.num == 9; }),
                   list.end());
        for (size_t i = 0; i < list.size() / 2; ++i) saved.set_color(list[i].id, Color(), list[i].num);
        ASSERT_TRUE(save_settings_file(saved, get_cfg_path()));
        first_file = child_file_bytes(get_cfg_path());
        start();
        run_for(500);
    }

    static Object* top_menu() { return MENU_GLOBAL->links.empty() ? nullptr : MENU_GLOBAL->links.back(); }
    static Object* top_panel() {
        Object* c = top_menu();
        if (!c) return nullptr;
        for (Object* o : c->links)
            if (o->scale_children) return o;
        return nullptr;
    }
    void settle() { ASSERT_TRUE(run_until([] { return still(MENU_GLOBAL); })); }

    void open_picker() {
        click_on(child_running(map->links.at(1), when_mouse_select_profiles_button_f));
        ASSERT_TRUE(run_until([] { return picker_children_shown() > 0 && top_panel(); }));
        ASSERT_NO_FATAL_FAILURE(settle());
    }
    static Object* disc(int child) { return child_running(top_panel(), when_mouse_select_child_f, child); }

    // Presses the three numbers the open gate shows in words.
    void answer_gate(bool one_wrong_first = false) {
        ASSERT_TRUE(run_until([] { return parent_gate_number(0) != 0 && top_panel(); }));
        ASSERT_NO_FATAL_FAILURE(settle());
        Object* keys = top_panel();
        if (one_wrong_first) {
            const int wrong = parent_gate_number(0) % 9 + 1;
            click_on(child_running(keys, when_mouse_select_gate_key_f, wrong));
            frames(2);
            ASSERT_NE(parent_gate_number(0), 0) << "a wrong key does not open the gate";
        }
        for (int i = 0; i < 3; ++i) {
            click_on(child_running(keys, when_mouse_select_gate_key_f, parent_gate_number(i)));
            frames(2);
        }
        ASSERT_TRUE(run_until([] { return still(MENU_GLOBAL); }));
    }

    void switch_to(int child) {
        ASSERT_NO_FATAL_FAILURE(open_picker());
        click_on(disc(child));
        frame();
        ASSERT_TRUE(profile_change_pending());
        ASSERT_TRUE(session_next_child([] {
            read_input();
            DrawGLScene();
        }));
        ASSERT_EQ(current_profile(), child);
        run_for(500);
        // A child new here is shown the help screen first.
        if (hits_layer1) {
            ASSERT_NO_FATAL_FAILURE(settle());
            push_key(SDLK_ESCAPE);
            ASSERT_TRUE(run_until([] { return !hits_layer1 && MENU_GLOBAL->links.empty(); }));
        }
        conf->help_on_start = false;
    }

    static size_t painted(int picture) { return conf->painting(picture, true, false).count(); }
};

TEST_F(ProfilesTest, TwoChildrenKeepTheirPicturesApart) {
    const size_t half = painted(3);
    ASSERT_GT(half, 0u);
    EXPECT_FALSE(child_file_exists(folder.file("pintabo/profiles.txt"))) << "one child: no list";

    // A grown-up adds a second child at the gate (a wrong key first).
    ASSERT_NO_FATAL_FAILURE(open_picker());
    EXPECT_EQ(picker_children_shown(), 1);
    click_on(child_running(top_panel(), when_mouse_select_add_child_f));
    ASSERT_NO_FATAL_FAILURE(answer_gate(true));
    ASSERT_TRUE(run_until([] { return picker_children_shown() == 2 && top_panel() && still(MENU_GLOBAL); }));
    EXPECT_EQ(load_profiles().list.size(), 2u);
    EXPECT_EQ(child_file_bytes(get_cfg_path()), first_file);
    push_key(SDLK_ESCAPE);
    run_for(700);

    // The second child starts with nothing painted and paints picture 1 whole.
    ASSERT_NO_FATAL_FAILURE(switch_to(2));
    EXPECT_EQ(child_file_bytes(get_cfg_path()), first_file) << "the first child's file, written again, is the same";
    EXPECT_EQ(painted(3), 0u);
    EXPECT_EQ(keepsake_folder(), get_pictures_path() + "child 2/");
    conf->help_on_start = false;
    const int page = conf->get_page();
    EXPECT_GT(paint_every_region(page_regions(page_figures[page - 1].simple)), 0);
    const size_t second = painted(page);
    push_key(SDLK_g);
    ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
    for (const Gallery_tile_view& t : gallery_view())
        if (t.picture == 3) EXPECT_EQ(t.ring, 0) << "the first child's picture is not in the second's gallery";
    push_key(SDLK_ESCAPE);
    run_for(700);

    // Back to the first child: their half picture is there, the second's is not.
    ASSERT_NO_FATAL_FAILURE(switch_to(1));
    EXPECT_EQ(painted(3), half);
    EXPECT_EQ(painted(page), page == 3 ? half : 0u);

    // The second child clears all: the first child's pictures stay whole.
    ASSERT_NO_FATAL_FAILURE(switch_to(2));
    EXPECT_EQ(painted(page), second);
    click_on(child_running(map->links.at(1), when_mouse_select_menu_button_f));
    ASSERT_TRUE(run_until([] { return top_panel() && still(MENU_GLOBAL); }));
    click_on(child_running(top_panel(), when_mouse_select_clearall_button_f));
    ASSERT_NO_FATAL_FAILURE(answer_gate());
    ASSERT_TRUE(run_until([] { return hits_layer2 && still(MENU_GLOBAL); })) << "the question after the gate";
    push_key(SDLK_RETURN);
    frame();
    EXPECT_TRUE(conf->is_clean());
    Config* first = load_settings_file(get_cfg_path());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->painting(3, true, false).count(), half);
    delete first;
}

TEST_F(ProfilesTest, TakingAChildOutAsksTwiceAndKeepsTheirFile) {
    Profiles list = load_profiles();
    Profile second, third;
    ASSERT_TRUE(add_profile(list, second) && add_profile(list, third));
    ASSERT_TRUE(save_profiles(list));
    ASSERT_NO_FATAL_FAILURE(switch_to(2));
    conf->help_on_start = false;
    ASSERT_NO_FATAL_FAILURE(switch_to(3));
    conf->help_on_start = false;
    ASSERT_NO_FATAL_FAILURE(switch_to(2));  // the third child's file is on disk now
    const std::string third_file = profile_settings_path(3);
    ASSERT_TRUE(child_file_exists(third_file));
    const std::string third_bytes = child_file_bytes(third_file);

    ASSERT_NO_FATAL_FAILURE(open_picker());
    EXPECT_EQ(picker_children_shown(), 3);
    click_on(child_running(top_panel(), when_mouse_select_remove_children_f));
    ASSERT_NO_FATAL_FAILURE(answer_gate());
    ASSERT_TRUE(run_until([] { return disc(3) && still(MENU_GLOBAL); }));
    click_on(disc(1));  // the first child cannot be taken out
    frames(2);
    EXPECT_FALSE(hits_layer2);
    click_on(disc(3));
    ASSERT_TRUE(run_until([] { return hits_layer2 && still(MENU_GLOBAL); })) << "asked once more";
    push_key(SDLK_RETURN);
    ASSERT_TRUE(run_until([] { return picker_children_shown() == 2 && still(MENU_GLOBAL); }));
    EXPECT_FALSE(child_file_exists(third_file));
    EXPECT_EQ(child_file_bytes(third_file + ".bak"), third_bytes);
    EXPECT_EQ(load_profiles().list.size(), 2u);
}

TEST_F(ProfilesTest, AGrownUpTypesAChildsNameWhichTheKeyboardsOtherKeysLeaveAlone) {
    Profiles list = load_profiles();
    Profile second;
    ASSERT_TRUE(add_profile(list, second) && save_profiles(list));
    ASSERT_NO_FATAL_FAILURE(open_picker());
    EXPECT_FALSE(picker_name_plate(2)->visible) << "no name yet";
    click_on(child_running(top_panel(), when_mouse_select_name_children_f));
    ASSERT_NO_FATAL_FAILURE(answer_gate());
    ASSERT_TRUE(run_until([] { return disc(2) && still(MENU_GLOBAL); }));
    click_on(disc(2));
    frame();
    // G would open the gallery and 1 take a tube, Return choose with the focus.
    for (SDLKey k : {SDLK_m, SDLK_i, SDLK_g, SDLK_1, SDLK_BACKSPACE, SDLK_a, SDLK_RETURN}) {
        push_key(k);
        frames(2);
    }
    EXPECT_EQ(load_profiles().find(2)->name, "miga");
    EXPECT_EQ(MENU_GLOBAL->links.size(), 1u) << "only the picker is open";
    Object* plate = picker_name_plate(2);
    ASSERT_NE(plate, nullptr);
    EXPECT_TRUE(plate->visible);
    ASSERT_FALSE(plate->models.empty());
    EXPECT_NE(plate->models[0]->texture, 0u);
    push_key(SDLK_ESCAPE);
    run_for(800);
    ASSERT_NO_FATAL_FAILURE(switch_to(2));
    EXPECT_EQ(keepsake_folder(), get_pictures_path() + "miga/");
}

TEST_F(ProfilesTest, EveryDoorForGrownUpsAsksAtTheGate) {
    struct Door {
        const char* what;
        action_fun fun;
        int i1;
    };
    const Door doors[] = {{"print", when_mouse_select_print_button_f, -1},
                          {"about", when_mouse_select_about_button_f, -1},
                          {"clear all", when_mouse_select_clearall_button_f, -1},
                          {"web", when_mouse_select_web_button_f, 0}};
    for (const Door& d : doors) {
        click_on(child_running(map->links.at(1), when_mouse_select_menu_button_f));
        ASSERT_TRUE(run_until([] { return top_panel() && still(MENU_GLOBAL); })) << d.what;
        click_on(child_running(top_panel(), d.fun, d.i1));
        ASSERT_TRUE(run_until([] { return parent_gate_number(0) != 0 && still(MENU_GLOBAL); })) << d.what;
        EXPECT_FALSE(map->deleted) << d.what << ": nothing happened behind the gate";
        EXPECT_FALSE(keepsake_busy()) << d.what;
        push_key(SDLK_ESCAPE);  // the gate goes, and then the menu
        ASSERT_TRUE(run_until([] { return MENU_GLOBAL->links.size() == 1u && still(MENU_GLOBAL) && !menu_block; }))
            << d.what;
        EXPECT_FALSE(hits_layer2) << d.what;
        EXPECT_TRUE(hits_layer1) << d.what;
        push_key(SDLK_ESCAPE);
        ASSERT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }, 3000)) << d.what;
    }
    // The gallery's "+" tile: the chooser (a stand-in that notes it ran)
    // starts only once the gate is answered.
    {
        std::ofstream script(folder.file("zenity"));
        script << "#!/bin/sh\ntouch '" << folder.file("chooser-ran") << "'\nexit 1\n";
    }
    chmod(folder.file("zenity").c_str(), 0755);
    const std::string old_path = std::getenv("PATH");
    setenv("PATH", (folder.path() + ":" + old_path).c_str(), 1);
    push_key(SDLK_g);
    ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
    Object* back = nullptr;
    for (Object* part : MENU_GLOBAL->links.back()->links)
        if (!back) back = child_running(part, when_mouse_select_gallery_arrow_f, -1);
    if (!gallery_plus_tile()) {
        click_on(back);  // the + tile is on the last page, before the first
        frames(3);
    }
    click_on(gallery_plus_tile());
    ASSERT_TRUE(run_until([] { return parent_gate_number(0) != 0; }));
    run_for(500);
    EXPECT_FALSE(child_file_exists(folder.file("chooser-ran"))) << "no chooser before the gate is answered";
    ASSERT_NO_FATAL_FAILURE(answer_gate());
    EXPECT_TRUE(run_until([&] { return child_file_exists(folder.file("chooser-ran")); }, 5000));
    setenv("PATH", old_path.c_str(), 1);
}

}  // namespace
