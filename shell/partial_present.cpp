#include "shell/partial_present.h"

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <cstring>

namespace {

using copy_sub_buffer_fn = void (*)(Display*, Window, int, int, int, int);
using query_extensions_fn = const char* (*)(Display*, int);

struct Sub_buffer {
    bool asked = false;
    copy_sub_buffer_fn copy = nullptr;
    Display* display = nullptr;
    Window window = 0;
};
Sub_buffer sub;

void ask() {
    sub = Sub_buffer();
    sub.asked = true;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.gfxdisplay ? info.info.x11.gfxdisplay : info.info.x11.display;
    auto query = reinterpret_cast<query_extensions_fn>(SDL_GL_GetProcAddress("glXQueryExtensionsString"));
    if (!display || !query) return;
    const char* extensions = query(display, DefaultScreen(display));
    if (!extensions || !std::strstr(extensions, "GLX_MESA_copy_sub_buffer")) return;
    sub.copy = reinterpret_cast<copy_sub_buffer_fn>(SDL_GL_GetProcAddress("glXCopySubBufferMESA"));
    sub.display = display;
    sub.window = info.info.x11.window;
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

void partial_present_reset() { sub = Sub_buffer(); }
