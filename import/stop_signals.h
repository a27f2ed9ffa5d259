#pragma once

#include <signal.h>

#include <string>

// pintabo-import told to stop (SIGTERM at logout, Ctrl+C, a closed
// terminal) removes the files it has made but not finished, its picture
// number's reservation and its temporary archives, so nothing of a half
// import is left in the pictures folder; then it ends by that signal.

// Installs the handlers; once, before any file is made.
void remove_files_on_stop();

// While one lives, a stop waits; so a file is made and marked for removal
// (or finished and unmarked) before a stop can see it half way.
class StopsHeld {
public:
    StopsHeld();
    ~StopsHeld();
    StopsHeld(const StopsHeld&) = delete;
    StopsHeld& operator=(const StopsHeld&) = delete;

private:
    sigset_t before_;
};

// Marks a file for removal on a stop; returns its mark, or -1 when no more
// can be marked (at most 8 at once).
int remove_on_stop(const std::string& path);
// The file is finished (or gone): a stop leaves it alone.
void keep_on_stop(int mark);
