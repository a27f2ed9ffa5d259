#pragma once

#include <cstdint>
#include <string>

#include "scene/color.h"

class Object;

// The game's entry point: start-up, the frame loop until a root has been
// dismantled, and the shutdown. Returns 0 after a normal quit.
int SDL_main();

// One frame: record it, show what changed of it (presenter.h), pick.
void DrawGLScene();

// A frame's walk: sample the clock, run and record `map` (its blended
// models last), then `cursor`. Nothing is drawn yet.
void record_frame();

// A whole frame into the back buffer, without showing it: the recorded
// scene, the colour under the pointer read back, the brush over it.
void draw_scene();

// What the last frame recorded: the scene under the brush, and the brush.
const class Draw_list& recorded_scene();
const class Draw_list& recorded_cursor();

// Work for frames that draw nothing, once the game has rested a while (the
// gallery's thumbnails drawn ahead): one step a frame; true when it did
// one. None when null.
extern bool (*rest_work)();
constexpr uint32_t rest_work_after_ms = 600;

// True while neither root has been dismantled.
bool frame_loop_running();

extern Object* map;
extern Object* cursor;
extern Color mouse_hover_pixel;
extern std::string languages[5];
