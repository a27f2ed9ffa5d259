#pragma once

// Opens the window and builds the standing scene before the frame loop.
void start_game();

// Creates the two scene roots, `map` and `cursor`, each drawing its children
// lit; needs the window.
void create_roots();

// Marks both roots deleted; the frame loop then dismantles them and ends.
void exit_scene();

// Frees the singletons after the frame loop has ended.
void shutdown_game();
