// Writes a picture to try pintabo-import on.
//
//   testimage photo|crayon|page|scan|portrait|pet|meadow WIDTH HEIGHT OUT.png
//
// "page" is the colouring page as printed, "scan" the same as a scanner
// gives it.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/png_writer.h"
#include "test_scenes.h"

int main(int argc, char** argv) {
    const char* usage = "usage: testimage photo|crayon|page|scan|portrait|pet|meadow WIDTH HEIGHT OUT.png\n";
    if (argc != 5) {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    const std::string kind = argv[1];
    const int w = std::atoi(argv[2]), h = std::atoi(argv[3]);
    if (w < 16 || h < 16 || w > 10000 || h > 10000) {
        std::fprintf(stderr, "testimage: 16 to 10000 pixels a side\n");
        return 2;
    }
    Image img;
    if (kind == "photo") img = photo_scene(w, h);
    else if (kind == "crayon") img = crayon_drawing(w, h);
    else if (kind == "page" || kind == "scan") img = colouring_page(w, h, kind == "scan");
    else if (kind == "portrait") img = portrait(w, h);
    else if (kind == "pet") img = pet_face(w, h);
    else if (kind == "meadow") img = meadow_sheep(w, h);
    else {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    if (!write_png(argv[4], img, 3)) {
        std::fprintf(stderr, "testimage: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
