#include "save/settings_file.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "res/atomic_file.h"
#include "save/config.h"

namespace {

bool read_file(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool report(const std::string& path, int error) {
    std::fprintf(stderr, "pintabo: cannot save settings to %s: %s\n", path.c_str(), std::strerror(error));
    return false;
}

}  // namespace

bool save_settings_file(const Config& c, const std::string& path) {
    int error = 0;
    if (!make_folders(folder_of(path), error)) return report(path, error);
    // A damaged file may hold progress this run could not read; it is kept
    // rather than lost, and without a backup the old file is not replaced.
    if (c.damaged) {
        std::string old;
        if (read_file(path, old) && !replace_file(path + ".bak", old.data(), old.size(), error))
            return report(path + ".bak", error);
    }
    const std::string bytes = settings_bytes(c);
    if (!replace_file(path, bytes.data(), bytes.size(), error)) return report(path, error);
    return true;
}
