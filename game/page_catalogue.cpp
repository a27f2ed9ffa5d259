#include "game/page_catalogue.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "game/page_info.h"
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

bool read_whole(const std::string& path, std::string& bytes, std::string& why) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "not a regular file";
        return false;
    }
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

}  // namespace

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
        std::string bytes, why;
        PageArchiveCheck check;
        if (read_whole(folder + e->d_name, bytes, why)) {
            check = check_page_archive(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
            why = check.error;
            if (why.empty() && (check.info.number != number || check.info.detailed != detailed))
                why = "its name does not match what it holds";
        }
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
