#include "shell/scena.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scene/draw_list.h"
#include "shell/partial_present.h"
#include "shell/presenter.h"

SDL_Surface* surface = nullptr;

Scena::Scena(int w, int h, int b, bool full) : full_screen(full) {
    setMode(w, h, b);
    SDL_ShowCursor(0);
}

// The presenter's framebuffers go while their GL is still there.
Scena::~Scena() {
    presenter.release();
    partial_present_reset();
    SDL_Quit();
}

void Scena::quit() {
    SDL_Quit();
    std::exit(1);
}

// An X server turns a connection away now and then just after another one
// closed, and a desktop session may start the game a moment before its
// display takes clients (SDL then falls back to a driver without OpenGL):
// the whole opening is tried again for about a second before the game gives
// up with the last reason.
void Scena::setMode(int w, int h, int b) {
    constexpr int attempts = 9;
    constexpr Uint32 pause_ms = 150;
    for (int attempt = 1;; ++attempt) {
        bool started = SDL_Init(SDL_INIT_VIDEO) >= 0;
        if (started) {
            if (w == 0 && h == 0 && b == 0) {
                const SDL_VideoInfo* info = SDL_GetVideoInfo();
                width = info->current_w;
                height = info->current_h;
                bpp = info->vfmt->BitsPerPixel;
            } else {
                width = w;
                height = h;
                bpp = b;
            }
            if (init()) return;
        }
        if (attempt == attempts) {
            std::fprintf(stderr, started ? "Video mode set failed: %s\n" : "Video initialization failed: %s\n",
                         SDL_GetError());
            quit();
        }
        SDL_Quit();
        SDL_Delay(pause_ms);
    }
}

// Opens the window (4-sample multisampling if the display grants it, else
// without) and sets the fixed drawing state; false when no window opens.
bool Scena::init() {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    Uint32 flags = SDL_OPENGL | 0x5;
    if (full_screen) flags |= SDL_FULLSCREEN;
    if (info && info->hw_available) flags |= SDL_HWSURFACE;
    if (info && info->blit_hw) flags |= SDL_HWACCEL;

    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 4);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
    // Swaps wait for the display's refresh where the driver offers it, so the
    // game does not spin a core drawing frames nobody sees; motion is scaled
    // by elapsed time either way.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    surface = SDL_SetVideoMode(width, height, 32, flags);
    multisampled = surface != nullptr;
    if (!surface) {
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
        SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 0);
        surface = SDL_SetVideoMode(width, height, 32, flags);
        if (!surface) return false;
    }
    if (multisampled) glEnable(GL_MULTISAMPLE);

    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.9f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_NORMALIZE);
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (extensions && std::strstr(extensions, "GL_EXT_separate_specular_color"))
        glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_TEXTURE_2D);

    resizeWindow(width, height);
    return true;
}

bool Scena::resizeWindow(int w, int h) {
    if (h == 0) h = 1;
    const float ratio = static_cast<float>(w) / static_cast<float>(h);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, ratio, static_cast<double>(0.1f), 250.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluUnProject(0.0, 0.0, -1.0, modelview, projection, viewport, &corner[0], &corner[1], &corner[2]);
    return true;
}

int Scena::fullscreen() { return SDL_WM_ToggleFullScreen(surface); }

void init_light() {
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 0);
    const GLfloat ambient[] = {0.22f, 0.22f, 0.22f, 1.0f};
    const GLfloat diffuse[] = {0.6f, 0.6f, 0.6f, 1.0f};
    const GLfloat specular[] = {0.7f, 0.7f, 0.7f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_SPECULAR, specular);
}

// The walk only records, so the switch goes to the drawing state the
// records take along; the frame sets GL from them when it draws.
void add_light(int phase, void*) {
    if (phase == 1 || phase == 3) {
        draw_state.lighting = true;
        draw_state.lights |= 1;
    } else if (phase == 2 || phase == 4) {
        draw_state.lights &= static_cast<uint8_t>(~1u);
        draw_state.lighting = false;
    }
}
