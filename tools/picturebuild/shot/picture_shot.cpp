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
#include "game/page_table.h"
#include "game/pages.h"
#include "res/media.h"
#include "save/config.h"
#include "scene/draw_list.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/scena.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: picture_shot DATA_DIR ARCHIVE OUT.png [blank]\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/", pak = argv[2];
    const bool blank = argc > 4 && std::string(argv[4]) == "blank";
    const size_t at = pak.find("page");
    if (at == std::string::npos || pak.size() < at + 6) {
        std::fprintf(stderr, "picture_shot: %s is not a picture archive\n", pak.c_str());
        return 2;
    }
    const int number = std::atoi(pak.substr(at + 4, 2).c_str());
    const bool detailed = pak[0] == 'h';
    if (number < 1 || number > page_count) {
        std::fprintf(stderr, "picture_shot: no picture %d\n", number);
        return 2;
    }
    const PageFigures& figures = page_figures[number - 1];

    // The game's own page builder lays the picture out, painted from the
    // palette unless a blank sheet is wanted.
    media.setpwd(dir);
    conf = new Config();
    conf->by_numbers = true;
    conf->detailed = detailed;
    conf->set_page(number);
    const std::vector<PageRegion> regions = page_regions(detailed ? figures.detailed : figures.simple);
    if (!blank)
        for (const PageRegion& r : regions)
            if (r.num < figures.tubes) conf->set_color(r.id, palette_color(figures.palette[r.num]), r.num);
    scena = new Scena(0, 0, 0);
    init_light();
    map = new Object();
    map->addfun(add_light, nullptr);
    Object* root = new Object();
    root->chrot(-90, 0, 0);
    map->addlink(root);
    Object_curent = root;
    build_page(number, detailed);
    // Shown at once in their colours rather than faded in.
    for (size_t i = 0; i < regions.size(); ++i) root->links[1]->links[i]->setcolor(conf->get_color(regions[i].id));
    // With PICTURE_SHOT_RETINT set, the sheet and the overlay get a tint a
    // hair off white: some GL drivers keep the last region's colour in the
    // colour-tracked material when an untinted model sets plain white again.
    if (std::getenv("PICTURE_SHOT_RETINT")) {
        root->links[0]->setcolor(0.9999, 1, 1, 1);
        root->links[2]->setcolor(0.9999, 1, 1, 1);
    }

    std::vector<unsigned char> px(static_cast<size_t>(scena->width) * scena->height * 3);
    for (int frame = 0; frame < 2; ++frame) {
        glClearColor(0.25f, 0.3f, 0.35f, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -100.0f);
        draw_tree_now(map);
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
    delete conf;
    delete scena;
    return ok ? 0 : 1;
}
