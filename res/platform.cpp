#include "res/platform.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "res/drawn_resources.h"

// Copies the surface's pixels into tightly packed R,G,B(,A) bytes, top row
// first, whatever the surface's channel masks and row pitch are.
static std::vector<unsigned char> packed_pixels(SDL_Surface* s, int channels) {
    const int w = s->w, h = s->h, bpp = s->format->BytesPerPixel;
    std::vector<unsigned char> out(static_cast<size_t>(w) * static_cast<size_t>(h) * static_cast<size_t>(channels));
    const SDL_PixelFormat* f = s->format;
    const bool byte_order = f->Rmask == 0x000000FFu && f->Gmask == 0x0000FF00u && f->Bmask == 0x00FF0000u &&
                            (channels == 3 || f->Amask == 0xFF000000u);
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    const unsigned char* base = static_cast<const unsigned char*>(s->pixels);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = base + static_cast<size_t>(y) * s->pitch;
        unsigned char* dst = out.data() + static_cast<size_t>(y) * static_cast<size_t>(w) * static_cast<size_t>(channels);
        if (byte_order) {
            std::memcpy(dst, row, static_cast<size_t>(w) * static_cast<size_t>(channels));
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = row + x * bpp;
            Uint32 v = 0;
            std::memcpy(&v, p, static_cast<size_t>(bpp));  // little-endian host
            Uint8 r, g, b, a;
            SDL_GetRGBA(v, s->format, &r, &g, &b, &a);
            unsigned char* d = dst + x * channels;
            d[0] = r;
            d[1] = g;
            d[2] = b;
            if (channels == 4) d[3] = a;
        }
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return out;
}

unsigned mac_load_tex(char* bytes, int count) {
    if (!bytes || count <= 0) return 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, count);
    if (!rw) return 0;
    SDL_Surface* surface = IMG_Load_RW(rw, 1);
    if (!surface) return 0;

    const int depth = surface->format->BitsPerPixel;
    if (depth != 24 && depth != 32) {
        SDL_FreeSurface(surface);
        return 0;
    }
    const GLenum format = depth == 24 ? GL_RGB : GL_RGBA;
    const std::vector<unsigned char> pixels = packed_pixels(surface, depth / 8);
    const int w = surface->w, h = surface->h;
    SDL_FreeSurface(surface);

    GLuint tex = 0;
    drawn_resources_changed();
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), w, h, format, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    return tex;
}

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

std::string get_cfg_path() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string config = (xdg && xdg[0] == '/') ? std::string(xdg) : home_folder() + "/.config";
    return with_slash(config) + "pintabo/com.quillfen.pintabo.cfg";
}

std::string get_own_pictures_path() {
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

bool is_web_address(const std::string& url) {
    return url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0;
}

// xdg-open with one argument. A double fork: the intermediate child exits
// at once and is reaped here, so the opener is adopted by init and never
// lingers as a zombie of the game.
static void open_detached(const std::string& what) {
    const std::string opener = find_in_path("xdg-open");
    if (opener.empty()) return;
    char* const argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(what.c_str()), nullptr};
    const pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        if (fork() == 0) {
            for (int fd = 3; fd < 1024; ++fd) close(fd);
            const int devnull = open("/dev/null", O_RDWR);
            if (devnull >= 0) dup2(devnull, 0);
            execv(opener.c_str(), argv);
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

void visit_site(std::string url) {
    if (is_web_address(url)) open_detached(url);
}

bool open_document(const std::string& path) {
    struct stat st {};
    if (path.empty() || path[0] != '/' || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    open_detached(path);
    return true;
}

// The folder xdg-user-dirs names for pictures: XDG_PICTURES_DIR in
// $XDG_CONFIG_HOME/user-dirs.dirs, a line such as
// XDG_PICTURES_DIR="$HOME/Pictures"; a path that is neither absolute nor
// starts with $HOME/ is not one.
static std::string user_pictures_folder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string config = (xdg && xdg[0] == '/') ? std::string(xdg) : home_folder() + "/.config";
    std::ifstream dirs(with_slash(config) + "user-dirs.dirs");
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
