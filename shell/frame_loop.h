#pragma once

#include <string>

#include "scene/color.h"

class Object;

// The game's entry point: start-up, the frame loop until a root has been
// dismantled, and the shutdown. Returns 0 after a normal quit.
int SDL_main();

// One frame: draw_scene(), then swap the buffers and pick.
void DrawGLScene();

// A frame's drawing: sample the clock, draw `map` and the queued blended
// models, read back the colour under the pointer, draw `cursor`.
void draw_scene();

// True while neither root has been dismantled.
bool frame_loop_running();

extern Object* map;
extern Object* cursor;
extern Color mouse_hover_pixel;
extern std::string languages[5];
