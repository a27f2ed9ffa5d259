#include "save/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "save/config.h"

namespace {

std::string folder_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// mkdir -p: the settings folder, and on a fresh account the folder above it,
// may not exist yet.
bool make_folders(const std::string& folder, int& error) {
    for (size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/') continue;
        const std::string part = folder.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            error = errno;
            return false;
        }
    }
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0) {
        error = errno;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        error = ENOTDIR;
        return false;
    }
    return true;
}

bool write_all(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The rename itself is made durable by syncing the folder; a failure there
// cannot be undone any more and is ignored.
void sync_folder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Replaces `path` by `bytes` all at once: either the old file stays whole or
// the new one is there whole.
bool replace_file(const std::string& path, const std::string& bytes, int& error) {
    std::string name = path + ".XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = errno;
        return false;
    }
    bool ok = write_all(fd, bytes) && fsync(fd) == 0;
    if (!ok) error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(name.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(name.c_str());
        return false;
    }
    sync_folder(folder_of(path));
    return true;
}

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
        if (read_file(path, old) && !replace_file(path + ".bak", old, error)) return report(path + ".bak", error);
    }
    if (!replace_file(path, settings_bytes(c), error)) return report(path, error);
    return true;
}
