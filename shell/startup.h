#pragma once

class Object;

// Opens the window and builds the standing scene before the frame loop.
void start_game();

// Reads the settings file into `conf`; defaults when there is none.
void load_settings();

// With the window open: the roots, the music, the saved picture scheduled
// and the standing objects built.
void start_scene();

// Builds the standing objects under the existing roots: background,
// interface buttons, scene loader, tube holder, menus, brush.
void build_standing_scene();

// Creates the two scene roots, `map` and `cursor`, each drawing its children
// lit; needs the window.
void create_roots();

// Writes the settings and marks both roots deleted; the frame loop then
// dismantles them and ends.
void exit_scene();

// Another child is to paint: the frame loop takes the scene down (writing
// the settings, unless they were written already), and start_next_child()
// builds it again with that child's settings.
void request_profile_change(int child, bool saved_already = false);
bool profile_change_pending();
// In the frame loop: takes the scene down once a change is asked for.
void leave_for_next_child();
// After the frame loop has ended: false when no other child is waiting (or
// the game is asked to end), else the next child's scene is standing.
bool start_next_child();

// Frees the singletons after the frame loop has ended.
void shutdown_game();

// The same without closing the window.
void free_game();

// The parent of every menu and dialog.
extern Object* MENU_GLOBAL;
// The parent of the base screen's buttons (those along the top, the arrows).
extern Object* interface_root;
