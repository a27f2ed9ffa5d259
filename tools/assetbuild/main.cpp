// Builds the game's archives: interface artwork, the menus' artwork and the
// words of every language (and the sounds, where their builder is present).
//
//   assetbuild <output folder> [desktop icon .png]
//
// The same program run twice writes the same bytes.
#include <chrono>
#include <cstdio>
#include <string>

#include "archives.h"
#include "common/png_writer.h"
#include "desktop_icon.h"

#ifdef PINTABO_BUILD_SOUNDS
#include "sounds.h"
#endif

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [icon.png]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';

    const auto start = std::chrono::steady_clock::now();
    struct Step {
        const char* what;
        bool (*build)(const std::string&);
    };
    const Step steps[] = {
        {"interface.pak", build_interface_archive},
        {"langall.pak", build_langall_archive},
        {"language archives", build_language_archives},
#ifdef PINTABO_BUILD_SOUNDS
        {"sound.pak and music.pak", build_sound_archives},
#endif
    };
    for (const Step& s : steps) {
        if (!s.build(folder)) {
            std::fprintf(stderr, "assetbuild: cannot write %s into %s\n", s.what, folder.c_str());
            return 1;
        }
    }
    if (argc >= 3 && !write_png(argv[2], make_desktop_icon(256), 4)) {
        std::fprintf(stderr, "assetbuild: cannot write %s\n", argv[2]);
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetbuild: archives written to %s in %.1f s\n", folder.c_str(), seconds);
    return 0;
}
