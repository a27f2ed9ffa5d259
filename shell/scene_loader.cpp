#include "shell/scene_loader.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "game/pages.h"
#include "game/tubes.h"
#include "scene/object.h"

void (*novaia_scena)(void*) = page01_f;
bool nado_meniat_scenu = true;
bool ne_trogat_banki = false;
Object* old_scena = nullptr;
Object* old_colors = nullptr;

namespace {
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

void reset_scene_requests() {
    novaia_scena = page01_f;
    nado_meniat_scenu = true;
    ne_trogat_banki = false;
    old_scena = nullptr;
    old_colors = nullptr;
}
