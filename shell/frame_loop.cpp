#include "shell/frame_loop.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include "res/texturebase.h"
#include "scene/draw_list.h"
#include "scene/object.h"
#include "scene/recording.h"
#include "shell/frame_clock.h"
#include "shell/frame_pacer.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/presenter.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "shell/termination.h"

uint32_t CURENT_TIME = 0;
uint32_t (*frame_clock)() = [] { return static_cast<uint32_t>(SDL_GetTicks()); };
Object* map = nullptr;
Object* cursor = nullptr;
Scena* scena = nullptr;

namespace {

Draw_list scene_list;
Draw_list cursor_list;

// One root walked from the camera: its actions run, its models are recorded.
void record_tree(Object* root, Draw_list& into) {
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    Recording recording(into);
    root->draw();
    recording.finish();
    into.note_lights();
}

}  // namespace

const Draw_list& recorded_scene() { return scene_list; }
const Draw_list& recorded_cursor() { return cursor_list; }

// Both trees are drawn until they are wholly dismantled, so nothing still
// linked is left to leak when the roots are freed.
bool frame_loop_running() { return map && cursor && !(map->dead && cursor->dead); }

void record_frame() {
    CURENT_TIME = frame_clock();
    // Computed textures move with the clock; without any, nothing is redrawn.
    if (!texturebase.empty()) texturebase.regenall();
    record_tree(map, scene_list);
    record_tree(cursor, cursor_list);
}

void draw_scene() {
    record_frame();
    presenter.draw_whole(scene_list, cursor_list);
    scene_list.close();
    cursor_list.close();
}

bool (*rest_work)() = nullptr;

void DrawGLScene() {
    static uint32_t last_drawn = 0;
    record_frame();
    const bool drawn = presenter.present(scene_list, cursor_list);
    scene_list.close();
    cursor_list.close();
    // Every frame whole means every pick made anew too.
    if (presenter.mode() == Presenter::Mode::full) hits.pick_known = false;
    hits.recalc();
    if (drawn || CURENT_TIME < last_drawn) last_drawn = CURENT_TIME;
    else if (rest_work && CURENT_TIME - last_drawn >= rest_work_after_ms) rest_work();
}

int SDL_main() {
    start_game();
    Frame_pacer pacer;
    do {
        while (frame_loop_running()) {
            read_input();
            if (termination_requested()) exit_scene();
            leave_for_next_child();
            DrawGLScene();
            pacer.wait_for_next_frame();
        }
    } while (start_next_child());
    shutdown_game();
    return 0;
}
