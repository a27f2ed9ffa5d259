#include "save/profiles.h"
#include "game/game_state.h"

#include "game/effects.h"
#include "res/platform.h"
#include "save/settings_file.h"
#include "save/settings_writer.h"

int32_t COLORS_NUM = 0;
bool no_clean_brush = false;
bool brush_clean = true;
Color color;
bool signal_show_back_button = false;
int32_t color_selected = 0;
int32_t colors_hint = 0;
std::vector<Piece> bb_old_objects_state;

// A snapshot of the settings goes to the writer thread. A damaged original
// is the writer's to keep as a backup from here on (by its first successful
// write only: a later save must not back up our own file over it).
void save_progress() {
    if (!conf) return;
    settings_writer.submit(current_settings_path(), settings_bytes(*conf), conf->damaged);
    conf->damaged = false;
}

void reset_game_state() {
    COLORS_NUM = 0;
    no_clean_brush = false;
    brush_clean = true;
    color = Color();
    signal_show_back_button = false;
    color_selected = 0;
    colors_hint = 0;
    bb_old_objects_state.clear();
    shot = false;
    color_effect_num = 0;
    effect_quality = 0;
    color_effect_order.empty();
}
