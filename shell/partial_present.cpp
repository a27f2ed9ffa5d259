#include "shell/partial_present.h"

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <X11/Xutil.h>

#include <cstring>
#include <vector>

namespace {

using copy_sub_buffer_fn = void (*)(Display*, Window, int, int, int, int);
using query_extensions_fn = const char* (*)(Display*, int);

struct Sub_buffer {
    bool asked = false;
    copy_sub_buffer_fn copy = nullptr;
    Display* display = nullptr;
    Window window = 0;
    // The direct way: asked apart, it needs a current GL context.
    bool direct_asked = false;
    bool direct = false;
    Visual* visual = nullptr;
    int depth = 0;
    int height = 0;  // the window's, for rows counted from the top
    GC gc = nullptr;
    std::vector<unsigned char> rows;  // the pixels top row first, as X takes them
};
Sub_buffer sub;

// The display GL draws through and the window it draws in.
bool find_window() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11) return false;
    sub.display = info.info.x11.gfxdisplay ? info.info.x11.gfxdisplay : info.info.x11.display;
    sub.window = info.info.x11.window;
    return sub.display != nullptr;
}

void ask() {
    sub = Sub_buffer();
    sub.asked = true;
    if (!find_window()) return;
    auto query = reinterpret_cast<query_extensions_fn>(SDL_GL_GetProcAddress("glXQueryExtensionsString"));
    if (!query) return;
    const char* extensions = query(sub.display, DefaultScreen(sub.display));
    if (!extensions || !std::strstr(extensions, "GLX_MESA_copy_sub_buffer")) return;
    sub.copy = reinterpret_cast<copy_sub_buffer_fn>(SDL_GL_GetProcAddress("glXCopySubBufferMESA"));
}

// Mesa's software renderers name themselves so.
bool drawn_in_software() {
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") ||
                        std::strstr(renderer, "Software Rasterizer"));
}

void ask_direct() {
    if (!sub.asked) ask();
    sub.direct_asked = true;
    if (!sub.display || !sub.window || !drawn_in_software()) return;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(sub.display, sub.window, &attributes) || !attributes.visual) return;
    const Visual* v = attributes.visual;
    if (v->red_mask != 0xff0000 || v->green_mask != 0xff00 || v->blue_mask != 0xff) return;
    if (attributes.depth != 24 && attributes.depth != 32) return;
    // The pixel layout of that depth: 32 bits, least significant byte first.
    int formats = 0;
    XPixmapFormatValues* list = XListPixmapFormats(sub.display, &formats);
    bool fits = false;
    for (int i = 0; list && i < formats; ++i)
        if (list[i].depth == attributes.depth) fits = list[i].bits_per_pixel == 32;
    if (list) XFree(list);
    if (!fits || ImageByteOrder(sub.display) != LSBFirst) return;
    sub.gc = XCreateGC(sub.display, sub.window, 0, nullptr);
    if (!sub.gc) return;
    sub.visual = attributes.visual;
    sub.depth = attributes.depth;
    sub.height = attributes.height;
    sub.direct = true;
}

}  // namespace

bool partial_present_available() {
    if (!sub.asked) ask();
    return sub.copy != nullptr;
}

bool partial_present(int x, int y, int w, int h) {
    if (!partial_present_available()) return false;
    sub.copy(sub.display, sub.window, x, y, w, h);
    return true;
}

bool direct_present_available() {
    if (!sub.direct_asked) ask_direct();
    return sub.direct;
}

bool direct_present(int x, int y, int w, int h, const unsigned char* bgra) {
    if (!direct_present_available() || w <= 0 || h <= 0) return false;
    const size_t row = static_cast<size_t>(w) * 4;
    sub.rows.resize(row * static_cast<size_t>(h));
    for (int r = 0; r < h; ++r)
        std::memcpy(sub.rows.data() + row * static_cast<size_t>(h - 1 - r), bgra + row * static_cast<size_t>(r), row);
    XImage* image = XCreateImage(sub.display, sub.visual, static_cast<unsigned>(sub.depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(sub.rows.data()), static_cast<unsigned>(w),
                                 static_cast<unsigned>(h), 32, static_cast<int>(row));
    if (!image) return false;
    XPutImage(sub.display, sub.window, sub.gc, image, 0, 0, x, sub.height - y - h, static_cast<unsigned>(w),
              static_cast<unsigned>(h));
    image->data = nullptr;  // the rows stay ours
    XDestroyImage(image);
    XFlush(sub.display);
    return true;
}

void partial_present_reset() {
    if (sub.gc && sub.display) XFreeGC(sub.display, sub.gc);
    sub = Sub_buffer();
}
