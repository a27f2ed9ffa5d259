#include "shell/scene_loader.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "game/page_table.h"
#include "game/pages.h"
#include "save/config.h"
#include "game/tubes.h"
#include "scene/object.h"

void (*novaia_scena)(void*) = page01_f;
bool nado_meniat_scenu = true;
bool ne_trogat_banki = false;
Object* old_scena = nullptr;
Object* old_colors = nullptr;

namespace {
int asked_number = 1;
bool asked_detailed = false;
// The mode the tubes on screen were made for: a request to keep them that
// is overtaken by a change of mode before it is carried out (a variant and
// a mode change in the same frame) must not keep paint-by-number tubes in
// free colouring, or the reverse.
bool tubes_by_numbers = true;
}  // namespace

void scena_loader_f(void* tube_holder) {
    if (!nado_meniat_scenu) return;
    nado_meniat_scenu = false;

    // What was painted on the picture we leave is on disk before the next one shows.
    if (old_scena) save_progress();

    Object* root = new Object();
    root->chrot(-90.0, 0.0, 0.0);
    start_slot(root, {make_action(novaia_scena, -1.0)});
    Object_curent->addlink(root);
    if (old_scena) old_scena->del();
    old_scena = root;

    const bool keep = ne_trogat_banki && old_colors && tubes_by_numbers == conf->by_numbers;
    ne_trogat_banki = false;
    if (keep) return;
    tubes_by_numbers = conf->by_numbers;
    Object* tubes = new Object();
    start_slot(tubes, {make_action(create_colors_f, -1.0)});
    static_cast<Object*>(tube_holder)->addlink(tubes);
    if (old_colors) old_colors->del();
    old_colors = tubes;
}

void request_picture(int number, bool detailed, Keeping keep) {
    asked_number = number;
    asked_detailed = detailed;
    if (number >= 1 && number <= page_count)
        novaia_scena = detailed ? hpages_pointers[number - 1] : pages_pointers[number - 1];
    else
        novaia_scena = own_page_f;
    nado_meniat_scenu = true;
    // Another picture has tubes of its own in paint by numbers, whatever
    // an earlier request of this frame (a clear, say) wanted to keep.
    if (conf && number != conf->get_page()) ne_trogat_banki = no_clean_brush = false;
    if (keep != Keeping::nothing) ne_trogat_banki = true;
    if (keep == Keeping::tubes_and_brush) no_clean_brush = true;
}

void request_picture_again(Keeping keep) { request_picture(asked_number, asked_detailed, keep); }

int requested_picture() { return asked_number; }

bool requested_detailed() { return asked_detailed; }

void reset_scene_requests() {
    asked_number = 1;
    asked_detailed = false;
    novaia_scena = page01_f;
    nado_meniat_scenu = true;
    ne_trogat_banki = false;
    old_scena = nullptr;
    old_colors = nullptr;
}
