#pragma once

#include <string>
#include <vector>

#include "res/pack.h"

// The one place where archives are opened: each open archive is kept under
// its file name with a reference count, opened on first use and closed when
// its last user lets it go.
//
// The game's own archives are checked once, at start (require()): a broken
// install ends the game there, with a message saying what to do. Once the
// game runs, nothing that happens to a file ends it: an archive that cannot
// be opened any more (removed, made unreadable) is said once on standard
// error and stands in as an empty archive, so whatever asked for it draws
// nothing.
class Media {
public:
    std::string pwd = "0";  // a first character "0" means no folder prefix
    std::vector<Pack*> packs;
    std::vector<std::string> pack_names;
    std::vector<int> pack_refs;

    Media() = default;
    ~Media();
    Media(const Media&) = delete;
    Media& operator=(const Media&) = delete;

    void setpwd(std::string folder) { pwd = std::move(folder); }
    Pack* loadpack(const char* pak);
    raw get(const char* pak, const char* name);
    unsigned long getimage(const char* pak, const char* name);
    void unget(const char* pak);
    void ungetimage(const char* pak, unsigned long texture);

    // Whether `pak` is open now with its bytes at hand, whatever happens to
    // its file.
    bool is_open(const char* pak) const;

    // At start: every archive of `names` can be opened in the archives'
    // folder, or the game ends with exit_for_missing_archive().
    void require(const std::vector<std::string>& names) const;

private:
    std::string path_of(const char* pak) const;
    int find(const char* pak) const;
    void release(int index);
};

extern Media media;
