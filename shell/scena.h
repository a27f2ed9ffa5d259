#pragma once

struct SDL_Surface;

// The OpenGL window, full screen or of a given size, its fixed drawing
// state and projection.
class Scena {
public:
    double corner[3] = {0.0, 0.0, 0.0};  // eye-space point on the ray through the bottom-left corner
    int width = 0;
    int height = 0;
    int bpp = 0;

    // (0, 0, 0) opens at the desktop's size and depth; without `full_screen`
    // a window of that size opens on the desktop.
    Scena(int width, int height, int bpp, bool full_screen = true);
    ~Scena();
    Scena(const Scena&) = delete;
    Scena& operator=(const Scena&) = delete;

    void setMode(int width, int height, int bpp);
    bool init();
    bool resizeWindow(int width, int height);
    double get_x_coord(double z) const { return corner[0] * z / corner[2]; }
    double get_y_coord(double z) const { return corner[1] * z / corner[2]; }
    int fullscreen();
    [[noreturn]] void quit();

    bool full_screen = true;
    bool multisampled = false;  // the first, 4-sample request was granted
};

extern SDL_Surface* surface;
extern Scena* scena;

void init_light();
void add_light(int phase, void* param);
