#pragma once

#include <utility>
#include <vector>

class Object;

// The real game in an open window, started and quit the way the game's own
// entry point does it (settings from XDG_CONFIG_HOME, the mixer on whatever
// SDL_AUDIODRIVER says), for tests that drive it frame by frame.

// Settings, mixer, roots, music, the saved picture and the standing scene.
// Without `help_at_start` the help screen stays shut whatever the file says.
void session_start(bool help_at_start);

// The quit: exit_scene (saving), frames until both roots are dismantled,
// then the singletons go and the last save is on disk.
void session_quit(void (*frame)());

// Another child was chosen on the picker: the scene comes down the way the
// game's own frame loop takes it down (saving the last child's settings),
// then `between()` runs (with that file on disk), then the next child's
// scene stands. False when no change was asked for.
bool session_next_child(void (*frame)(), void (*between)() = nullptr);

// Window points (from the top left) inside an object's first model, largest
// triangles first, from the matrix its last draw used.
std::vector<std::pair<int, int>> screen_points_inside(const Object* object);
