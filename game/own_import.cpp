#include "game/own_import.h"

#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "game/page_info.h"
#include "res/platform.h"
#include "res/platform_process.h"
#include "save/machine_config.h"
#include "save/settings_file.h"

namespace {

struct Import {
    std::thread worker;
    std::atomic<int> progress{-1};
    std::atomic<int> child{0};  // the chooser or the importer, while one runs
    std::atomic<bool> quitting{false};
    std::atomic<bool> working{false};  // the worker has not ended yet
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
    return machine_settings.import && !chooser().empty() && access_program(program_beside_game("pintabo-import"));
}

bool start_own_import() {
    if (!machine_settings.import || import.progress >= 0) return false;
    const std::vector<std::string> ask = chooser();
    if (ask.empty()) return false;
    if (import.worker.joinable()) import.worker.join();
    // However the process ends, the importer is ended and the worker joined
    // before the statics go (the settings writer's last write among them).
    static std::once_flag registered;
    std::call_once(registered, [] { std::atexit(own_import_wait); });
    import.progress = 0;
    import.working = true;
    import.worker = std::thread([ask] {
        struct Ended {
            ~Ended() { import.working = false; }
        } ended;
        std::string chosen, errors;
        const std::vector<std::string> args(ask.begin() + 1, ask.end());
        if (import.quitting) {
            import.finish(0);
            return;
        }
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
                // "picture 104": the number the new picture was given.
                int n = 0;
                char rest = 0;
                if (std::sscanf(line.c_str(), "picture %d%c", &n, &rest) == 1 && n >= own_picture_first &&
                    n <= own_picture_last)
                    number = n;
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
    // A child may start just after we looked: each one seen is ended, until
    // the worker is done.
    int ended = 0;
    while (import.working) {
        const int pid = import.child;
        if (pid != 0 && pid != ended) {
            kill(pid, SIGTERM);
            ended = pid;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (import.worker.joinable()) import.worker.join();
    import.quitting = false;
}
