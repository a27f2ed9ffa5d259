#pragma once

#include <string>

// Writes the settings file on a thread of its own, so a slow disk never
// freezes a frame. The game's thread hands over a snapshot of the file's
// bytes; the writer replaces the file atomically with the newest snapshot it
// has (an older one still waiting is dropped: the newer holds everything it
// held). A file that has to be kept as a backup is kept by the first write
// that succeeds.
class Settings_writer {
public:
    Settings_writer() = default;
    ~Settings_writer();  // writes what is waiting, then stops
    Settings_writer(const Settings_writer&) = delete;
    Settings_writer& operator=(const Settings_writer&) = delete;

    // Queues `bytes` for `path`; returns at once.
    void submit(const std::string& path, std::string bytes, bool keep_old);
    // Returns once everything submitted so far is on disk (or has failed).
    void flush();
    // flush(), then the thread ends; a later submit starts it again.
    void stop();

    // Writes done and snapshots dropped for a newer one, since the start.
    unsigned long written() const;
    unsigned long superseded() const;
    // The bytes of the newest write that succeeded (empty before the first).
    std::string last_written() const;

private:
    struct State;
    State* state_ = nullptr;
    State& state();
};

// The game's one writer.
extern Settings_writer settings_writer;
