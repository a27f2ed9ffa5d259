#include "res/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <string>

bool write_all(int fd, const unsigned char* bytes, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void sync_folder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

std::string folder_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

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

bool replace_file(const std::string& path, const void* bytes, size_t size, int& error) {
    std::string name = path + ".XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = errno;
        return false;
    }
    bool ok = write_all(fd, static_cast<const unsigned char*>(bytes), size) && fsync(fd) == 0;
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

int (*link_for_new_files)(const char* from, const char* to) = ::link;

namespace {

// The temporary renamed over a name taken with O_EXCL: never another's file.
bool publish_by_reservation(const std::string& temporary, const std::string& name, int& error) {
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = errno;
        return false;
    }
    close(fd);
    if (rename(temporary.c_str(), name.c_str()) != 0) {
        error = errno;
        unlink(name.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool publish_new_file(const std::string& temporary, const std::string& dir, const std::string& base,
                      const std::string& ext, std::string& written, int& error) {
    bool links = true;
    for (int n = 1; n < 1000; ++n) {
        const std::string name = dir + base + (n == 1 ? "" : "-" + std::to_string(n)) + ext;
        bool done = false;
        if (links) {
            done = link_for_new_files(temporary.c_str(), name.c_str()) == 0;
            if (done) unlink(temporary.c_str());
            if (!done && errno == EEXIST) continue;
            // This file system makes no links: names are reserved instead.
            links = done;
        }
        if (!done && !publish_by_reservation(temporary, name, error)) {
            if (error == EEXIST) continue;
            return false;
        }
        written = name;
        sync_folder(folder_of(name));
        return true;
    }
    error = EEXIST;
    return false;
}

bool is_temporary_of(const std::string& name, const std::string& stem) {
    if (name.size() != stem.size() + 7 || name.compare(0, stem.size(), stem) != 0) return false;
    const char mark = name[stem.size()];
    if (mark != '.' && mark != '-') return false;
    for (size_t i = stem.size() + 1; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

int remove_stale_temporaries(const std::string& folder, const std::function<bool(const std::string&)>& ours,
                             int minutes) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return 0;
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (!ours(name)) continue;
        struct stat st {};
        if (lstat((base + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime < static_cast<std::time_t>(minutes) * 60) continue;
        if (unlink((base + name).c_str()) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}
