#pragma once

#include <string>
#include <vector>

#include "rgb_image.h"

// What the tests of the pintabo-import command share: the command beside
// the test programs, pictures written as files, and what a folder holds.

// The built pintabo-import.
std::string import_program();

// A test scene drawn by testimage (photo, crayon, page, scan, portrait,
// pet, meadow) at w x h pixels; saved in `folder` as KIND.png, or as
// KIND.jpg at `jpeg_quality` (ImageMagick's convert) when that is not 0.
// Empty when it could not be made.
RgbImage test_scene(const std::string& folder, const std::string& kind, int w, int h, int jpeg_quality = 0);

// The picture as a PNG file; false when it cannot be written.
bool write_image(const std::string& path, const RgbImage& img);

// The names in `folder`, sorted; none when it does not exist.
std::vector<std::string> files_in(const std::string& folder);

// A pintabo-import started with its data and settings folders inside
// `home`, standard output on a pipe, standard error to `err_file`.
struct StartedImport {
    int pid = -1;
    int out = -1;  // read end of its standard output

    // The next line it writes; false at the end of its output.
    bool read_line(std::string& line);
    // Waits for it; the raw status of waitpid().
    int wait();
};

// With a `gate` (a pipe: read end, write end), the import waits once
// started until the write end is closed, so that several start at once.
StartedImport start_import(const std::string& home, const std::vector<std::string>& args, const std::string& err_file,
                           const int* gate = nullptr);
