#include "window/x_screen.h"

#include <X11/Xlib.h>

bool x_screen_size(int& width, int& height) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    width = DisplayWidth(d, DefaultScreen(d));
    height = DisplayHeight(d, DefaultScreen(d));
    XCloseDisplay(d);
    return true;
}

#include <X11/Xutil.h>

bool x_screen_pixel(int x, int y, double rgb[3]) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    XImage* img = XGetImage(d, RootWindow(d, DefaultScreen(d)), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img) {
        XCloseDisplay(d);
        return false;
    }
    const unsigned long p = XGetPixel(img, 0, 0);
    rgb[0] = ((p & img->red_mask) >> __builtin_ctzl(img->red_mask)) / 255.0;
    rgb[1] = ((p & img->green_mask) >> __builtin_ctzl(img->green_mask)) / 255.0;
    rgb[2] = ((p & img->blue_mask) >> __builtin_ctzl(img->blue_mask)) / 255.0;
    XDestroyImage(img);
    XCloseDisplay(d);
    return true;
}

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

bool x_screen_image(std::vector<unsigned char>& rgb, int& width, int& height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) == 1 && info.subsystem == SDL_SYSWM_X11) {
        if (info.info.x11.gfxdisplay) XSync(info.info.x11.gfxdisplay, False);
        if (info.info.x11.display) XSync(info.info.x11.display, False);
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    width = DisplayWidth(d, DefaultScreen(d));
    height = DisplayHeight(d, DefaultScreen(d));
    XImage* img = XGetImage(d, RootWindow(d, DefaultScreen(d)), 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!img) {
        XCloseDisplay(d);
        return false;
    }
    rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    const int rs = __builtin_ctzl(img->red_mask), gs = __builtin_ctzl(img->green_mask), bs = __builtin_ctzl(img->blue_mask);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(img, x, y);
            unsigned char* o = &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
            o[0] = static_cast<unsigned char>((p & img->red_mask) >> rs);
            o[1] = static_cast<unsigned char>((p & img->green_mask) >> gs);
            o[2] = static_cast<unsigned char>((p & img->blue_mask) >> bs);
        }
    XDestroyImage(img);
    XCloseDisplay(d);
    return true;
}
