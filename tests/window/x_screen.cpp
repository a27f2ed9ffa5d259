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
