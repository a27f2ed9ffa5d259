// How long the game's thread is held by one save: writing the settings file
// itself (write, fsync, rename, fsync of the folder), as every save did
// before, against taking a snapshot and handing it to the writer thread.
// The settings are those of a child who has painted something in every
// picture in all four ways. Prints the median and the 99th percentile of
// each, in microseconds.
//   save_bench [FOLDER] [saves]     FOLDER defaults to a new one under /tmp
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/page_table.h"
#include "save/config.h"
#include "save/settings_file.h"
#include "save/settings_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

Config* busy_settings() {
    Config* c = new Config();
    for (int picture = 1; picture <= page_count; ++picture) {
        for (bool numbers : {true, false}) {
            for (bool detailed : {false, true}) {
                c->by_numbers = numbers;
                c->detailed = detailed;
                c->set_page(picture);
                const PageFigures& f = page_figures[picture - 1];
                int n = 0;
                for (const PageRegion& r : page_regions(detailed ? f.detailed : f.simple))
                    if (n++ % 2 == 0) c->set_color(r.id, Color(0.5, 0.25, 0.125), r.num);
            }
        }
    }
    c->by_numbers = true;
    c->detailed = false;
    return c;
}

template <typename Save>
std::pair<double, double> time_saves(int count, Save save) {
    std::vector<double> us;
    for (int i = 0; i < count; ++i) {
        const auto t0 = Clock::now();
        save(i);
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], us[us.size() * 99 / 100]};
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 200;
    if (folder.empty()) {
        char name[] = "/tmp/pintabo-save-bench.XXXXXX";
        if (!mkdtemp(name)) return 1;
        folder = name;
    }
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    conf = busy_settings();
    const std::string path = folder + "/pintabo/com.quillfen.pintabo.cfg";
    const size_t bytes = settings_bytes(*conf).size();

    const auto before = time_saves(count, [&](int i) {
        conf->set_page(1 + i % page_count);
        save_settings_file(*conf, path);
    });
    const auto after = time_saves(count, [&](int i) {
        conf->set_page(1 + i % page_count);
        save_progress();
    });
    settings_writer.stop();
    std::printf("settings of %zu bytes in %s, %d saves each\n", bytes, folder.c_str(), count);
    std::printf("written on the game's thread:  median %.0f us, p99 %.0f us\n", before.first, before.second);
    std::printf("handed to the writer thread:   median %.1f us, p99 %.1f us\n", after.first, after.second);
    delete conf;
    conf = nullptr;
    if (argc <= 1) std::system(("rm -rf '" + folder + "'").c_str());
    return 0;
}
