#pragma once

#include <string>
#include <utility>
#include <vector>

// The folder of the player's own pictures (get_own_pictures_path()), and
// how imports running at the same time (the game's "+" and a command line,
// two games) keep out of each other's way there.

// The number for the next own picture: 1 + the largest of 100, the numbers
// of the picture archives and of the reservations (see below) in `folder`
// and the picture numbers over 100 that the settings file at `settings`
// lists (as much of it as can be read; a missing file lists none). A
// removed picture's number is thus never given again while the settings
// may still hold its progress.
int next_picture_number(const std::string& folder, const std::string& settings);

// A picture number held by one import while it makes its archives:
// "page101.reserved" in the folder, made only if no file has that name
// (O_EXCL), so two imports never hold one number. The game does not look
// at it. Removed when the object goes, and on SIGTERM or SIGINT (see
// stop_signals.h).
class NumberReservation {
public:
    NumberReservation() = default;
    ~NumberReservation() { release(); }
    NumberReservation(const NumberReservation&) = delete;
    NumberReservation& operator=(const NumberReservation&) = delete;

    // Holds the first number from next_picture_number() on, and above
    // `above`, whose reservation and archives do not exist; makes the
    // folder when missing. "" or what went wrong.
    std::string reserve(const std::string& folder, const std::string& settings, int above = 0);
    int number() const { return number_; }
    void release();

private:
    std::string path_;
    int number_ = 0;
    int mark_ = -1;
};

// Puts the archives (file name, bytes) into `folder`, each under its name
// and never over a file there: written to a temporary file, synced, and
// moved into place only if the name is free. When a name is taken (an
// import that did not reserve its number), `taken` is set; on any failure
// none of them is left. Returns "" or what went wrong.
std::string place_archives(const std::string& folder,
                           const std::vector<std::pair<std::string, std::vector<unsigned char>>>& archives,
                           bool& taken);
