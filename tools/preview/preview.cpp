// preview <data folder> <view> <screenshot.png> [language 0-4]
// preview unpack <archive> <folder/>
//
// Opens the game's window (the desktop's size), builds a view of the
// generated artwork at the places the game uses, draws a few frames as the
// game does and saves the last one.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/png_writer.h"
#include "preview_scenes.h"
#include "res/media.h"
#include "res/pack.h"
#include "scene/draw_blend.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/scena.h"
#include "shell/startup.h"

namespace {

// The game's own frame drawing, into the back buffer.
void draw_frame() { draw_scene(); }

bool save_screenshot(const std::string& path) {
    const int w = scena->width, h = scena->height;
    std::vector<unsigned char> px(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    std::vector<unsigned char> flipped(px.size());
    const size_t row = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
        std::copy(px.begin() + static_cast<long>(row * static_cast<size_t>(h - 1 - y)),
                  px.begin() + static_cast<long>(row * static_cast<size_t>(h - y)), flipped.begin() + static_cast<long>(row * static_cast<size_t>(y)));
    return write_png(path, flipped.data(), w, h, 3);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "unpack") {
        Pack pack(argv[2]);
        return pack.unpack_all(argv[3]) ? 0 : 1;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <data folder> <view> <out.png> [language]\n       %s unpack <archive> <folder/>\n",
                     argv[0], argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '/') folder += '/';
    media.setpwd(folder);
    const int language = argc >= 5 ? std::atoi(argv[4]) : 0;

    scena = new Scena(0, 0, 0);
    create_roots();
    if (!build_scene(argv[2], language, map, cursor)) {
        std::fprintf(stderr, "preview: no view called %s\n", argv[2]);
        return 2;
    }
    for (int i = 0; i < 3; ++i) {
        draw_frame();
        if (i < 2) SDL_GL_SwapBuffers();
    }
    const bool ok = save_screenshot(argv[3]);
    delete map;
    delete cursor;
    delete scena;
    return ok ? 0 : 1;
}
