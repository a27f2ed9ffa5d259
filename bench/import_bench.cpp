// Times pintabo-import's pipeline on one picture, step by step, for both
// variants, without writing anything, and reports what came out.
//
//   import_bench IMAGE [RUNS]
//
// Each step is timed over RUNS runs (default 3) and the median printed.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "digit_glyphs.h"
#include "image_file.h"
#include "page_import.h"

namespace {

double median_ms(int runs, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        step();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: import_bench IMAGE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const DigitGlyphs glyphs(PINTABO_FONT_REGULAR);
    RgbImage photo;
    std::string error;
    const double read = median_ms(runs, [&] { error = read_image_file(argv[1], photo); });
    if (!error.empty()) {
        std::fprintf(stderr, "import_bench: %s\n", error.c_str());
        return 1;
    }
    WorkingPicture work;
    const double prepare = median_ms(runs, [&] { error = prepare_picture(photo, work); });
    std::printf("%s: %d x %d pixels (%.1f megapixels), working raster %d x %d\n", argv[1], photo.w, photo.h,
                photo.w * static_cast<double>(photo.h) / 1e6, work.lab.w, work.lab.h);
    std::printf("  read and decode          %8.0f ms\n", read);
    std::printf("  downscale, Lab, smooth   %8.0f ms\n", prepare);
    double total = read + prepare;
    // One import of the variants asked for, timed; false when it fails.
    const auto timed = [&](bool simple, bool detailed, ImportedPicture& made, double& ms) {
        PictureRequest request;
        request.simple = simple;
        request.detailed = detailed;
        request.name = "bench";
        ms = median_ms(runs, [&] {
            made = import_picture(work, request, glyphs);
            for (const ImportedVariant& v : made.variants) archive_bytes(v.pic);
        });
        if (made.error.empty()) return true;
        std::fprintf(stderr, "import_bench: %s\n", made.error.c_str());
        return false;
    };
    ImportedPicture made;
    double ms = 0;
    for (bool detailed : {false, true}) {
        if (!timed(!detailed, detailed, made, ms)) return 1;
        const ImportedVariant& v = made.variants.front();
        std::printf("  %-8s variant alone   %8.0f ms: %d regions in %d colours, smallest circle %.2f units\n",
                    detailed ? "detailed" : "simple", ms, v.info.variant.total, v.info.tubes, v.smallest_circle);
    }
    if (!timed(true, true, made, ms)) return 1;
    total += ms;
    std::printf("  both variants together  %8.0f ms, one palette of %d tubes\n", ms, made.variants[0].info.tubes);
    std::printf("  both variants, in all    %8.0f ms\n", total);
    return 0;
}
