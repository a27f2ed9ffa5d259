// Reads a settings file the way the game does and prints what the end-to-end
// test checks: whether it was whole, the picture on screen and the regions
// painted by numbers in the simple variant of a picture.
//   settings_probe FILE PICTURE
// Prints "damaged <0|1>", "page <n>", then "region <id> colour <1-based>"
// per painted region. Exits 1 when the file cannot be opened.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "save/config.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_probe FILE PICTURE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "settings_probe: cannot open %s\n", argv[1]);
        return 1;
    }
    const Config c(in);
    const int picture = std::atoi(argv[2]);
    std::printf("damaged %d\npage %d\n", c.damaged ? 1 : 0, c.get_page());
    for (size_t i = 0; i < c.pages.size(); ++i) {
        if (c.pages[i] != picture) continue;
        for (const Piece_qor& p : c.pieces_qor[i]) std::printf("region %d colour %d\n", p.uid, p.num + 1);
    }
    return 0;
}
