#include "game/page_catalogue.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

#include "game/page_info.h"
#include "res/media.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_file.h"

namespace {

// No archive of a page comes near this; anything larger is not read.
constexpr off_t largest_archive = 128 * 1024 * 1024;

std::vector<Page_source> built_in() {
    std::vector<Page_source> list;
    for (int i = 0; i < page_count; ++i) {
        Page_source p;
        p.number = i + 1;
        p.figures = page_figures[i];
        list.push_back(p);
    }
    return list;
}

std::vector<Page_source>& catalogue() {
    static std::vector<Page_source> list = built_in();
    return list;
}

Page_source::File_seen seen_of(const struct stat& st) {
    Page_source::File_seen f;
    f.device = static_cast<unsigned long>(st.st_dev);
    f.inode = static_cast<unsigned long>(st.st_ino);
    f.size = static_cast<long long>(st.st_size);
    f.modified_ns = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return f;
}

bool read_whole(const std::string& path, std::string& bytes, std::string& why, Page_source::File_seen* seen = nullptr) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        why = errno == ENOENT ? "it is gone" : std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        why = "not a regular file";
        return false;
    }
    if (seen) *seen = seen_of(st);
    if (st.st_size > largest_archive) {
        why = "too large";
        return false;
    }
    int error = 0;
    if (!read_settings_file(path, bytes, error)) {
        why = std::strerror(error);
        return false;
    }
    return true;
}

// What is wrong with the archive file at `path`, which should hold picture
// `number` in a variant ("" when nothing is).
std::string check_archive_file(const std::string& path, int number, bool detailed, PageArchiveCheck& check,
                               Page_source::File_seen& seen) {
    std::string bytes, why;
    if (!read_whole(path, bytes, why, &seen)) return why;
    check = check_page_archive(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    if (!check.error.empty()) return check.error;
    if (check.info.number != number || check.info.detailed != detailed) return "its name does not match what it holds";
    return "";
}

bool same_counts(const PageVariant& a, const PageVariant& b) {
    return a.total == b.total && std::equal(a.regions, a.regions + 10, b.regions);
}

// The archive still is the file the folder showed, and can be opened.
bool unchanged(const Page_source& p, bool detailed) {
    const std::string path = p.archive(detailed);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !(seen_of(st) == p.seen[detailed])) return false;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    return true;
}

void drop_variant(int number, bool detailed, const std::string& why) {
    std::vector<Page_source>& list = catalogue();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].number != number) continue;
        say_once("pintabo: leaving out " + list[i].archive(detailed) + ": " + why);
        (detailed ? list[i].has_detailed : list[i].has_simple) = false;
        if (!list[i].has_simple && !list[i].has_detailed) list.erase(list.begin() + static_cast<long>(i));
        return;
    }
}

}  // namespace

bool page_ready(int number, bool detailed) {
    Page_source* p = nullptr;
    for (Page_source& s : catalogue())
        if (s.number == number) p = &s;
    if (!p || !p->has(detailed)) return false;
    if (!p->own() || media.is_open(p->archive(detailed).c_str()) || unchanged(*p, detailed)) return true;
    Page_source::File_seen seen;
    PageArchiveCheck check;
    std::string why = check_archive_file(p->archive(detailed), number, detailed, check, seen);
    // A new file in its place must still agree with what the game knows.
    if (why.empty() && (check.info.tubes != p->figures.tubes ||
                        !std::equal(check.info.palette, check.info.palette + 9, p->figures.palette) ||
                        !same_counts(check.info.variant, p->variant(detailed))))
        why = "it holds another picture than it did";
    if (why.empty()) {
        p->seen[detailed] = seen;
        return true;
    }
    drop_variant(number, detailed, why);
    return false;
}

const std::vector<Page_source>& page_catalogue() { return catalogue(); }

const Page_source* find_page(int number) {
    for (const Page_source& p : catalogue())
        if (p.number == number) return &p;
    return nullptr;
}

void scan_own_pictures() {
    std::vector<Page_source> list = built_in();
    const std::string folder = get_own_pictures_path();
    std::map<int, Page_source> own;
    DIR* dir = opendir(folder.c_str());
    while (dir) {
        const dirent* e = readdir(dir);
        if (!e) break;
        int number = 0;
        bool detailed = false;
        // Anything not named as an archive of ours (a temporary file of an
        // import under way, say) is not looked at.
        if (!parse_page_archive_name(e->d_name, number, detailed) || number < own_picture_first) continue;
        Page_source::File_seen seen;
        PageArchiveCheck check;
        const std::string why = check_archive_file(folder + e->d_name, number, detailed, check, seen);
        if (!why.empty()) {
            say_once("pintabo: skipping " + folder + e->d_name + ": " + why);
            continue;
        }
        Page_source& p = own[number];
        if (p.number == 0) {
            p.number = number;
            p.folder = folder;
            p.has_simple = p.has_detailed = false;
            p.figures.tubes = check.info.tubes;
            std::copy(check.info.palette, check.info.palette + 9, p.figures.palette);
        }
        // Both variants of a picture share its tubes; a variant that does
        // not agree with the other is not shown.
        if (p.figures.tubes != check.info.tubes ||
            !std::equal(check.info.palette, check.info.palette + 9, p.figures.palette)) {
            say_once("pintabo: skipping " + folder + e->d_name + ": its palette differs from its other variant's");
            continue;
        }
        p.name = check.info.name;
        (detailed ? p.figures.detailed : p.figures.simple) = check.info.variant;
        (detailed ? p.has_detailed : p.has_simple) = true;
        p.seen[detailed] = seen;
    }
    if (dir) closedir(dir);
    for (auto& [number, p] : own) list.push_back(p);
    catalogue() = list;
}

void forget_removed_pictures(Config& c) {
    for (size_t i = c.pages.size(); i-- > 0;) {
        const int number = c.pages[i];
        if (number >= own_picture_first && !find_page(number)) c.drop_page(number);
    }
}
