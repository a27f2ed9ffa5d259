#include "shell/termination.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t requested = 0;

extern "C" void on_terminate(int) { requested = 1; }

}  // namespace

// Installed after SDL has started, so it replaces SDL's own handlers, which
// would turn the signal into a quit request the game ignores.
void install_termination_handler() {
    struct sigaction action = {};
    action.sa_handler = on_terminate;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool termination_requested() { return requested != 0; }
