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

// Frees the singletons after the frame loop has ended.
void shutdown_game();

// The same without closing the window.
void free_game();

// The parent of every menu and dialog.
extern Object* MENU_GLOBAL;
// The parent of the base screen's buttons (those along the top, the arrows).
extern Object* interface_root;
