#pragma once

#include <cstdint>
#include <vector>

#include "save/config.h"
#include "scene/color.h"

// The state of the colouring game shared by the picture, the tubes, the
// brush and the interface. Main thread only.

extern int32_t COLORS_NUM;             // tubes of the picture on screen, 0 before the first
extern bool no_clean_brush;            // the next picture build keeps the brush colour
extern bool brush_clean;               // the brush carries no paint
extern Color color;                    // the paint on the brush
extern bool signal_show_back_button;   // the undo button may be offered
extern int32_t color_selected;         // 0-based colour number of the tube picked last
extern int32_t colors_hint;            // 1-based tube that should pulse, 0 for none
extern std::vector<Piece> bb_old_objects_state;  // undo history of free colouring

// The settings are handed to the writer thread now and written atomically
// in the background, so a crash loses at most the strokes since the last
// picture change or finish, and a slow disk never stalls a frame. Quitting
// waits for the write (shutdown_game).
void save_progress();

// Everything above and the completion effect back to their first-start
// values; for a game started again in the same process.
void reset_game_state();
