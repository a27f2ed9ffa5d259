#include "window/window_scene.h"

#include <GL/gl.h>

#include "scene/draw_blend.h"
#include "support/test_objects.h"
#include "window/x_screen.h"

namespace {
// Where the pointer was last sent: a press or a release happens there, as a
// real mouse's do.
int sent_x = -1, sent_y = -1;
}  // namespace

void WindowScene::SetUp() {
    sent_x = sent_y = -1;
    media.setpwd(folder.prefix());
    map = new Object();
    cursor = new Object();
    mouse = MouseState();
    hits_layer1 = hits_layer2 = false;
    SDL_Event drained;
    while (SDL_PollEvent(&drained)) {
    }
}

void WindowScene::TearDown() {
    dismantle(*map);
    dismantle(*cursor);
    draw_blend_models.models.clear();
    delete map;
    delete cursor;
    map = cursor = nullptr;
    hits.hit = nullptr;
    media.setpwd("0");
}

void WindowScene::frame() {
    read_input();
    DrawGLScene();
}

void WindowScene::push_motion(int x, int y) {
    sent_x = x;
    sent_y = y;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    push(e);
}

void WindowScene::push_button(bool down, int button) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = static_cast<Uint8>(button);
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(sent_x >= 0 ? sent_x : mouse.x);
    e.button.y = static_cast<Uint16>(sent_y >= 0 ? sent_y : mouse.y);
    push(e);
}

void WindowScene::push_key(SDLKey key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    push(e);
}

Color WindowScene::pixel(int x, int y) {
    double rgb[3] = {-1, -1, -1};
    x_screen_pixel(x, y, rgb);
    return Color(rgb[0], rgb[1], rgb[2]);
}

int WindowScene::texture_level0(unsigned what) {
    GLint v = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &v);
    return v;
}

std::vector<unsigned char> WindowScene::bound_texels() {
    std::vector<unsigned char> out(static_cast<size_t>(texture_level0(GL_TEXTURE_WIDTH) * texture_level0(GL_TEXTURE_HEIGHT) * 4));
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    return out;
}

Object* WindowScene::pickable(Object* parent, const char* pak, const char* entry, double z) {
    Object* o = new Object();
    o->addfun(mouse_select, nullptr);
    o->add(pak, entry);
    o->chposition(0.0, 0.0, z);
    parent->addlink(o);
    return o;
}
