#include "picture_table.h"

#include <array>

#include "game/page_table.h"

namespace {

// The builder reads the game's own catalogue, so the archives it writes and
// the regions the game asks for can never disagree.
std::array<PictureInfo, page_count> make_pictures() {
    std::array<PictureInfo, page_count> pictures{};
    for (int i = 0; i < page_count; ++i) {
        const PageFigures& f = page_figures[i];
        PictureInfo& info = pictures[static_cast<size_t>(i)];
        info.number = i + 1;
        info.tubes = f.tubes;
        for (int c = 0; c < 9; ++c) info.palette[c] = c < f.tubes ? f.palette[c] : 0;
        for (int n = 1; n <= 10; ++n) {
            info.simple[n] = f.simple.regions[n - 1];
            info.detailed[n] = f.detailed.regions[n - 1];
        }
    }
    return pictures;
}

}  // namespace

const PictureInfo& picture_info(int number) {
    static const std::array<PictureInfo, page_count> pictures = make_pictures();
    return pictures.at(static_cast<size_t>(number - 1));
}

unsigned palette_colour(const PictureInfo& info, int colour) {
    return colour >= 1 && colour <= info.tubes ? info.palette[colour - 1] : 0xFFFFFF;
}
