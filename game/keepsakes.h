#pragma once

#include <ctime>
#include <string>
#include <vector>

// What a child keeps of a painting: the picture as painted, saved as a PNG
// 2048 pixels across into the pictures folder; and for the parent, the
// picture's printable sheet as a PDF, opened in the desktop's viewer. The
// drawing happens on the game's thread; encoding, writing and printing on a
// worker of their own, so the game goes on meanwhile.

// "pintabo-picture-09-detailed-2026-12-08-1530": what, which, and when.
std::string keepsake_base(const char* kind, int picture, bool detailed, std::time_t when);

// Writes `bytes` into `folder` (made when missing) as base + ext, or
// base-2 + ext, base-3 + ext, ..., whichever is free: under a temporary name
// first, then linked into place, so an existing file is never overwritten
// and no half file is ever seen. `written` gets the path; false with the
// errno value in `error` on failure.
bool write_new_file(const std::string& folder, const std::string& base, const std::string& ext,
                    const std::vector<unsigned char>& bytes, std::string& written, int& error);

constexpr int keepsake_pixels = 2048;

// When a keepsake is made, for its name: the wall clock; a test may fix it.
extern std::time_t (*keepsake_clock)();

enum class Keepsake { none, saved, failed };

// How the last keepsake ended: its outcome, whether it was a picture (else
// a sheet) and the file written.
struct Keepsake_outcome {
    Keepsake result = Keepsake::none;
    bool picture = false;
    std::string path;
};

// Draws the picture on screen as painted and starts writing it; false (and
// nothing started) while another keepsake is being made or when it cannot
// be drawn.
bool start_picture_keepsake();
// Starts the printable sheet of the picture on screen (its variant, the
// game's language) and its opening in the viewer; false while busy.
bool start_sheet_keepsake();

// The outcome of the last keepsake once, then `none` until the next one
// ends. A failure has been said on stderr.
Keepsake_outcome take_keepsake_result();
bool keepsake_busy();
// Waits for a keepsake under way (at quit, and in tests).
void keepsake_wait();
