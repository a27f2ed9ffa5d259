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

