#include "page_preview.h"

#include <cerrno>
#include <cstring>

#include "common/png_writer.h"
#include "page_render.h"

namespace {

constexpr double kPxPerUnit = 16;  // a page about 540 pixels across
constexpr int kSwatch = 28;        // a tube's square

// The tubes' colours side by side under the pages, on white.
Image tube_strip(const BuiltPicture& pic, int width) {
    Image strip(width, kSwatch + 8, {1, 1, 1, 1});
    for (size_t t = 0; t < pic.palette.size(); ++t) {
        const uint32_t c = pic.palette[t];
        const Rgba rgba{(c >> 16 & 0xFF) / 255.0f, (c >> 8 & 0xFF) / 255.0f, (c & 0xFF) / 255.0f, 1};
        const int x0 = 4 + static_cast<int>(t) * (kSwatch + 6);
        for (int y = 4; y < 4 + kSwatch; ++y)
            for (int x = x0; x < x0 + kSwatch && x < width; ++x) {
                const bool rim = y == 4 || y == 3 + kSwatch || x == x0 || x == x0 + kSwatch - 1;
                strip.set(x, y, rim ? Rgba{0.23f, 0.23f, 0.23f, 1} : rgba);
            }
    }
    return strip;
}

}  // namespace

std::string write_page_preview(const std::string& path, const ImportedPicture& picture) {
    std::vector<Image> tiles;
    for (const ImportedVariant& v : picture.variants) {
        const Image blank = render_picture(v.pic, kPxPerUnit, false);
        const Image painted = render_picture(v.pic, kPxPerUnit, true);
        const Image strip = tube_strip(v.pic, blank.width());
        for (const Image* page : {&blank, &painted}) {
            Image tile(page->width(), page->height() + strip.height(), {1, 1, 1, 1});
            tile.draw(*page, 0, 0);
            tile.draw(strip, 0, page->height());
            tiles.push_back(tile);
        }
    }
    if (tiles.empty()) return "nothing to show";
    if (!write_png(path, contact_sheet(tiles, 2), 3))
        return "cannot write " + path + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    return "";
}
