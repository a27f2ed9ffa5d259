// Shows one picture archive in the game's own window and frame, painted with
// its palette (or blank), and saves the screen as a PNG: the check that the
// artwork, the sheet, the overlays and the light come together on screen.
//
//   picture_shot DATA_DIR ARCHIVE OUT.png [blank]

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/png_writer.h"
#include "res/media.h"
#include "res/pack.h"
#include "scene/draw_blend.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/scena.h"
#include "../picture_table.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: picture_shot DATA_DIR ARCHIVE OUT.png [blank]\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/", pak = argv[2];
    const bool blank = argc > 4 && std::string(argv[4]) == "blank";
    const int number = std::stoi(pak.substr(pak.find("page") + 4, 2));
    const PictureInfo& info = picture_info(number);

    media.setpwd(dir);
    scena = new Scena(0, 0, 0);
    init_light();
    map = new Object();
    map->addfun(add_light, nullptr);
    Object* root = new Object();
    root->chrot(-90, 0, 0);
    map->addlink(root);
    Object* sheet = new Object();
    sheet->add(pak.c_str(), "block");
    root->addlink(sheet);
    Object* container = new Object();
    container->chrot(90, 0, 0);
    container->chposition(-11.716, -51.121, -14.607);
    root->addlink(container);
    const Pack names((dir + pak).c_str());
    for (const std::string& name : names.names) {
        if (name.rfind("color", 0) != 0) continue;
        const int colour = std::stoi(name.substr(5));
        Object* region = new Object();
        region->add(pak.c_str(), name.c_str());
        const unsigned rgb = palette_colour(info, colour);
        region->setcolor(((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1.0);
        region->visible = !blank && colour != 10;
        container->addlink(region);
    }
    Object* overlay = new Object();
    overlay->add(pak.c_str(), "list_nums");
    overlay->add(pak.c_str(), "list_kontur");
    // With PICTURE_SHOT_RETINT set, the sheet and the overlay get a tint a
    // hair off white: some GL drivers keep the last region's colour in the
    // colour-tracked material when an untinted model sets plain white again.
    if (std::getenv("PICTURE_SHOT_RETINT")) {
        sheet->setcolor(0.9999, 1, 1, 1);
        overlay->setcolor(0.9999, 1, 1, 1);
    }
    root->addlink(overlay);

    std::vector<unsigned char> px(static_cast<size_t>(scena->width) * scena->height * 3);
    for (int frame = 0; frame < 2; ++frame) {
        glClearColor(0.25f, 0.3f, 0.35f, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -100.0f);
        map->draw();
        draw_blend_models.draw_models();
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, scena->width, scena->height, GL_RGB, GL_UNSIGNED_BYTE, px.data());
        SDL_GL_SwapBuffers();
    }
    std::vector<unsigned char> flipped(px.size());
    const size_t row = static_cast<size_t>(scena->width) * 3;
    for (int y = 0; y < scena->height; ++y)
        std::copy(px.begin() + y * row, px.begin() + (y + 1) * row, flipped.begin() + (scena->height - 1 - y) * row);
    const bool ok = write_png(argv[3], flipped.data(), scena->width, scena->height, 3);
    delete map;
    delete scena;
    return ok ? 0 : 1;
}
