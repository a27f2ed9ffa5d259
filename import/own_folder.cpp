#include "own_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "game/page_info.h"
#include "res/atomic_file.h"
#include "save/config.h"
#include "stop_signals.h"

namespace {

std::string without_slash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string reservation_name(int number) { return "page" + std::to_string(number) + ".reserved"; }

// The number of a reservation named as reservation_name() names it.
bool parse_reservation_name(const std::string& file, int& number) {
    const std::string tail = ".reserved";
    if (file.size() <= 4 + tail.size() || file.compare(0, 4, "page") != 0 ||
        file.compare(file.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const std::string digits = file.substr(4, file.size() - 4 - tail.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    number = std::atoi(digits.c_str());
    return reservation_name(number) == file;
}

bool exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

// Moves `from` to `to` unless `to` exists; false with errno EEXIST when it does.
bool move_if_free(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that kind of rename: a hard link is as exclusive.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return true;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) return false;
    // Nor links (vfat, exFAT): the number's reservation keeps other imports
    // off the name, so a plain rename onto a free name will do.
    if (exists(to)) {
        errno = EEXIST;
        return false;
    }
    return rename(from.c_str(), to.c_str()) == 0;
}

// A temporary file beside `path` with the bytes, synced; "" when it cannot be made.
std::string written_aside(const std::string& path, const std::vector<unsigned char>& bytes, int& mark, int& error) {
    std::string name = path + ".XXXXXX";
    int fd = -1;
    {
        const StopsHeld held;
        fd = mkstemp(name.data());
        if (fd < 0) {
            error = errno;
            return "";
        }
        mark = remove_on_stop(name);
    }
    bool ok = write_all(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
    if (!ok) error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) return name;
    const StopsHeld held;
    unlink(name.c_str());
    keep_on_stop(mark);
    return "";
}

}  // namespace

int next_picture_number(const std::string& folder, const std::string& settings) {
    int largest = own_picture_first - 1;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* e = readdir(dir)) {
            int number = 0;
            bool detailed = false;
            if (parse_page_archive_name(e->d_name, number, detailed) || parse_reservation_name(e->d_name, number))
                largest = std::max(largest, number);
        }
        closedir(dir);
    }
    std::ifstream file(settings, std::ios::binary);
    if (file) {
        const Config config(file);
        for (int32_t page : config.pages)
            if (page >= own_picture_first && page <= own_picture_last) largest = std::max<int>(largest, page);
    }
    return largest + 1;
}

std::string NumberReservation::reserve(const std::string& folder_in, const std::string& settings, int above) {
    release();
    const std::string folder = without_slash(folder_in);
    int error = 0;
    if (!make_folders(folder, error)) return "cannot make the folder " + folder + ": " + std::strerror(error);
    int number = std::max(next_picture_number(folder, settings), above + 1);
    for (; number <= own_picture_last; ++number) {
        const std::string path = folder + "/" + reservation_name(number);
        {
            const StopsHeld held;
            const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                return "cannot write in " + folder + ": " + std::strerror(errno);
            }
            close(fd);
            path_ = path;
            number_ = number;
            mark_ = remove_on_stop(path);
        }
        // An import that finished with this number after the folder was
        // read has put its archives here and removed its reservation.
        if (!exists(folder + "/" + page_archive(number, false)) && !exists(folder + "/" + page_archive(number, true)))
            return "";
        release();
    }
    return "the pictures folder " + folder + " has no picture numbers left";
}

void NumberReservation::release() {
    if (path_.empty()) return;
    const StopsHeld held;
    unlink(path_.c_str());
    keep_on_stop(mark_);
    path_.clear();
    number_ = 0;
    mark_ = -1;
}

std::string place_archives(const std::string& folder_in,
                           const std::vector<std::pair<std::string, std::vector<unsigned char>>>& archives,
                           bool& taken) {
    taken = false;
    const std::string folder = without_slash(folder_in);
    struct Placed {
        std::string temp, path;
        int mark = -1;
        bool moved = false;
    };
    std::vector<Placed> placed;
    const auto undo = [&] {
        const StopsHeld held;
        for (const Placed& p : placed) {
            unlink((p.moved ? p.path : p.temp).c_str());
            keep_on_stop(p.mark);
        }
    };
    for (const auto& [name, bytes] : archives) {
        Placed p;
        p.path = folder + "/" + name;
        int error = 0;
        p.temp = written_aside(p.path, bytes, p.mark, error);
        if (p.temp.empty()) {
            undo();
            return "cannot write " + p.path + ": " + std::strerror(error);
        }
        placed.push_back(p);
    }
    for (Placed& p : placed) {
        const StopsHeld held;
        if (!move_if_free(p.temp, p.path)) {
            const int error = errno;
            undo();
            taken = error == EEXIST;
            return "cannot write " + p.path + ": " + std::strerror(error);
        }
        // Until every archive is in place, a stop removes this one too.
        p.moved = true;
        keep_on_stop(p.mark);
        p.mark = remove_on_stop(p.path);
    }
    {
        const StopsHeld held;
        for (Placed& p : placed) keep_on_stop(p.mark);
    }
    sync_folder(folder);
    return "";
}
