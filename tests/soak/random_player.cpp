#include "soak/random_player.h"

#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "support/game_session.h"

namespace {

// Every object that takes clicks and is on screen now: the candidates the
// next pick will test, found the way the drawing walk finds them.
void clickables(const Object* o, std::vector<const Object*>& out) {
    if (o->deleted) return;
    if (is_pickable(o) && o->loaded && !o->models.empty()) out.push_back(o);
    for (const Object* child : o->links) clickables(child, out);
}

const SDLKey game_keys[] = {SDLK_ESCAPE, SDLK_RETURN, SDLK_F1, SDLK_TAB, SDLK_LEFT,  SDLK_RIGHT, SDLK_UP,
                             SDLK_DOWN,   SDLK_SPACE,  SDLK_g,  SDLK_1,   SDLK_3,     SDLK_PAGEUP};

}  // namespace

Random_player::Random_player(unsigned seed, int width, int height) : rng_(seed), width_(width), height_(height) {}

void Random_player::play_frame() {
    if (plan_.empty()) plan();
    const Frame f = plan_.front();
    plan_.pop_front();
    if (f.empty()) ++counts_.idle_frames;
    for (SDL_Event e : f) SDL_PushEvent(&e);
}

void Random_player::plan() {
    const int r = below(100);
    if (r < 38)
        click_something();
    else if (r < 48)
        click_anywhere();
    else if (r < 56)
        wander();
    else if (r < 61)
        drag();
    else if (r < 75)
        key(false);
    else if (r < 80)
        key(true);
    else
        for (int n = 1 + below(12); n > 0; --n) plan_.push_back({});
}

// The pointer goes there in one frame (the pick follows it after that frame)
// and the click comes in the next, sometimes twice.
void Random_player::click_something() {
    std::vector<const Object*> targets;
    if (map) clickables(map, targets);
    if (targets.empty()) return click_anywhere();
    const auto points = screen_points_inside(targets[static_cast<size_t>(below(static_cast<int>(targets.size())))]);
    if (points.empty()) return click_anywhere();
    const auto [x, y] = points[static_cast<size_t>(below(std::min<int>(4, static_cast<int>(points.size()))))];
    plan_.push_back({motion(x, y)});
    plan_.push_back({button(true), button(false)});
    ++counts_.object_clicks;
    ++counts_.clicks;
    if (below(8) == 0) {
        plan_.push_back({button(true), button(false)});
        ++counts_.clicks;
    }
}

void Random_player::click_anywhere() {
    plan_.push_back({motion(below(width_), below(height_))});
    plan_.push_back({button(true), button(false)});
    ++counts_.clicks;
}

void Random_player::wander() {
    for (int n = 1 + below(4); n > 0; --n) {
        plan_.push_back({motion(below(width_), below(height_))});
        ++counts_.moves;
    }
}

// Pressed in one place, moved while held, let go somewhere else.
void Random_player::drag() {
    plan_.push_back({motion(below(width_), below(height_)), button(true)});
    for (int n = 1 + below(4); n > 0; --n) plan_.push_back({motion(below(width_), below(height_))});
    plan_.push_back({motion(below(width_), below(height_)), button(false)});
    ++counts_.drags;
}

void Random_player::key(bool with_click) {
    const SDLKey k = game_keys[below(static_cast<int>(sizeof game_keys / sizeof game_keys[0]))];
    if (with_click) {
        click_something();
        plan_.back().push_back(keydown(k));
    } else {
        plan_.push_back({keydown(k)});
    }
    ++counts_.keys;
}

namespace {
// Where the pointer was sent last: presses and releases happen there.
int sent_x = 0, sent_y = 0;
}  // namespace

SDL_Event Random_player::motion(int x, int y) {
    sent_x = x;
    sent_y = y;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    return e;
}

SDL_Event Random_player::button(bool down) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(sent_x);
    e.button.y = static_cast<Uint16>(sent_y);
    return e;
}

SDL_Event Random_player::keydown(SDLKey key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    return e;
}
