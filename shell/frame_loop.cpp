#include "shell/frame_loop.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include "scene/draw_blend.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/scena.h"
#include "shell/startup.h"

uint32_t CURENT_TIME = 0;
Object* map = nullptr;
Object* cursor = nullptr;
Scena* scena = nullptr;

bool frame_loop_running() { return map && cursor && !map->dead && !cursor->dead; }

void draw_scene() {
    CURENT_TIME = SDL_GetTicks();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    map->draw();
    draw_blend_models.draw_models();

    glFlush();
    GLfloat pixel[3] = {0.0f, 0.0f, 0.0f};
    glReadPixels(mouse.x, scena->height - mouse.y, 1, 1, GL_RGB, GL_FLOAT, pixel);
    mouse_hover_pixel = Color(pixel[0], pixel[1], pixel[2]);

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
        DrawGLScene();
    }
    shutdown_game();
    return 0;
}
