#include "res/media.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "res/say.h"

Media::~Media() {
    for (Pack* p : packs) delete p;
}

// A full path (a picture of the child's own) is opened as it is.
std::string Media::path_of(const char* pak) const {
    return (pwd.empty() || pwd[0] == '0' || pak[0] == '/') ? std::string(pak) : pwd + pak;
}

bool Media::is_open(const char* pak) const {
    const int i = find(pak);
    return i >= 0 && !packs[static_cast<size_t>(i)]->files.empty();
}

void Media::require(const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
        const std::string path = path_of(name.c_str());
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) exit_for_missing_archive(path.c_str(), errno);
        close(fd);
    }
}

int Media::find(const char* pak) const {
    for (size_t i = 0; i < pack_names.size(); ++i)
        if (pack_names[i] == pak) return static_cast<int>(i);
    return -1;
}

Pack* Media::loadpack(const char* pak) {
    const int i = find(pak);
    if (i >= 0) {
        pack_refs[static_cast<size_t>(i)] += 1;
        return packs[static_cast<size_t>(i)];
    }
    const std::string path = path_of(pak);
    Pack* p = new Pack();
    if (!p->load(path.c_str()))
        say_once("pintabo: cannot open the archive " + path + ": " + std::strerror(errno) + "; going on without it");
    packs.push_back(p);
    pack_names.push_back(pak);
    pack_refs.push_back(1);
    return p;
}

raw Media::get(const char* pak, const char* name) { return loadpack(pak)->getfile(name); }

unsigned long Media::getimage(const char* pak, const char* name) { return loadpack(pak)->getimage(name); }

void Media::release(int index) {
    const size_t i = static_cast<size_t>(index);
    pack_refs[i] -= 1;
    if (pack_refs[i] > 0) return;
    delete packs[i];
    packs.erase(packs.begin() + index);
    pack_names.erase(pack_names.begin() + index);
    pack_refs.erase(pack_refs.begin() + index);
}

void Media::unget(const char* pak) {
    const int i = find(pak);
    if (i >= 0) release(i);
}

void Media::ungetimage(const char* pak, unsigned long texture) {
    const int i = find(pak);
    if (i < 0) return;
    packs[static_cast<size_t>(i)]->ungetimage(texture);
    release(i);
}
