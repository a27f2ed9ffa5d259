#include "save/settings_writer.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "save/settings_file.h"

struct Settings_writer::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::thread thread;
    bool running = false;
    bool stopping = false;
    bool busy = false;          // a write is under way
    bool waiting = false;       // a snapshot is waiting
    std::string path;
    std::string bytes;
    bool keep_old = false;      // until a write has kept the old file
    unsigned long written = 0;
    unsigned long superseded = 0;
    std::string last_written;

    void run() {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return waiting || stopping; });
            if (!waiting) return;
            const std::string to = path;
            std::string what = std::move(bytes);
            const bool keep = keep_old;
            waiting = false;
            busy = true;
            lock.unlock();
            const bool ok = save_settings_bytes(to, what, keep);
            lock.lock();
            busy = false;
            ++written;
            if (ok) last_written = what;
            if (ok && keep && to == path) keep_old = false;
            changed.notify_all();
        }
    }
};

Settings_writer settings_writer;

Settings_writer::~Settings_writer() {
    stop();
    delete state_;
}

Settings_writer::State& Settings_writer::state() {
    if (!state_) state_ = new State();
    return *state_;
}

void Settings_writer::submit(const std::string& path, std::string bytes, bool keep_old) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.waiting) ++s.superseded;
    if (path != s.path) s.keep_old = false;
    s.path = path;
    s.bytes = std::move(bytes);
    s.keep_old = s.keep_old || keep_old;
    s.waiting = true;
    if (!s.running) {
        s.stopping = false;
        s.running = true;
        s.thread = std::thread([&s] { s.run(); });
    }
    s.changed.notify_all();
}

void Settings_writer::flush() {
    if (!state_) return;
    State& s = *state_;
    std::unique_lock<std::mutex> lock(s.mutex);
    s.changed.wait(lock, [&s] { return !s.running || (!s.waiting && !s.busy); });
}

void Settings_writer::stop() {
    if (!state_) return;
    State& s = *state_;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.running) return;
        s.stopping = true;
        s.changed.notify_all();
    }
    s.thread.join();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.running = false;
}

unsigned long Settings_writer::written() const {
    if (!state_) return 0;
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->written;
}

unsigned long Settings_writer::superseded() const {
    if (!state_) return 0;
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->superseded;
}

std::string Settings_writer::last_written() const {
    if (!state_) return {};
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->last_written;
}
