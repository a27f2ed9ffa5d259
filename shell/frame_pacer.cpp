#include "shell/frame_pacer.h"

#include <time.h>

#include <cerrno>

namespace {

double now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

Frame_pacer::Frame_pacer() : next_ms_(now_ms() + frame_ms) {}

void Frame_pacer::wait_for_next_frame() {
    const double now = now_ms();
    if (now >= next_ms_) {
        next_ms_ = now + frame_ms;
        return;
    }
    const double wait = next_ms_ - now;
    timespec pause{};
    pause.tv_sec = static_cast<time_t>(wait / 1000.0);
    pause.tv_nsec = static_cast<long>((wait - static_cast<double>(pause.tv_sec) * 1000.0) * 1e6);
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
    next_ms_ += frame_ms;
}
