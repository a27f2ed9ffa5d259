#include "game/own_import.h"

#include <signal.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "game/page_info.h"
#include "res/platform.h"
#include "res/platform_process.h"
#include "save/settings_file.h"

namespace {

struct Import {
    std::thread worker;
    std::atomic<int> progress{-1};
    std::atomic<int> child{0};  // the chooser or the importer, while one runs
    std::atomic<bool> quitting{false};
    std::mutex guard;
    bool ended = false;
    int picture = 0;

    void finish(int number) {
        std::lock_guard<std::mutex> lock(guard);
        ended = true;
        picture = number;
        progress = -1;
    }
};
Import import;

// The chooser's command: zenity, else kdialog, asking for a PNG or JPEG.
std::vector<std::string> chooser() {
    std::string program = find_in_path("zenity");
    if (!program.empty())
        return {program, "--file-selection", "--title=pintabo", "--file-filter=*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG"};
    program = find_in_path("kdialog");
    if (!program.empty()) return {program, "--getopenfilename", ".", "image/png image/jpeg"};
    return {};
}

}  // namespace

bool own_import_offered() {
    return !chooser().empty() && access_program(program_beside_game("pintabo-import"));
}

bool start_own_import() {
    if (import.progress >= 0) return false;
    const std::vector<std::string> ask = chooser();
    if (ask.empty()) return false;
    if (import.worker.joinable()) import.worker.join();
    import.progress = 0;
    import.worker = std::thread([ask] {
        std::string chosen, errors;
        const std::vector<std::string> args(ask.begin() + 1, ask.end());
        const int asked =
            run_program(ask[0], args, [&chosen](const std::string& line) { chosen = line; }, errors, &import.child);
        if (asked != 0 || chosen.empty() || import.quitting) {
            import.finish(0);  // the child closed the chooser
            return;
        }
        int number = 0;
        const int status = run_program(
            program_beside_game("pintabo-import"), {chosen, "--progress"},
            [&number](const std::string& line) {
                int p = 0;
                if (std::sscanf(line.c_str(), "progress %d", &p) == 1) import.progress = p < 0 ? 0 : p > 100 ? 100 : p;
                // "wrote /.../page101.pak: "name", simple, ..."
                const size_t pak = line.find(".pak");
                if (line.rfind("wrote ", 0) == 0 && pak != std::string::npos) {
                    const std::string path = line.substr(6, pak + 4 - 6);
                    const std::string file = path.substr(path.find_last_of('/') + 1);
                    bool detailed = false;
                    int n = 0;
                    if (parse_page_archive_name(file, n, detailed)) number = n;
                }
            },
            errors, &import.child);
        if (status != 0) {
            while (!errors.empty() && errors.back() == '\n') errors.pop_back();
            say("cannot make a page of " + chosen + ": " + (errors.empty() ? "pintabo-import did not run" : errors));
            number = 0;
        }
        import.finish(number);
    });
    return true;
}

int own_import_progress() { return import.progress; }

int take_own_import(bool& ended) {
    std::lock_guard<std::mutex> lock(import.guard);
    ended = import.ended;
    import.ended = false;
    return ended ? import.picture : 0;
}

// A chooser still open, or an import under way, is ended: the game is
// going, and an import never leaves half an archive behind.
void own_import_wait() {
    import.quitting = true;
    if (const int pid = import.child) kill(pid, SIGTERM);
    if (import.worker.joinable()) import.worker.join();
    import.quitting = false;
}
