#include "res/platform_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>

std::string get_boundle_path() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

static std::string with_slash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder != "/") folder += '/';
    return folder;
}

// How many of the archives every start opens a folder holds: each one
// found counts two, the folder existing at all counts one.
static int archive_score(const std::string& folder) {
    static const char* const always_opened[] = {"interface.pak", "langall.pak", "langen.pak", "sound.pak", "music.pak"};
    int score = access(folder.c_str(), X_OK) == 0 ? 1 : 0;
    for (const char* name : always_opened) score += 2 * (access((folder + name).c_str(), R_OK) == 0);
    return score;
}

// The archives are one set: the folder that holds the most of the ones
// every start opens is the game's, so a single missing archive is reported
// where the others are, not sought in another folder. The folders beside
// the executable come first (a build, or an installation moved elsewhere);
// the data folder fixed when the game was built (PINTABO_INSTALLED_DATA_DIR,
// /usr/share/games/pintabo for the Debian package) is the game's when they
// hold none.
std::string get_resources_path() {
    const std::string bundle = with_slash(get_boundle_path());
    const std::string candidates[2] = {bundle + "data/", bundle + "../share/pintabo/"};
    int best = 0, best_score = -1;
    for (int c = 0; c < 2; ++c) {
        const int score = archive_score(candidates[c]);
        if (score > best_score) best = c, best_score = score;
    }
#ifdef PINTABO_INSTALLED_DATA_DIR
    if (best_score < 2) {
        const std::string installed = with_slash(PINTABO_INSTALLED_DATA_DIR);
        const int installed_score = archive_score(installed);
        if (installed_score >= 2 || (installed_score == 1 && best_score == 0)) return installed;
    }
#endif
    return candidates[best];
}

static std::string home_folder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()))
        if (pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    return ".";
}

static std::string config_home() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    return with_slash((xdg && xdg[0] == '/') ? std::string(xdg) : home_folder() + "/.config");
}

std::string get_cfg_path() { return config_home() + "pintabo/com.quillfen.pintabo.cfg"; }

std::string user_settings_file() { return config_home() + "pintabo/pintabo.conf"; }

std::vector<std::string> machine_settings_files() {
    std::vector<std::string> files{"/etc/pintabo/pintabo.conf"};
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    const std::string list = dirs && *dirs ? dirs : "/etc/xdg";
    std::vector<std::string> in_order;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        const std::string dir = list.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/') in_order.push_back(with_slash(dir) + "pintabo/pintabo.conf");
        start = end + 1;
    }
    // A folder named twice (XDG_CONFIG_DIRS=/etc) is read once, where it counts most.
    for (auto it = in_order.rbegin(); it != in_order.rend(); ++it) {
        files.erase(std::remove(files.begin(), files.end(), *it), files.end());
        files.push_back(*it);
    }
    return files;
}

static const char* const own_pictures_variable = "PINTABO_OWN_PICTURES";

void set_own_pictures_path(const std::string& folder) {
    if (folder.empty()) return;
    std::string path = folder;
    if (path == "~" || path.rfind("~/", 0) == 0) path = home_folder() + path.substr(1);
    if (path[0] == '/') setenv(own_pictures_variable, path.c_str(), 1);
}

std::string get_own_pictures_path() {
    const char* told = std::getenv(own_pictures_variable);
    if (told && told[0] == '/') return with_slash(told);
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string data = (xdg && xdg[0] == '/') ? std::string(xdg) : home_folder() + "/.local/share";
    return with_slash(data) + "pintabo/pictures/";
}

// Finds a program in $PATH before forking, so the child only needs calls that
// are safe between fork and exec.
std::string find_in_path(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = dirs.find(':', start);
        const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return {};
}

// The folder xdg-user-dirs names for pictures: XDG_PICTURES_DIR in
// $XDG_CONFIG_HOME/user-dirs.dirs, a line such as
// XDG_PICTURES_DIR="$HOME/Pictures"; a path that is neither absolute nor
// starts with $HOME/ is not one.
static std::string user_pictures_folder() {
    std::ifstream dirs(config_home() + "user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line)) {
        const std::string key = "XDG_PICTURES_DIR=";
        const size_t at = line.find_first_not_of(" \t");
        if (at == std::string::npos || line.compare(at, key.size(), key) != 0) continue;
        std::string value = line.substr(at + key.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME/", 0) == 0) return home_folder() + value.substr(5);
        if (value == "$HOME") return home_folder();
        if (!value.empty() && value[0] == '/') return value;
    }
    return home_folder() + "/Pictures";
}

std::string get_pictures_path() { return with_slash(user_pictures_folder()) + "pintabo/"; }
