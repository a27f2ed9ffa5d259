// Reads and writes settings files the way the game does, for the end-to-end
// tests and the power-cut torture.
//   settings_probe FILE PICTURE
//     prints "damaged <0|1>", "page <n>", then "region <id> colour <1-based>"
//     per region painted by numbers in the simple variant of PICTURE.
//   settings_probe --finished FILE
//     prints "damaged <0|1>", then one line "finished <picture> <simple|detailed>"
//     per picture painted to the end by numbers.
//   settings_probe --make-finished FILE
//     writes a file with the help screen off, picture 3 finished in the
//     simple and picture 7 in the detailed variant, picture 1 on screen.
// Exits 1 when the file cannot be read or written.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/page_table.h"
#include "save/config.h"
#include "save/settings_file.h"

namespace {

// Every region of the variant is painted with its own number.
bool finished(const std::vector<Piece_qor>& painted, const PageVariant& variant) {
    int done = 0;
    for (const PageRegion& r : page_regions(variant)) {
        if (r.num == 9) continue;
        for (const Piece_qor& p : painted)
            if (p.uid == r.id && p.num == r.num) {
                ++done;
                break;
            }
    }
    return done == variant.total;
}

void paint_whole(Config& c, int picture, bool detailed) {
    c.detailed = detailed;
    c.set_page(picture);
    const PageFigures& f = page_figures[picture - 1];
    for (const PageRegion& r : page_regions(detailed ? f.detailed : f.simple))
        if (r.num != 9) c.set_color(r.id, Color(), r.num);
}

bool read(const char* path, Config*& c) {
    std::string bytes;
    int error = 0;
    if (!read_settings_file(path, bytes, error)) {
        std::fprintf(stderr, "settings_probe: cannot read %s: %s\n", path, std::strerror(error));
        return false;
    }
    c = new Config(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && !std::strcmp(argv[1], "--make-finished")) {
        Config c;
        c.help_on_start = false;
        paint_whole(c, 3, false);
        paint_whole(c, 7, true);
        c.detailed = false;
        c.set_page(1);
        return save_settings_file(c, argv[2]) ? 0 : 1;
    }
    Config* c = nullptr;
    if (argc == 3 && !std::strcmp(argv[1], "--finished")) {
        if (!read(argv[2], c)) return 1;
        std::printf("damaged %d\n", c->damaged ? 1 : 0);
        for (size_t i = 0; i < c->pages.size(); ++i) {
            const int picture = c->pages[i];
            if (picture < 1 || picture > page_count) continue;
            const PageFigures& f = page_figures[picture - 1];
            if (finished(c->pieces_qor[i], f.simple)) std::printf("finished %d simple\n", picture);
            if (finished(c->hpieces_qor[i], f.detailed)) std::printf("finished %d detailed\n", picture);
        }
        delete c;
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_probe FILE PICTURE | --finished FILE | --make-finished FILE\n");
        return 2;
    }
    if (!read(argv[1], c)) return 1;
    const int picture = std::atoi(argv[2]);
    std::printf("damaged %d\npage %d\n", c->damaged ? 1 : 0, c->get_page());
    for (size_t i = 0; i < c->pages.size(); ++i) {
        if (c->pages[i] != picture) continue;
        for (const Piece_qor& p : c->pieces_qor[i]) std::printf("region %d colour %d\n", p.uid, p.num + 1);
    }
    delete c;
    return 0;
}
