#include "save/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>

#include "res/atomic_file.h"
#include "save/config.h"

namespace {

// Far beyond any real settings file (every region of every picture painted
// in all four ways is well under a megabyte), far below what would hurt.
constexpr off_t largest_settings_file = 64 * 1024 * 1024;

// Keeps the file at `path` as `backup`: a second name for the same bytes,
// made under a temporary name and renamed into place, so nothing is copied
// (the file may be huge or unreadable) and an older backup is replaced only
// by a whole one. Where links are refused, the bytes are copied.
bool keep_backup(const std::string& path, const std::string& backup, int& error) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT;  // nothing there to keep
    if (!S_ISREG(st.st_mode)) return true;  // a folder is never replaced by a save anyway
    const std::string link_name = backup + ".link";
    unlink(link_name.c_str());
    if (link(path.c_str(), link_name.c_str()) == 0) {
        if (rename(link_name.c_str(), backup.c_str()) == 0) {
            sync_folder(folder_of(backup));
            return true;
        }
        error = errno;
        unlink(link_name.c_str());
        return false;
    }
    std::string old;
    int read_error = 0;
    if (!read_settings_file(path, old, read_error)) {
        error = read_error;
        return false;
    }
    return replace_file(backup, old.data(), old.size(), error);
}

bool report(const std::string& path, int error) {
    say_once("pintabo: cannot save settings to " + path + ": " + std::strerror(error));
    return false;
}

}  // namespace

bool read_settings_file(const std::string& path, std::string& bytes, int& error, size_t largest) {
    bytes.clear();
    if (largest == 0) largest = static_cast<size_t>(largest_settings_file);
    // Non-blocking, so a pipe in the file's place cannot hang the start.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat st {};
    bool ok = fstat(fd, &st) == 0;
    if (!ok) error = errno;
    if (ok && !S_ISREG(st.st_mode)) {
        ok = false;
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    if (ok && static_cast<unsigned long long>(st.st_size) > largest) {
        ok = false;
        error = EFBIG;
    }
    if (ok) {
        bytes.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (ok) {
            if (done == bytes.size()) bytes.resize(done + 4096);  // the file grew meanwhile
            const ssize_t n = read(fd, &bytes[done], bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                ok = false;
                error = errno;
            } else if (n == 0) {
                break;
            } else {
                done += static_cast<size_t>(n);
                if (done > largest) {
                    ok = false;
                    error = EFBIG;
                }
            }
        }
        bytes.resize(ok ? done : 0);
    }
    close(fd);
    return ok;
}

Config* load_settings_file(const std::string& path) {
    std::string bytes;
    int error = 0;
    if (read_settings_file(path, bytes, error))
        return new Config(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    Config* c = new Config();
    if (error != ENOENT) {
        say_once("pintabo: cannot read settings from " + path + ": " + std::strerror(error) +
                 "; starting with the defaults");
        c->damaged = true;
    }
    return c;
}

bool save_settings_bytes(const std::string& path, const std::string& bytes, bool keep_old) {
    int error = 0;
    if (!make_folders(folder_of(path), error)) return report(path, error);
    // A file the game could not read whole may hold progress of another
    // version or a run we cannot see; it is kept, never lost: without a
    // backup the old file is not replaced.
    if (keep_old && !keep_backup(path, path + ".bak", error)) return report(path + ".bak", error);
    if (!replace_file(path, bytes.data(), bytes.size(), error)) return report(path, error);
    return true;
}

bool save_settings_file(const Config& c, const std::string& path) {
    return save_settings_bytes(path, settings_bytes(c), c.damaged);
}
