// Builds the picture archives "page01.pak" ... "page20.pak" and
// "hpage01.pak" ... "hpage20.pak" into a folder. A picture that fails its
// checks is reported and not written, and the run ends with status 1.
//
//   picturebuild --out DIR [--only N] [--stamp FILE] [--sheet FILE.png] [--views DIR]
//               [--threads N]
//
// The variants are built on N threads (2 unless told otherwise); the output
// does not depend on N.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "common/png_writer.h"
#include "digit_glyphs.h"
#include "picture_builder.h"
#include "pictures/pictures.h"
#include "page_render.h"
#include "scene_render.h"

int main(int argc, char** argv) {
    std::string out_dir, stamp, sheet_path, views_dir;
    int only = 0;
    int threads = 2;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--out") out_dir = argv[i + 1];
        else if (opt == "--only") only = std::atoi(argv[i + 1]);
        else if (opt == "--stamp") stamp = argv[i + 1];
        else if (opt == "--sheet") sheet_path = argv[i + 1];
        else if (opt == "--views") views_dir = argv[i + 1];
        else if (opt == "--threads") threads = std::atoi(argv[i + 1]);
        else {
            std::fprintf(stderr, "picturebuild: unknown option %s\n", opt.c_str());
            return 2;
        }
    }
    if (out_dir.empty() && sheet_path.empty() && views_dir.empty()) {
        std::fprintf(stderr, "usage: picturebuild --out DIR [--only N] [--stamp FILE] [--sheet FILE] [--views DIR] [--threads N]\n");
        return 2;
    }
    for (const std::string& dir : {out_dir, views_dir}) {
        std::error_code error;
        if (!dir.empty()) std::filesystem::create_directories(dir, error);
        if (error) {
            std::fprintf(stderr, "picturebuild: cannot create %s: %s\n", dir.c_str(), error.message().c_str());
            return 1;
        }
    }
    const DigitGlyphs glyphs(PINTABO_FONT_REGULAR);
    if (!glyphs.ok()) {
        std::fprintf(stderr, "picturebuild: cannot read the font %s\n", PINTABO_FONT_REGULAR);
        return 1;
    }
    // The variants in output order: the simple ones, then the detailed ones.
    struct Job {
        int number;
        bool detailed;
    };
    std::vector<Job> jobs;
    for (int detailed = 0; detailed < 2; ++detailed)
        for (int n = 1; n <= 20; ++n)
            if (!only || n == only) jobs.push_back({n, detailed != 0});

    // Workers take the next variant as they get free; each variant is built
    // on its own, so the results do not depend on which worker built it.
    // Reports and files are written here, strictly in output order.
    std::vector<BuiltPicture> built(jobs.size());
    std::vector<char> done(jobs.size(), 0);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<size_t> next_job{0};
    auto work = [&] {
        for (size_t k = next_job++; k < jobs.size(); k = next_job++) {
            BuiltPicture pic = build_picture(jobs[k].number, jobs[k].detailed, glyphs);
            std::lock_guard<std::mutex> lock(mutex);
            built[k] = std::move(pic);
            done[k] = 1;
            finished.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < std::max(1, threads); ++t) workers.emplace_back(work);

    bool failed = false;
    std::vector<Image> simple_tiles, detailed_tiles;
    for (size_t k = 0; k < jobs.size(); ++k) {
        BuiltPicture pic;
        {
            std::unique_lock<std::mutex> lock(mutex);
            finished.wait(lock, [&] { return done[k] != 0; });
            pic = std::move(built[k]);
        }
        const int n = jobs[k].number;
        const bool detailed = jobs[k].detailed;
        for (const std::string& note : pic.notes) std::printf("  %s: %s\n", pic.variant_name().c_str(), note.c_str());
        if (!pic.error.empty()) {
            std::fprintf(stderr, "picturebuild: %s: %s\n", pic.variant_name().c_str(), pic.error.c_str());
            failed = true;
            if (!views_dir.empty()) {
                Scene scene;
                draw_picture(n, detailed, scene);
                write_png(views_dir + "/" + pic.archive_name().substr(0, pic.archive_name().size() - 4) + "_scene.png",
                          render_scene(scene, n), 3);
            }
            continue;
        }
        std::printf("%-12s %3zu regions, smallest circle %.2f units\n", pic.archive_name().c_str(), pic.regions.size(),
                    pic.smallest_circle);
        std::fflush(stdout);
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
    for (std::thread& t : workers) t.join();
    if (!sheet_path.empty()) {
        std::vector<Image> tiles = simple_tiles;
        tiles.insert(tiles.end(), detailed_tiles.begin(), detailed_tiles.end());
        if (!write_png(sheet_path, contact_sheet(tiles, only ? 2 : 10), 3)) failed = true;
    }
    if (failed) return 1;
    if (!stamp.empty()) std::ofstream(stamp) << "pictures built\n";
    return 0;
}
