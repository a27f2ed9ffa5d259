#include "shell/frame_loop.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include "res/texturebase.h"
#include "scene/draw_blend.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "shell/termination.h"

uint32_t CURENT_TIME = 0;
uint32_t (*frame_clock)() = [] { return static_cast<uint32_t>(SDL_GetTicks()); };
Object* map = nullptr;
Object* cursor = nullptr;
Scena* scena = nullptr;

// Both trees are drawn until they are wholly dismantled, so nothing still
// linked is left to leak when the roots are freed.
bool frame_loop_running() { return map && cursor && !(map->dead && cursor->dead); }

void draw_scene() {
    CURENT_TIME = frame_clock();
    // Computed textures move with the clock; without any, nothing is redrawn.
    if (!texturebase.empty()) texturebase.regenall();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    map->draw();
    draw_blend_models.draw_models();

    // The colour under the pointer; window rows count from the bottom.
    if (mouse.x >= 0 && mouse.y >= 0 && mouse.x < scena->width && mouse.y < scena->height) {
        glFlush();
        GLfloat pixel[3] = {0.0f, 0.0f, 0.0f};
        glReadPixels(mouse.x, scena->height - 1 - mouse.y, 1, 1, GL_RGB, GL_FLOAT, pixel);
        mouse_hover_pixel = Color(pixel[0], pixel[1], pixel[2]);
    }

    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    cursor->draw();
}

void DrawGLScene() {
    draw_scene();
    SDL_GL_SwapBuffers();
    hits.recalc();
}

int SDL_main() {
    start_game();
    while (frame_loop_running()) {
        read_input();
        if (termination_requested()) exit_scene();
        DrawGLScene();
    }
    shutdown_game();
    return 0;
}
