#include "window/game_scene.h"

#include "save/profiles.h"
#include "ui/parent_gate.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "audio/sound.h"
#include "support/game_session.h"
#include "game/page_table.h"
#include "res/platform.h"
#include "save/config.h"
#include "scene/draw_blend.h"
#include "scene/model.h"
#include "shell/frame_clock.h"
#include "shell/scene_loader.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "game/game_state.h"
#include "ui/menu.h"

void GameScene::SetUp() {
    real_clock = frame_clock;
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    media.setpwd(get_boundle_path() + "/../data/");
    mouse = MouseState();
    hits_layer1 = hits_layer2 = false;
    set_current_profile(1);
    SDL_Event drained;
    while (SDL_PollEvent(&drained)) {
    }
    start();
}

void GameScene::TearDown() {
    if (map) quit();
    frame_clock = real_clock;
    media.setpwd("0");
}

void GameScene::start() {
    parent_gate_wanted = parent_gate;
    session_start(help_at_start);
}

void GameScene::quit() {
    session_quit([] {
        read_input();
        DrawGLScene();
    });
}

// Game time, so a stepped clock runs as many frames as it takes.
void GameScene::run_for(unsigned ms) {
    const uint32_t from = CURENT_TIME;
    do frame();
    while (CURENT_TIME - from < ms);
}

namespace {
uint32_t stepped_now = 0;
uint32_t stepped_step = 16;
uint32_t stepped_clock() { return stepped_now += stepped_step; }
}  // namespace

void GameScene::step_clock(unsigned ms_per_frame) {
    stepped_now = CURENT_TIME;
    stepped_step = ms_per_frame;
    frame_clock = stepped_clock;
}

void GameScene::click_at(int x, int y) {
    push_motion(x, y);
    frames(2);
    push_button(true, SDL_BUTTON_LEFT);
    push_button(false, SDL_BUTTON_LEFT);
    frame();
}

std::vector<std::pair<int, int>> GameScene::inside(const Object* object) { return screen_points_inside(object); }

Object* GameScene::picture() { return old_scena; }

std::vector<Object*> GameScene::regions() {
    if (!old_scena || old_scena->links.size() < 2) return {};
    return old_scena->links[1]->links;
}

std::vector<Object*> GameScene::tubes() {
    std::vector<Object*> list;
    if (!old_colors) return list;
    for (Object* holder : old_colors->links)
        if (!holder->links.empty()) list.push_back(holder->links.back());
    return list;
}

void GameScene::click_on(const Object* o) {
    ASSERT_NE(o, nullptr);
    const auto points = inside(o);
    ASSERT_FALSE(points.empty());
    click_at(points[0].first, points[0].second);
}

bool GameScene::still(const Object* o) {
    for (const Action& a : o->animate.actions)
        if (a.fun == emerge_scale_f || a.fun == unmerge_scale_f) return false;
    for (const Object* c : o->links)
        if (!still(c)) return false;
    return true;
}

Object* GameScene::child_running(const Object* parent, void (*fun)(void*), int i1) {
    for (Object* o : parent->links)
        for (const Action& a : o->animate.actions)
            if (a.fun == fun && (i1 < 0 || a.iparam1 == i1)) return o;
    return nullptr;
}

Object* GameScene::region(const std::string& name) {
    const PageFigures& f = page_figures[conf->get_page() - 1];
    const std::vector<PageRegion> list = page_regions(conf->detailed ? f.detailed : f.simple);
    const std::vector<Object*> objects = regions();
    for (size_t i = 0; i < list.size() && i < objects.size(); ++i)
        if (list[i].name == name) return objects[i];
    return nullptr;
}

std::pair<int, int> GameScene::white_point(const Object* object) {
    for (const auto& p : inside(object)) {
        const Color c = pixel(p.first, p.second);
        if (c.r > 0.97 && c.g > 0.97 && c.b > 0.97) return p;
    }
    return {-1, -1};
}

bool GameScene::near(Color got, Color want) {
    return std::abs(got.r - want.r) < 0.04 && std::abs(got.g - want.g) < 0.04 && std::abs(got.b - want.b) < 0.04;
}

int GameScene::paint_every_region(const std::vector<PageRegion>& list) {
    const std::vector<Object*> objects = regions();
    EXPECT_EQ(objects.size(), list.size());
    int painted = 0;
    for (size_t i = 0; i < list.size() && i < objects.size(); ++i) {
        if (list[i].num == 9) continue;
        // The brush as a click on the region's tube loads it.
        brush_clean = false;
        color_selected = list[i].num;
        color = conf->get_custom_color(list[i].num);
        const auto points = inside(objects[i]);
        if (points.empty()) continue;
        click_at(points[0].first, points[0].second);
        painted += conf->get_color_state(list[i].id);
    }
    return painted;
}

Object* GameScene::hide_button(bool (*process)(int)) {
    for (Object* o : map->links.at(1)->links)
        for (const Action& a : o->animate.actions)
            if (a.fun == default_processing_hide_button_f && a.param == reinterpret_cast<void*>(process)) return o;
    return nullptr;
}
