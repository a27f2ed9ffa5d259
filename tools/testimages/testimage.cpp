// Writes a picture to try pintabo-import on.
//
//   testimage photo|crayon WIDTH HEIGHT OUT.png

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/png_writer.h"
#include "test_scenes.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: testimage photo|crayon WIDTH HEIGHT OUT.png\n");
        return 2;
    }
    const std::string kind = argv[1];
    const int w = std::atoi(argv[2]), h = std::atoi(argv[3]);
    if ((kind != "photo" && kind != "crayon") || w < 16 || h < 16 || w > 10000 || h > 10000) {
        std::fprintf(stderr, "testimage: photo or crayon, 16 to 10000 pixels a side\n");
        return 2;
    }
    const Image img = kind == "photo" ? photo_scene(w, h) : crayon_drawing(w, h);
    if (!write_png(argv[4], img, 3)) {
        std::fprintf(stderr, "testimage: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
