// Imports pictures without writing any archive and draws what came out:
// per picture a row of the picture itself, then the simple and the
// detailed variant, each painted with its palette and blank with its
// numbers. For looking at the results.
//
//   import_sheet OUT.png IMAGE...

#include <cstdio>
#include <string>
#include <vector>

#include "common/png_writer.h"
#include "digit_glyphs.h"
#include "image_file.h"
#include "page_import.h"
#include "page_render.h"
#include "resample.h"

namespace {

constexpr double kPxPerUnit = 14;

// The picture on a tile the size of a rendered page.
Image original_tile(const RgbImage& photo, int tw, int th) {
    int w = 0, h = 0;
    fit_size(photo.w, photo.h, tw, th, w, h);
    const RgbImage small = resample(photo, w, h);
    Image tile(tw, th, {1, 1, 1, 1});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = small.at(x, y);
            tile.set((tw - w) / 2 + x, (th - h) / 2 + y, {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, 1});
        }
    return tile;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: import_sheet OUT.png IMAGE...\n");
        return 2;
    }
    const DigitGlyphs glyphs(PINTABO_FONT_REGULAR);
    std::vector<Image> tiles;
    for (int i = 2; i < argc; ++i) {
        RgbImage photo;
        std::string error = read_image_file(argv[i], photo);
        WorkingPicture work;
        if (error.empty()) error = prepare_picture(photo, work);
        if (!error.empty()) {
            std::fprintf(stderr, "import_sheet: %s: %s\n", argv[i], error.c_str());
            return 1;
        }
        PictureRequest request;
        request.name = "sheet";
        const ImportedPicture made = import_picture(work, request, glyphs);
        if (!made.error.empty()) {
            std::fprintf(stderr, "import_sheet: %s: %s\n", argv[i], made.error.c_str());
            return 1;
        }
        std::vector<Image> row;
        for (const ImportedVariant& v : made.variants) {
            std::printf("%s, %s: %d regions in %d colours, smallest circle %.2f units\n", argv[i],
                        v.info.detailed ? "detailed" : "simple", v.info.variant.total, v.info.tubes, v.smallest_circle);
            row.push_back(render_picture(v.pic, kPxPerUnit, true));
            row.push_back(render_picture(v.pic, kPxPerUnit, false));
        }
        tiles.push_back(original_tile(photo, row[0].width(), row[0].height()));
        tiles.insert(tiles.end(), row.begin(), row.end());
    }
    return write_png(argv[1], contact_sheet(tiles, 5), 3) ? 0 : 1;
}
