#include "stop_signals.h"

#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstring>

namespace {

constexpr int kMarks = 8;
constexpr int kStops[] = {SIGTERM, SIGINT, SIGHUP};

// Written only with the stops held, read by the handler.
char g_paths[kMarks][PATH_MAX];
volatile sig_atomic_t g_marked[kMarks];

void on_stop(int sig) {
    for (int k = 0; k < kMarks; ++k)
        if (g_marked[k]) unlink(g_paths[k]);
    signal(sig, SIG_DFL);
    raise(sig);
}

sigset_t stop_set() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kStops) sigaddset(&set, sig);
    return set;
}

}  // namespace

void remove_files_on_stop() {
    struct sigaction action = {};
    action.sa_handler = on_stop;
    action.sa_mask = stop_set();
    for (int sig : kStops) sigaction(sig, &action, nullptr);
}

StopsHeld::StopsHeld() {
    const sigset_t set = stop_set();
    sigprocmask(SIG_BLOCK, &set, &before_);
}

StopsHeld::~StopsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }

int remove_on_stop(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    const StopsHeld held;
    for (int k = 0; k < kMarks; ++k)
        if (!g_marked[k]) {
            std::memcpy(g_paths[k], path.c_str(), path.size() + 1);
            g_marked[k] = 1;
            return k;
        }
    return -1;
}

void keep_on_stop(int mark) {
    if (mark < 0 || mark >= kMarks) return;
    const StopsHeld held;
    g_marked[mark] = 0;
}
