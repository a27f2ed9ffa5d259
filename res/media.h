#pragma once

#include <string>
#include <vector>

#include "res/pack.h"

// The one place where archives are opened: each open archive is kept under
// its file name with a reference count, opened on first use and closed when
// its last user lets it go.
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

private:
    int find(const char* pak) const;
    void release(int index);
};

extern Media media;
