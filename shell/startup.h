#pragma once

// Opens the window and builds the standing scene before the frame loop.
void start_game();

// Marks both roots deleted; the frame loop then dismantles them and ends.
void exit_scene();

// Frees the singletons after the frame loop has ended.
void shutdown_game();
