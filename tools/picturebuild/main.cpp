// Builds the picture archives "page01.pak" ... "page20.pak" and
// "hpage01.pak" ... "hpage20.pak" into a folder. A picture that fails its
// checks is reported and not written, and the run ends with status 1.
//
//   picturebuild --out DIR [--only N] [--stamp FILE] [--sheet FILE.png] [--views DIR]

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "common/png_writer.h"
#include "digit_glyphs.h"
#include "picture_builder.h"
#include "pictures/pictures.h"
#include "soft_render.h"

int main(int argc, char** argv) {
    std::string out_dir, stamp, sheet_path, views_dir;
    int only = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--out") out_dir = argv[i + 1];
        else if (opt == "--only") only = std::atoi(argv[i + 1]);
        else if (opt == "--stamp") stamp = argv[i + 1];
        else if (opt == "--sheet") sheet_path = argv[i + 1];
        else if (opt == "--views") views_dir = argv[i + 1];
        else {
            std::fprintf(stderr, "picturebuild: unknown option %s\n", opt.c_str());
            return 2;
        }
    }
    if (out_dir.empty() && sheet_path.empty() && views_dir.empty()) {
        std::fprintf(stderr, "usage: picturebuild --out DIR [--only N] [--stamp FILE] [--sheet FILE] [--views DIR]\n");
        return 2;
    }
    const DigitGlyphs glyphs(PINTABO_FONT_REGULAR);
    if (!glyphs.ok()) {
        std::fprintf(stderr, "picturebuild: cannot read the font %s\n", PINTABO_FONT_REGULAR);
        return 1;
    }
    bool failed = false;
    std::vector<Image> simple_tiles, detailed_tiles;
    for (int detailed = 0; detailed < 2; ++detailed)
        for (int n = 1; n <= 20; ++n) {
            if (only && n != only) continue;
            const BuiltPicture pic = build_picture(n, detailed != 0, glyphs);
            for (const std::string& note : pic.notes) std::printf("  %s: %s\n", pic.variant_name().c_str(), note.c_str());
            if (!pic.error.empty()) {
                std::fprintf(stderr, "picturebuild: %s: %s\n", pic.variant_name().c_str(), pic.error.c_str());
                failed = true;
                if (!views_dir.empty()) {
                    Scene scene;
                    draw_picture(n, detailed != 0, scene);
                    write_png(views_dir + "/" + pic.archive_name().substr(0, pic.archive_name().size() - 4) + "_scene.png",
                              render_scene(scene, n), 3);
                }
                continue;
            }
            std::printf("%-12s %3zu regions, smallest circle %.2f units\n", pic.archive_name().c_str(), pic.regions.size(),
                        pic.smallest_circle);
            if (!out_dir.empty() && !save_archive(pic, out_dir + "/" + pic.archive_name())) {
                std::fprintf(stderr, "picturebuild: cannot write %s\n", (out_dir + "/" + pic.archive_name()).c_str());
                failed = true;
            }
            if (!sheet_path.empty()) (detailed ? detailed_tiles : simple_tiles).push_back(render_picture(pic, only ? 14 : 8, true));
            if (!views_dir.empty()) {
                const std::string base = views_dir + "/" + pic.archive_name().substr(0, pic.archive_name().size() - 4);
                write_png(base + "_painted.png", render_picture(pic, 24, true), 3);
                write_png(base + "_blank.png", render_picture(pic, 24, false), 3);
            }
        }
    if (!sheet_path.empty()) {
        std::vector<Image> tiles = simple_tiles;
        tiles.insert(tiles.end(), detailed_tiles.begin(), detailed_tiles.end());
        if (!write_png(sheet_path, contact_sheet(tiles, only ? 2 : 10), 3)) failed = true;
    }
    if (failed) return 1;
    if (!stamp.empty()) std::ofstream(stamp) << "pictures built\n";
    return 0;
}
