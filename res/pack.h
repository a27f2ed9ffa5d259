#pragma once

#include <vector>

#include "res/archive.h"

// Ends the process with status 1 after saying on standard error which
// archive of the game's own could not be opened (errno `error`), where the
// archives are looked for, and that reinstalling or `make` restores it.
[[noreturn]] void exit_for_missing_archive(const char* path, int error);

// One resource archive of the game (see Archive for the format), each of
// whose files may be turned into a reference-counted OpenGL texture on
// demand.
class Pack : public Archive {
public:
    std::vector<unsigned long> images;  // by entry; 0 while not made
    std::vector<int> image_refs;

    // Loads the archive at `path`. An archive that cannot be opened ends the
    // process as exit_for_missing_archive() does.
    explicit Pack(const char* path);
    // An empty archive, to load() or to write.
    Pack() = default;
    ~Pack() override;

    unsigned long getimage(const char* name);
    void ungetimage(unsigned long texture);

private:
    void entry_added() override {
        images.push_back(0);
        image_refs.push_back(0);
    }
};
