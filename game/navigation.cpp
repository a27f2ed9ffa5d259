#include "game/navigation.h"

#include "game/game_state.h"
#include "game/pages.h"
#include "save/config.h"
#include "shell/scene_loader.h"

namespace {

int index_of(int picture) {
    if (picture == 0) return -1;
    for (int i = 0; i < 20; ++i)
        if (pages_order[i] == picture) return i;
    return -1;
}

void request(int index) {
    novaia_scena = conf->detailed ? hpages_pointers[index] : pages_pointers[index];
    nado_meniat_scenu = true;
}

// Leaving a picture: its undo history no longer applies, and in free
// colouring the brush and the tubes stay (the free palette is shared).
void request_other(int index) {
    request(index);
    signal_show_back_button = false;
    if (!conf->by_numbers) {
        no_clean_brush = true;
        ne_trogat_banki = true;
    }
}

}  // namespace

void goto_page(int n) {
    const int i = index_of(n);
    if (i >= 0) request_other(i);
}

void next_page() {
    const int i = index_of(conf->get_page());
    if (i >= 0) request_other(i == 19 ? 0 : i + 1);
}

void prev_page() {
    const int i = index_of(conf->get_page());
    if (i >= 0) request_other(i == 0 ? 19 : i - 1);
}

// Without a picture of the catalogue to show again (a first start, a page
// number no picture has), picture 1 is built, in the variant the settings
// say: its progress is read from and written to that variant's tables.
void default_page() {
    const int i = index_of(conf->get_page());
    request(i >= 0 ? i : 0);
}
